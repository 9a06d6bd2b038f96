#include "QuestionDatabase.h"

#include "StoreError.h"
#include "StudyTables.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Exception.h>

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <unistd.h>

namespace lumenary {

namespace {

std::string Quoted(const std::filesystem::path& file)
{
    return "\"" + file.string() + "\"";
}

void CheckReadableFile(const std::filesystem::path& file)
{
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status))
        throw StoreError("The question database " + Quoted(file) + " was not found.");
    if (std::filesystem::is_directory(status))
        throw StoreError("The question database " + Quoted(file) + " is a folder, not a database file.");
    if (!std::ifstream(file, std::ios::binary))
        throw StoreError("The question database " + Quoted(file) + " cannot be read: permission denied.");
}

// How long a write waits for another program to release the file.
constexpr int BusyTimeoutMs = 1500;

} // namespace

std::string DescribeFailure(const SQLite::Exception& error)
{
    switch (error.getErrorCode()) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "the file is in use by another program, perhaps another copy of Lumenary";
    case SQLITE_FULL:
        return "the disk is full";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return std::string("the file is damaged: ") + error.what();
    case SQLITE_READONLY:
        return "the file cannot be written";
    default:
        return error.what();
    }
}

bool WritableFile(const std::filesystem::path& file)
{
    const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::error_code error;
    const auto permissions = std::filesystem::status(file, error).permissions();
    const auto anyWrite = std::filesystem::perms::owner_write | std::filesystem::perms::group_write
                        | std::filesystem::perms::others_write;
    return (permissions & anyWrite) != std::filesystem::perms::none && ::access(file.c_str(), W_OK) == 0
        && ::access(folder.c_str(), W_OK) == 0;
}

const std::vector<std::string>& QuestionFieldNames()
{
    static const std::vector<std::string> names{"ID",      "Module",  "Category", "Book",
                                                "Chapter", "Theme",   "English",  "French",
                                                "Hebrew",  "QuestionUsed", "Correct", "Chosen"};
    return names;
}

bool SameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string QuoteIdentifier(std::string_view name)
{
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string JsonArray(const std::vector<std::int64_t>& numbers)
{
    std::string array = "[";
    for (const auto number : numbers)
        array += std::to_string(number) + ',';
    if (numbers.empty())
        array += ']';
    else
        array.back() = ']';
    return array;
}

std::shared_ptr<QuestionDatabase> QuestionDatabase::Open(const std::filesystem::path& file, Use use)
{
    CheckReadableFile(file);
    const bool readOnly = use == Use::ReadOnly || !WritableFile(file);
    std::unique_ptr<SQLite::Database> database;
    try {
        if (use == Use::ReadOnly) {
            database = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READONLY);
        } else if (readOnly) {
            // Work on a copy in memory: quizzes mark their records as they go.
            SQLite::Database onDisk(file.string(), SQLite::OPEN_READONLY);
            database = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE);
            SQLite::Backup(*database, onDisk).executeStep();
        } else {
            database = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE, BusyTimeoutMs);
        }
        // A damaged page is found now, not in the middle of a quiz.
        SQLite::Statement check(*database, "PRAGMA quick_check(1)");
        if (check.executeStep() && check.getColumn(0).getString() != "ok")
            throw StoreError("The question database " + Quoted(file) + " is damaged (" + check.getColumn(0).getString()
                             + "). Start again from a copy of the bundled question bank.");
    } catch (const SQLite::Exception& error) {
        const int code = error.getErrorCode();
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
            throw StoreError("The question database " + Quoted(file)
                             + " is in use by another program, perhaps another copy of Lumenary. Close that "
                               "program, then start Lumenary again.");
        if (code == SQLITE_CORRUPT)
            throw StoreError("The question database " + Quoted(file) + " is damaged (" + error.what()
                             + "). Start again from a copy of the bundled question bank.");
        throw StoreError("The question database " + Quoted(file) + " is not a usable SQLite database ("
                         + error.what() + ").");
    }
    std::shared_ptr<QuestionDatabase> opened(new QuestionDatabase(std::move(database), file, readOnly));
    opened->CheckQuestionTable();
    if (use == Use::ReadOnly)
        return opened;
    try {
        opened->EnsureBlacklist();
        EnsureStudyTables(opened->Sql());
        if (!readOnly) {
            // WAL with NORMAL sync: each marker commit survives the program being ended at once.
            opened->Sql().exec("PRAGMA journal_mode=WAL");
            opened->Sql().exec("PRAGMA synchronous=NORMAL");
            opened->Sql().exec("PRAGMA wal_autocheckpoint=200");
        }
    } catch (const SQLite::Exception& error) {
        throw StoreError("The question database " + Quoted(file) + " cannot be prepared for use ("
                         + DescribeFailure(error) + ").");
    }
    return opened;
}

QuestionDatabase::QuestionDatabase(std::unique_ptr<SQLite::Database> database, std::filesystem::path path,
                                   bool readOnly)
    : database_(std::move(database)), path_(std::move(path)), readOnly_(readOnly)
{
}

std::vector<std::string> QuestionDatabase::Columns(std::string_view table)
{
    SQLite::Statement query(*database_, "SELECT name FROM pragma_table_info(?)");
    query.bind(1, std::string(table));
    std::vector<std::string> names;
    while (query.executeStep())
        names.push_back(query.getColumn(0).getString());
    return names;
}

QuestionDatabase::StatementHandle QuestionDatabase::Statement(const std::string& sql)
{
    auto found = statements_.find(sql);
    if (found == statements_.end())
        found = statements_.emplace(sql, std::make_unique<SQLite::Statement>(*database_, sql)).first;
    found->second->tryReset();
    found->second->clearBindings();
    return StatementHandle(*found->second);
}

void QuestionDatabase::CheckQuestionTable()
{
    const auto columns = Columns(kQuestionTableName);
    if (columns.empty())
        throw StoreError("The question database " + Quoted(path_) + " has no table \"" + std::string(kQuestionTableName)
                         + "\".");
    std::string missing;
    for (const auto& field : QuestionFieldNames()) {
        const bool present = std::ranges::any_of(columns, [&](const auto& column) { return SameName(column, field); });
        if (!present)
            missing += (missing.empty() ? "" : ", ") + field;
    }
    if (!missing.empty())
        throw StoreError("The question table \"" + std::string(kQuestionTableName) + "\" in " + Quoted(path_)
                         + " lacks the field(s) " + missing + ".");
}

void QuestionDatabase::EnsureBlacklist()
{
    const std::string table = QuoteIdentifier(kBlacklistTableName);
    database_->exec("CREATE TABLE IF NOT EXISTS " + table + " (English TEXT, Hebrew TEXT)");
    // A table made by another program may lack a field the quiz writes.
    const auto columns = Columns(kBlacklistTableName);
    for (const char* field : {"English", "Hebrew"})
        if (std::ranges::none_of(columns, [&](const std::string& column) { return SameName(column, field); }))
            database_->exec("ALTER TABLE " + table + " ADD COLUMN " + QuoteIdentifier(field) + " TEXT");
}

} // namespace lumenary
