// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StudyDay.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lumenary {

class QuestionDatabase;

// Which misses a list of missed questions holds.
enum class MissedScope {
    LatestQuiz, // the questions still marked missed, in the way the latest miss asked them
    Last7Days,  // cards missed on one of the 7 study days ending today
    Last30Days,
    ThreeOrMore, // cards missed three times or more, ever
};

// The columns of the list, in the order the window shows them.
enum class MissedColumn { Subject, Question, Answer, Way, Misses, LastMissed, NextDue };
inline constexpr int MissedColumnCount = 7;

struct MissedFilter {
    MissedScope scope = MissedScope::LatestQuiz;
    std::optional<std::string> subject; // a module; every subject when empty
    StudyDay today{};
    MissedColumn sortBy = MissedColumn::LastMissed;
    bool descending = true;
};

// A missed card: one question asked one way.
struct MissedCard {
    std::int64_t questionId = 0;
    std::string way;

    bool operator==(const MissedCard&) const = default;
};

struct MissedRow {
    MissedCard card;
    std::string subject;
    std::string question; // what the card showed as the question
    std::string answer;
    int misses = 0;         // every miss of the card, same-day retries included
    std::string lastMissed; // ISO 8601 in UTC
    std::string nextDue;    // YYYY-MM-DD
};

// The cards the filter selects, in its order; only their keys, so that a
// list of tens of thousands is read at once and its rows as they are shown.
std::vector<MissedCard> MissedCards(QuestionDatabase& database, const MissedFilter& filter);

// The rows of the cards given, one each in the same order; a card the
// record no longer holds has an empty row.
std::vector<MissedRow> MissedRows(QuestionDatabase& database, std::span<const MissedCard> cards);

// The subject of each card's question, in the same order, in one read; empty
// for a question no longer in the bank.
std::vector<std::string> CardSubjects(QuestionDatabase& database, std::span<const MissedCard> cards);

// The subjects of the questions that have a card, in order.
std::vector<std::string> StudiedSubjects(QuestionDatabase& database);

} // namespace lumenary
