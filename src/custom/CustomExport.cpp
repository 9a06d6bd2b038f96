// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomExport.h"

#include "CsvReader.h"
#include "CustomFields.h"
#include "CustomSubjects.h"
#include "QuotedText.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <span>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumenary::custom {

namespace {

// The question table's fields in the bank CSV's column order.
constexpr std::array<const char*, 9> kCsvColumns = {"ID",    "Module",  "Category", "Book",  "Chapter",
                                                     "Theme", "English", "French",   "Hebrew"};
using CsvRow = std::array<std::optional<std::string>, kCsvColumns.size()>;

std::size_t CsvColumn(std::string_view column)
{
    return static_cast<std::size_t>(std::ranges::find(kCsvColumns, column) - kCsvColumns.begin());
}

// FNV-1a: fixed by its definition, so a guid stays the same on every machine and in every release.
std::string Guid(const std::string& subject, const std::string& partA, int occurrence)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::string& part : {subject, std::string("\x1F"), partA, "\x1F" + std::to_string(occurrence)})
        for (const unsigned char byte : part)
            hash = (hash ^ byte) * 0x100000001b3ULL;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string guid = "lumenary-";
    for (int shift = 60; shift >= 0; shift -= 4)
        guid += kHex[(hash >> shift) & 0xF];
    return guid;
}

void WriteLine(std::ostream& out, const std::vector<std::string_view>& cells, char separator)
{
    bool first = true;
    for (const auto cell : cells) {
        if (!first)
            out << separator;
        out << CsvCell(cell, separator);
        first = false;
    }
    out << '\n';
}

// Every column of a row, in the bank CSV's order.
constexpr std::array<std::size_t, kCsvColumns.size()> kEveryColumn = {0, 1, 2, 3, 4, 5, 6, 7, 8};

std::vector<std::string_view> Cells(const CsvRow& row, std::span<const std::size_t> columns)
{
    std::vector<std::string_view> cells;
    for (const std::size_t column : columns)
        cells.emplace_back(row[column] ? std::string_view(*row[column]) : std::string_view());
    return cells;
}

class FlashcardWriter {
public:
    explicit FlashcardWriter(std::ostream& out) : out_(out)
    {
        std::string names;
        for (const auto& field : FieldColumns()) {
            names += std::string(field.name) + "\t";
            columns_.push_back(CsvColumn(field.column));
        }
        const std::size_t deckColumn = columns_.size() + 1;
        out_ << "#separator:tab\n#html:false\n#columns:" << names << "Deck\tGUID\n#deck column:" << deckColumn
             << "\n#guid column:" << deckColumn + 1 << "\n";
    }

    void Write(const CsvRow& row)
    {
        const std::string& subject = *row[CsvColumn("Module")];
        const std::string partA = row[CsvColumn("English")].value_or("");
        const std::string guid = Guid(subject, partA, ++seen_[{subject, partA}]);
        auto cells = Cells(row, columns_);
        cells.insert(cells.end(), {subject, guid});
        WriteLine(out_, cells, '\t');
    }

private:
    std::ostream& out_;
    std::vector<std::size_t> columns_;
    // Questions of one subject that share a Part A get guids of their own.
    std::map<std::pair<std::string, std::string>, int> seen_;
};

std::vector<std::string> StoredNames(QuestionDatabase& database, const std::vector<std::string>& subjects)
{
    std::vector<std::string> names;
    for (const auto& subject : subjects) {
        const auto stored = FindSubject(database, subject);
        if (!stored)
            throw CustomDataError("You have no subject named \"" + Readable(subject) + "\".");
        names.push_back(*stored);
    }
    return names;
}

} // namespace

std::int64_t ExportQuestions(QuestionDatabase& database, const std::vector<std::string>& subjects,
                             ExportFormat format, std::ostream& out)
{
    const auto names = StoredNames(database, subjects);
    std::string columns;
    for (const char* column : kCsvColumns)
        columns += (columns.empty() ? "" : ", ") + std::string(column);
    auto query = database.Statement("SELECT " + columns + " FROM " + QuoteIdentifier(kQuestionTableName)
                                    + " WHERE " + OwnIdRange() + " AND Module IS NOT NULL ORDER BY ID");

    std::optional<FlashcardWriter> flashcards;
    if (format == ExportFormat::FlashcardText)
        flashcards.emplace(out);
    else
        out << kQuestionCsvHeader << '\n';

    std::int64_t written = 0;
    while (query->executeStep()) {
        CsvRow row;
        for (std::size_t i = 0; i < row.size(); ++i)
            if (const auto value = query->getColumn(static_cast<int>(i)); !value.isNull())
                row[i] = value.getString();
        const auto& module = *row[CsvColumn("Module")];
        if (!names.empty() && std::ranges::none_of(names, [&](const auto& name) { return SameName(name, module); }))
            continue;
        if (flashcards)
            flashcards->Write(row);
        else
            WriteLine(out, Cells(row, kEveryColumn), ',');
        ++written;
    }
    return written;
}

std::int64_t ExportToFile(QuestionDatabase& database, const std::vector<std::string>& subjects, ExportFormat format,
                          const std::filesystem::path& file)
{
    const StoreError cannotWrite("\"" + file.string() + "\" cannot be written; nothing was exported.");
    // Put in place, the export would replace the questions it was made from.
    if (std::error_code unknown; std::filesystem::equivalent(file, database.Path(), unknown))
        throw CustomDataError("\"" + file.string()
                              + "\" is the question database itself; choose another file. Nothing was exported.");
    // Written beside the file under a name of its own, then put in place:
    // no other file is touched, and the old file stays whole until then.
    std::string partial = file.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(partial.data());
    if (descriptor < 0)
        throw cannotWrite;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask); // as any new file of the user's
    ::close(descriptor);
    const auto removePartial = [&] {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
    };
    try {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        const auto written = out ? ExportQuestions(database, subjects, format, out) : 0;
        out.close();
        if (!out)
            throw cannotWrite;
        std::filesystem::rename(partial, file);
        return written;
    } catch (const std::filesystem::filesystem_error&) {
        removePartial();
        throw cannotWrite;
    } catch (...) {
        removePartial();
        throw;
    }
}

} // namespace lumenary::custom
