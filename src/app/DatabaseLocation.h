#pragma once

#include <QString>

namespace lumenary {

// Where the question database is: beside the program if a copy is there;
// otherwise the per-user copy, made from the bundled bank when it does not
// exist yet. The program folder is used as given and the separator is
// always added, so a folder at the root gives a doubled separator.
QString LocateQuestionDatabase(const QString& programFolder, const QString& userDataFolder,
                               const QString& bundledBank);

// The same with the program's real folders.
QString QuestionDatabaseLocation();

} // namespace lumenary
