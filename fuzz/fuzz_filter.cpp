// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the quiz filter, parsed, compiled to SQL and run by the real
// record set over a small question table with awkward values (nulls, mixed
// letter case, text in number fields, a fraction, the largest number). Every
// filter that parses must select exactly the rows that evaluating its parsed
// tree directly selects: a null field satisfies no comparison, text "="
// ignores the case of ASCII letters, a number field compares text as the
// number it spells.

#include "FieldValue.h"
#include "FilterParser.h"
#include "QuestionBank.h"
#include "QuestionDatabase.h"
#include "RecordSet.h"
#include "StoreError.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace lumenary;

namespace {

struct Table {
    std::shared_ptr<QuestionDatabase> database;
    std::vector<std::string> columns;
    std::vector<bool> numeric; // a column of whole numbers rather than text
    std::vector<std::vector<FieldValue>> rows;
};

BankQuestion Row(std::int64_t id, std::optional<std::string> module, std::optional<std::int64_t> category,
                 std::optional<std::string> book, std::optional<std::string> theme, std::optional<std::string> english)
{
    return {.source = {}, .id = id, .module = std::move(module), .category = category, .book = std::move(book),
            .chapter = id % 3 == 0 ? std::nullopt : std::optional<std::int64_t>(id), .theme = std::move(theme),
            .english = std::move(english), .french = {}, .hebrew = "Answer " + std::to_string(id)};
}

FieldValue Read(const SQLite::Column& column)
{
    if (column.isNull())
        return {};
    if (column.isInteger())
        return column.getInt64();
    if (column.isFloat())
        return column.getDouble();
    return column.getString();
}

Table MakeTable()
{
    const auto file =
        std::filesystem::temp_directory_path() / ("lumenary-fuzz-filter-" + std::to_string(::getpid()) + ".db");
    WriteQuestionDatabase({Row(1, "Kings", 1, "Matthew", "na", "King of Judah"),
                           Row(2, "KINGS", 2, "1", "O'Brien", "king of judah"),
                           Row(3, "kings ", -3, {}, "na", ""),
                           Row(4, "K\xC3\xB6nige", {}, "007", "qal", {}),
                           Row(5, "Hebrew", 7, " 5", "qal", "to say"),
                           Row(6, "Hebrew", 8, "5", "pual", "\xD7\x90\xD7\x9E\xD7\xA8"),
                           Row(7, {}, INT64_MAX, "Mark", {}, "Ki"),
                           Row(8, "NTI", 12, "mark", "NA", "x"),
                           Row(9, "nti", 0, "-0", "Future", "9"),
                           Row(10, "Greek", INT64_MIN, "1e3", "Aorist Active", "1000")},
                          file);
    {
        SQLite::Database database(file.string(), SQLite::OPEN_READWRITE);
        database.exec("UPDATE lm40data SET Category = 'abc' WHERE ID = 8;"
                      "UPDATE lm40data SET Chapter = 2.5 WHERE ID = 4;"
                      "UPDATE lm40data SET Category = 'Kings' WHERE ID = 9;"
                      "UPDATE lm40data SET Correct = 0 WHERE ID IN (2, 5, 9);"
                      "UPDATE lm40data SET QuestionUsed = 1 WHERE ID = 3;"
                      "UPDATE lm40data SET Chosen = 1 WHERE ID IN (1, 2)");
    }
    Table table;
    table.database = QuestionDatabase::Open(file, QuestionDatabase::Use::ReadOnly);
    std::filesystem::remove(file); // the open connection keeps it readable
    SQLite::Statement info(table.database->Sql(), "SELECT name, type FROM pragma_table_info('lm40data')");
    while (info.executeStep()) {
        table.columns.push_back(info.getColumn(0).getString());
        table.numeric.push_back(info.getColumn(1).getString() == "INTEGER");
    }
    SQLite::Statement rows(table.database->Sql(), "SELECT * FROM lm40data ORDER BY ID");
    while (rows.executeStep()) {
        auto& row = table.rows.emplace_back();
        for (int i = 0; i < rows.getColumnCount(); ++i)
            row.push_back(Read(rows.getColumn(i)));
    }
    return table;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Text that a number field compares as a number: a whole or decimal number,
// with an optional sign and exponent and spaces around it.
std::optional<FieldValue> AsNumber(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        return at - start;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    std::size_t mantissa = digits();
    bool whole = true;
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits();
        whole = false;
    }
    if (mantissa == 0)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (digits() == 0)
            return std::nullopt;
        whole = false;
    }
    if (at != text.size())
        return std::nullopt;
    std::string number(text);
    if (number.front() == '+')
        number.erase(0, 1);
    std::int64_t integer = 0;
    if (whole && std::from_chars(number.data(), number.data() + number.size(), integer).ec == std::errc())
        return integer;
    return std::strtod(number.c_str(), nullptr);
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
        return (x < 128 ? std::tolower(x) : x) == (y < 128 ? std::tolower(y) : y);
    });
}

