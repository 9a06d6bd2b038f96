// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary {

// The header row of a question CSV file, in the bank's folder or exported.
inline constexpr char kQuestionCsvHeader[] = "ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew";

// A CSV file that cannot be read; the message names the file and line.
class CsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One record of a CSV file: its cells (nullopt for an empty cell, quoted or not) and the
// line it starts on.
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::optional<std::string>> cells;
};

// How the cells of a text are told apart.
struct CsvDialect {
    char separator = ',';
    // RFC 4180 refuses a quote inside an unquoted cell; text from other
    // programs often holds one (He said "no"), kept there as it stands.
    bool quoteInsideCellIsText = false;
};

// Reads RFC 4180 CSV: cells separated by commas, quoted cells may hold
// commas, doubled quotes and line breaks; CRLF or LF line ends. A NUL in any
// cell is refused, naming the line it stands on.
std::vector<CsvRecord> ReadCsv(std::istream& input, const std::string& fileName);

// The same over text already read, with its own separator; `firstLine` is the
// file's line number where `text` starts. A byte-order mark is not skipped.
std::vector<CsvRecord> ReadCsvText(std::string_view text, const std::string& fileName, CsvDialect dialect,
                                   std::size_t firstLine = 1);

// A cell as a CSV line writes it: quoted, with quotes doubled, when it holds
// the separator, a quote or a line break, or starts with '#' (which some
// programs take for a comment line); as it stands otherwise.
std::string CsvCell(std::string_view text, char separator = ',');

} // namespace lumenary
