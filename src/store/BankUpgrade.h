// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

namespace lumenary {

// What bringing a copy up to date changed in it.
struct BankChanges {
    long long added = 0;
    long long changed = 0;
    long long removed = 0;
};

// Brings a user's copy of the question bank up to the installed bank when
// the copy is older (see OlderBank): questions the bank added are added with
// fresh markers, changed texts are updated, questions the bank dropped are
// removed, and the markers QuestionUsed, Correct and Chosen of every question
// that stays are kept. The user's own questions, from kFirstCustomQuestionId
// up, are left as they are. All in one transaction: on failure the copy is left
// as it was and StoreError says why. Returns nothing when the copy is not
// older.
std::optional<BankChanges> UpgradeQuestionCopy(const std::filesystem::path& copy,
                                               const std::filesystem::path& bank);

} // namespace lumenary
