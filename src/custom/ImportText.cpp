// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportText.h"

#include "QuotedText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>

namespace lumenary::custom {

namespace {

[[noreturn]] void Fail(const std::string& fileName, std::size_t line, const std::string& what)
{
    throw CustomDataError(fileName + ":" + std::to_string(line) + ": " + what);
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

std::string_view FirstLine(std::string_view text)
{
    auto line = text.substr(0, text.find('\n'));
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return line;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// The flashcard program's header: "#key:value" lines at the top of the file.
struct FlashcardHeader {
    char separator = '\t';
    std::optional<std::string> columns;
    std::vector<std::size_t> otherColumns; // deck, guid, note type, tags: not fields of a question
    std::size_t lines = 0;
};

std::optional<char> SeparatorNamed(std::string_view value)
{
    static constexpr std::pair<std::string_view, char> kNames[] = {
        {"tab", '\t'}, {"comma", ','}, {"semicolon", ';'}, {"space", ' '}, {"pipe", '|'}, {"colon", ':'}};
    for (const auto& [name, separator] : kNames)
        if (Lower(value) == name || value == std::string_view(&separator, 1))
            return separator;
    return std::nullopt;
}

FlashcardHeader ReadFlashcardHeader(std::string_view& text, const std::string& fileName)
{
    FlashcardHeader header;
    while (text.starts_with('#')) {
        const auto line = FirstLine(text);
        ++header.lines;
        const auto colon = line.find(':');
        const auto key = Lower(line.substr(1, colon == std::string_view::npos ? colon : colon - 1));
        const auto value = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
        if (key == "separator") {
            const auto separator = SeparatorNamed(value);
            if (!separator)
                Fail(fileName, header.lines,
                     "the separator \"" + Shortened(value) + "\" is not tab, comma, semicolon, space, pipe or colon");
            header.separator = *separator;
        } else if (key == "columns") {
            header.columns = std::string(value);
        } else if (key.ends_with(" column")) {
            std::size_t number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size() || number == 0)
                Fail(fileName, header.lines, "\"#" + key + ":\" must give a column number from 1 up");
            header.otherColumns.push_back(number - 1);
        }
        const auto newline = text.find('\n');
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    }
    return header;
}

std::vector<std::string> NumberedColumns(std::size_t count)
{
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= count; ++i)
        names.push_back("Column " + std::to_string(i));
    return names;
}

// Fields by their column names; the first two question columns are Part A
// and Part B when the names do not say.
FieldMapping MapColumns(const std::vector<std::string>& names, const std::vector<std::size_t>& otherColumns)
{
    FieldMapping mapping;
    for (std::size_t i = 0; i < names.size(); ++i)
        for (const auto& field : FieldColumns())
            if (Lower(names[i]) == Lower(field.name) || Lower(names[i]) == Lower(field.column))
                mapping[static_cast<std::size_t>(field.field)] = i;
    if (mapping[0] && mapping[1])
        return mapping;
    mapping = {};
    std::size_t field = 0;
    for (std::size_t i = 0; i < names.size() && field < 2; ++i)
        if (std::ranges::find(otherColumns, i) == otherColumns.end())
            mapping[field++] = i;
    return mapping;
}

std::vector<CsvRecord> Records(std::string_view text, const std::string& fileName, CsvDialect dialect,
                               std::size_t firstLine)
{
    try {
        return ReadCsvText(text, fileName, dialect, firstLine);
    } catch (const CsvError& error) {
        throw CustomDataError(error.what());
    }
}

} // namespace

ImportText ReadImportText(const std::filesystem::path& file)
{
    ImportText imported;
    imported.fileName = file.string();
    std::ifstream input(file, std::ios::binary);
    if (std::filesystem::is_directory(file) || !input)
        throw CustomDataError(imported.fileName + ": cannot be read");
    const std::string content{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    std::string_view text = content;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    const std::string& name = imported.fileName;
    if (text.starts_with('#')) {
        const auto header = ReadFlashcardHeader(text, name);
        imported.format = ImportFormat::FlashcardText;
        imported.rows = Records(text, name, {header.separator, true}, header.lines + 1);
        imported.columns = header.columns ? Split(*header.columns, header.separator)
                                          : NumberedColumns(imported.rows.empty() ? 0 : imported.rows[0].cells.size());
        imported.mapping = MapColumns(imported.columns, header.otherColumns);
    } else if (FirstLine(text) == kQuestionCsvHeader) {
        imported.format = ImportFormat::BankCsv;
        imported.rows = Records(text, name, {}, 1);
        imported.columns = Split(kQuestionCsvHeader, ',');
        imported.rows.erase(imported.rows.begin());
        imported.mapping = MapColumns(imported.columns, {});
    } else {
        const char separator = FirstLine(text).find('\t') != std::string_view::npos ? '\t' : ',';
        imported.rows = Records(text, name, {separator, true}, 1);
    }

    std::erase_if(imported.rows, [](const CsvRecord& row) { return row.cells.size() == 1 && !row.cells[0]; });
    if (imported.format == ImportFormat::PlainText) {
        imported.columns = NumberedColumns(imported.rows.empty() ? 2 : imported.rows[0].cells.size());
        imported.mapping = MapColumns(imported.columns, {});
    }
    const std::size_t width = imported.columns.size();
    if (!imported.mapping[0] || !imported.mapping[1])
        Fail(name, imported.rows.empty() ? 1 : imported.rows[0].line,
             "a question needs two columns, Part A and Part B; the file has " + std::to_string(width));
    for (const auto& row : imported.rows) {
        if (row.cells.size() != width)
            Fail(name, row.line,
                 "the row has " + std::to_string(row.cells.size()) + " cells, not " + std::to_string(width));
        for (const auto& cell : row.cells)
            if (cell && !DecodeUtf8(*cell))
                Fail(name, row.line, "the text \"" + Shortened(*cell) + "\" is not UTF-8; save the file as UTF-8");
    }
    return imported;
}

} // namespace lumenary::custom
