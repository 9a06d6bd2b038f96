// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmarks share: a bank of any size, a prompter that answers
// nothing, and timing of what a window shows.

#include "Prompter.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QWidget;

namespace lumenary::bench {

class SilentPrompter final : public Prompter {
public:
    void Information(const std::string&, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> TypedLine(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

// A bank of `size` questions in module NTI in `folder`; `answer` gives each its Hebrew.
std::filesystem::path MakeBank(const QString& folder, int size, const std::function<std::string(int)>& answer);

// Runs the event loop until everything queued, painting included, is done.
void Settle();

// The visible top-level window of that name, or nullptr.
QWidget* VisibleWindow(const QString& name);

// Milliseconds from a click until the window has painted what it led to.
double TimeClick(QAbstractButton* button, QWidget* window);

// Prints the median, 95th percentile and maximum of the times.
void PrintSpread(const char* what, std::vector<double> times);

// Times steps by the wall clock and by the processor time of this thread
// alone, which other work on a busy machine does not inflate.
class StepTimes {
public:
    void Measure(const std::function<void()>& step);
    // Prints both spreads, then starts afresh.
    void Print(const std::string& what);

private:
    std::vector<double> wall_;
    std::vector<double> processor_;
};

} // namespace lumenary::bench
