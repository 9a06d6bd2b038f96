// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StudyDay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumenary {

class QuestionDatabase;

// One study day of the record. The first answer to each card on a day tells
// whether it was remembered; later answers that day, a retry's included,
// measure the retry, not memory, and count among the answers only.
struct DayTotals {
    StudyDay day{};
    int answers = 0;
    int firstAnswers = 0;
    int firstRight = 0;
};

struct RunLine {
    std::int64_t id = 0;
    std::string startedAt; // ISO 8601 in UTC
    std::string engine;
    std::string way;
    std::string subject;
    std::optional<std::int64_t> parentRunId; // the run this one retries
    int asked = 0;
    int right = 0;
    bool completed = false;
};

struct HistoryFilter {
    std::optional<StudyDay> from; // the first day shown; none: from the first answer
    StudyDay to{};
    std::optional<std::string> subject; // a module; every subject when empty
};

struct StudyHistory {
    std::vector<DayTotals> days; // the days with answers, in order
    std::vector<RunLine> runs;   // the runs with an answer among those, latest first
};

// 100 · part / whole to the nearest whole number; 0 of nothing.
int RoundedPercent(int part, int whole);

StudyHistory ReadHistory(QuestionDatabase& database, const HistoryFilter& filter);

// Study days in a row with an answer (of the subject), ending today, or
// yesterday while today has none yet.
int CurrentStreak(QuestionDatabase& database, StudyDay today, const std::optional<std::string>& subject);

} // namespace lumenary
