// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomChanges.h"

#include "CustomSubjects.h"
#include "SubjectTable.h"

#include <SQLiteCpp/Transaction.h>

#include <type_traits>

namespace lumenary::custom {

namespace {

const std::string& Questions()
{
    static const std::string table = QuoteIdentifier(kQuestionTableName);
    return table;
}

const std::string& Subjects()
{
    static const std::string table = QuoteIdentifier(kSubjectTableName);
    return table;
}

// Runs a change in one transaction; on any failure nothing of it stays.
template <class Change>
auto Write(QuestionDatabase& database, Change&& change)
{
    if (database.ReadOnly())
        throw CustomDataError("Nothing was saved: " + database.NotSavedReason() + ".");
    try {
        SQLite::Transaction transaction(database.Sql(), SQLite::TransactionBehavior::IMMEDIATE);
        if constexpr (std::is_void_v<decltype(change())>) {
            change();
            transaction.commit();
        } else {
            auto result = change();
            transaction.commit();
            return result;
        }
    } catch (const SQLite::Exception& error) {
        throw CustomDataError("Nothing was saved: " + DescribeFailure(error) + ".");
    }
}

void RequireGoodName(QuestionDatabase& database, const std::string& name, std::string_view renaming = {})
{
    if (const auto problem = SubjectNameProblem(database, name, renaming))
        throw CustomDataError(*problem);
}

std::string StoredSubject(QuestionDatabase& database, const std::string& subject)
{
    auto stored = FindSubject(database, subject);
    if (!stored)
        throw CustomDataError("You have no subject named \"" + subject + "\" any more.");
    return *stored;
}

std::int64_t ExecuteCounting(QuestionDatabase& database, const std::string& sql, const std::string& subject)
{
    SQLite::Statement statement(database.Sql(), sql);
    statement.bind(1, subject);
    return statement.exec();
}

void Remember(QuestionDatabase& database, const std::string& subject)
{
    ExecuteCounting(database, "INSERT OR IGNORE INTO " + Subjects() + " (Name) VALUES (?)", subject);
}

void Forget(QuestionDatabase& database, const std::string& subject)
{
    ExecuteCounting(database, "DELETE FROM " + Subjects() + " WHERE Name = ?", subject);
}

std::string FieldColumnsSql()
{
    std::string columns;
    for (const auto& field : FieldColumns())
        columns += ", " + std::string(field.column);
    return columns;
}

} // namespace

void CreateSubject(QuestionDatabase& database, const std::string& name)
{
    Write(database, [&] {
        RequireGoodName(database, name);
        Remember(database, name);
    });
}

std::int64_t RenameSubject(QuestionDatabase& database, const std::string& subject, const std::string& newName)
{
    return Write(database, [&] {
        const auto stored = StoredSubject(database, subject);
        RequireGoodName(database, newName, stored);
        SQLite::Statement move(database.Sql(), "UPDATE " + Questions() + " SET Module = ? WHERE " + OwnIdRange()
                                                   + " AND Module = ? COLLATE NOCASE");
        move.bind(1, newName);
        move.bind(2, stored);
        const std::int64_t moved = move.exec();
        Forget(database, stored);
        Remember(database, newName);
        return moved;
    });
}

std::int64_t DeleteSubject(QuestionDatabase& database, const std::string& subject)
{
    return Write(database, [&] {
        const auto stored = StoredSubject(database, subject);
        const std::int64_t removed = ExecuteCounting(
            database, "DELETE FROM " + Questions() + " WHERE " + OwnIdRange() + " AND Module = ? COLLATE NOCASE",
            stored);
        Forget(database, stored);
        return removed;
    });
}

std::vector<OwnQuestion> SubjectQuestions(QuestionDatabase& database, std::string_view subject)
{
    auto query = database.Statement("SELECT ID" + FieldColumnsSql() + " FROM " + Questions() + " WHERE "
                                    + OwnIdRange() + " AND Module = ? COLLATE NOCASE ORDER BY ID");
    query->bind(1, std::string(subject));
    std::vector<OwnQuestion> questions;
    while (query->executeStep()) {
        OwnQuestion& question = questions.emplace_back();
        question.id = query->getColumn(0).getInt64();
        for (std::size_t i = 0; i < kFieldCount; ++i)
            if (const auto cell = query->getColumn(static_cast<int>(i + 1)); !cell.isNull())
                question.values[i] = cell.getString();
    }
    return questions;
}

std::int64_t AddQuestion(QuestionDatabase& database, const std::string& subject, const FieldValues& values)
{
    for (const auto& field : FieldColumns())
        if (const auto problem = FieldProblem(field, ValueOf(values, field.field)))
            throw CustomDataError(*problem + "; the question was not added.");
    return Write(database, [&] {
        const auto stored = StoredSubject(database, subject);
        const auto id = NextFreeId(database);
        if (!id)
            throw CustomDataError("Every ID of your own questions, " + std::to_string(kFirstCustomQuestionId) + " to "
                                  + std::to_string(kLastQuestionId) + ", is taken; the question was not added.");
        SQLite::Statement insert(database.Sql(), InsertQuestionSql());
        insert.bind(1, *id);
        insert.bind(2, stored);
        BindFields(insert, 3, values);
        insert.exec();
        return *id;
    });
}

void ChangeField(QuestionDatabase& database, std::int64_t id, Field field, const std::optional<std::string>& value)
{
    const FieldColumn& column = ColumnOf(field);
    if (const auto problem = FieldProblem(column, value))
        throw CustomDataError(*problem);
    Write(database, [&] {
        SQLite::Statement update(database.Sql(), "UPDATE " + Questions() + " SET " + std::string(column.column)
                                                     + " = ? WHERE ID = ? AND " + OwnIdRange());
        BindField(update, 1, column, value);
        update.bind(2, id);
        if (update.exec() == 0)
            throw CustomDataError("The question is no longer in the question database.");
    });
}

void DeleteQuestion(QuestionDatabase& database, std::int64_t id)
{
    Write(database, [&] {
        SQLite::Statement keepSubject(database.Sql(), "INSERT OR IGNORE INTO " + Subjects()
                                                          + " (Name) SELECT Module FROM " + Questions()
                                                          + " WHERE ID = ? AND Module IS NOT NULL");
        keepSubject.bind(1, id);
        keepSubject.exec();
        SQLite::Statement remove(database.Sql(), "DELETE FROM " + Questions() + " WHERE ID = ? AND " + OwnIdRange());
        remove.bind(1, id);
        remove.exec();
    });
}

std::string InsertQuestionSql()
{
    std::string values = "?, ?";
    for (std::size_t i = 0; i < kFieldCount; ++i)
        values += ", ?";
    return "INSERT INTO " + Questions() + " (ID, Module" + FieldColumnsSql()
         + ", QuestionUsed, Correct, Chosen) VALUES (" + values + ", 0, 1, 0)";
}

void BindField(SQLite::Statement& statement, int index, const FieldColumn& field,
               const std::optional<std::string>& value)
{
    if (!value)
        statement.bind(index);
    else if (field.wholeNumber)
        statement.bind(index, *WholeNumber(*value));
    else
        statement.bind(index, *value);
}

void BindFields(SQLite::Statement& statement, int first, const FieldValues& values)
{
    for (const auto& field : FieldColumns())
        BindField(statement, first++, field, ValueOf(values, field.field));
}

} // namespace lumenary::custom
