// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: a question CSV file read and built into a question database,
// as `lumenary-db build` does. Any bytes are either refused with a message or
// built into a file that holds exactly the questions read, every marker
// reset; a refused build leaves no file behind.

#include "QuestionBank.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

using namespace lumenary;

namespace {

// A folder of this process's own, made once and emptied at the end.
struct Folder {
    Folder() : path(std::filesystem::temp_directory_path() / ("lumenary-fuzz-bank-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path / "csv");
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

[[noreturn]] void Fail(const std::string& what)
{
    std::cerr << what << "\n";
    std::abort();
}

bool Holds(const SQLite::Column& column, std::int64_t value)
{
    return column.isInteger() && column.getInt64() == value;
}

bool Holds(const SQLite::Column& column, const std::string& value)
{
    return column.isText() && column.getString() == value;
}

template <class Value>
void Expect(const SQLite::Column& column, const std::optional<Value>& value, const BankQuestion& question)
{
    const bool same = value ? Holds(column, *value) : column.isNull();
    if (!same)
        Fail(question.source + ": the field " + column.getName() + " was not written as read");
}

// The built file holds exactly the questions read, in ID order.
void CheckBuilt(const std::filesystem::path& file, std::vector<BankQuestion> questions)
{
    std::ranges::sort(questions, {}, &BankQuestion::id);
    SQLite::Database database(file.string(), SQLite::OPEN_READONLY);
    SQLite::Statement rows(database, "SELECT ID, Module, Category, Book, Chapter, Theme, English, French, Hebrew,"
                                     " QuestionUsed, Correct, Chosen FROM lm40data ORDER BY ID");
    for (const auto& question : questions) {
        if (!rows.executeStep())
            Fail(question.source + ": the question is missing from the built file");
        Expect(rows.getColumn(0), std::optional<std::int64_t>(question.id), question);
        Expect(rows.getColumn(1), question.module, question);
        Expect(rows.getColumn(2), question.category, question);
        Expect(rows.getColumn(3), question.book, question);
        Expect(rows.getColumn(4), question.chapter, question);
        Expect(rows.getColumn(5), question.theme, question);
        Expect(rows.getColumn(6), question.english, question);
        Expect(rows.getColumn(7), question.french, question);
        Expect(rows.getColumn(8), question.hebrew, question);
        if (rows.getColumn(9).getInt64() != 0 || rows.getColumn(10).getInt64() != 1
            || rows.getColumn(11).getInt64() != 0)
            Fail(question.source + ": the markers are not reset");
    }
    if (rows.executeStep())
        Fail("the built file holds a question that was not read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    const auto csv = folder.path / "csv" / "questions.csv";
    const auto built = folder.path / "lm50data.db";
    std::ofstream(csv, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    std::filesystem::remove(built);
    std::vector<BankQuestion> questions;
    try {
        questions = ReadBankFolder(folder.path / "csv");
        WriteQuestionDatabase(questions, built);
    } catch (const BankError& error) {
        if (std::string(error.what()).empty())
            Fail("a refusal without a message");
        if (std::filesystem::exists(built) || std::filesystem::exists(built.string() + ".partial"))
            Fail("a refused build left a file behind");
        return 0;
    }
    CheckBuilt(built, std::move(questions));
    return 0;
}
