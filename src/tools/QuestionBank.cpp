// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionBank.h"

#include "BankVersion.h"
#include "CsvReader.h"
#include "QuotedText.h"
#include "Version.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QCryptographicHash>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>

namespace lumenary {

namespace {

constexpr std::size_t BankColumnCount = 9;

std::optional<std::int64_t> WholeNumber(const std::optional<std::string>& cell, const std::string& source,
                                        const char* column)
{
    if (!cell)
        return std::nullopt;
    std::int64_t number = 0;
    const auto* end = cell->data() + cell->size();
    const auto [last, error] = std::from_chars(cell->data(), end, number);
    if (error != std::errc() || last != end)
        throw BankError(source + ": " + column + " \"" + Shortened(*cell) + "\" is not a whole number");
    return number;
}

void ReadBankFile(const std::filesystem::path& file, std::vector<BankQuestion>& questions)
{
    std::ifstream input(file, std::ios::binary);
    if (!input)
        throw BankError(file.string() + ": cannot be read");
    const auto name = file.filename().string();
    std::vector<CsvRecord> records;
    try {
        records = ReadCsv(input, name);
    } catch (const CsvError& error) {
        throw BankError(error.what());
    }
    if (records.empty())
        throw BankError(name + ":1: the header row is missing");
    std::string header;
    for (const auto& cell : records.front().cells)
        header += (header.empty() ? "" : ",") + cell.value_or("");
    if (header != BankHeader)
        throw BankError(name + ":1: the header row must be exactly " + BankHeader);
    for (auto record = records.begin() + 1; record != records.end(); ++record) {
        const std::string source = name + ":" + std::to_string(record->line);
        auto& cells = record->cells;
        if (cells.size() != BankColumnCount)
            throw BankError(source + ": the row has " + std::to_string(cells.size()) + " cells, not "
                            + std::to_string(BankColumnCount));
        const auto id = WholeNumber(cells[0], source, "ID");
        if (!id || *id < 1 || *id > MaxQuestionId)
            throw BankError(source + ": ID must be a whole number from 1 to " + std::to_string(MaxQuestionId));
        if (*id >= kFirstCustomQuestionId)
            throw BankError(source + ": ID " + std::to_string(*id) + " is kept for the user's own questions; the bank's"
                            + " questions take IDs from 1 to " + std::to_string(kFirstCustomQuestionId - 1));
        questions.push_back(BankQuestion{.source = source,
                                         .id = *id,
                                         .module = std::move(cells[1]),
                                         .category = WholeNumber(cells[2], source, "Category"),
                                         .book = std::move(cells[3]),
                                         .chapter = WholeNumber(cells[4], source, "Chapter"),
                                         .theme = std::move(cells[5]),
                                         .english = std::move(cells[6]),
                                         .french = std::move(cells[7]),
                                         .hebrew = std::move(cells[8])});
    }
}

void BindOptional(SQLite::Statement& statement, int index, const std::optional<std::string>& value)
{
    if (value)
        statement.bind(index, *value);
    else
        statement.bind(index);
}

void BindOptional(SQLite::Statement& statement, int index, const std::optional<std::int64_t>& value)
{
    if (value)
        statement.bind(index, static_cast<std::int64_t>(*value));
    else
        statement.bind(index);
}

void CreateSchema(SQLite::Database& database)
{
    database.exec("CREATE TABLE lm40data ("
                  " ID INTEGER PRIMARY KEY, Module TEXT, Category INTEGER, Book TEXT, Chapter INTEGER,"
                  " Theme TEXT, English TEXT, French TEXT, Hebrew TEXT,"
                  " QuestionUsed INTEGER NOT NULL DEFAULT 0, Correct INTEGER NOT NULL DEFAULT 1,"
                  " Chosen INTEGER NOT NULL DEFAULT 0)");
    database.exec("CREATE INDEX lm40data_module ON lm40data (Module COLLATE NOCASE)");
    database.exec("CREATE TABLE Blacklist (English TEXT, Hebrew TEXT)");
}

void AddToDigest(QCryptographicHash& digest, const std::optional<std::string>& text)
{
    // Each value is length-prefixed and a null differs from an empty text,
    // so no two different banks feed the digest the same bytes.
    const std::string field = text ? std::to_string(text->size()) + ":" + *text : "-";
    digest.addData(QByteArrayView(field.data(), static_cast<qsizetype>(field.size())));
}

void AddToDigest(QCryptographicHash& digest, const std::optional<std::int64_t>& number)
{
    AddToDigest(digest, number ? std::optional(std::to_string(*number)) : std::nullopt);
}

// The program release and a digest of every question in ID order.
std::string BankVersionOf(const std::vector<BankQuestion>& questions)
{
    std::vector<const BankQuestion*> byId;
    for (const auto& question : questions)
        byId.push_back(&question);
    std::ranges::sort(byId, {}, &BankQuestion::id);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const auto* question : byId) {
        AddToDigest(digest, std::optional(question->id));
        for (const auto* text : {&question->module, &question->book, &question->theme, &question->english,
                                 &question->french, &question->hebrew})
            AddToDigest(digest, *text);
        AddToDigest(digest, question->category);
        AddToDigest(digest, question->chapter);
    }
    return std::string(ProgramVersion) + "+" + digest.result().toHex().left(16).toStdString();
}

} // namespace

std::vector<BankQuestion> ReadBankFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw BankError(folder.string() + ": not a folder");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".csv")
            files.push_back(entry.path());
    std::ranges::sort(files);
    if (files.empty())
        throw BankError(folder.string() + ": holds no .csv file");

    std::vector<BankQuestion> questions;
    for (const auto& file : files)
        ReadBankFile(file, questions);
    std::map<std::int64_t, const BankQuestion*> byId;
    for (const auto& question : questions) {
        const auto [found, added] = byId.emplace(question.id, &question);
        if (!added)
            throw BankError(question.source + ": ID " + std::to_string(question.id) + " is already used at "
                            + found->second->source);
    }
    return questions;
}

void WriteQuestionDatabase(const std::vector<BankQuestion>& questions, const std::filesystem::path& target)
{
    auto temporary = target;
    temporary += ".partial";
    std::filesystem::remove(temporary);
    try {
        {
            SQLite::Database database(temporary.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            CreateSchema(database);
            SQLite::Transaction transaction(database);
            SQLite::Statement insert(database, "INSERT INTO lm40data (ID, Module, Category, Book, Chapter, Theme,"
                                               " English, French, Hebrew) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
            for (const auto& question : questions) {
                insert.reset();
                insert.bind(1, static_cast<std::int64_t>(question.id));
                BindOptional(insert, 2, question.module);
                BindOptional(insert, 3, question.category);
                BindOptional(insert, 4, question.book);
                BindOptional(insert, 5, question.chapter);
                BindOptional(insert, 6, question.theme);
                BindOptional(insert, 7, question.english);
                BindOptional(insert, 8, question.french);
                BindOptional(insert, 9, question.hebrew);
                insert.exec();
            }
            WriteBankVersion(database, BankVersionOf(questions));
            transaction.commit();
        }
        std::filesystem::rename(temporary, target);
    } catch (const std::exception& error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw BankError(target.string() + ": cannot be written (" + error.what() + ")");
    }
}

} // namespace lumenary
