// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StoreError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumenary::custom {

// Input about the user's own questions that cannot be taken: a file's line,
// a subject's name. The message says what is wrong and that nothing changed.
class CustomDataError : public StoreError {
public:
    using StoreError::StoreError;
};

// The fields a question of the user's own has, in the order the files give them.
enum class Field { PartA, PartB, French, Unit, Book, Chapter, Theme };
inline constexpr std::size_t kFieldCount = 7;

struct FieldColumn {
    Field field;
    std::string_view name;   // what the user calls it: "Part A", "Unit"
    std::string_view column; // the question table's field: "English", "Category"
    bool wholeNumber;
};

// Every field, in Field order.
std::span<const FieldColumn> FieldColumns();
const FieldColumn& ColumnOf(Field field);

// The whole number a cell holds, or nullopt when it holds anything else.
std::optional<std::int64_t> WholeNumber(std::string_view text);

// What is wrong with a value of the field, or nullopt when it will do: Part A
// and Part B are required, Unit and Chapter are whole numbers. In words for
// the user: "Part B is empty", "Unit "x" is not a whole number".
std::optional<std::string> FieldProblem(const FieldColumn& field, const std::optional<std::string>& value);

// One question's fields in Field order; nullopt is a missing value.
using FieldValues = std::array<std::optional<std::string>, kFieldCount>;

inline std::optional<std::string>& ValueOf(FieldValues& values, Field field)
{
    return values[static_cast<std::size_t>(field)];
}

inline const std::optional<std::string>& ValueOf(const FieldValues& values, Field field)
{
    return values[static_cast<std::size_t>(field)];
}

} // namespace lumenary::custom
