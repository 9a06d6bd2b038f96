// SPDX-License-Identifier: GPL-3.0-or-later
#include "BlacklistTable.h"

#include "QuestionDatabase.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <numeric>
#include <string>

namespace lumenary {

namespace {

const std::string Table = QuoteIdentifier(kBlacklistTableName);

} // namespace

std::vector<BlacklistTable::Row> BlacklistTable::Rows() const
{
    std::vector<Row> rows;
    SQLite::Statement query(database_->Sql(), "SELECT rowid, \"English\" FROM " + Table + " ORDER BY rowid");
    while (query.executeStep()) {
        const auto english = query.getColumn(1);
        rows.push_back({query.getColumn(0).getInt64(),
                        english.isNull() ? FieldValue{} : FieldValue{english.getString()}});
    }
    return rows;
}

std::vector<std::int64_t> BlacklistTable::Rewrite(const std::vector<std::int64_t>& remove, bool removeAll,
                                                  const std::string& source, const std::vector<std::int64_t>& copy)
{
    SQLite::Transaction transaction(database_->Sql());
    if (removeAll) {
        database_->Statement("DELETE FROM " + Table)->exec();
    } else if (!remove.empty()) {
        const auto statement = database_->Statement("DELETE FROM " + Table + " WHERE rowid IN (SELECT value FROM json_each(?))");
        statement->bind(1, JsonArray(remove));
        statement->exec();
    }
    std::vector<std::int64_t> appended;
    if (!copy.empty()) {
        const std::int64_t before = database_->Sql().execAndGet("SELECT coalesce(max(rowid), 0) FROM " + Table).getInt64();
        const auto insert = database_->Statement("INSERT INTO " + Table + " (\"English\", \"Hebrew\") SELECT q.\"English\", "
                                            "q.\"Hebrew\" FROM json_each(?) AS j JOIN " + QuoteIdentifier(source)
                                            + " AS q ON q.rowid = j.value ORDER BY j.key");
        insert->bind(1, JsonArray(copy));
        const auto count = static_cast<std::int64_t>(copy.size());
        // New rows take the ids after the largest one, in the order inserted.
        if (insert->exec() != count || database_->Sql().getLastInsertRowid() != before + count)
            throw SQLite::Exception("the blacklist rows could not be copied from \"" + source + "\"");
        appended.resize(copy.size());
        std::iota(appended.begin(), appended.end(), before + 1);
    }
    transaction.commit();
    return appended;
}

} // namespace lumenary
