// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lumenary {

// The question database a run uses, and what the user must be told about it.
struct LocatedDatabase {
    QString file;
    QString notice; // the per-user copy could not be made or brought up to date; empty otherwise
    bool installedBank = false; // the file is the installed bank, to be kept unchanged
};

// Where the question database is: beside the program if a copy is there (the
// user's own file, used as it is); otherwise the per-user copy, made from the
// bundled bank when it does not exist yet and brought up to date with it when
// it is older. When no copy can be made (or there is no user data folder),
// the installed bank, which must never be written. The program folder is
// used as given and the separator is always added, so a folder at the root
// gives a doubled separator.
LocatedDatabase LocateQuestionDatabase(const QString& programFolder, const QString& userDataFolder,
                                       const QString& bundledBank);

// The database of this run, with the program's real folders: a file of the
// user's own (given on the command line) as it is, otherwise the program's
// own as above. Needs the application object.
LocatedDatabase QuestionDatabaseLocation(const QString& ownDatabase = {});

} // namespace lumenary
