// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace lumenary {

// One field of a question record as SQLite holds it; monostate is a null.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

bool IsNull(const FieldValue& value);

// The value as text; a null reads as empty text so a quiz can always show it.
std::string FieldText(const FieldValue& value);

// The value as a whole number; a null or non-numeric text reads as 0.
std::int64_t FieldNumber(const FieldValue& value);

} // namespace lumenary
