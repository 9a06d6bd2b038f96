// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudyHistory.h"

#include "QuestionDatabase.h"
#include "StudyTables.h"

#include <cmath>
#include <unordered_set>

namespace lumenary {

namespace {

// Answers to the questions of one subject, the subject bound to parameter `number`.
std::string OfSubject(int number)
{
    return " AND a.QuestionID IN (SELECT ID FROM lm40data WHERE Module = ?" + std::to_string(number) + ")";
}

std::unordered_set<std::int64_t> RetryRuns(QuestionDatabase& database)
{
    std::unordered_set<std::int64_t> runs;
    const auto query = database.Statement("SELECT ID FROM StudyRun WHERE ParentRunID IS NOT NULL");
    while (query->executeStep())
        runs.insert(query->getColumn(0).getInt64());
    return runs;
}

// The day totals, and the runs the answers belong to. The answers come in
// the order of the record's day index, each card's answers of a day
// together and in the order given, so one pass finds every first answer.
std::vector<DayTotals> ReadDays(QuestionDatabase& database, const HistoryFilter& filter,
                                std::unordered_set<std::int64_t>& runs)
{
    const auto retries = RetryRuns(database);
    const auto query = database.Statement(
        std::string("SELECT a.StudyDay, a.QuestionID, a.Way, a.Correct, a.RunID FROM StudyAnswer a "
                    "WHERE a.StudyDay >= ?1 AND a.StudyDay <= ?2")
        + (filter.subject ? OfSubject(3) : "") + " ORDER BY a.StudyDay, a.QuestionID, a.Way, a.ID");
    query->bind(1, filter.from ? DayText(*filter.from) : std::string());
    query->bind(2, DayText(filter.to));
    if (filter.subject)
        query->bind(3, *filter.subject);
    std::vector<DayTotals> days;
    std::string day;
    std::int64_t question = -1;
    std::string way;
    while (query->executeStep()) {
        const char* rowDay = query->getColumn(0).getText();
        const std::int64_t rowQuestion = query->getColumn(1).getInt64();
        const char* rowWay = query->getColumn(2).getText();
        const std::int64_t run = query->getColumn(4).getInt64();
        const bool newDay = day != rowDay;
        if (newDay) {
            day = rowDay;
            days.push_back({ParseDay(day).value_or(StudyDay{}), 0, 0, 0});
        }
        if (newDay || question != rowQuestion || way != rowWay) {
            question = rowQuestion;
            way = rowWay;
            if (!retries.contains(run)) {
                ++days.back().firstAnswers;
                days.back().firstRight += query->getColumn(3).getInt() != 0 ? 1 : 0;
            }
        }
        ++days.back().answers;
        runs.insert(run);
    }
    return days;
}

std::vector<RunLine> ReadRuns(QuestionDatabase& database, StudyDay from, const std::unordered_set<std::int64_t>& ids)
{
    std::vector<RunLine> runs;
    // A run with an answer on a day ends after that day began, whatever the
    // local time was; a margin of two days covers every offset from UTC.
    const auto query = database.Statement("SELECT ID, StartedAt, Engine, Way, Subject, ParentRunID, Asked, Right, "
                                          "Completed FROM StudyRun WHERE EndedAt >= ? ORDER BY StartedAt DESC, ID DESC");
    query->bind(1, DayText(from - std::chrono::days(2)));
    while (query->executeStep()) {
        const std::int64_t id = query->getColumn(0).getInt64();
        if (!ids.contains(id))
            continue;
        const auto parent = query->getColumn(5);
        runs.push_back({id, query->getColumn(1).getString(), query->getColumn(2).getString(),
                        query->getColumn(3).getString(), query->getColumn(4).getString(),
                        parent.isNull() ? std::nullopt : std::optional(parent.getInt64()), query->getColumn(6).getInt(),
                        query->getColumn(7).getInt(), query->getColumn(8).getInt() != 0});
    }
    return runs;
}

} // namespace

int RoundedPercent(int part, int whole)
{
    return whole == 0 ? 0 : static_cast<int>(std::lround(100.0 * part / whole));
}

StudyHistory ReadHistory(QuestionDatabase& database, const HistoryFilter& filter)
{
    StudyHistory history;
    if (!HasStudyTables(database.Sql()))
        return history;
    std::unordered_set<std::int64_t> runs;
    history.days = ReadDays(database, filter, runs);
    if (!history.days.empty())
        history.runs = ReadRuns(database, history.days.front().day, runs);
    return history;
}

int CurrentStreak(QuestionDatabase& database, StudyDay today, const std::optional<std::string>& subject)
{
    if (!HasStudyTables(database.Sql()))
        return 0;
    const auto studied = [&](StudyDay day) {
        const auto query = database.Statement("SELECT EXISTS (SELECT 1 FROM StudyAnswer a WHERE a.StudyDay = ?1"
                                              + (subject ? OfSubject(2) : std::string()) + ")");
        query->bind(1, DayText(day));
        if (subject)
            query->bind(2, *subject);
        return query->executeStep() && query->getColumn(0).getInt() != 0;
    };
    StudyDay day = studied(today) ? today : today - std::chrono::days(1);
    int streak = 0;
    while (studied(day)) {
        ++streak;
        day -= std::chrono::days(1);
    }
    return streak;
}

} // namespace lumenary
