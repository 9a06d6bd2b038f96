// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomFields.h"

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

} // namespace lumenary::custom
