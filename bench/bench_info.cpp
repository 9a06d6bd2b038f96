// SPDX-License-Identifier: GPL-3.0-or-later
// Time from choosing an information window's menu entry to the window built
// and painted, and from choosing one advertiser to the next shown in the open
// directory window. Prints figures.

#include "BenchProgram.h"
#include "FontResolver.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "QuestionBank.h"
#include "WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

// Median milliseconds of runs of one step, each followed by a repaint of what it showed.
template <class Step>
double Median(int runs, Step step)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        Settle();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::ranges::sort(times);
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterBundledFonts();

    QTemporaryDir folder;
    const auto bank = std::filesystem::path(folder.path().toStdString()) / "lm50data.db";
    WriteQuestionDatabase({BankQuestion{.source = {}, .id = 1, .module = "NTI", .category = 1, .book = {},
                                        .chapter = {}, .theme = {}, .english = "Q", .french = {}, .hebrew = "A"}},
                          bank);
    BenchProgram program(bank);
    LumenaryApp& app = program.App();

    const std::pair<const char*, const char*> windows[] = {
        {"MnuAboutAdvertising", "FrmAboutAdvertising"}, {"MnuTroubleshooting", "FrmTroubleshooting"},
        {"MnuContributors", "FrmContributors"},         {"MnuAboutProgram", "FrmAbout"},
        {"MnuBookMoses", "FrmBookMoses"},               {"MnuPosterOne", "FrmPosterOne"},
        {"MnuPosterTwo", "FrmPosterTwo"},               {"MnuBookstoreEight", "FrmBookstore"}};
    constexpr int runs = 30;
    std::printf("platform %s; median of %d runs, each built afresh (unloaded between runs) and painted\n",
                qPrintable(QApplication::platformName()), runs);
    for (const auto& [entry, name] : windows) {
        auto* action = app.MainWindow().findChild<QAction*>(entry);
        const double ms = Median(runs, [&] {
            if (QWidget* open = VisibleWindow(QLatin1String(name)))
                app.Windows().Unload(open);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            action->trigger();
            VisibleWindow(QLatin1String(name))->repaint();
        });
        std::printf("  %-22s %7.2f ms\n", name, ms);
    }

    app.MainWindow().findChild<QAction*>("MnuPosterOne")->trigger();
    Settle();
    const double repaintMs = Median(runs, [] { VisibleWindow("FrmPosterOne")->repaint(); });
    std::printf("  FrmPosterOne painted again (covered and uncovered): %.2f ms\n", repaintMs);

    int next = 0;
    const char* const advertisers[] = {"MnuBookstoreOne", "MnuBookstoreSix", "MnuBookstoreFour"};
    const double switchMs = Median(runs, [&] {
        app.MainWindow().findChild<QAction*>(advertisers[next++ % 3])->trigger();
        VisibleWindow("FrmBookstore")->repaint();
    });
    std::printf("  one advertiser to the next in the open directory: %.2f ms\n", switchMs);
    return 0;
}
