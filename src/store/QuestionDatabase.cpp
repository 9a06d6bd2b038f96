// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuestionDatabase.h"

#include "StoreError.h"
#include "StudyTables.h"
#include "SubjectTable.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <unistd.h>

namespace lumenary {

namespace {

std::string Quoted(const std::filesystem::path& file)
{
    return "\"" + file.string() + "\"";
}

// SQLite refuses names longer than 512 bytes, and it names the journal with
// "-journal" added to the file's absolute path.
constexpr std::size_t LongestPath = 512 - std::string_view("-journal").size();

// Why a file cannot be used, found before SQLite opens it: SQLite would
// call most of these "unable to open database file", and it waits for ever
// on a named pipe.
void CheckReadableFile(const std::filesystem::path& file)
{
    const std::string name = "The question database " + Quoted(file);
    const auto absolute = std::filesystem::absolute(file).lexically_normal().string();
    if (absolute.size() > LongestPath)
        throw StoreError(name + " has a path of " + std::to_string(absolute.size()) + " bytes; SQLite opens files whose "
                         "path is at most " + std::to_string(LongestPath) + " bytes. Move it to a shorter path.");
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error.value() == ELOOP)
        throw StoreError(name + " cannot be reached: its symbolic links lead round in a loop.");
    if (error.value() == EACCES)
        throw StoreError(name + " cannot be reached: a folder on its path may not be opened (permission denied).");
    if (!std::filesystem::exists(status))
        throw StoreError(name + " was not found.");
    if (std::filesystem::is_directory(status))
        throw StoreError(name + " is a folder, not a database file.");
    if (!std::filesystem::is_regular_file(status))
        throw StoreError(name + " is not a regular file (it is a named pipe, a device or a socket), so it cannot be a "
                         "database file.");
    if (::access(file.c_str(), R_OK) != 0)
        throw StoreError(name + " cannot be read: permission denied.");
}

// A disk with less room than SQLite needs to begin writing (its shared
// index of 32 KiB and the journal of a few marks) counts as full: opening
// for writing would fail with an input/output error and leave a stub index.
bool DiskFull(const std::filesystem::path& folder)
{
    constexpr std::uintmax_t RoomToWrite = 256 * 1024;
    std::error_code error;
    const auto space = std::filesystem::space(folder, error);
    return !error && space.available < RoomToWrite;
}

std::filesystem::path Folder(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// A file or folder whose write permissions are all off counts as read-only
// even for a user who could override them.
bool Writable(const std::filesystem::path& path)
{
    std::error_code error;
    const auto permissions = std::filesystem::status(path, error).permissions();
    const auto anyWrite = std::filesystem::perms::owner_write | std::filesystem::perms::group_write
                        | std::filesystem::perms::others_write;
    return (permissions & anyWrite) != std::filesystem::perms::none && ::access(path.c_str(), W_OK) == 0;
}

// Copies a file that is not to be written into memory.
std::unique_ptr<SQLite::Database> CopyIntoMemory(const std::filesystem::path& file, QuestionDatabase::Use use)
{
    SQLite::Database onDisk(use == QuestionDatabase::Use::KeepUnchanged ? FileUri(file, "mode=ro&immutable=1")
                                                                        : UnwrittenUri(file),
                            SQLite::OPEN_READONLY | SQLite::OPEN_URI);
    auto inMemory = std::make_unique<SQLite::Database>(":memory:", SQLite::OPEN_READWRITE);
    SQLite::Backup(*inMemory, onDisk).executeStep();
    return inMemory;
}

constexpr char DiskFullReason[] = "the disk is full";

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
        return "the file is damaged";
    case SQLITE_READONLY:
        return "the file cannot be written";
    case SQLITE_IOERR:
        return "the disk reported an input/output error";
    case SQLITE_CANTOPEN:
        return "the file or its journal cannot be opened";
    case SQLITE_NOMEM:
        return "there is not enough memory";
    default:
        return std::string("the database engine reports \"") + error.what() + "\"";
    }
}

