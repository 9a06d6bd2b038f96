// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordSet.h"

#include "QuestionDatabase.h"
#include "StoreError.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_map>
#include <utility>

namespace lumenary {

struct RecordSet::Rows {
    std::shared_ptr<QuestionDatabase> database;
    std::string table;
    std::vector<std::string> columns;
    std::optional<SqlCondition> condition; // none: the whole table
    bool loaded = false;
    std::vector<std::int64_t> rowIds;
    // Each row's fields, read from the file the first time the row is used.
    std::vector<std::optional<std::vector<FieldValue>>> values;
};

namespace {

// The ids as ranges of consecutive numbers, first and last, in order.
std::vector<std::pair<std::int64_t, std::int64_t>> ConsecutiveRuns(std::vector<std::int64_t> ids)
{
    std::ranges::sort(ids);
    std::vector<std::pair<std::int64_t, std::int64_t>> runs;
    for (const std::int64_t id : ids) {
        if (runs.empty() || id != runs.back().second + 1)
            runs.emplace_back(id, id);
        else
            runs.back().second = id;
    }
    return runs;
}

FieldValue ReadColumn(const SQLite::Column& column)
{
    if (column.isNull())
        return {};
    if (column.isInteger())
        return static_cast<std::int64_t>(column.getInt64());
    if (column.isFloat())
        return column.getDouble();
    return column.getString();
}

std::string ColumnList(const std::vector<std::string>& columns)
{
    std::string list;
    for (const auto& column : columns)
        list += ", " + QuoteIdentifier(column);
    return list;
}

} // namespace

RecordSet::RecordSet(std::shared_ptr<Rows> rows) : rows_(std::move(rows)) {}

RecordSet RecordSet::OpenTable(std::shared_ptr<QuestionDatabase> database, std::string table)
{
    auto rows = std::make_shared<Rows>();
    rows->columns = database->Columns(table);
    if (rows->columns.empty())
        throw StoreError("The table \"" + table + "\" does not exist in the question database.");
    rows->database = std::move(database);
    rows->table = std::move(table);
    return RecordSet(std::move(rows));
}

RecordSet RecordSet::Filtered(const std::string& filterText, const std::optional<std::vector<std::int64_t>>& ids) const
{
    auto rows = std::make_shared<Rows>();
    rows->database = rows_->database;
    rows->table = rows_->table;
    rows->columns = rows_->columns;
    rows->condition = CompileFilter(ParseFilter(filterText), rows->columns, filterText);
    if (ids) {
        // One parameter however many IDs there are.
        rows->condition->sql = "(" + rows->condition->sql + ") AND \"ID\" IN (SELECT value FROM json_each(?))";
        rows->condition->parameters.emplace_back(JsonArray(*ids));
    }
    return RecordSet(std::move(rows));
}

RecordSet RecordSet::Clone() const
{
    return RecordSet(rows_);
}

void RecordSet::Load() const
{
    if (rows_->loaded)
        return;
    std::string sql = "SELECT rowid FROM " + QuoteIdentifier(rows_->table);
    if (rows_->condition)
        sql += " WHERE " + rows_->condition->sql;
    const bool hasId = std::ranges::find(rows_->columns, "ID") != rows_->columns.end();
    sql += hasId ? " ORDER BY \"ID\", rowid" : " ORDER BY rowid";
    SQLite::Statement query(rows_->database->Sql(), sql);
    if (rows_->condition)
        rows_->condition->Bind(query);
    while (query.executeStep())
        rows_->rowIds.push_back(query.getColumn(0).getInt64());
    rows_->values.resize(rows_->rowIds.size());
    rows_->loaded = true;
}

std::vector<FieldValue>& RecordSet::CurrentRow() const
{
    CheckCurrent();
    auto& row = rows_->values[position_];
    if (!row) {
        const auto query = rows_->database->Statement("SELECT " + ColumnList(rows_->columns).substr(2) + " FROM "
                                                 + QuoteIdentifier(rows_->table) + " WHERE rowid = ?");
        query->bind(1, rows_->rowIds[position_]);
        if (!query->executeStep())
            throw RecordRemoved("A record of the table \"" + rows_->table + "\" was removed by another program.");
        row.emplace();
        row->reserve(rows_->columns.size());
        for (int i = 0; i < static_cast<int>(rows_->columns.size()); ++i)
            row->push_back(ReadColumn(query->getColumn(i)));
    }
    return *row;
}

void RecordSet::ReadAll() const
{
    Load();
    if (rows_->rowIds.empty())
        return;
    std::unordered_map<std::int64_t, std::size_t> positions;
    for (std::size_t position = 0; position < rows_->rowIds.size(); ++position)
        if (!rows_->values[position])
            positions.emplace(rows_->rowIds[position], position);
    if (positions.empty())
        return;
    // By row id, not by the filter: a pool's own marks may no longer match it.
    SQLite::Statement query(rows_->database->Sql(), "SELECT rowid" + ColumnList(rows_->columns) + " FROM "
                                                        + QuoteIdentifier(rows_->table)
                                                        + " WHERE rowid IN (SELECT value FROM json_each(?))");
    query.bind(1, JsonArray(rows_->rowIds));
    while (query.executeStep()) {
        const auto found = positions.find(query.getColumn(0).getInt64());
        if (found == positions.end())
            continue;
        auto& row = rows_->values[found->second].emplace();
        row.reserve(rows_->columns.size());
        for (int i = 1; i <= static_cast<int>(rows_->columns.size()); ++i)
            row.push_back(ReadColumn(query.getColumn(i)));
    }
}

std::size_t RecordSet::RecordCount() const
{
    Load();
    return rows_->rowIds.size();
}

const std::vector<std::int64_t>& RecordSet::RowIds() const
{
    Load();
    return rows_->rowIds;
}

bool RecordSet::AtEnd() const
{
    return position_ >= RecordCount();
}

void RecordSet::MoveFirst() { position_ = 0; }

void RecordSet::MoveNext() { position_ = std::min(position_ + 1, RecordCount()); }

void RecordSet::Move(std::size_t rows) { position_ = std::min(position_ + rows, RecordCount()); }

void RecordSet::MoveLast()
{
    if (RecordCount() == 0)
        throw NoCurrentRecord();
    position_ = RecordCount() - 1;
}

void RecordSet::CheckCurrent() const
{
    if (AtEnd())
        throw NoCurrentRecord();
}

std::size_t RecordSet::ColumnIndex(std::string_view name) const
{
    const auto& columns = rows_->columns;
    const auto found = std::ranges::find_if(columns, [&](const std::string& column) { return SameName(column, name); });
    if (found == columns.end())
        throw StoreError("The table \"" + rows_->table + "\" has no field \"" + std::string(name) + "\".");
    return static_cast<std::size_t>(found - columns.begin());
}

FieldValue RecordSet::Field(std::string_view name) const
{
    return CurrentRow()[ColumnIndex(name)];
}

void RecordSet::Edit()
{
    CheckCurrent();
    editMode_ = EditMode::Edit;
    pending_.clear();
}

void RecordSet::AddNew()
{
    Load();
    editMode_ = EditMode::AddNew;
    pending_.clear();
}

void RecordSet::SetField(std::string_view name, FieldValue value)
{
    if (editMode_ == EditMode::None)
        throw StoreError("A field was written without Edit or AddNew.");
    pending_[ColumnIndex(name)] = std::move(value);
}

void RecordSet::Update()
{
    if (editMode_ == EditMode::None)
        throw StoreError("Update was called without Edit or AddNew.");
    const EditMode mode = std::exchange(editMode_, EditMode::None);
    const auto pending = std::exchange(pending_, {});
    auto& database = *rows_->database;
    const std::string table = QuoteIdentifier(rows_->table);
    if (mode == EditMode::Edit) {
        CheckCurrent();
        if (pending.empty())
            return;
        std::string sql = "UPDATE " + table + " SET ";
        for (auto it = pending.begin(); it != pending.end(); ++it)
            sql += (it == pending.begin() ? "" : ", ") + QuoteIdentifier(rows_->columns[it->first]) + " = ?";
        sql += " WHERE rowid = ?";
        const auto statement = database.Statement(sql);
        int index = 1;
        for (const auto& [column, value] : pending)
            BindValue(*statement, index++, value);
        statement->bind(index, static_cast<std::int64_t>(rows_->rowIds[position_]));
        if (statement->exec() == 0)
            throw RecordRemoved("A record of the table \"" + rows_->table + "\" was removed by another program.");
        if (auto& row = rows_->values[position_])
            for (const auto& [column, value] : pending)
                (*row)[column] = value;
        return;
    }
    std::string names;
    std::string marks;
    for (const auto& [column, value] : pending) {
        names += (names.empty() ? "" : ", ") + QuoteIdentifier(rows_->columns[column]);
        marks += marks.empty() ? "?" : ", ?";
    }
    const auto statement = database.Statement(pending.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                                                         : "INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")");
    int index = 1;
    for (const auto& [column, value] : pending)
        BindValue(*statement, index++, value);
    statement->exec();
    rows_->rowIds.push_back(database.Sql().getLastInsertRowid());
    rows_->values.emplace_back(); // read back with the table's defaults when used
    position_ = rows_->rowIds.size() - 1;
}

void RecordSet::Delete()
{
    CheckCurrent();
    const auto statement = rows_->database->Statement("DELETE FROM " + QuoteIdentifier(rows_->table) + " WHERE rowid = ?");
    statement->bind(1, static_cast<std::int64_t>(rows_->rowIds[position_]));
    statement->exec();
    rows_->rowIds.erase(rows_->rowIds.begin() + static_cast<std::ptrdiff_t>(position_));
    rows_->values.erase(rows_->values.begin() + static_cast<std::ptrdiff_t>(position_));
}

void RecordSet::UpdateAll(const std::vector<std::pair<std::string, FieldValue>>& fields)
{
    Load();
    if (rows_->rowIds.empty() || fields.empty())
        return;
    std::vector<std::size_t> columns;
    std::string sql = "UPDATE " + QuoteIdentifier(rows_->table) + " SET ";
    for (const auto& [name, value] : fields) {
        columns.push_back(ColumnIndex(name));
        sql += (columns.size() == 1 ? "" : ", ") + QuoteIdentifier(rows_->columns[columns.back()]) + " = ?";
    }
    // A run of consecutive row ids (a whole module's questions are one) is
    // written as a range, along the table; rows scattered over many short
    // runs are looked up from one list of ids.
    const auto runs = ConsecutiveRuns(rows_->rowIds);
    const bool byRuns = runs.size() * 16 <= rows_->rowIds.size();
    sql += byRuns ? " WHERE rowid BETWEEN ? AND ?" : " WHERE rowid IN (SELECT value FROM json_each(?))";
    const auto statement = rows_->database->Statement(sql);
    int index = 1;
    for (const auto& [name, value] : fields)
        BindValue(*statement, index++, value);
    if (byRuns) {
        for (const auto& [first, last] : runs) {
            statement->bind(index, first);
            statement->bind(index + 1, last);
            statement->exec();
            statement->reset();
        }
    } else {
        statement->bind(index, JsonArray(rows_->rowIds));
        statement->exec();
    }
    for (auto& row : rows_->values)
        if (row)
            for (std::size_t i = 0; i < columns.size(); ++i)
                (*row)[columns[i]] = fields[i].second;
}

void RecordSet::VisitRows(const std::vector<std::string>& names,
                          const std::function<void(std::size_t, const SQLite::Statement&)>& visit) const
{
    Load();
    const auto& rowIds = rows_->rowIds;
    std::string sql = "SELECT rowid";
    for (const auto& name : names)
        sql += ", " + QuoteIdentifier(rows_->columns[ColumnIndex(name)]);
    sql += " FROM " + QuoteIdentifier(rows_->table);
    // A pool in row-id order that fills most of its span (the usual case:
    // IDs are row ids) is read in one pass along the table; looking each row
    // up by id costs several times as much at tens of thousands of rows.
    const bool dense = !rowIds.empty() && std::ranges::is_sorted(rowIds)
                    && rowIds.back() - rowIds.front() < 2 * static_cast<std::int64_t>(rowIds.size());
    if (dense) {
        SQLite::Statement query(rows_->database->Sql(), sql + " WHERE rowid BETWEEN ? AND ? ORDER BY rowid");
        query.bind(1, rowIds.front());
        query.bind(2, rowIds.back());
        std::size_t position = 0;
        while (position < rowIds.size() && query.executeStep()) {
            const auto rowId = query.getColumn(0).getInt64();
            while (position < rowIds.size() && rowIds[position] < rowId)
                ++position; // removed by another program
            if (position < rowIds.size() && rowIds[position] == rowId)
                visit(position++, query);
        }
        return;
    }
    std::unordered_map<std::int64_t, std::size_t> positionOf;
    positionOf.reserve(rowIds.size());
    for (std::size_t position = 0; position < rowIds.size(); ++position)
        positionOf.emplace(rowIds[position], position);
    SQLite::Statement query(rows_->database->Sql(), sql + " WHERE rowid IN (SELECT value FROM json_each(?))");
    query.bind(1, JsonArray(rowIds));
    while (query.executeStep())
        visit(positionOf.at(query.getColumn(0).getInt64()), query);
}

std::vector<std::vector<FieldValue>> RecordSet::ReadColumns(const std::vector<std::string>& names) const
{
    std::vector<std::vector<FieldValue>> columns(names.size(), std::vector<FieldValue>(RecordCount()));
    VisitRows(names, [&](std::size_t position, const SQLite::Statement& query) {
        for (std::size_t i = 0; i < names.size(); ++i)
            columns[i][position] = ReadColumn(query.getColumn(static_cast<int>(i + 1)));
    });
    return columns;
}

void RecordSet::VisitTexts(const std::vector<std::string>& names,
                           const std::function<void(std::size_t, TextFields)>& visit) const
{
    std::vector<std::optional<std::string_view>> fields(names.size());
    VisitRows(names, [&](std::size_t position, const SQLite::Statement& query) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto column = query.getColumn(static_cast<int>(i + 1));
            if (column.isNull()) {
                fields[i].reset();
                continue;
            }
            const char* text = column.getText(); // the length is known once the text is made
            fields[i].emplace(text, static_cast<std::size_t>(column.getBytes()));
        }
        visit(position, fields);
    });
}

bool RecordSet::FindFirst(const std::string& criterion)
{
    Load();
    const auto condition = CompileFilter(ParseFilter(criterion), rows_->columns, criterion);
    const auto query = rows_->database->Statement("SELECT rowid FROM " + QuoteIdentifier(rows_->table) + " WHERE "
                                             + condition.sql);
    condition.Bind(*query);
    std::optional<std::size_t> first;
    while (query->executeStep()) {
        const auto rowId = query->getColumn(0).getInt64();
        const auto found = std::ranges::find(rows_->rowIds, rowId);
        if (found != rows_->rowIds.end())
            first = std::min(first.value_or(rows_->rowIds.size()),
                             static_cast<std::size_t>(found - rows_->rowIds.begin()));
    }
    if (!first)
        return false;
    position_ = *first;
    return true;
}

} // namespace lumenary
