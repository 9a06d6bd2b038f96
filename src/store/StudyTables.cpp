// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudyTables.h"

#include <SQLiteCpp/Database.h>

namespace lumenary {

void EnsureStudyTables(SQLite::Database& database)
{
    database.exec("CREATE TABLE IF NOT EXISTS StudyRun ("
                  "ID INTEGER PRIMARY KEY, StartedAt TEXT NOT NULL, EndedAt TEXT, Engine TEXT NOT NULL, "
                  "Way TEXT NOT NULL, Subject TEXT, Filter TEXT, ParentRunID INTEGER, "
                  "Asked INTEGER NOT NULL DEFAULT 0, Right INTEGER NOT NULL DEFAULT 0, "
                  "Completed INTEGER NOT NULL DEFAULT 0)");
    database.exec("CREATE TABLE IF NOT EXISTS StudyAnswer ("
                  "ID INTEGER PRIMARY KEY, RunID INTEGER NOT NULL, QuestionID INTEGER NOT NULL, Way TEXT NOT NULL, "
                  "AnsweredAt TEXT NOT NULL, StudyDay TEXT NOT NULL, Correct INTEGER NOT NULL, Millis INTEGER)");
    database.exec("CREATE TABLE IF NOT EXISTS StudyCard ("
                  "QuestionID INTEGER NOT NULL, Way TEXT NOT NULL, Stability REAL NOT NULL, "
                  "Difficulty REAL NOT NULL, LastDay TEXT NOT NULL, DueDay TEXT NOT NULL, "
                  "Answers INTEGER NOT NULL, Lapses INTEGER NOT NULL, PRIMARY KEY (QuestionID, Way))");
    // Covers the due counts: the cards due by a day, of a way, and their questions.
    database.exec("CREATE INDEX IF NOT EXISTS StudyCardDueDay ON StudyCard (Way, DueDay, QuestionID)");
    // Covers the study history: each day's answers, a card's together in the order given.
    database.exec("CREATE INDEX IF NOT EXISTS StudyAnswerDay ON StudyAnswer (StudyDay, QuestionID, Way, ID, Correct, RunID)");
    // The misses alone, for the missed questions: when and in which way a card was missed.
    database.exec("CREATE INDEX IF NOT EXISTS StudyAnswerMisses ON StudyAnswer (QuestionID, Way, StudyDay, AnsweredAt, Correct) "
                  "WHERE Correct = 0");
}

bool HasStudyTables(SQLite::Database& database)
{
    return database.tableExists("StudyRun") && database.tableExists("StudyAnswer")
        && database.tableExists("StudyCard");
}

} // namespace lumenary
