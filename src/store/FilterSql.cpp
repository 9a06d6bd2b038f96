// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilterSql.h"

#include "QuestionDatabase.h"
#include "QuotedText.h"
#include "StoreError.h"

#include <algorithm>
#include <cctype>

namespace lumenary {

namespace {

class Compiler {
public:
    Compiler(const std::vector<std::string>& columns, const std::string& filterText)
        : columns_(columns), filterText_(filterText)
    {
    }

    void Compile(const FilterNode& node)
    {
        switch (node.kind) {
        case FilterNode::Kind::And:
        case FilterNode::Kind::Or:
            Join(node, node.kind == FilterNode::Kind::And ? " AND " : " OR ");
            break;
        case FilterNode::Kind::Equals:
            condition_.sql += Column(node) + " = ?" + Collation(node.values.front());
            condition_.parameters.push_back(node.values.front());
            break;
        case FilterNode::Kind::NotIn:
            condition_.sql += Column(node) + " COLLATE NOCASE NOT IN (";
            for (std::size_t i = 0; i < node.values.size(); ++i) {
                condition_.sql += i == 0 ? "?" : ", ?";
                condition_.parameters.push_back(node.values[i]);
            }
            condition_.sql += ")";
            break;
        }
    }

    SqlCondition Take() { return std::move(condition_); }

private:
    void Join(const FilterNode& node, const char* joiner)
    {
        condition_.sql += "(";
        for (std::size_t i = 0; i < node.children.size(); ++i) {
            if (i > 0)
                condition_.sql += joiner;
            Compile(node.children[i]);
        }
        condition_.sql += ")";
    }

    static std::string Collation(const FieldValue& value)
    {
        return std::holds_alternative<std::string>(value) ? " COLLATE NOCASE" : "";
    }

    std::string Column(const FilterNode& node) const
    {
        const auto found =
            std::ranges::find_if(columns_, [&](const std::string& column) { return SameName(column, node.field); });
        if (found == columns_.end())
            throw FilterError("The quiz filter \"" + Excerpt(filterText_, node.offset) + "\" names the field \""
                              + Shortened(node.field) + "\", which the question table does not have.");
        return QuoteIdentifier(*found);
    }

    const std::vector<std::string>& columns_;
    const std::string& filterText_;
    SqlCondition condition_;
};

} // namespace

void BindValue(SQLite::Statement& statement, int index, const FieldValue& value)
{
    std::visit(
        [&](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::monostate>)
                statement.bind(index);
            else if constexpr (std::is_same_v<Held, std::int64_t>)
                statement.bind(index, static_cast<std::int64_t>(held));
            else
                statement.bind(index, held);
        },
        value);
}

int SqlCondition::Bind(SQLite::Statement& statement, int first) const
{
    for (const auto& parameter : parameters)
        BindValue(statement, first++, parameter);
    return first;
}

SqlCondition CompileFilter(const FilterNode& filter, const std::vector<std::string>& columns,
                           const std::string& filterText)
{
    Compiler compiler(columns, filterText);
    compiler.Compile(filter);
    return compiler.Take();
}

} // namespace lumenary
