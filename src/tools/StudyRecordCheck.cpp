// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudyRecordCheck.h"

#include "QuestionDatabase.h"
#include "StudyDay.h"
#include "StudyTables.h"

#include <cmath>
#include <sstream>

namespace lumenary {

namespace {

std::string Number(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string CardName(SQLite::Statement& card)
{
    return "study card of question " + card.getColumn(0).getString() + " way " + card.getColumn(1).getString() + ": ";
}

} // namespace

std::vector<std::string> CheckStudyRecord(QuestionDatabase& database)
{
    std::vector<std::string> problems;
    if (!HasStudyTables(database.Sql()))
        return problems;
    SQLite::Statement orphans(database.Sql(), "SELECT a.ID, a.RunID FROM StudyAnswer a "
                                              "WHERE NOT EXISTS (SELECT 1 FROM StudyRun r WHERE r.ID = a.RunID)");
    while (orphans.executeStep())
        problems.push_back("study answer " + orphans.getColumn(0).getString() + ": its run "
                           + orphans.getColumn(1).getString() + " does not exist");

    SQLite::Statement cards(database.Sql(), "SELECT QuestionID, Way, Stability, Difficulty, LastDay, DueDay, Answers, "
                                            "Lapses FROM StudyCard");
    while (cards.executeStep()) {
        const double stability = cards.getColumn(2).getDouble();
        const double difficulty = cards.getColumn(3).getDouble();
        const auto lastDay = ParseDay(cards.getColumn(4).getString());
        const auto dueDay = ParseDay(cards.getColumn(5).getString());
        const auto answers = cards.getColumn(6).getInt64();
        const auto lapses = cards.getColumn(7).getInt64();
        const auto problem = [&](const std::string& text) { problems.push_back(CardName(cards) + text); };
        if (!std::isfinite(stability) || stability <= 0)
            problem("stability " + Number(stability) + " is not above zero");
        if (!(difficulty >= 1 && difficulty <= 10))
            problem("difficulty " + Number(difficulty) + " is outside 1 to 10");
        if (!lastDay || !dueDay)
            problem("LastDay \"" + cards.getColumn(4).getString() + "\" or DueDay \"" + cards.getColumn(5).getString()
                    + "\" is not a date YYYY-MM-DD");
        else if (*dueDay <= *lastDay)
            problem("due on " + DayText(*dueDay) + ", not after its last answer on " + DayText(*lastDay));
        if (answers < 1)
            problem("it has " + std::to_string(answers) + " answers");
        else if (lapses < 0 || lapses > answers - 1)
            problem(std::to_string(lapses) + " lapses in " + std::to_string(answers) + " answers");
    }
    return problems;
}

} // namespace lumenary
