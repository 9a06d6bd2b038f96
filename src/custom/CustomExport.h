// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionDatabase.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace lumenary::custom {

enum class ExportFormat {
    BankCsv,       // the question bank's own CSV, which `lumenary-db build` and an import read
    FlashcardText, // tab-separated text with the header lines flashcard programs read: a deck per subject
};

// Writes the questions of the named subjects, or of every subject of the
// user's when none is named, in ID order. Each question of the flashcard text
// carries a guid made from its subject and Part A, so a later export of it
// updates the card instead of adding another. Returns how many it wrote.
// Throws CustomDataError for a name that is no subject of the user's.
std::int64_t ExportQuestions(QuestionDatabase& database, const std::vector<std::string>& subjects,
                             ExportFormat format, std::ostream& out);

// The same into a file, which appears whole or not at all.
std::int64_t ExportToFile(QuestionDatabase& database, const std::vector<std::string>& subjects, ExportFormat format,
                          const std::filesystem::path& file);

} // namespace lumenary::custom