std::optional<long double> NumberOf(const FieldValue& value)
{
    if (const auto* integer = std::get_if<std::int64_t>(&value))
        return static_cast<long double>(*integer);
    if (const auto* real = std::get_if<double>(&value))
        return static_cast<long double>(*real);
    return std::nullopt;
}

bool Equal(const FieldValue& field, bool numericField, FieldValue value, bool ignoreCase)
{
    if (IsNull(field))
        return false;
    if (const auto* text = std::get_if<std::string>(&value); text && numericField)
        value = AsNumber(*text).value_or(value);
    if (const auto* integer = std::get_if<std::int64_t>(&value); integer && !numericField)
        value = std::to_string(*integer);
    const auto fieldNumber = NumberOf(field);
    const auto valueNumber = NumberOf(value);
    if (fieldNumber && valueNumber)
        return *fieldNumber == *valueNumber;
    const auto* fieldText = std::get_if<std::string>(&field);
    const auto* valueText = std::get_if<std::string>(&value);
    if (!fieldText || !valueText)
        return false;
    return ignoreCase ? SameTextIgnoringCase(*fieldText, *valueText) : *fieldText == *valueText;
}

std::size_t ColumnOf(const Table& table, const std::string& field)
{
    const auto found = std::ranges::find_if(table.columns, [&](const std::string& column) {
        return std::ranges::equal(column, field, [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    });
    return static_cast<std::size_t>(found - table.columns.begin());
}

bool Selects(const Table& table, const FilterNode& node, const std::vector<FieldValue>& row)
{
    switch (node.kind) {
    case FilterNode::Kind::And:
        return std::ranges::all_of(node.children, [&](const FilterNode& child) { return Selects(table, child, row); });
    case FilterNode::Kind::Or:
        return std::ranges::any_of(node.children, [&](const FilterNode& child) { return Selects(table, child, row); });
    case FilterNode::Kind::Equals: {
        const auto column = ColumnOf(table, node.field);
        const bool text = std::holds_alternative<std::string>(node.values.front());
        return Equal(row[column], table.numeric[column], node.values.front(), text);
    }
    case FilterNode::Kind::NotIn: {
        const auto column = ColumnOf(table, node.field);
        return !IsNull(row[column]) && std::ranges::none_of(node.values, [&](const FieldValue& value) {
            return Equal(row[column], table.numeric[column], value, true);
        });
    }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Table table = MakeTable();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::int64_t> selected;
    FilterNode tree;
    try {
        tree = ParseFilter(text);
        auto pool = RecordSet::OpenTable(table.database, "lm40data").Filtered(text);
        for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext())
            selected.push_back(FieldNumber(pool.Field("ID")));
    } catch (const FilterError&) {
        return 0; // refused with a message naming the filter: fine
    }
    std::vector<std::int64_t> expected;
    for (const auto& row : table.rows)
        if (Selects(table, tree, row))
            expected.push_back(std::get<std::int64_t>(row.front()));
    if (selected != expected) {
        std::cerr << "filter \"" << text << "\" selects";
        for (const auto id : selected)
            std::cerr << " " << id;
        std::cerr << "; its tree selects";
        for (const auto id : expected)
            std::cerr << " " << id;
        std::cerr << "\n";
        std::abort();
    }
    return 0;
}
