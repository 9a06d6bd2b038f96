// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace lumenary {

// A study day runs from 04:00 local time to 04:00 the next morning, so an
// evening's study that goes past midnight is one day's study.
using StudyDay = std::chrono::sys_days;

inline constexpr std::chrono::hours StudyDayStartsAt{4};

StudyDay StudyDayOf(const Moment& moment);

// Whole study days from `earlier` to `later`.
inline int DaysBetween(StudyDay earlier, StudyDay later)
{
    return static_cast<int>((later - earlier).count());
}

// "YYYY-MM-DD"
std::string DayText(StudyDay day);
// nullopt for anything but a real date written YYYY-MM-DD.
std::optional<StudyDay> ParseDay(std::string_view text);

// ISO 8601 in UTC: "2026-12-07T13:21:29Z".
std::string UtcText(const Moment& moment);
// That moment to the minute in the user's local time, "2026-12-07 14:21";
// empty for a text UtcText did not write.
std::string LocalMinuteText(std::string_view utcText);

} // namespace lumenary
