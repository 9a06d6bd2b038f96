// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: a file of the user's own questions read and imported, as
// `lumenary-db import` does. Any bytes are either refused with a message,
// leaving the database without a question of the user's, or imported whole:
// each distinct Part A once, in file order, with its Part B as read.

#include "CustomImport.h"
#include "QuestionBank.h"
#include "QuotedText.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

using namespace lumenary;

namespace {

// A folder of this process's own, with a small bank, made once and removed at the end.
struct Folder {
    Folder() : path(std::filesystem::temp_directory_path() / ("lumenary-fuzz-import-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path);
        BankQuestion question{.source = {}, .id = 1, .module = "Kings", .category = {}, .book = {}, .chapter = {},
                              .theme = "na", .english = "Prompt", .french = {}, .hebrew = "Answer"};
        WriteQuestionDatabase({question}, path / "lm50data.db");
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

[[noreturn]] void Fail(const std::string& what)
{
    std::cerr << what << "\n";
    std::abort();
}

// Each distinct Part A of the file once, in file order, with the Part B of its first row.
std::vector<std::string> Expected(const custom::ImportText& text)
{
    std::set<std::string> seen;
    std::vector<std::string> expected;
    for (const auto& row : text.rows) {
        const auto& partA = row.cells.at(*text.mapping[0]);
        const auto& partB = row.cells.at(*text.mapping[1]);
        if (partA && partB && seen.insert(*partA).second)
            expected.push_back(*partA + '\x1F' + *partB);
    }
    return expected;
}

std::vector<std::string> Imported(SQLite::Database& database)
{
    SQLite::Statement rows(database, "SELECT English, Hebrew FROM lm40data WHERE ID >= 20000 ORDER BY ID");
    std::vector<std::string> imported;
    while (rows.executeStep())
        imported.push_back(rows.getColumn(0).getString() + '\x1F' + rows.getColumn(1).getString());
    return imported;
}

void CheckRead(const custom::ImportText& text)
{
    for (const auto& index : text.mapping)
        if (index && *index >= text.columns.size())
            Fail("a field is mapped to a column the file lacks");
    for (const auto& row : text.rows) {
        if (row.cells.size() != text.columns.size())
            Fail(text.fileName + ":" + std::to_string(row.line) + ": a row of the wrong width was read");
        for (const auto& cell : row.cells)
            if (cell && !DecodeUtf8(*cell))
                Fail(text.fileName + ":" + std::to_string(row.line) + ": text that is not UTF-8 was read");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    const auto file = folder.path / "in.txt";
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    SQLite::Database check((folder.path / "lm50data.db").string(), SQLite::OPEN_READWRITE);
    check.exec("DELETE FROM lm40data WHERE ID >= 20000");
    std::vector<std::string> expected;
    try {
        const auto text = custom::ReadImportText(file);
        CheckRead(text);
        expected = Expected(text);
        const auto database = QuestionDatabase::Open(folder.path / "lm50data.db");
        const auto result = custom::ImportQuestions(*database, text, {.subject = "Fuzz", .updateExisting = false});
        if (result.added + result.skipped != static_cast<std::int64_t>(text.rows.size()))
            Fail("rows were neither added nor skipped");
    } catch (const custom::CustomDataError& error) {
        if (std::string(error.what()).empty())
            Fail("a refusal without a message");
        if (!Imported(check).empty())
            Fail("a refused import left questions behind");
        return 0;
    }
    if (Imported(check) != expected)
        Fail("the questions imported are not those read");
    return 0;
}
