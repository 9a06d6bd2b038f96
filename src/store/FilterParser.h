// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldValue.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary {

// The parsed form of a filter text such as
//   Module = 'Hebrew'and (Category= 7 or Category= 8) and (Theme Not In ('pual','hophal'))
struct FilterNode {
    enum class Kind { And, Or, Equals, NotIn };

    Kind kind = Kind::Equals;
    std::string field;                // Equals, NotIn
    std::vector<FieldValue> values;   // Equals: one value; NotIn: the list
    std::vector<FilterNode> children; // And, Or
    std::size_t offset = 0;           // where the filter text gives the field, for messages
};

// Parses a filter: comparisons "Field = value" and "Field Not In (v, ...)",
// joined by "and" (binding tighter) and "or", grouped by parentheses.
// Keywords ignore case; whitespace is optional after a quote, a parenthesis
// or a number. Throws FilterError quoting the filter around the fault.
FilterNode ParseFilter(std::string_view text);

// A text as a filter quotes it: in single quotes, each quote in it doubled,
// so "O'Brien" reads back as O'Brien whatever else it holds.
std::string QuotedFilterText(std::string_view text);

} // namespace lumenary
