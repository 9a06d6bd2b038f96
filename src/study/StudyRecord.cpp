// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudyRecord.h"

#include "QuestionDatabase.h"
#include "StudyDay.h"

namespace lumenary {

std::int64_t StudyRecord::BeginRun(const RunDescription& run, const Moment& startedAt)
{
    const auto insert = database_.Statement(
        "INSERT INTO StudyRun (StartedAt, EndedAt, Engine, Way, Subject, Filter, ParentRunID, Asked, Right, Completed) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, 0, 0, 0)");
    const std::string started = UtcText(startedAt);
    insert->bind(1, started);
    insert->bind(2, started);
    insert->bind(3, run.engine);
    insert->bind(4, run.way);
    insert->bind(5, run.subject);
    insert->bind(6, run.filter);
    if (run.parentRunId)
        insert->bind(7, *run.parentRunId);
    insert->exec();
    return database_.Sql().getLastInsertRowid();
}

void StudyRecord::RecordAnswer(const JudgedAnswer& answer)
{
    const std::string answeredAt = UtcText(answer.answeredAt);
    {
        const auto insert = database_.Statement("INSERT INTO StudyAnswer "
                                                "(RunID, QuestionID, Way, AnsweredAt, StudyDay, Correct, Millis) "
                                                "VALUES (?, ?, ?, ?, ?, ?, ?)");
        insert->bind(1, answer.runId);
        insert->bind(2, answer.questionId);
        insert->bind(3, answer.way);
        insert->bind(4, answeredAt);
        insert->bind(5, DayText(StudyDayOf(answer.answeredAt)));
        insert->bind(6, answer.correct ? 1 : 0);
        insert->bind(7, answer.millis);
        insert->exec();
    }
    Reschedule(answer);
    const auto run = database_.Statement("UPDATE StudyRun SET Asked = Asked + 1, Right = Right + ?, EndedAt = ? "
                                         "WHERE ID = ?");
    run->bind(1, answer.correct ? 1 : 0);
    run->bind(2, answeredAt);
    run->bind(3, answer.runId);
    run->exec();
}

void StudyRecord::Reschedule(const JudgedAnswer& answer)
{
    const StudyDay today = StudyDayOf(answer.answeredAt);
    std::optional<MemoryState> before;
    int elapsed = 0;
    {
        const auto card = database_.Statement(
            "SELECT Stability, Difficulty, LastDay FROM StudyCard WHERE QuestionID = ? AND Way = ?");
        card->bind(1, answer.questionId);
        card->bind(2, answer.way);
        if (card->executeStep()) {
            before = MemoryState{card->getColumn(0).getDouble(), card->getColumn(1).getDouble()};
            // A last day that cannot be read counts as today: no time has passed.
            elapsed = DaysBetween(ParseDay(card->getColumn(2).getString()).value_or(today), today);
        }
    }
    const Grade grade = answer.correct ? Grade::Good : Grade::Again;
    const MemoryState after = scheduler_.Review(before, elapsed, grade);
    const std::string due = DayText(today + std::chrono::days(scheduler_.IntervalDays(after.stability)));
    const auto write = database_.Statement(
        "INSERT INTO StudyCard (QuestionID, Way, Stability, Difficulty, LastDay, DueDay, Answers, Lapses) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, 1, 0) "
        "ON CONFLICT (QuestionID, Way) DO UPDATE SET Stability = ?3, Difficulty = ?4, LastDay = ?5, DueDay = ?6, "
        "Answers = Answers + 1, Lapses = Lapses + ?7");
    write->bind(1, answer.questionId);
    write->bind(2, answer.way);
    write->bind(3, after.stability);
    write->bind(4, after.difficulty);
    write->bind(5, DayText(today));
    write->bind(6, due);
    write->bind(7, answer.correct ? 0 : 1);
    write->exec();
}

void StudyRecord::CompleteRun(std::int64_t runId)
{
    const auto run = database_.Statement("UPDATE StudyRun SET Completed = 1 WHERE ID = ?");
    run->bind(1, runId);
    run->exec();
}

} // namespace lumenary
