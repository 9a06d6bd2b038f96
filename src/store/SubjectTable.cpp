// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubjectTable.h"

#include "QuestionDatabase.h"

#include <SQLiteCpp/Database.h>

namespace lumenary {

void EnsureSubjectTable(SQLite::Database& database)
{
    // Names compare as the quiz filter compares them: ignoring letter case.
    database.exec("CREATE TABLE IF NOT EXISTS " + QuoteIdentifier(kSubjectTableName)
                  + " (Name TEXT PRIMARY KEY COLLATE NOCASE) WITHOUT ROWID");
}

} // namespace lumenary
