// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "FsrsScheduler.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumenary {

class QuestionDatabase;

// What was shown as the question: Part A ("A"), Part A in French ("F"),
// Part B ("B"), or the Greek tense drill ("T"). One question asked two ways
// is two cards.
namespace way {
inline constexpr char PartA[] = "A";
inline constexpr char French[] = "F";
inline constexpr char PartB[] = "B";
inline constexpr char Tense[] = "T";
// A run whose questions were asked in different ways; never a card's way.
inline constexpr char Mixed[] = "M";
} // namespace way

struct RunDescription {
    std::string engine; // "Flashcard", "TF", "SA", "MC", "Tense"
    std::string way;
    std::string subject;
    std::string filter;
    std::optional<std::int64_t> parentRunId; // the run a retry of misses goes over again
};

struct JudgedAnswer {
    std::int64_t runId = 0;
    std::int64_t questionId = 0;
    std::string way;
    bool correct = false;
    Moment answeredAt;
    std::int64_t millis = 0; // question on screen to verdict
};

// Writes the study record: runs, answers, and each card's schedule by FSRS-6.
// It opens no transaction of its own; the quiz writes an answer together with
// its marker in one.
class StudyRecord {
public:
    explicit StudyRecord(QuestionDatabase& database) : database_(database) {}

    std::int64_t BeginRun(const RunDescription& run, const Moment& startedAt);
    // The answer's row, its card rescheduled, and its run's counts.
    void RecordAnswer(const JudgedAnswer& answer);
    // The run's pool ran out.
    void CompleteRun(std::int64_t runId);

private:
    void Reschedule(const JudgedAnswer& answer);

    QuestionDatabase& database_;
    FsrsScheduler scheduler_;
};

} // namespace lumenary
