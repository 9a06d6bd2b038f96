// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomImport.h"

#include "CustomChanges.h"
#include "CustomSubjects.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <map>
#include <unordered_map>
#include <variant>

namespace lumenary::custom {

namespace {

struct Row {
    std::size_t line = 0;
    FieldValues values;
    std::optional<std::string> subject; // the row's own, when the text names one
};

// A mapping the user made can miss a field or name a column the file lacks.
void CheckMapping(const ImportText& text)
{
    for (const Field required : {Field::PartA, Field::PartB})
        if (!text.mapping[static_cast<std::size_t>(required)])
            throw CustomDataError(text.fileName + ": no column is chosen for " + std::string(ColumnOf(required).name)
                                  + "; nothing was imported.");
    auto used = std::vector(text.mapping.begin(), text.mapping.end());
    used.push_back(text.subjectColumn);
    for (const auto& column : used)
        if (column && *column >= text.columns.size())
            throw CustomDataError(text.fileName + ": there is no column " + std::to_string(*column + 1)
                                  + "; the file has " + std::to_string(text.columns.size()) + ".");
}

std::vector<Row> CheckedRows(const ImportText& text)
{
    if (text.rows.empty())
        throw CustomDataError(text.fileName + ": holds no question to import");
    CheckMapping(text);
    const auto fail = [&](std::size_t line, const std::string& what) {
        throw CustomDataError(text.fileName + ":" + std::to_string(line) + ": " + what);
    };
    std::vector<Row> rows;
    for (const auto& record : text.rows) {
        Row row{record.line, {}, {}};
        for (const auto& field : FieldColumns()) {
            const auto index = static_cast<std::size_t>(field.field);
            if (text.mapping[index])
                row.values[index] = record.cells.at(*text.mapping[index]);
            if (const auto problem = FieldProblem(field, row.values[index]))
                fail(row.line, *problem);
        }
        if (text.subjectColumn)
            row.subject = record.cells.at(*text.subjectColumn);
        rows.push_back(std::move(row));
    }
    return rows;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Subject names compare as the filter compares them: ignoring ASCII letter case.
struct IgnoringCase {
    bool operator()(std::string_view a, std::string_view b) const
    {
        return std::ranges::lexicographical_compare(a, b, {}, AsciiLower, AsciiLower);
    }
};

// The subject each row goes to, spelt as stored, or as the first row that
// names a new one spells it.
class RowSubjects {
public:
    RowSubjects(QuestionDatabase& database, std::string chosen, const std::string& fileName)
        : database_(database), chosen_(std::move(chosen)), fileName_(fileName)
    {
    }

    const std::string& Of(const Row& row)
    {
        const std::string& name = row.subject ? *row.subject : chosen_;
        if (const auto known = stored_.find(name); known != stored_.end())
            return known->second;
        const std::string where = row.subject ? fileName_ + ":" + std::to_string(row.line) + ": " : std::string();
        auto stored = FindSubject(database_, name);
        if (!stored) {
            if (const auto problem = SubjectNameProblem(database_, name))
                throw CustomDataError(where + *problem + " Nothing was imported.");
            stored = name;
        }
        inOrder_.push_back(*stored);
        return stored_.emplace(name, *stored).first->second;
    }

    // Every subject named so far, in the order first named.
    const std::vector<std::string>& InOrder() const { return inOrder_; }

private:
    QuestionDatabase& database_;
    std::string chosen_;
    const std::string& fileName_;
    std::map<std::string, std::string, IgnoringCase> stored_;
    std::vector<std::string> inOrder_;
};

struct Addition {
    const std::string* subject;
    FieldValues values;
};

// What an import writes: questions to add, and questions to update.
struct Plan {
    std::vector<Addition> additions;
    std::unordered_map<std::int64_t, FieldValues> updates; // by ID
};

// Each row adds a question unless its subject has its Part A, or an earlier
// row adds it; such a row updates that question, or is skipped.
Plan PlanRows(QuestionDatabase& database, const std::vector<Row>& rows, RowSubjects& subjects, bool updateExisting,
              ImportResult& result)
{
    using ExistingId = std::int64_t;
    using AddedIndex = std::size_t;
    std::map<std::pair<std::string, std::string>, std::variant<ExistingId, AddedIndex>> bySubjectAndPartA;
    auto existing = database.Statement("SELECT ID, English FROM " + QuoteIdentifier(kQuestionTableName) + " WHERE "
                                       + OwnIdRange() + " AND Module = ? COLLATE NOCASE AND English IS NOT NULL"
                                       + " ORDER BY ID");
    const auto readExisting = [&](const std::string& subject) {
        existing->reset();
        existing->bind(1, subject);
        while (existing->executeStep())
            bySubjectAndPartA.emplace(std::pair(subject, existing->getColumn(1).getString()),
                                      existing->getColumn(0).getInt64());
    };

    Plan plan;
    for (const auto& row : rows) {
        const std::size_t known = subjects.InOrder().size();
        const std::string& subject = subjects.Of(row);
        if (subjects.InOrder().size() > known)
            readExisting(subject);
        const auto [found, isNew] = bySubjectAndPartA.emplace(std::pair(subject, *ValueOf(row.values, Field::PartA)),
                                                              AddedIndex{plan.additions.size()});
        if (isNew) {
            plan.additions.push_back({&subject, row.values});
        } else if (!updateExisting) {
            ++result.skipped;
        } else {
            ++result.updated;
            if (const auto* id = std::get_if<ExistingId>(&found->second))
                plan.updates[*id] = row.values;
            else
                plan.additions[std::get<AddedIndex>(found->second)].values = row.values;
        }
    }
    return plan;
}

void AddQuestions(QuestionDatabase& database, const std::vector<Addition>& additions, const std::string& fileName)
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
        insert.bind(2, *additions[i].subject);
        BindFields(insert, 3, additions[i].values);
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
    RowSubjects subjects(database, options.subject, text.fileName);
    const auto plan = PlanRows(database, rows, subjects, options.updateExisting, result);
    AddQuestions(database, plan.additions, text.fileName);
    result.added = static_cast<std::int64_t>(plan.additions.size());
    UpdateQuestions(database, plan.updates, text.mapping);
    transaction.commit();
    result.subjects = subjects.InOrder();
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
