#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumenary {

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

// Reads RFC 4180 CSV: cells separated by commas, quoted cells may hold
// commas, doubled quotes and line breaks; CRLF or LF line ends. A NUL in any
// cell is refused, naming the line it stands on.
std::vector<CsvRecord> ReadCsv(std::istream& input, const std::string& fileName);

} // namespace lumenary
