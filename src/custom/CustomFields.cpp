// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomFields.h"

#include "QuotedText.h"

#include <charconv>

namespace lumenary::custom {

namespace {

constexpr FieldColumn kFieldColumns[] = {
    {Field::PartA, "Part A", "English", false}, {Field::PartB, "Part B", "Hebrew", false},
    {Field::French, "French", "French", false}, {Field::Unit, "Unit", "Category", true},
    {Field::Book, "Book", "Book", false},       {Field::Chapter, "Chapter", "Chapter", true},
    {Field::Theme, "Theme", "Theme", false},
};
static_assert(std::size(kFieldColumns) == kFieldCount);

} // namespace

std::span<const FieldColumn> FieldColumns()
{
    return kFieldColumns;
}

const FieldColumn& ColumnOf(Field field)
{
    return kFieldColumns[static_cast<std::size_t>(field)];
}

std::optional<std::int64_t> WholeNumber(std::string_view text)
{
    std::int64_t number = 0;
    const auto* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && last == end ? std::optional(number) : std::nullopt;
}

std::optional<std::string> FieldProblem(const FieldColumn& field, const std::optional<std::string>& value)
{
    if (!value)
        return field.field == Field::PartA || field.field == Field::PartB
                   ? std::optional(std::string(field.name) + " is empty")
                   : std::nullopt;
    if (field.wholeNumber && !WholeNumber(*value))
        return std::string(field.name) + " \"" + Shortened(*value) + "\" is not a whole number";
    return std::nullopt;
}

} // namespace lumenary::custom
