// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "DatabaseLocation.h"
#include "InstallLayout.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace lumenary {

namespace {

void PrintLine(FILE* stream, const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
}

// The options QGuiApplication and QApplication take out of the arguments
// themselves: known here so that they are not refused before the
// application has seen them.
QList<QCommandLineOption> WindowSystemOptions()
{
    QList<QCommandLineOption> options;
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                             "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session",
                             "display", "name", "style", "stylesheet"})
        options.append(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "qdevel", "nograb", "dograb", "sync"})
        options.append(QCommandLineOption(QLatin1String(name)));
    for (auto& option : options)
        option.setFlags(QCommandLineOption::HiddenFromHelp);
    return options;
}

} // namespace

void SetProgramIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("lumenary"));
    QCoreApplication::setApplicationVersion(QLatin1String(ProgramVersion));
    QGuiApplication::setDesktopFileName(QLatin1String(ApplicationId));
}

CommandLine::CommandLine()
    : database_(QStringLiteral("database"),
                QStringLiteral("Run on the question database FILE (a bank of your own) instead of the program's."),
                QStringLiteral("FILE")),
      databasePath_(QStringLiteral("database-path"),
                    QStringLiteral("Print where the question database is, after making your copy of the bundled bank "
                                   "if needed, and exit."))
{
    parser_.setApplicationDescription(
        QStringLiteral("Lumenary: quizzes on the Bible, theology, church history, Greek and Hebrew."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(database_);
    parser_.addOption(databasePath_);
    // Qt's own options are written with one dash: -platform offscreen.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOptions(WindowSystemOptions());
}

bool CommandLine::Parse(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString mistake;
    if (!parser_.parse(arguments))
        mistake = parser_.errorText() + QStringLiteral(" (try --help)");
    else if (!parser_.positionalArguments().isEmpty())
        mistake = QStringLiteral("unexpected argument '%1' (try --help)").arg(parser_.positionalArguments().first());
    if (mistake.isEmpty())
        return true;
    PrintLine(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + mistake);
    return false;
}

bool CommandLine::NeedsNoWindows() const
{
    return parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"))
        || parser_.isSet(QStringLiteral("version")) || parser_.isSet(databasePath_);
}

void CommandLine::Process(const QCoreApplication& application)
{
    parser_.process(application);
}

QString CommandLine::DatabaseFile() const
{
    const QString file = parser_.value(database_);
    return file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
}

bool CommandLine::PrintDatabasePath() const
{
    return parser_.isSet(databasePath_);
}

int PrintDatabaseLocation(const QString& ownDatabase)
{
    const LocatedDatabase located = QuestionDatabaseLocation(ownDatabase);
    if (!located.notice.isEmpty())
        PrintLine(stderr, QStringLiteral("lumenary: ") + located.notice);
    PrintLine(stdout, located.file);
    if (QFileInfo(located.file).isFile())
        return EXIT_SUCCESS;
    PrintLine(stderr, QStringLiteral("lumenary: there is no question database at that place."));
    return EXIT_FAILURE;
}

} // namespace lumenary
