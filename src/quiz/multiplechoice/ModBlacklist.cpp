// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModBlacklist.h"

#include "ModCommonPreQuiz.h"
#include "Session.h"

#include <SQLiteCpp/Exception.h>

#include <algorithm>
#include <iterator>

namespace lumenary {

void ModBlacklist::OpenBlacklist()
{
    table_.emplace(session_.QuestionDatabase);
    texts_.Read(*session_.QuizRecordset);
    rows_.clear();
    englishRows_.assign(texts_.TextCount(), 0);
    // Rows an earlier run left behind count until the next ClearBlacklist.
    for (const auto& row : table_->Rows()) {
        const int english = IsNull(row.english) ? PoolTexts::None : texts_.Find(FieldText(row.english));
        rows_.push_back({row.rowId, english, NotInPool});
        CountEnglish(english, 1);
    }
}

void ModBlacklist::ClearBlacklist()
{
    Rewrite(std::vector<char>(rows_.size(), 0), {});
}

void ModBlacklist::AddRecordToBlacklist()
{
    Rewrite(std::vector<char>(rows_.size(), 1), {session_.QuizRecordset->Position()});
}

void ModBlacklist::BlacklistQuestionMatches()
{
    Rewrite(std::vector<char>(rows_.size(), 1), QuestionMatches());
}

void ModBlacklist::RefillBlacklist()
{
    const auto wanted = QuestionMatches();
    enum : char { Unwanted, Wanted, InTable };
    std::vector<char> state(texts_.Size(), Unwanted);
    for (const auto position : wanted)
        state[position] = Wanted;
    std::vector<char> keep(rows_.size(), 0);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const auto position = rows_[i].position;
        if (position != NotInPool && state[position] == Wanted) {
            state[position] = InTable;
            keep[i] = 1;
        }
    }
    std::vector<std::size_t> append;
    for (const auto position : wanted)
        if (state[position] == Wanted)
            append.push_back(position);
    Rewrite(keep, append);
}

void ModBlacklist::CheckBlacklist()
{
    const int english = texts_.TextId(PoolTexts::English, session_.QuizRecordset->Position());
    CandidateAccepted = english == PoolTexts::None || englishRows_[static_cast<std::size_t>(english)] == 0;
}

std::vector<std::size_t> ModBlacklist::QuestionMatches() const
{
    const auto& sameEnglish = texts_.WithEnglish(texts_.Find(BlacklistEnglish));
    const auto& sameHebrew = texts_.WithHebrew(texts_.Find(BlacklistHebrew));
    std::vector<std::size_t> matches;
    matches.reserve(sameEnglish.size() + sameHebrew.size());
    std::ranges::set_union(sameEnglish, sameHebrew, std::back_inserter(matches));
    return matches;
}

void ModBlacklist::CountEnglish(int english, int change)
{
    if (english != PoolTexts::None)
        englishRows_[static_cast<std::size_t>(english)] += change;
}

void ModBlacklist::Rewrite(const std::vector<char>& keep, const std::vector<std::size_t>& append)
{
    std::vector<Row> next;
    std::vector<std::int64_t> remove;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (keep[i]) {
            next.push_back(rows_[i]);
        } else {
            remove.push_back(rows_[i].rowId);
            CountEnglish(rows_[i].english, -1);
        }
    }
    // Emptying the table and copying the kept rows again is cheaper than
    // deleting most of them one by one, and mends a table a failed write left
    // unlike the copy in memory.
    const bool pooledOnly = std::ranges::none_of(next, [](const Row& row) { return row.position == NotInPool; });
    const bool rebuild = next.empty() || tableDiffers_ || (pooledOnly && remove.size() > next.size());
    std::vector<std::size_t> copy;
    if (rebuild) {
        for (const auto& row : next)
            if (row.position != NotInPool) {
                copy.push_back(row.position);
                CountEnglish(row.english, -1);
            }
        next.clear();
    }
    copy.insert(copy.end(), append.begin(), append.end());
    std::vector<std::int64_t> rowIds;
    for (const auto position : copy)
        rowIds.push_back(texts_.RowId(position));

    std::vector<std::int64_t> appended(copy.size(), 0);
    try {
        appended = table_->Rewrite(remove, rebuild, session_.QuestionTableName, rowIds);
        tableDiffers_ = false;
    } catch (const SQLite::Exception& error) {
        // The copy in memory still keeps the quiz right; the next write mends the file.
        tableDiffers_ = true;
        ReportMarkerWriteFailure(session_, prompter_, error.what());
    }
    for (std::size_t i = 0; i < copy.size(); ++i) {
        const int english = texts_.TextId(PoolTexts::English, copy[i]);
        next.push_back({appended[i], english, copy[i]});
        CountEnglish(english, 1);
    }
    rows_ = std::move(next);
}

} // namespace lumenary
