// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CsvReader.h"
#include "QuestionDatabase.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumenary {

// A question bank that cannot be read or written; the message says where.
class BankError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One question of the bundled bank, as its CSV row gives it.
struct BankQuestion {
    std::string source; // "file.csv:12", for messages
    std::int64_t id = 0;
    std::optional<std::string> module;
    std::optional<std::int64_t> category;
    std::optional<std::string> book;
    std::optional<std::int64_t> chapter;
    std::optional<std::string> theme;
    std::optional<std::string> english;
    std::optional<std::string> french;
    std::optional<std::string> hebrew;
};

inline constexpr const char* BankHeader = kQuestionCsvHeader;
inline constexpr std::int64_t MaxQuestionId = kLastQuestionId;

// Reads every .csv file of a folder, in name order. Refuses a malformed row
// or an ID used twice, naming the file and line.
std::vector<BankQuestion> ReadBankFolder(const std::filesystem::path& folder);

// Writes the questions into a new question database at `target`, with every
// marker reset. The file appears whole or not at all.
void WriteQuestionDatabase(const std::vector<BankQuestion>& questions, const std::filesystem::path& target);

} // namespace lumenary
