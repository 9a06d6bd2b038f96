// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

#include <chrono>

namespace lumenary::test {

// A clock the test sets: local time equals UTC, and it stands still until
// moved.
class TestClock final : public Clock {
public:
    explicit TestClock(int year = 2026, unsigned month = 12, unsigned day = 7, int hour = 10)
    {
        Set(year, month, day, hour);
    }

    Moment Now() const override { return now_; }

    void Set(int year, unsigned month, unsigned day, int hour, int minute = 0)
    {
        using namespace std::chrono;
        now_.utc = sys_days(year_month_day{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)})
                 + hours(hour) + minutes(minute);
    }
    void Advance(std::chrono::milliseconds by) { now_.utc += by; }
    void NextDays(int days) { now_.utc += std::chrono::days(days); }

private:
    Moment now_;
};

} // namespace lumenary::test
