// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the main window on screen, the opening of every selection
// window of the Quizzes menu, and over a large pool the time from a grade to
// the next card on screen in a flashcard quiz, and from a verdict and from
// "Next Question" to the screen in the true/false and short-answer quizzes.
// Prints figures.

#include "BenchSupport.h"
#include "FontResolver.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "ModLanguages.h"
#include "RandomSource.h"
#include "Session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

// Starts a quiz of a type over the whole pool; the window it opened.
QWidget* LaunchQuiz(LumenaryApp& app, const char* quizType, const QString& window)
{
    app.MainWindow().QuizType = quizType;
    QElapsedTimer launch;
    launch.start();
    app.MainWindow().BeginQuiz();
    Settle();
    std::printf("%s launch (pool preparation + first question on screen): %.1f ms\n", quizType,
                launch.nsecsElapsed() / 1e6);
    return VisibleWindow(window);
}

// True/false: a verdict (every third one wrong) on screen, then the next
// question on screen.
void BenchTrueFalse(LumenaryApp& app, int questions)
{
    QWidget* window = LaunchQuiz(app, "TF", "FrmTF");
    const auto verdicts = std::array{window->findChild<QAbstractButton*>("CmdTrue"),
                                     window->findChild<QAbstractButton*>("CmdFalse")};
    auto* next = window->findChild<QAbstractButton*>("CmdNextQuestion");
    std::vector<double> toVerdict;
    std::vector<double> toNext;
    for (int i = 0; i < questions; ++i) {
        toVerdict.push_back(TimeClick(verdicts[i % 3 == 0], window));
        toNext.push_back(TimeClick(next, window));
    }
    PrintSpread("TF verdict on screen, questions", toVerdict);
    PrintSpread("TF next question on screen, questions", toNext);
    window->close();
}

// Short answer: a typed chapter (mostly wrong) submitted, then the next question.
void BenchShortAnswer(LumenaryApp& app, int questions)
{
    QWidget* window = LaunchQuiz(app, "SA", "FrmSA");
    auto* chapter = window->findChild<QLineEdit*>("TxtChapter");
    auto* ok = window->findChild<QAbstractButton*>("CmdOK");
    auto* next = window->findChild<QAbstractButton*>("CmdNextQuestion");
    std::vector<double> toVerdict;
    std::vector<double> toNext;
    for (int i = 0; i < questions; ++i) {
        chapter->setText(QString::number(1 + i % 28));
        toVerdict.push_back(TimeClick(ok, window));
        toNext.push_back(TimeClick(next, window));
    }
    PrintSpread("SA verdict on screen, questions", toVerdict);
    PrintSpread("SA next question on screen, questions", toNext);
    window->close();
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterBundledFonts();
    const qint64 toolkitReady = sinceStart.elapsed();

    constexpr int poolSize = 32767;
    QTemporaryDir folder;
    const auto bank = MakeBank(folder.path(), poolSize, [](int id) { return "Matthew " + std::to_string(1 + id % 28); });
    const qint64 bankMade = sinceStart.elapsed() - toolkitReady;

    SilentPrompter prompter;
    ClockRandomSource random;
    LumenaryApp app(prompter, random, [] {});
    QElapsedTimer startUp;
    startUp.start();
    app.Start(bank);
    Settle();
    const double startMs = startUp.nsecsElapsed() / 1e6;

    // Each window of the Quizzes menu, from the entry chosen to the window
    // painted; closed again before the next.
    std::vector<std::pair<QString, double>> openings;
    for (QAction* entry : app.MainWindow().findChild<QMenu*>("MnuQuizzes")->actions()) {
        if (entry->isSeparator() || !entry->isEnabled() || entry->objectName() == "MnuExit")
            continue;
        const auto before = QApplication::topLevelWidgets();
        QElapsedTimer opening;
        opening.start();
        entry->trigger();
        QWidget* opened = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (!before.contains(widget) && widget->isVisible())
                opened = widget;
        if (opened)
            opened->repaint();
        Settle();
        openings.emplace_back(entry->objectName(), opening.nsecsElapsed() / 1e6);
        if (opened)
            opened->close();
        Settle();
    }

    app.State().QuizFilter = "Module = 'NTI'";
    app.MainWindow().QuizType = "Flashcard";
    QElapsedTimer launch;
    launch.start();
    app.MainWindow().BeginQuiz();
    Settle();
    const double launchMs = launch.nsecsElapsed() / 1e6;

    QWidget* card = VisibleWindow("FrmFlashcard");
    auto* show = card->findChild<QAbstractButton*>("CmdShowAnswer");
    auto* correct = card->findChild<QAbstractButton*>("CmdCorrect");
    auto* incorrect = card->findChild<QAbstractButton*>("CmdIncorrect");

    constexpr int cards = 500;
    std::vector<double> gradeToNext;
    for (int i = 0; i < cards; ++i) {
        show->click();
        Settle();
        gradeToNext.push_back(TimeClick(i % 3 == 0 ? incorrect : correct, card));
    }

    std::printf("platform %s, pool of %d questions (bank built in %lld ms, not counted)\n",
                qPrintable(QApplication::platformName()), poolSize, bankMade);
    std::printf("start-up: QApplication and bundled fonts %lld ms + main window made, database opened, shown and "
                "painted %.1f ms = %.1f ms\n",
                toolkitReady, startMs, toolkitReady + startMs);
    const auto slowest = std::ranges::max_element(openings, {}, &std::pair<QString, double>::second);
    std::printf("opening a selection window (entry chosen to window painted), %zu windows:",
                openings.size());
    for (const auto& [entry, ms] : openings)
        std::printf(" %s %.1f", qPrintable(entry), ms);
    if (slowest != openings.end())
        std::printf("\n  slowest %s %.1f ms", qPrintable(slowest->first), slowest->second);
    std::printf("\n");
    std::printf("flashcard launch (pool preparation + first card on screen):   %.1f ms\n", launchMs);
    PrintSpread("grade to next card on screen, cards", gradeToNext);

    card->close();
    BenchTrueFalse(app, cards);
    BenchShortAnswer(app, cards);
    return 0;
}
