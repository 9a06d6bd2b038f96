// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomSource.h"

#include <chrono>

namespace lumenary {

ClockRandomSource::ClockRandomSource() : engine_(std::random_device{}())
{
}

void ClockRandomSource::Reseed()
{
    const auto ticks = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    engine_.seed(engine_() ^ (ticks * 0x9E3779B97F4A7C15ULL));
}

double ClockRandomSource::Next()
{
    return static_cast<double>(engine_() >> 40) * 0x1p-24;
}

} // namespace lumenary
