// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StudyDay.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumenary {

class QuestionDatabase;

// A subject is a question's module; counts are of cards, one per question and way.
struct SubjectCount {
    std::string subject;
    int count = 0;
};

// The cards due on `day` (due that day or earlier) of the questions the bank
// still holds, by subject in subject order; of one way, or of every way.
std::vector<SubjectCount> DueBySubject(QuestionDatabase& database, StudyDay day,
                                       const std::optional<std::string>& way = std::nullopt);

// The number of cards due on `day` among the ways given (those of questions
// an upgrade dropped included).
int DueCount(QuestionDatabase& database, StudyDay day, const std::vector<std::string>& ways);

// The IDs of the questions due on `day` in one way among the subjects given.
// A review takes them all, however many, and draws among them at random as
// every quiz does, so the order they come in does not matter.
std::vector<std::int64_t> DueQuestionIds(QuestionDatabase& database, StudyDay day, const std::string& way,
                                         const std::set<std::string>& subjects);

// Whether any answer has been recorded at all.
bool AnyAnswerRecorded(QuestionDatabase& database);

// One subject's record for `lumenary-db study`.
struct SubjectRecord {
    std::string subject;
    int answers = 0;
    int cards = 0;
    int due = 0;
    int rightLast30Days = 0; // right answers of the 30 study days ending on `day`
};

// Every subject with an answer or a card, in subject order.
std::vector<SubjectRecord> StudySummary(QuestionDatabase& database, StudyDay day);

} // namespace lumenary
