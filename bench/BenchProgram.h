// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole program started on a bank and settled, as the window benchmarks
// drive it: nobody answers its messages, and it draws by the clock.

#include "BenchSupport.h"
#include "LumenaryApp.h"
#include "ModCommonQuiz.h"
#include "RandomSource.h"

#include <filesystem>

namespace lumenary::bench {

class BenchProgram {
public:
    explicit BenchProgram(const std::filesystem::path& bank, const Clock& clock = ModCommonQuiz::SystemTime())
        : app_(prompter_, random_, [] {}, clock)
    {
        app_.Start(bank);
        Settle();
    }

    LumenaryApp& App() { return app_; }

private:
    SilentPrompter prompter_;
    ClockRandomSource random_;
    LumenaryApp app_;
};

} // namespace lumenary::bench
