// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomImport.h"

#include "CustomChanges.h"
#include "CustomSubjects.h"

#include <SQLiteCpp/Transaction.h>

#include <unordered_map>
#include <variant>

namespace lumenary::custom {

namespace {

struct Row {
    std::size_t line = 0;
    FieldValues values;
};

std::vector<Row> CheckedRows(const ImportText& text)
{
    if (text.rows.empty())
        throw CustomDataError(text.fileName + ": holds no question to import");
    const auto fail = [&](std::size_t line, const std::string& what) {
        throw CustomDataError(text.fileName + ":" + std::to_string(line) + ": " + what);
    };
    std::vector<Row> rows;
    for (const auto& record : text.rows) {
        Row row{record.line, {}};
        for (const auto& field : FieldColumns()) {
            const auto index = static_cast<std::size_t>(field.field);
            if (text.mapping[index])
                row.values[index] = record.cells.at(*text.mapping[index]);
            if (const auto problem = FieldProblem(field, row.values[index]))
                fail(row.line, *problem);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string SubjectToImportInto(QuestionDatabase& database, const std::string& name)
{
    if (auto existing = FindSubject(database, name))
        return *existing;
    if (const auto problem = SubjectNameProblem(database, name))
        throw CustomDataError(*problem + " Nothing was imported.");
    return name;
}

// What an import writes: questions to add, and questions of the subject to update.
struct Plan {
    std::vector<FieldValues> additions;
    std::unordered_map<std::int64_t, FieldValues> updates; // by ID
};

// Each row adds a question unless its Part A is one the subject has, or one
// an earlier row adds; such a row updates that question, or is skipped.
Plan PlanRows(QuestionDatabase& database, const std::vector<Row>& rows, bool updateExisting, ImportResult& result)
{
    using ExistingId = std::int64_t;
    using AddedIndex = std::size_t;
    std::unordered_map<std::string, std::variant<ExistingId, AddedIndex>> byPartA;
    auto existing = database.Statement("SELECT ID, English FROM " + QuoteIdentifier(kQuestionTableName) + " WHERE "
                                       + OwnIdRange() + " AND Module = ? COLLATE NOCASE AND English IS NOT NULL"
                                       + " ORDER BY ID");
    existing->bind(1, result.subject);
    while (existing->executeStep())
        byPartA.emplace(existing->getColumn(1).getString(), existing->getColumn(0).getInt64());

    Plan plan;
    for (const auto& row : rows) {
        const auto [found, isNew] =
            byPartA.emplace(*ValueOf(row.values, Field::PartA), AddedIndex{plan.additions.size()});
        if (isNew) {
            plan.additions.push_back(row.values);
        } else if (!updateExisting) {
            ++result.skipped;
        } else {
            ++result.updated;
            if (const auto* id = std::get_if<ExistingId>(&found->second))
                plan.updates[*id] = row.values;
            else
                plan.additions[std::get<AddedIndex>(found->second)] = row.values;
        }
    }
    return plan;
}

void AddQuestions(QuestionDatabase& database, const std::string& subject, const std::vector<FieldValues>& additions,
                  const std::string& fileName)
{
    const auto ids = FreeIds(database, additions.size());
    if (ids.size() < additions.size())
        throw CustomDataError(fileName + ": " + std::to_string(additions.size())
                              + " new questions do not fit; your own questions take the IDs from "
                              + std::to_string(kFirstCustomQuestionId) + " to " + std::to_string(kLastQuestionId)
                              + ", and only " + std::to_string(ids.size())
                              + " of them are free. Nothing was imported.");
    SQLite::Statement insert(database.Sql(), InsertQuestionSql());
    for (std::size_t i = 0; i < additions.size(); ++i) {
        insert.reset();
        insert.bind(1, static_cast<std::int64_t>(ids[i]));
        insert.bind(2, subject);
        BindFields(insert, 3, additions[i]);
        insert.exec();
    }
}

// Only the fields the file gives are written; the others keep their values.
void UpdateQuestions(QuestionDatabase& database, const std::unordered_map<std::int64_t, FieldValues>& updates,
                     const FieldMapping& mapping)
{
    std::vector<const FieldColumn*> given;
    std::string assignments;
    for (const auto& field : FieldColumns())
        if (mapping[static_cast<std::size_t>(field.field)]) {
            given.push_back(&field);
            assignments += (assignments.empty() ? "" : ", ") + std::string(field.column) + " = ?";
        }
    SQLite::Statement update(database.Sql(), "UPDATE " + QuoteIdentifier(kQuestionTableName) + " SET " + assignments
                                                 + " WHERE ID = ?");
    for (const auto& [id, values] : updates) {
        update.reset();
        int index = 1;
        for (const auto* field : given)
            BindField(update, index++, *field, values[static_cast<std::size_t>(field->field)]);
        update.bind(index, static_cast<std::int64_t>(id));
        update.exec();
    }
}

ImportResult Import(QuestionDatabase& database, const ImportText& text, const std::vector<Row>& rows,
                    const ImportOptions& options)
{
    SQLite::Transaction transaction(database.Sql(), SQLite::TransactionBehavior::IMMEDIATE);
    ImportResult result;
    result.subject = SubjectToImportInto(database, options.subject);
    const auto plan = PlanRows(database, rows, options.updateExisting, result);
    AddQuestions(database, result.subject, plan.additions, text.fileName);
    result.added = static_cast<std::int64_t>(plan.additions.size());
    UpdateQuestions(database, plan.updates, text.mapping);
    transaction.commit();
    return result;
}

} // namespace

ImportResult ImportQuestions(QuestionDatabase& database, const ImportText& text, const ImportOptions& options)
{
    const auto rows = CheckedRows(text);
    const auto notImported = [&](const std::string& why) {
        return StoreError("Nothing was imported into \"" + database.Path().string() + "\": " + why + ".");
    };
    if (database.ReadOnly())
        throw notImported("the file cannot be written");
    try {
        return Import(database, text, rows, options);
    } catch (const SQLite::Exception& error) {
        throw notImported(DescribeFailure(error));
    }
}

} // namespace lumenary::custom
