// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

#include <optional>
#include <string_view>

namespace lumenary {

// The font a cell of the user's questions is shown and typed in: Greek and
// Hebrew in the program's fonts for them, anything else in the table's own
// (nullopt).
std::optional<QFont> CellFont(std::string_view text);

// Whether a cell reads right to left: it holds Hebrew.
bool IsRightToLeft(std::string_view text);

// The tallest line a cell font makes, for the table's row height.
int TallestCellLine();

} // namespace lumenary
