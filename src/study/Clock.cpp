// SPDX-License-Identifier: GPL-3.0-or-later
#include "Clock.h"

#include <ctime>

namespace lumenary {

Moment SystemClock::Now() const
{
    const auto now = std::chrono::time_point_cast<Milliseconds>(std::chrono::system_clock::now());
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {now, std::chrono::seconds(local.tm_gmtoff)};
}

} // namespace lumenary
