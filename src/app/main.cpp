#include "DatabaseLocation.h"
#include "FontResolver.h"
#include "LumenaryApp.h"
#include "MessageBoxPrompter.h"
#include "RandomSource.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    QApplication::setOrganizationName(QStringLiteral("Lumenary"));
    // The program ends when its main window and every other window are
    // closed, not when a quiz briefly hides them all.
    QApplication::setQuitOnLastWindowClosed(false);
    lumenary::RegisterBundledFonts();

    lumenary::MessageBoxPrompter prompter;
    lumenary::ClockRandomSource random;
    lumenary::LumenaryApp app(prompter, random, [] { QApplication::quit(); });
    if (!app.Start(lumenary::QuestionDatabaseLocation().toStdString()))
        return 1;
    return QApplication::exec();
}
