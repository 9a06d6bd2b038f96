// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImportText.h"
#include "QuestionDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumenary::custom {

struct ImportOptions {
    // An existing subject of the user's, or the name of a new one: where the
    // rows go, but for those whose cell of the text's subject column names one.
    std::string subject;
    // A row whose Part A a question of the subject already has updates that
    // question when set, and is skipped otherwise.
    bool updateExisting = false;
};

// What an import did, in rows of the file.
struct ImportResult {
    std::vector<std::string> subjects; // as stored, in the order the rows first name them
    std::int64_t added = 0;
    std::int64_t updated = 0;
    std::int64_t skipped = 0;
};

// Checks every row, then writes them all in one transaction, or nothing.
// New questions take the lowest free IDs from kFirstCustomQuestionId up; the
// file's IDs are not read, nor its Module cells unless the text's subject
// column is one. Throws CustomDataError naming the file's line and what is
// wrong with it, or saying how many new questions would fit when the IDs run
// out; StoreError when the database cannot be written.
ImportResult ImportQuestions(QuestionDatabase& database, const ImportText& text, const ImportOptions& options);

} // namespace lumenary::custom
