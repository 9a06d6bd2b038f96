// Start-up to the main window on screen, the time from a grade to the next
// card on screen in a flashcard quiz over a large pool, and from an answer to
// the next multiple-choice question on screen. Prints figures.

#include "FontResolver.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "ModLanguages.h"
#include "Prompter.h"
#include "QuestionBank.h"
#include "RandomSource.h"
#include "Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace lumenary;

namespace {

class SilentPrompter final : public Prompter {
public:
    void Information(const std::string&, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return false; }
};

// A bank of `size` questions in module NTI; `answer` gives each its Hebrew.
std::filesystem::path MakeBank(const QString& folder, int size, const std::function<std::string(int)>& answer)
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= size; ++id)
        questions.push_back(BankQuestion{.source = {}, .id = id, .module = "NTI", .category = 1 + id % 13,
                                         .book = "Matthew", .chapter = 1 + id % 28, .theme = "na",
                                         .english = "The event of chapter " + std::to_string(id),
                                         .french = {}, .hebrew = answer(id)});
    const auto file = std::filesystem::path(folder.toStdString()) / "lm50data.db";
    WriteQuestionDatabase(questions, file);
    return file;
}

QWidget* ShownWindow(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

struct Percentiles {
    double median, p95, max;
};

Percentiles Summarize(std::vector<double> times)
{
    std::ranges::sort(times);
    return {times[times.size() / 2], times[times.size() * 95 / 100], times.back()};
}

// Runs the event loop until everything queued, painting included, is done.
void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// A multiple-choice quiz over a pool of 32,767: the time from "OK" to the
// verdict on screen, and from "Next Question" to the next question on screen
// (draw, blacklist refill and wrong answers included).
void MeasureMultipleChoice(const char* pool, const std::function<std::string(int)>& answer)
{
    constexpr int poolSize = 32767;
    constexpr int questions = 300;
    QTemporaryDir folder;
    const auto bank = MakeBank(folder.path(), poolSize, answer);
    SilentPrompter prompter;
    ClockRandomSource random;
    LumenaryApp app(prompter, random, [] {});
    app.Start(bank);
    Settle();
    ModLanguages(app.State()).SetEnglishFonts();
    app.State().QuizFilter = "Module = 'NTI'";
    app.MainWindow().QuizType = "MC";
    QElapsedTimer launch;
    launch.start();
    app.MainWindow().BeginQuiz();
    Settle();
    const double launchMs = launch.nsecsElapsed() / 1e6;

    QWidget* window = ShownWindow("FrmMC");
    auto* answerBox = window->findChild<QLineEdit*>("TxtAnswer");
    auto* ok = window->findChild<QAbstractButton*>("CmdOK");
    auto* next = window->findChild<QAbstractButton*>("CmdNextQuestion");
    std::vector<double> submitTimes;
    std::vector<double> nextTimes;
    for (int i = 0; i < questions; ++i) {
        answerBox->setText(QString::number(1 + i % 6));
        QElapsedTimer submit;
        submit.start();
        ok->click();
        window->repaint();
        Settle();
        submitTimes.push_back(submit.nsecsElapsed() / 1e6);
        QElapsedTimer toNext;
        toNext.start();
        next->click();
        window->repaint();
        Settle();
        nextTimes.push_back(toNext.nsecsElapsed() / 1e6);
    }
    const auto submitted = Summarize(submitTimes);
    const auto nextShown = Summarize(nextTimes);
    std::printf("multiple choice, %s: launch %.1f ms; over %d questions\n", pool, launchMs, questions);
    std::printf("  OK to verdict on screen:            median %.2f ms, 95th %.2f ms, max %.2f ms\n", submitted.median,
                submitted.p95, submitted.max);
    std::printf("  Next Question to question on screen: median %.2f ms, 95th %.2f ms, max %.2f ms\n",
                nextShown.median, nextShown.p95, nextShown.max);
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

    app.State().QuizFilter = "Module = 'NTI'";
    app.MainWindow().QuizType = "Flashcard";
    QElapsedTimer launch;
    launch.start();
    app.MainWindow().BeginQuiz();
    Settle();
    const double launchMs = launch.nsecsElapsed() / 1e6;

    QWidget* card = ShownWindow("FrmFlashcard");
    auto* show = card->findChild<QAbstractButton*>("CmdShowAnswer");
    auto* correct = card->findChild<QAbstractButton*>("CmdCorrect");
    auto* incorrect = card->findChild<QAbstractButton*>("CmdIncorrect");

    constexpr int cards = 500;
    std::vector<double> gradeToNext;
    for (int i = 0; i < cards; ++i) {
        show->click();
        Settle();
        QElapsedTimer grade;
        grade.start();
        (i % 3 == 0 ? incorrect : correct)->click();
        card->repaint();
        Settle();
        gradeToNext.push_back(grade.nsecsElapsed() / 1e6);
    }
    std::ranges::sort(gradeToNext);

    std::printf("platform %s, pool of %d questions (bank built in %lld ms, not counted)\n",
                qPrintable(QApplication::platformName()), poolSize, bankMade);
    std::printf("start-up: QApplication and bundled fonts %lld ms + main window made, database opened, shown and "
                "painted %.1f ms = %.1f ms\n",
                toolkitReady, startMs, toolkitReady + startMs);
    std::printf("flashcard launch (pool preparation + first card on screen):   %.1f ms\n", launchMs);
    std::printf("grade to next card on screen over %d cards: median %.2f ms, 95th %.2f ms, max %.2f ms\n", cards,
                gradeToNext[cards / 2], gradeToNext[cards * 95 / 100], gradeToNext.back());

    MeasureMultipleChoice("distinct answers", [](int id) { return "Answer " + std::to_string(id); });
    MeasureMultipleChoice("one answer for all but every 500th",
                          [](int id) { return id % 500 == 0 ? "Answer " + std::to_string(id) : std::string("Amen"); });
    // The blacklist changes by half the pool whenever the answer changes.
    MeasureMultipleChoice("two answers, each for half the pool",
                          [](int id) { return std::string(id % 2 ? "Amen" : "Selah"); });
    return 0;
}
