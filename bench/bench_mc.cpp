// SPDX-License-Identifier: GPL-3.0-or-later
// A multiple-choice quiz over a pool of 32,767, for pools whose answers differ
// in different ways: the time from "OK" to the verdict on screen, and from
// "Next Question" to the next question on screen (draw, blacklist refill and
// wrong answers included). Prints figures.

#include "BenchProgram.h"
#include "FontResolver.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace lumenary;
using namespace lumenary::bench;

namespace {

void MeasureMultipleChoice(const char* pool, const std::function<std::string(int)>& answer)
{
    constexpr int poolSize = 32767;
    constexpr int questions = 300;
    QTemporaryDir folder;
    const auto bank = MakeBank(folder.path(), poolSize, answer);
    BenchProgram program(bank);
    LumenaryApp& app = program.App();
    ModLanguages(app.State()).SetEnglishFonts();
    app.State().QuizFilter = "Module = 'NTI'";
    app.MainWindow().QuizType = "MC";
    QElapsedTimer launch;
    launch.start();
    app.MainWindow().BeginQuiz();
    Settle();
    std::printf("multiple choice, %s: launch (pool preparation + first question on screen) %.1f ms\n", pool,
                launch.nsecsElapsed() / 1e6);

    QWidget* window = VisibleWindow("FrmMC");
    auto* answerBox = window->findChild<QLineEdit*>("TxtAnswer");
    auto* ok = window->findChild<QAbstractButton*>("CmdOK");
    auto* next = window->findChild<QAbstractButton*>("CmdNextQuestion");
    std::vector<double> toVerdict;
    std::vector<double> toNext;
    for (int i = 0; i < questions; ++i) {
        answerBox->setText(QString::number(1 + i % 6));
        toVerdict.push_back(TimeClick(ok, window));
        toNext.push_back(TimeClick(next, window));
    }
    PrintSpread("  OK to verdict on screen, questions", toVerdict);
    PrintSpread("  Next Question to question on screen, questions", toNext);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterBundledFonts();
    std::printf("platform %s\n", qPrintable(QApplication::platformName()));
    MeasureMultipleChoice("distinct answers", [](int id) { return "Answer " + std::to_string(id); });
    MeasureMultipleChoice("one answer for all but every 500th",
                          [](int id) { return id % 500 == 0 ? "Answer " + std::to_string(id) : std::string("Amen"); });
    // The blacklist changes by half the pool whenever the answer changes.
    MeasureMultipleChoice("two answers, each for half the pool",
                          [](int id) { return std::string(id % 2 ? "Amen" : "Selah"); });
    return 0;
}