bool WritableFile(const std::filesystem::path& file)
{
    return Writable(file) && Writable(Folder(file));
}

std::string UnwrittenUri(const std::filesystem::path& file)
{
    std::error_code error;
    const auto journal = std::filesystem::file_size(file.string() + "-wal", error);
    return FileUri(file, !error && journal > 0 ? "mode=ro" : "mode=ro&immutable=1");
}

std::string WhyNotWritable(const std::filesystem::path& file)
{
    if (!Writable(file))
        return "the file cannot be written";
    if (!Writable(Folder(file)))
        return "its folder " + Quoted(Folder(file)) + " cannot be written, and SQLite keeps its journal there";
    if (DiskFull(Folder(file)))
        return DiskFullReason;
    return {};
}

std::string FileUri(const std::filesystem::path& file, std::string_view query)
{
    std::string uri = "file:";
    for (const unsigned char c : std::filesystem::absolute(file).string()) {
        if (c == '?' || c == '#' || c == '%' || c < 0x20) {
            static constexpr char hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xF];
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri + "?" + std::string(query);
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
    const std::string notSaved = use == Use::KeepUnchanged ? "the file is kept unchanged"
                               : use == Use::ReadWrite     ? WhyNotWritable(file)
                                                           : std::string();
    std::unique_ptr<SQLite::Database> database;
    try {
        if (use == Use::ReadOnly)
            database = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READONLY);
        else if (!notSaved.empty()) // quizzes mark their records as they go, in memory
            database = CopyIntoMemory(file, use);
        else
            database = std::make_unique<SQLite::Database>(file.string(), SQLite::OPEN_READWRITE, BusyTimeoutMs);
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
            throw StoreError("The question database " + Quoted(file)
                             + " is damaged. Start again from a copy of the bundled question bank.");
        if (code == SQLITE_IOERR && notSaved == DiskFullReason)
            throw StoreError("The question database " + Quoted(file) + " cannot be read while the disk is full: "
                             "SQLite needs room beside it to read the changes it holds. Free some room on the disk, "
                             "then start Lumenary again.");
        if (code == SQLITE_NOTADB)
            throw StoreError("The question database " + Quoted(file)
                             + " is not a usable SQLite database: the file holds something else.");
        throw StoreError("The question database " + Quoted(file) + " cannot be opened: " + DescribeFailure(error) + ".");
    }
    std::shared_ptr<QuestionDatabase> opened(new QuestionDatabase(std::move(database), file, notSaved));
    opened->CheckQuestionTable();
    if (use == Use::ReadOnly) {
        opened->notSaved_ = "it is opened only to be read";
        return opened;
    }
    try {
        if (notSaved.empty()) {
            // WAL with NORMAL sync: each marker commit survives the program being ended at once.
            opened->Sql().exec("PRAGMA journal_mode=WAL");
            opened->Sql().exec("PRAGMA synchronous=NORMAL");
            opened->Sql().exec("PRAGMA wal_autocheckpoint=200");
        }
        // The program's own tables, where a bank lacks them, in one commit:
        // one sync on the first start instead of one for each table.
        SQLite::Transaction tables(opened->Sql());
        opened->EnsureBlacklist();
        EnsureStudyTables(opened->Sql());
        EnsureSubjectTable(opened->Sql());
        tables.commit();
    } catch (const SQLite::Exception& error) {
        throw StoreError("The question database " + Quoted(file) + " cannot be prepared for use ("
                         + DescribeFailure(error) + ").");
    }
    return opened;
}

QuestionDatabase::QuestionDatabase(std::unique_ptr<SQLite::Database> database, std::filesystem::path path,
                                   std::string notSaved)
    : database_(std::move(database)), path_(std::move(path)), notSaved_(std::move(notSaved))
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
