// SPDX-License-Identifier: GPL-3.0-or-later
// "Missed Questions" at full size: a bank of 32,767 questions, every one
// missed three times in the last three weeks and still marked missed.
// Prints the opening of the window from its menu entry under each option,
// a sort by the question text, a jump to the last row, and Quiz Selected
// over every row, half of them asked the other way.

#include "BenchProgram.h"
#include "FontResolver.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "Session.h"
#include "StudyDay.h"

#include <SQLiteCpp/Database.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

constexpr int PoolSize = 32767;

// Three misses of each question, odd ones asked Part A and even ones Part B,
// on days spread over three weeks.
void FillRecord(const std::filesystem::path& bank, StudyDay today)
{
    QuestionDatabase::Open(bank); // makes the record's tables
    SQLite::Database database(bank.string(), SQLite::OPEN_READWRITE);
    database.exec("BEGIN");
    database.exec("INSERT INTO StudyRun (StartedAt, EndedAt, Engine, Way, Subject, Filter, Asked, Right, Completed) "
                  "VALUES ('2026-11-01T10:00:00Z', '2026-11-01T11:00:00Z', 'Flashcard', 'A', 'NTI', "
                  "'Module = ''NTI''', 98301, 0, 1)");
    database.exec("UPDATE lm40data SET Correct = 0");
    SQLite::Statement card(database, "INSERT INTO StudyCard VALUES (?, ?, 0.2, 8.0, ?, ?, 3, 3)");
    SQLite::Statement answer(database, "INSERT INTO StudyAnswer (RunID, QuestionID, Way, AnsweredAt, StudyDay, "
                                       "Correct, Millis) VALUES (1, ?, ?, ?, ?, 0, 900)");
    for (int id = 1; id <= PoolSize; ++id) {
        const char* way = id % 2 == 1 ? "A" : "B";
        StudyDay last{};
        for (int miss = 0; miss < 3; ++miss) {
            last = today - std::chrono::days((id + miss * 7) % 21);
            answer.bind(1, id);
            answer.bind(2, way);
            answer.bind(3, DayText(last) + "T10:" + std::to_string(10 + id % 50) + ":00Z");
            answer.bind(4, DayText(last));
            answer.exec();
            answer.reset();
        }
        card.bind(1, id);
        card.bind(2, way);
        card.bind(3, DayText(last));
        card.bind(4, DayText(last + std::chrono::days(1)));
        card.exec();
        card.reset();
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

    BenchProgram program(bank, clock);
    LumenaryApp& app = program.App();
    std::printf("%d questions, each missed 3 times\n", PoolSize);

    StepTimes times;
    const auto measure = [&](const std::function<void()>& step) { times.Measure(step); };
    const auto print = [&](const std::string& what) { times.Print(what); };

    auto* entry = app.MainWindow().findChild<QAction*>("MnuMissedQs");
    for (int i = 0; i < 10; ++i) {
        measure([&] {
            entry->trigger();
            VisibleWindow("FrmMissedQs")->repaint();
            Settle();
        });
        VisibleWindow("FrmMissedQs")->close();
        Settle();
    }
    print("Missed Questions (in the latest quiz, 32767 rows), menu entry to window painted, openings");

    entry->trigger();
    QWidget* window = VisibleWindow("FrmMissedQs");
    auto* table = window->findChild<QTableView*>("TblMissed");
    const char* options[] = {"in the latest quiz", "in the last 7 days", "in the last 30 days", "three times or more"};
    for (int option = 1; option < 4; ++option) {
        auto* choice = window->findChild<QRadioButton*>(QStringLiteral("OptMissed(%1)").arg(option));
        auto* away = window->findChild<QRadioButton*>(QStringLiteral("OptMissed(%1)").arg(option == 1 ? 2 : 1));
        for (int i = 0; i < 10; ++i) {
            away->click();
            Settle();
            measure([&] {
                choice->click();
                window->repaint();
            });
        }
        print(std::string("option chosen to window painted, ") + options[option] + " ("
              + std::to_string(table->model()->rowCount()) + " rows), choices");
    }
    for (int i = 0; i < 10; ++i) {
        measure([&] {
            table->sortByColumn(1, i % 2 == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
            table->repaint();
        });
    }
    print("sort by Question, table painted, sorts");
    for (int i = 0; i < 10; ++i) {
        table->scrollToTop();
        table->repaint();
        measure([&] {
            table->scrollToBottom();
            table->repaint();
        });
    }
    print("jump to the last row, table painted, jumps");

    // Each quiz starts from a window opened afresh, as Quiz Selected unloads
    // it, on the 30 days' misses: a quiz clears the marks "latest" goes by.
    window->close();
    Settle();
    for (int i = 0; i < 5; ++i) {
        entry->trigger();
        Settle();
        window = VisibleWindow("FrmMissedQs");
        window->findChild<QAbstractButton*>("OptMissed(2)")->click();
        Settle();
        measure([&] {
            window->findChild<QAbstractButton*>("CmdQuizSelected")->click();
            VisibleWindow("FrmMC")->repaint();
        });
        VisibleWindow("FrmMC")->close();
        Settle();
    }
    print("Quiz Selected over 32767 rows of two ways to the first multiple-choice question painted, quizzes");
    return 0;
}
