// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BlacklistTable.h"
#include "PoolTexts.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumenary {

class Prompter;
struct Session;

// The answers the multiple-choice quiz must not offer as wrong: every pool
// record that shares the question's English or its Greek or Hebrew text. The
// rows live in the database's "Blacklist" table; a copy of their English
// texts in memory answers CheckBlacklist without reading the file.
class ModBlacklist {
public:
    ModBlacklist(Session& session, Prompter& prompter) : session_(session), prompter_(prompter) {}

    // Opens the table over the current pool. Call at the start of every
    // quiz, before the other routines.
    void OpenBlacklist();
    void ClearBlacklist();
    // Appends the current pool record's English and Hebrew.
    void AddRecordToBlacklist();
    // Appends every pool record whose English equals BlacklistEnglish or
    // whose Hebrew equals BlacklistHebrew, in pool order.
    void BlacklistQuestionMatches();
    // CandidateAccepted: no blacklisted row has the English text of the
    // current pool record. BlacklistEnglish and BlacklistHebrew stay as they
    // are: the quiz sets them afresh for each question.
    void CheckBlacklist();

    // ClearBlacklist then BlacklistQuestionMatches as one transaction that
    // writes only the rows that change from the last question's.
    void RefillBlacklist();

    // The question's texts that BlacklistQuestionMatches compares with; a
    // missing value matches nothing.
    std::optional<std::string> BlacklistEnglish;
    std::optional<std::string> BlacklistHebrew;
    bool CandidateAccepted = false;

    // The pool's texts as OpenBlacklist read them.
    const PoolTexts& Texts() const { return texts_; }

private:
    static constexpr std::size_t NotInPool = static_cast<std::size_t>(-1);

    struct Row {
        std::int64_t rowId;
        int english;          // PoolTexts number; None when no pool record has it
        std::size_t position; // the pool record it was copied from, or NotInPool
    };

    std::vector<std::size_t> QuestionMatches() const;
    // Keeps the rows whose flag is set, deletes the rest and appends the pool
    // records at `append`, in the table and in memory alike.
    void Rewrite(const std::vector<char>& keep, const std::vector<std::size_t>& append);
    void CountEnglish(int english, int change);

    Session& session_;
    Prompter& prompter_;
    std::optional<BlacklistTable> table_;
    PoolTexts texts_;
    std::vector<Row> rows_;
    std::vector<int> englishRows_; // rows per English text number
    bool tableDiffers_ = false;    // a failed write left the file unlike rows_
};

} // namespace lumenary
