// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"

#include "QuestionBank.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>

namespace lumenary::bench {

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

void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

QWidget* VisibleWindow(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

double TimeClick(QAbstractButton* button, QWidget* window)
{
    QElapsedTimer timer;
    timer.start();
    button->click();
    window->repaint();
    Settle();
    return timer.nsecsElapsed() / 1e6;
}

void PrintSpread(const char* what, std::vector<double> times)
{
    std::ranges::sort(times);
    std::printf("%s over %zu: median %.2f ms, 95th %.2f ms, max %.2f ms\n", what, times.size(),
                times[times.size() / 2], times[times.size() * 95 / 100], times.back());
}

void StepTimes::Measure(const std::function<void()>& step)
{
    timespec before{};
    timespec after{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &before);
    QElapsedTimer timer;
    timer.start();
    step();
    wall_.push_back(timer.nsecsElapsed() / 1e6);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &after);
    processor_.push_back(static_cast<double>(after.tv_sec - before.tv_sec) * 1e3
                         + static_cast<double>(after.tv_nsec - before.tv_nsec) / 1e6);
}

void StepTimes::Print(const std::string& what)
{
    PrintSpread((what + ", wall clock").c_str(), std::exchange(wall_, {}));
    PrintSpread((what + ", processor time").c_str(), std::exchange(processor_, {}));
}

} // namespace lumenary::bench
