#include "BankUpgrade.h"

#include "BankVersion.h"
#include "QuestionDatabase.h"
#include "StoreError.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <string>

namespace lumenary {

namespace {

// The fields that hold the bank's questions; the markers are the user's.
constexpr const char* ContentFields[] = {"Module", "Category", "Book", "Chapter", "Theme", "English", "French", "Hebrew"};

// One term per content field, joined by the separator.
template <class Term>
std::string EachField(const char* separator, Term term)
{
    std::string joined;
    for (const std::string field : ContentFields)
        joined += (joined.empty() ? "" : separator) + term(field);
    return joined;
}

// The bank is read through a URI so that it is opened read-only whoever runs us.
std::string ReadOnlyUri(const std::filesystem::path& file)
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
    return uri + "?mode=ro";
}

BankChanges ApplyBank(SQLite::Database& database, const std::string& bankVersion)
{
    const std::string table = "main." + QuoteIdentifier(kQuestionTableName);
    const std::string bankTable = "bank." + QuoteIdentifier(kQuestionTableName);
    // The user's own questions, from kFirstCustomQuestionId up, are theirs alone.
    const std::string bankIds = "ID < " + std::to_string(kFirstCustomQuestionId);
    BankChanges changes;
    SQLite::Transaction transaction(database);
    changes.removed = database.exec("DELETE FROM " + table + " WHERE " + bankIds + " AND ID NOT IN (SELECT ID FROM "
                                    + bankTable + ")");
    const auto assignments = EachField(", ", [](const std::string& f) { return f + " = b." + f; });
    const auto differs = EachField(" OR ", [](const std::string& f) { return "c." + f + " IS NOT b." + f; });
    changes.changed = database.exec("UPDATE " + table + " AS c SET " + assignments + " FROM " + bankTable
                                    + " AS b WHERE b.ID = c.ID AND c." + bankIds + " AND (" + differs + ")");
    const auto fields = EachField(", ", [](const std::string& f) { return f; });
    changes.added = database.exec("INSERT INTO " + table + " (ID, " + fields + ", QuestionUsed, Correct, Chosen)"
                                  + " SELECT ID, " + fields + ", 0, 1, 0 FROM " + bankTable + " WHERE " + bankIds
                                  + " AND ID NOT IN (SELECT ID FROM " + table + ")");
    WriteBankVersion(database, bankVersion);
    transaction.commit();
    return changes;
}

} // namespace

std::optional<BankChanges> UpgradeQuestionCopy(const std::filesystem::path& copy, const std::filesystem::path& bank)
{
    const auto failed = [&](const std::string& reason) {
        return StoreError("Your copy of the question bank \"" + copy.string()
                          + "\" could not be brought up to date with \"" + bank.string() + "\" (" + reason + ").");
    };
    try {
        const bool writable = WritableFile(copy);
        SQLite::Database database(copy.string(),
                                  (writable ? SQLite::OPEN_READWRITE : SQLite::OPEN_READONLY) | SQLite::OPEN_URI, 2000);
        SQLite::Statement attach(database, "ATTACH DATABASE ? AS bank");
        attach.bind(1, ReadOnlyUri(bank));
        attach.exec();
        const auto bankVersion = ReadBankVersion(database, "bank");
        if (!OlderBank(ReadBankVersion(database), bankVersion))
            return std::nullopt;
        if (!writable)
            throw failed("the copy cannot be written");
        return ApplyBank(database, *bankVersion);
    } catch (const SQLite::Exception& error) {
        throw failed(error.what());
    }
}

} // namespace lumenary
