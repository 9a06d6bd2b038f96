// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, from the process started to its main window painted: the
// program (bench_lumenary_window, built from the program's own main) against
// the smallest Qt Widgets window with a menu bar (bench_minimal_window), run
// in turn so that both meet the same load on the machine. Run it under a
// display, e.g. xvfb-run -a -s "-screen 0 1366x768x24" build/bin/bench_startup [RUNS].
// Prints the medians and their ratio.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> times)
{
    std::ranges::sort(times);
    return times[times.size() / 2];
}

// Milliseconds from start to exit; negative when the run failed.
double TimeRun(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer elapsed;
    elapsed.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    return elapsed.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 21;
    const QString folder = QCoreApplication::applicationDirPath();
    // The program on a copy of the bundled bank, which it may write.
    QTemporaryDir data;
    const QString bank = data.filePath(QStringLiteral("lm50data.db"));
    if (!QFile::copy(folder + QStringLiteral("/lm50data.db"), bank)) {
        std::fprintf(stderr, "bench_startup: no lm50data.db beside it; build the question bank first\n");
        return 1;
    }
    const QString lumenary = folder + QStringLiteral("/bench_lumenary_window");
    const QString minimal = folder + QStringLiteral("/bench_minimal_window");
    std::vector<double> programTimes;
    std::vector<double> minimalTimes;
    TimeRun(minimal, {}); // caches warmed for both
    TimeRun(lumenary, {QStringLiteral("--database"), bank});
    for (int run = 0; run < runs; ++run) {
        minimalTimes.push_back(TimeRun(minimal, {}));
        programTimes.push_back(TimeRun(lumenary, {QStringLiteral("--database"), bank}));
    }
    if (std::ranges::min(minimalTimes) < 0 || std::ranges::min(programTimes) < 0) {
        std::fprintf(stderr, "bench_startup: a run failed (is there a display?)\n");
        return 1;
    }
    const double program = Median(programTimes);
    const double yardstick = Median(minimalTimes);
    std::printf("start-up to the main window painted, median of %d interleaved runs:\n", runs);
    std::printf("  smallest Qt Widgets window with a menu bar %.1f ms\n", yardstick);
    std::printf("  Lumenary                                   %.1f ms\n", program);
    std::printf("  ratio                                      %.2f\n", program / yardstick);
    return 0;
}
