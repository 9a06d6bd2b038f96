// SPDX-License-Identifier: GPL-3.0-or-later
// "Study History" at full size: a generated record of 1,000,000 answers over
// the last two years (730 study days, runs of 50 answers, every fourth run a
// retry of the one before) on a bank of 32,767 questions asked two ways.
// Prints the indexes' first build on such a record, the opening of the window
// from its menu entry, each period chosen, and the chart's redraw.

#include "BenchProgram.h"
#include "FontResolver.h"
#include "FrmMain.h"
#include "HistoryChart.h"
#include "LumenaryApp.h"
#include "Session.h"
#include "StudyDay.h"

#include <SQLiteCpp/Database.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

constexpr int PoolSize = 32767;
constexpr int Answers = 1'000'000;
constexpr int Days = 730;
constexpr int RunLength = 50;

// The answers as a record written before the history's indexes existed.
void FillRecord(const std::filesystem::path& bank, StudyDay today)
{
    QuestionDatabase::Open(bank); // makes the record's tables
    SQLite::Database database(bank.string(), SQLite::OPEN_READWRITE);
    database.exec("DROP INDEX StudyAnswerDay");
    database.exec("DROP INDEX StudyAnswerMisses");
    database.exec("BEGIN");
    SQLite::Statement run(database, "INSERT INTO StudyRun (ID, StartedAt, EndedAt, Engine, Way, Subject, Filter, "
                                    "ParentRunID, Asked, Right, Completed) VALUES (?, ?, ?, 'Flashcard', ?, 'NTI', "
                                    "'Module = ''NTI''', ?, ?, ?, 1)");
    SQLite::Statement answer(database, "INSERT INTO StudyAnswer (RunID, QuestionID, Way, AnsweredAt, StudyDay, "
                                       "Correct, Millis) VALUES (?, ?, ?, ?, ?, ?, 900)");
    const int runs = Answers / RunLength;
    for (int runId = 1; runId <= runs; ++runId) {
        const StudyDay day = today - std::chrono::days(Days - 1 - (runId - 1) * Days / runs);
        const std::string at = DayText(day) + "T" + std::to_string(10 + runId % 10) + ":00:00Z";
        const char* way = runId % 3 == 0 ? "B" : "A";
        int right = 0;
        for (int i = 0; i < RunLength; ++i) {
            const int question = 1 + (runId * RunLength + i) * 7919 % PoolSize;
            const bool correct = (runId + i) % 5 != 0;
            right += correct ? 1 : 0;
            answer.bind(1, runId);
            answer.bind(2, question);
            answer.bind(3, way);
            answer.bind(4, at);
            answer.bind(5, DayText(day));
            answer.bind(6, correct ? 1 : 0);
            answer.exec();
            answer.reset();
        }
        run.bind(1, runId);
        run.bind(2, at);
        run.bind(3, at);
        run.bind(4, way);
        if (runId % 4 == 0)
            run.bind(5, runId - 1);
        run.bind(6, RunLength);
        run.bind(7, right);
        run.exec();
        run.reset();
        run.clearBindings();
    }
    database.exec("COMMIT");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterBundledFonts();

    QTemporaryDir folder;
    const auto bank = MakeBank(folder.path(), PoolSize, [](int id) { return "Answer " + std::to_string(id); });
    const SystemClock clock;
    FillRecord(bank, StudyDayOf(clock.Now()));
    {
        QElapsedTimer timer;
        timer.start();
        QuestionDatabase::Open(bank);
        std::printf("%d answers over %d days; the history's indexes built on opening: %.0f ms (once)\n", Answers, Days,
                    timer.nsecsElapsed() / 1e6);
    }

    BenchProgram program(bank, clock);
    LumenaryApp& app = program.App();

    auto* entry = app.MainWindow().findChild<QAction*>("MnuStudyHistory");
    StepTimes times;
    for (int i = 0; i < 10; ++i) {
        times.Measure([&] {
            entry->trigger();
            VisibleWindow("FrmHistory")->repaint();
            Settle();
        });
        VisibleWindow("FrmHistory")->close();
        Settle();
    }
    times.Print("Study History (last 30 days), menu entry to window painted, openings");

    entry->trigger();
    QWidget* window = VisibleWindow("FrmHistory");
    auto* period = window->findChild<QComboBox*>("CboPeriod");
    auto* chart = window->findChild<HistoryChart*>("ChtHistory");
    for (int index = 0; index < period->count(); ++index) {
        StepTimes redraws;
        for (int i = 0; i < 5; ++i) {
            period->setCurrentIndex(index == 0 ? 1 : 0); // away and back, so the choice reads afresh
            Settle();
            times.Measure([&] {
                period->setCurrentIndex(index);
                window->repaint();
            });
            for (int j = 0; j < 10; ++j)
                redraws.Measure([&] { chart->repaint(); });
        }
        const std::string what = period->itemText(index).toStdString();
        times.Print(what + ": chosen to window painted, choices");
        redraws.Print(what + ": chart redraw, redraws");
    }
    return 0;
}
