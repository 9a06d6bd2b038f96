// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file of questions to import, read and understood but not yet checked
// against the question database: the bank's CSV, the flashcard program's
// tab-separated text with its header lines, or plain two-column text.

#include "CsvReader.h"
#include "CustomFields.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumenary::custom {

// The cell of each row that gives a field; nullopt for a field the file lacks.
using FieldMapping = std::array<std::optional<std::size_t>, kFieldCount>;

enum class ImportFormat { BankCsv, FlashcardText, PlainText };

struct ImportText {
    std::string fileName;             // as messages name it
    ImportFormat format = ImportFormat::PlainText;
    std::vector<std::string> columns; // the file's column names, or "Column 1", ...
    std::vector<CsvRecord> rows;      // the data rows, each with every column
    FieldMapping mapping;             // what each column is: guessed from the format, or as the user maps them
    // The column whose cells name each row's subject. Never guessed: the
    // Module or deck cells of a file are read only when the user maps them.
    std::optional<std::size_t> subjectColumn;
};

// Reads a file to import; plain text has as many columns as its first row.
// Throws CustomDataError naming the file's line when it cannot be read: a
// quote left open, a row with too few or too many cells, text that is not UTF-8.
ImportText ReadImportText(const std::filesystem::path& file);

} // namespace lumenary::custom
