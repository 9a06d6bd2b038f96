// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"
#include "DatabaseLocation.h"
#include "LumenaryApp.h"
#include "MessageBoxPrompter.h"
#include "PictureWidget.h"
#include "RandomSource.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char* argv[])
{
    lumenary::SetProgramIdentity();
    lumenary::CommandLine commandLine;
    if (!commandLine.Parse(argc, argv))
        return EXIT_FAILURE;
    // Help, the version and the database path work without a display.
    const auto application = commandLine.NeedsNoWindows()
                               ? std::make_unique<QCoreApplication>(argc, argv)
                               : std::make_unique<QApplication>(argc, argv);
    commandLine.Process(*application);
    if (commandLine.PrintDatabasePath())
        return lumenary::PrintDatabaseLocation(commandLine.DatabaseFile());

    QApplication::setWindowIcon(lumenary::PictureIcon(QStringLiteral(":/images/icon.svg")));
    // The program ends when its main window and every other window are
    // closed, not when a quiz briefly hides them all.
    QApplication::setQuitOnLastWindowClosed(false);

    const lumenary::LocatedDatabase database = lumenary::QuestionDatabaseLocation(commandLine.DatabaseFile());

    lumenary::MessageBoxPrompter prompter;
    lumenary::ClockRandomSource random;
    lumenary::LumenaryApp app(prompter, random, [] { QApplication::quit(); });
    if (!app.Start(database))
        return 1;
    return QApplication::exec();
}
