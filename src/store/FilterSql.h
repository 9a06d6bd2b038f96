// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldValue.h"
#include "FilterParser.h"

#include <SQLiteCpp/Statement.h>

#include <string>
#include <vector>

namespace lumenary {

// A filter as an SQL condition whose values are bound parameters, so no text
// of the filter ever reaches SQL.
struct SqlCondition {
    std::string sql;
    std::vector<FieldValue> parameters;

    // Binds the parameters from position `first` on; returns the next free position.
    int Bind(SQLite::Statement& statement, int first = 1) const;
};

// Compiles a parsed filter over a table with the given columns. Field names
// ignore case; a field the table lacks is a FilterError quoting `filterText`.
// Text "=" ignores letter case; a null field satisfies no comparison.
SqlCondition CompileFilter(const FilterNode& filter, const std::vector<std::string>& columns,
                           const std::string& filterText);

// Binds one value to a statement parameter.
void BindValue(SQLite::Statement& statement, int index, const FieldValue& value);

} // namespace lumenary
