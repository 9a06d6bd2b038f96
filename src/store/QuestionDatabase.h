// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary {

inline constexpr std::string_view kQuestionDatabaseFileName = "lm50data.db";
inline constexpr std::string_view kQuestionTableName = "lm40data";
inline constexpr std::string_view kBlacklistTableName = "Blacklist";

// The bundled bank's questions take IDs below kFirstCustomQuestionId; the
// user's own questions take the IDs from it to kLastQuestionId, which a bank
// upgrade never touches.
inline constexpr std::int64_t kFirstCustomQuestionId = 20000;
inline constexpr std::int64_t kLastQuestionId = 32767;

// The fields of the question table that the program reads and writes.
const std::vector<std::string>& QuestionFieldNames();

// The question database file. Opening it checks that it is an SQLite file with
// the question table and every field; a file that cannot be written (or lies
// on a full disk) is copied into memory, so quizzes still run and nothing is
// written to it.
class QuestionDatabase {
public:
    enum class Use {
        ReadWrite,     // results are kept in the file when it can be written
        ReadOnly,      // read in place, nothing changed: for looking at a bank
        KeepUnchanged, // copied into memory and never written, whoever runs us: the installed bank
    };

    // Throws StoreError naming the file and what is wrong with it.
    static std::shared_ptr<QuestionDatabase> Open(const std::filesystem::path& file, Use use = Use::ReadWrite);

    QuestionDatabase(const QuestionDatabase&) = delete;
    QuestionDatabase& operator=(const QuestionDatabase&) = delete;

    SQLite::Database& Sql() { return *database_; }
    const std::filesystem::path& Path() const { return path_; }
    // Whether the file is left unwritten; NotSavedReason says why, in words
    // for the user.
    bool ReadOnly() const { return !notSaved_.empty(); }
    const std::string& NotSavedReason() const { return notSaved_; }

    // The column names of a table, in their declared order.
    std::vector<std::string> Columns(std::string_view table);

    // A prepared statement kept for reuse, reset and unbound; the handle
    // resets it again as it goes.
    class StatementHandle;
    StatementHandle Statement(const std::string& sql);

private:
    QuestionDatabase(std::unique_ptr<SQLite::Database> database, std::filesystem::path path, std::string notSaved);
    void CheckQuestionTable();
    void EnsureBlacklist();

    std::unique_ptr<SQLite::Database> database_;
    std::filesystem::path path_;
    std::string notSaved_;
    std::map<std::string, std::unique_ptr<SQLite::Statement>, std::less<>> statements_;
};

// A statement left active (a read not stepped to its end, or a write that
// failed) keeps its transaction open, and later writes of the connection then
// wait uncommitted until it is reset. The handle resets it whatever happens.
class QuestionDatabase::StatementHandle {
public:
    explicit StatementHandle(SQLite::Statement& statement) : statement_(statement) {}
    ~StatementHandle() { statement_.tryReset(); }
    StatementHandle(const StatementHandle&) = delete;
    StatementHandle& operator=(const StatementHandle&) = delete;

    SQLite::Statement& operator*() const { return statement_; }
    SQLite::Statement* operator->() const { return &statement_; }

private:
    SQLite::Statement& statement_;
};

// What went wrong with the database, in words for the user: the file in use
// by another program, a full disk, a damaged file, and so on.
std::string DescribeFailure(const SQLite::Exception& error);

// The file as an SQLite URI with the query given (such as "mode=ro"), so that
// a file is opened read-only whoever runs us.
std::string FileUri(const std::filesystem::path& file, std::string_view query);

// Writing needs the file and, for the journal, its folder. A file or folder
// whose write permissions are all off counts as read-only even for a user who
// could override them.
bool WritableFile(const std::filesystem::path& file);

// The file as a URI for reading it without writing anything beside it.
// Unless commits wait in its write-ahead journal, the file holds everything
// and is read as immutable: SQLite then makes no shared index or journal
// beside it, which a full disk or a read-only folder would refuse, leaving a
// stub behind.
std::string UnwrittenUri(const std::filesystem::path& file);

// Why writes to the file cannot be kept in it, in words for the user: the
// file or its folder cannot be written, or the disk is full. Empty when they
// can.
std::string WhyNotWritable(const std::filesystem::path& file);

// Whether two names are the same but for ASCII letter case, as SQLite
// compares table and field names.
bool SameName(std::string_view a, std::string_view b);

// Double-quotes an SQL identifier.
std::string QuoteIdentifier(std::string_view name);

// Whole numbers as one JSON array, to pass a list of row ids as one parameter:
// "rowid IN (SELECT value FROM json_each(?))".
std::string JsonArray(const std::vector<std::int64_t>& numbers);

} // namespace lumenary
