// SPDX-License-Identifier: GPL-3.0-or-later
#include "DueQuestions.h"

#include "QuestionDatabase.h"
#include "StudyTables.h"

#include <map>

namespace lumenary {

namespace {

// A question an upgrade dropped keeps its cards, but cannot be asked again.
constexpr char DueCardsSql[] = "FROM StudyCard c JOIN lm40data q ON q.ID = c.QuestionID WHERE c.DueDay <= ?";

} // namespace

std::vector<SubjectCount> DueBySubject(QuestionDatabase& database, StudyDay day, const std::optional<std::string>& way)
{
    std::vector<SubjectCount> counts;
    if (!HasStudyTables(database.Sql()))
        return counts;
    const auto query = database.Statement(std::string("SELECT q.Module, count(*) ") + DueCardsSql
                                          + " AND (?2 IS NULL OR c.Way = ?2) GROUP BY q.Module ORDER BY q.Module");
    query->bind(1, DayText(day));
    if (way)
        query->bind(2, *way);
    while (query->executeStep())
        counts.push_back({query->getColumn(0).getString(), query->getColumn(1).getInt()});
    return counts;
}

int DueCount(QuestionDatabase& database, StudyDay day, const std::vector<std::string>& ways)
{
    if (!HasStudyTables(database.Sql()))
        return 0;
    std::string list = "[";
    for (const auto& way : ways)
        list += (list.size() > 1 ? ",\"" : "\"") + way + "\"";
    // From the index alone, without the join to the question table, which
    // costs ten times as much at the largest bank: a card whose question an
    // upgrade dropped counts here, though a review no longer offers it.
    const auto query = database.Statement("SELECT count(*) FROM StudyCard c WHERE c.DueDay <= ? "
                                          "AND c.Way IN (SELECT value FROM json_each(?))");
    query->bind(1, DayText(day));
    query->bind(2, list + "]");
    query->executeStep();
    return query->getColumn(0).getInt();
}

std::vector<std::int64_t> DueQuestionIds(QuestionDatabase& database, StudyDay day, const std::string& way,
                                         const std::set<std::string>& subjects)
{
    std::vector<std::int64_t> ids;
    if (!HasStudyTables(database.Sql()))
        return ids;
    const auto query =
        database.Statement(std::string("SELECT c.QuestionID, q.Module ") + DueCardsSql + " AND c.Way = ?");
    query->bind(1, DayText(day));
    query->bind(2, way);
    while (query->executeStep())
        if (subjects.contains(query->getColumn(1).getString()))
            ids.push_back(query->getColumn(0).getInt64());
    return ids;
}

bool AnyAnswerRecorded(QuestionDatabase& database)
{
    if (!HasStudyTables(database.Sql()))
        return false;
    const auto query = database.Statement("SELECT EXISTS (SELECT 1 FROM StudyAnswer)");
    return query->executeStep() && query->getColumn(0).getInt() != 0;
}

std::vector<SubjectRecord> StudySummary(QuestionDatabase& database, StudyDay day)
{
    std::map<std::string, SubjectRecord> subjects;
    if (!HasStudyTables(database.Sql()))
        return {};
    const auto subjectOf = [](const SQLite::Column& module) {
        return module.isNull() ? std::string("(questions no longer in the bank)") : module.getString();
    };
    {
        const auto answers = database.Statement(
            "SELECT q.Module, count(*), sum(a.Correct = 1 AND a.StudyDay > ? AND a.StudyDay <= ?) "
            "FROM StudyAnswer a LEFT JOIN lm40data q ON q.ID = a.QuestionID GROUP BY q.Module");
        answers->bind(1, DayText(day - std::chrono::days(30)));
        answers->bind(2, DayText(day));
        while (answers->executeStep()) {
            auto& record = subjects[subjectOf(answers->getColumn(0))];
            record.answers = answers->getColumn(1).getInt();
            record.rightLast30Days = answers->getColumn(2).getInt();
        }
    }
    {
        const auto cards = database.Statement(
            "SELECT q.Module, count(*) FROM StudyCard c LEFT JOIN lm40data q ON q.ID = c.QuestionID GROUP BY q.Module");
        while (cards->executeStep())
            subjects[subjectOf(cards->getColumn(0))].cards = cards->getColumn(1).getInt();
    }
    for (const auto& [subject, count] : DueBySubject(database, day))
        subjects[subject].due = count;
    std::vector<SubjectRecord> records;
    for (auto& [subject, record] : subjects) {
        record.subject = subject;
        records.push_back(record);
    }
    return records;
}

} // namespace lumenary
