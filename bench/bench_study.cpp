// SPDX-License-Identifier: GPL-3.0-or-later
// The study record at full size: a bank of 32,767 questions with a card in
// each of three ways (98,301 cards, one answer each), due over two months.
// Prints the main window's due count, the opening of "Review Due Questions",
// in a due review the time from a grade to the next card on screen with the
// answer, its card and its run written, the same for the Greek tense drill,
// and the writes alone.

#include "BenchSupport.h"
#include "DueQuestions.h"
#include "DueTodayLabel.h"
#include "FontResolver.h"
#include "FieldValue.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "RandomSource.h"
#include "Session.h"
#include "StudyRecord.h"

#include <SQLiteCpp/Database.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

constexpr int PoolSize = 32767;

// Cards in ways A, B and F for every question, last answered over the past
// month and due from a month ago to a month ahead; one answer each.
void FillRecord(const std::filesystem::path& bank, StudyDay today)
{
    QuestionDatabase::Open(bank); // makes the record's tables
    SQLite::Database database(bank.string(), SQLite::OPEN_READWRITE);
    database.exec("BEGIN");
    database.exec("INSERT INTO StudyRun (StartedAt, EndedAt, Engine, Way, Subject, Filter, Asked, Right, Completed) "
                  "VALUES ('2026-11-01T10:00:00Z', '2026-11-01T11:00:00Z', 'Flashcard', 'A', 'NTI', "
                  "'Module = ''NTI''', 98301, 60000, 1)");
    SQLite::Statement card(database, "INSERT INTO StudyCard VALUES (?, ?, ?, 5.0, ?, ?, 1, 0)");
    SQLite::Statement answer(database, "INSERT INTO StudyAnswer (RunID, QuestionID, Way, AnsweredAt, StudyDay, "
                                       "Correct, Millis) VALUES (1, ?, ?, '2026-11-01T10:00:00Z', ?, 1, 900)");
    for (int id = 1; id <= PoolSize; ++id)
        for (const char* way : {way::PartA, way::PartB, way::French}) {
            const int spread = (id * 7 + way[0]) % 61; // 0..60
            const StudyDay last = today - std::chrono::days(spread / 2 + 1);
            const StudyDay due = today + std::chrono::days(spread - 30);
            card.bind(1, id);
            card.bind(2, way);
            card.bind(3, 1.0 + spread);
            card.bind(4, DayText(last));
            card.bind(5, DayText(due > last ? due : last + std::chrono::days(1)));
            card.exec();
            card.reset();
            answer.bind(1, id);
            answer.bind(2, way);
            answer.bind(3, DayText(last));
            answer.exec();
            answer.reset();
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
    const StudyDay today = StudyDayOf(clock.Now());
    FillRecord(bank, today);

    SilentPrompter prompter;
    ClockRandomSource random;
    LumenaryApp app(prompter, random, [] {}, clock);
    app.Start(bank);
    Settle();
    auto& database = *app.State().QuestionDatabase;

    std::vector<double> counts;
    int due = 0;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        due = DueCount(database, today, {way::PartA, way::PartB});
        counts.push_back(timer.nsecsElapsed() / 1e6);
    }
    auto* line = app.MainWindow().findChild<DueTodayLabel*>("LblDueToday");
    std::vector<double> lines;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        line->Refresh();
        lines.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%d questions, %lld cards in 3 ways; %d cards due today in ways A and B\n", PoolSize,
                static_cast<long long>(database.Sql().execAndGet("SELECT count(*) FROM StudyCard").getInt64()), due);
    PrintSpread("due count (ways A and B), runs", counts);
    PrintSpread("main window's due line (first answer looked up, then the count), runs", lines);

    auto* entry = app.MainWindow().findChild<QAction*>("MnuDueQs");
    std::vector<double> openings;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        entry->trigger();
        QWidget* window = VisibleWindow("FrmDueQs");
        window->repaint();
        Settle();
        openings.push_back(timer.nsecsElapsed() / 1e6);
        window->close();
        Settle();
    }
    PrintSpread("Review Due Questions, menu entry to window painted, openings", openings);

    entry->trigger();
    QWidget* window = VisibleWindow("FrmDueQs");
    window->findChild<QAbstractButton*>("OptQuiz(2)")->click();
    QElapsedTimer launch;
    launch.start();
    window->findChild<QAbstractButton*>("CmdOK")->click();
    Settle();
    std::printf("due review launch (due IDs, pool preparation, first card on screen): %.1f ms, %d questions\n",
                launch.nsecsElapsed() / 1e6, app.State().QuestionCount);
    QWidget* card = VisibleWindow("FrmFlashcard");
    auto* show = card->findChild<QAbstractButton*>("CmdShowAnswer");
    auto* correct = card->findChild<QAbstractButton*>("CmdCorrect");
    auto* incorrect = card->findChild<QAbstractButton*>("CmdIncorrect");
    std::vector<double> grades;
    for (int i = 0; i < 500; ++i) {
        show->click();
        Settle();
        grades.push_back(TimeClick(i % 3 == 0 ? incorrect : correct, card));
    }
    PrintSpread("due review: grade (answer, card and run written) to next card on screen, cards", grades);
    card->close();
    Settle();

    // The Greek tense drill, the one engine the other benchmarks leave out:
    // its verdict (answer, card and run written) and the next question.
    auto& session = app.State();
    session.QuizQuestionIDs.reset();
    session.QuizFilter = "Module = 'NTI'";
    app.MainWindow().QuizSelected();
    app.MainWindow().StartGreekTenseQuiz();
    Settle();
    QWidget* tense = VisibleWindow("FrmMCGrk");
    auto* typed = tense->findChild<QLineEdit*>("TxtAnswer");
    auto* ok = tense->findChild<QAbstractButton*>("CmdOK");
    auto* next = tense->findChild<QAbstractButton*>("CmdNextQuestion");
    std::vector<double> toVerdict;
    std::vector<double> toNext;
    for (int i = 0; i < 300; ++i) {
        typed->setText(QString::number(1 + i % 6));
        toVerdict.push_back(TimeClick(ok, tense));
        toNext.push_back(TimeClick(next, tense));
    }
    PrintSpread("Greek tense: OK to verdict on screen (answer, card and run written), questions", toVerdict);
    PrintSpread("Greek tense: Next Question to question on screen, questions", toNext);
    tense->close();
    Settle();

    // The writes alone, without the windows: a miss's marker by itself as
    // before the record, and a verdict with the record in one transaction.
    app.MainWindow().QuizSelected();
    ModCommonQuiz common(session, prompter, random, clock);
    std::vector<double> markers;
    std::vector<double> verdicts;
    for (int i = 0; i < 1000; ++i) {
        common.DrawRandomQuestion();
        session.CurrentQuestionID = FieldNumber(session.QuizRecordset->Field("ID"));
        session.AnswerCorrect = i % 3 != 0;
        QElapsedTimer timer;
        timer.start();
        if (i % 2 == 0)
            common.RecordMissedQuestion();
        else
            common.RecordAnswer("Flashcard");
        (i % 2 == 0 ? markers : verdicts).push_back(timer.nsecsElapsed() / 1e6);
    }
    PrintSpread("missed marker alone, writes", markers);
    PrintSpread("verdict with its answer, card and run (and the marker for a miss), writes", verdicts);
    return 0;
}
