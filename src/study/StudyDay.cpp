// SPDX-License-Identifier: GPL-3.0-or-later
#include "StudyDay.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>

namespace lumenary {

using namespace std::chrono;

StudyDay StudyDayOf(const Moment& moment)
{
    const auto shifted = moment.Local() - StudyDayStartsAt;
    return StudyDay(floor<days>(shifted).time_since_epoch());
}

std::string DayText(StudyDay day)
{
    const year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<StudyDay> ParseDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + from;
        const auto [end, error] = std::from_chars(first, first + length, value);
        return error == std::errc() && end == first + length ? std::optional(value) : std::nullopt;
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    const auto d = number(8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day date{year(*y), month(static_cast<unsigned>(*m)), day(static_cast<unsigned>(*d))};
    if (!date.ok())
        return std::nullopt;
    return StudyDay(date);
}

std::string UtcText(const Moment& moment)
{
    const auto seconds = floor<std::chrono::seconds>(moment.utc);
    const auto day = floor<days>(seconds);
    const hh_mm_ss time(seconds - day);
    char text[32];
    std::snprintf(text, sizeof text, "%sT%02d:%02d:%02dZ", DayText(day).c_str(), static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
    return text;
}

std::string LocalMinuteText(std::string_view utcText)
{
    if (utcText.size() != 20)
        return {};
    const auto day = ParseDay(utcText.substr(0, 10));
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!day || std::sscanf(std::string(utcText.substr(10)).c_str(), "T%2d:%2d:%2dZ", &hour, &minute, &second) != 3)
        return {};
    // The C library's local time: it keeps the zone's rules loaded, where a
    // date-time object looks them up again for every moment.
    const std::time_t moment =
        system_clock::to_time_t(*day + hours(hour) + minutes(minute) + std::chrono::seconds(second));
    std::tm local{};
    localtime_r(&moment, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

} // namespace lumenary
