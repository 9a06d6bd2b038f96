// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvReader.h"

#include "QuotedText.h"

#include <algorithm>
#include <iterator>

namespace lumenary {

std::vector<CsvRecord> ReadCsv(std::istream& input, const std::string& fileName)
{
    const std::string text{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    const std::size_t bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    return ReadCsvText(std::string_view(text).substr(bom), fileName, CsvDialect{});
}

std::vector<CsvRecord> ReadCsvText(std::string_view text, const std::string& fileName, CsvDialect dialect,
                                   std::size_t firstLine)
{
    std::vector<CsvRecord> records;
    std::size_t line = firstLine;
    std::size_t pos = 0;
    const char separator = dialect.separator;
    const auto fail = [&](const std::string& what, std::size_t where) {
        throw CsvError(fileName + ":" + std::to_string(where) + ": " + what);
    };
    const auto endsCell = [&](char c) { return c == separator || c == '\n' || c == '\r'; };
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
                if (pos < text.size() && !endsCell(text[pos]))
                    fail("text follows the closing quote of a cell", line);
            } else {
                while (pos < text.size() && !endsCell(text[pos])) {
                    if (text[pos] == '"' && !dialect.quoteInsideCellIsText)
                        fail("a quote stands inside an unquoted cell", line);
                    cell += text[pos++];
                }
            }
            // A NUL would be stored, yet cut short every text read back as a C string.
            if (const auto nul = cell.find('\0'); nul != std::string::npos)
                fail("a NUL character stands in the cell \"" + Excerpt(cell, nul) + "\"",
                     cellLine + static_cast<std::size_t>(std::count(cell.begin(), cell.begin() + nul, '\n')));
            record.cells.push_back(cell.empty() ? std::nullopt : std::optional<std::string>(cell));
            if (pos < text.size() && text[pos] == separator) {
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

std::string CsvCell(std::string_view text, char separator)
{
    const bool quoted = text.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string_view::npos
                     || text.starts_with('#');
    if (!quoted)
        return std::string(text);
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"')
            cell += '"';
        cell += c;
    }
    return cell + '"';
}

} // namespace lumenary
