// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace SQLite {
class Database;
}

namespace lumenary {

// The study record's tables, kept beside the question table in the same file:
// StudyRun (every quiz run), StudyAnswer (every judged answer) and StudyCard
// (one scheduling card per question and way of asking it). A bank upgrade
// changes the question table only.

// Creates the tables and the index on due days where they are missing.
void EnsureStudyTables(SQLite::Database& database);

// Whether the file already holds the study record (a read-only look).
bool HasStudyTables(SQLite::Database& database);

} // namespace lumenary
