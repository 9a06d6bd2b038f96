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

    // Whether the arguments, read before any application object exists, ask
    // only for what needs no windows (help, the version, the database path),
    // so that it works without a display. Arguments that do not parse here may
    // still be the windowing system's, which the application takes out.
    bool NeedsNoWindows(int argc, char* argv[]);

    // Reads the application's arguments. --help and --version print and end
    // the program, as does a mistake (with exit status 1).
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
