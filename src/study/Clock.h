// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace lumenary {

using Milliseconds = std::chrono::milliseconds;

// A moment as the program sees it: the time in UTC, and the offset of the
// user's local time at that moment (the study day follows local time).
struct Moment {
    std::chrono::sys_time<Milliseconds> utc;
    std::chrono::seconds utcOffset{0};

    std::chrono::local_time<Milliseconds> Local() const
    {
        return std::chrono::local_time<Milliseconds>(utc.time_since_epoch() + utcOffset);
    }
};

// The one source of the time of day, as RandomSource is of randomness: tests
// put a clock of their own in its place to set the day and the hour.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Moment Now() const = 0;
};

class SystemClock final : public Clock {
public:
    Moment Now() const override;
};

} // namespace lumenary
