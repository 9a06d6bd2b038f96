// SPDX-License-Identifier: GPL-3.0-or-later
// What bringing a per-user copy up to a newer bank costs at start, on real
// files of several sizes: the check when the copy is up to date, and an
// upgrade where a tenth of the questions is added, a tenth reworded and a
// tenth dropped. Prints a table; never fails.

#include "BankUpgrade.h"
#include "QuestionBank.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace lumenary;
using Clock = std::chrono::steady_clock;

namespace {

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Questions 1..size; `newer` drops every tenth, rewords the next tenth and adds a tenth beyond.
std::vector<BankQuestion> Questions(int size, bool newer)
{
    std::vector<BankQuestion> questions;
    const int last = newer ? size + size / 10 : size;
    for (int id = 1; id <= last; ++id) {
        if (newer && id % 10 == 0)
            continue;
        const bool reworded = newer && id % 10 == 1;
        questions.push_back(BankQuestion{.source = {}, .id = id, .module = "Bench", .category = id % 19,
                                         .book = {}, .chapter = {}, .theme = "na",
                                         .english = (reworded ? "A reworded prompt for question " : "A prompt for question ")
                                                    + std::to_string(id),
                                         .french = {}, .hebrew = "answer " + std::to_string(id)});
    }
    return questions;
}

void Measure(const std::filesystem::path& folder, int size)
{
    const auto copy = folder / "copy.db";
    const auto bank = folder / "bank.db";
    WriteQuestionDatabase(Questions(size, false), copy);
    WriteQuestionDatabase(Questions(size, true), bank);

    auto start = Clock::now();
    const auto changes = UpgradeQuestionCopy(copy, bank);
    const double upgrade = MillisecondsSince(start);
    start = Clock::now();
    UpgradeQuestionCopy(copy, bank);
    const double check = MillisecondsSince(start);
    std::printf("%10d %14.2f %14.1f %8lld %8lld %8lld\n", size, check, upgrade, changes ? changes->added : 0,
                changes ? changes->changed : 0, changes ? changes->removed : 0);
}

} // namespace

int main()
{
    char pattern[] = "/tmp/lumenary-bench-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    std::printf("%10s %14s %14s %8s %8s %8s\n", "questions", "check ms", "upgrade ms", "added", "changed", "removed");
    for (const int size : {1000, 4000, 16000, 29788})
        Measure(folder, size);
    std::filesystem::remove_all(folder);
    return 0;
}
