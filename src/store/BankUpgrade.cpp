// SPDX-License-Identifier: GPL-3.0-or-later
#include "BankUpgrade.h"

#include "BankVersion.h"
#include "QuestionDatabase.h"
#include "StoreError.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

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

// The content fields that one of the two tables lacks, as "Hebrew, Theme";
// an upgrade that would copy them cannot run.
std::string MissingFields(SQLite::Database& database, const std::string& schema)
{
    SQLite::Statement columns(database, "SELECT name FROM pragma_table_info(?, ?)");
    columns.bind(1, std::string(kQuestionTableName));
    columns.bind(2, schema);
    std::vector<std::string> present;
    while (columns.executeStep())
        present.push_back(columns.getColumn(0).getString());
    std::string missing;
    for (const std::string field : ContentFields)
        if (std::ranges::none_of(present, [&](const std::string& column) { return SameName(column, field); }))
            missing += (missing.empty() ? "" : ", ") + field;
    return missing;
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
        // A copy that cannot be written is only read; the bank is read as
        // it is, whoever runs us.
        const std::string notWritable = WhyNotWritable(copy);
        SQLite::Database database(notWritable.empty() ? FileUri(copy, "mode=rw") : UnwrittenUri(copy),
                                  (notWritable.empty() ? SQLite::OPEN_READWRITE : SQLite::OPEN_READONLY)
                                      | SQLite::OPEN_URI,
                                  2000);
        SQLite::Statement attach(database, "ATTACH DATABASE ? AS bank");
        attach.bind(1, FileUri(bank, "mode=ro&immutable=1"));
        attach.exec();
        const auto bankVersion = ReadBankVersion(database, "bank");
        if (!OlderBank(ReadBankVersion(database), bankVersion))
            return std::nullopt;
        if (!notWritable.empty())
            throw failed(notWritable);
        for (const auto& [schema, whose] : {std::pair{"main", "the copy"}, std::pair{"bank", "the installed bank"}})
            if (const auto missing = MissingFields(database, schema); !missing.empty())
                throw failed(std::string(whose) + " lacks the field(s) " + missing);
        return ApplyBank(database, *bankVersion);
    } catch (const SQLite::Exception& error) {
        throw failed(DescribeFailure(error));
    }
}

} // namespace lumenary
