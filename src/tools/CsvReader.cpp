#include "CsvReader.h"

#include "QuotedText.h"

#include <algorithm>
#include <iterator>

namespace lumenary {

std::vector<CsvRecord> ReadCsv(std::istream& input, const std::string& fileName)
{
    const std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    std::vector<CsvRecord> records;
    std::size_t line = 1;
    std::size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    const auto fail = [&](const std::string& what, std::size_t where) {
        throw CsvError(fileName + ":" + std::to_string(where) + ": " + what);
    };
    while (pos < text.size()) {
        CsvRecord record;
        record.line = line;
        while (true) {
            std::string cell;
            const std::size_t cellLine = line;
            if (pos < text.size() && text[pos] == '"') {
                ++pos;
                while (true) {
                    if (pos >= text.size())
                        fail("a quoted cell is not closed", cellLine);
                    if (text[pos] == '"') {
                        if (pos + 1 < text.size() && text[pos + 1] == '"') {
                            cell += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (text[pos] == '\n')
                        ++line;
                    cell += text[pos++];
                }
                if (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r')
                    fail("text follows the closing quote of a cell", line);
            } else {
                while (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r') {
                    if (text[pos] == '"')
                        fail("a quote stands inside an unquoted cell", line);
                    cell += text[pos++];
                }
            }
            // A NUL would be stored, yet cut short every text read back as a C string.
            if (const auto nul = cell.find('\0'); nul != std::string::npos)
                fail("a NUL character stands in the cell \"" + Excerpt(cell, nul) + "\"",
                     cellLine + static_cast<std::size_t>(std::count(cell.begin(), cell.begin() + nul, '\n')));
            record.cells.push_back(cell.empty() ? std::nullopt : std::optional<std::string>(cell));
            if (pos < text.size() && text[pos] == ',') {
                ++pos;
                continue;
            }
            break;
        }
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        records.push_back(std::move(record));
        ++line;
    }
    return records;
}

} // namespace lumenary
