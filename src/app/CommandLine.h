// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace lumenary {

// Names the program for Qt: its --version, its window class and the desktop
// entry its windows belong to.
void SetProgramIdentity();

// The program's command line, read the way Qt programs read theirs.
class CommandLine {
public:
    CommandLine();

    // Reads the arguments before any application object exists, so that a
    // mistake is refused (with a message and exit status 1) without a
    // display. The windowing system's own options are accepted and left to
    // the application. Returns false after printing the mistake.
    bool Parse(int argc, char* argv[]);

    // Whether the arguments ask only for what needs no windows (help, the
    // version, the database path), so that it works without a display.
    bool NeedsNoWindows() const;

    // Prints the help or the version and ends the program when asked for.
    void Process(const QCoreApplication& application);

    // The database FILE asked for, absolute; empty for the program's own.
    QString DatabaseFile() const;
    // --database-path: print where the database is instead of starting.
    bool PrintDatabasePath() const;

private:
    QCommandLineParser parser_;
    QCommandLineOption database_;
    QCommandLineOption databasePath_;
};

// Prints where the question database of this run is (see
// QuestionDatabaseLocation), making the per-user copy first if needed; what
// went wrong goes to the error stream. Returns the exit status: 1 when there
// is no database there.
int PrintDatabaseLocation(const QString& ownDatabase);

} // namespace lumenary
