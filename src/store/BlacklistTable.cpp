#include "BlacklistTable.h"

#include "FilterSql.h"
#include "QuestionDatabase.h"

#include <SQLiteCpp/Transaction.h>

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
                                                  const std::vector<Texts>& append)
{
    SQLite::Transaction transaction(database_->Sql());
    if (removeAll) {
        database_->Statement("DELETE FROM " + Table).exec();
    } else if (!remove.empty()) {
        std::string rowIds = "[";
        for (const auto rowId : remove)
            rowIds += std::to_string(rowId) + ',';
        rowIds.back() = ']';
        auto& statement = database_->Statement("DELETE FROM " + Table + " WHERE rowid IN (SELECT value FROM json_each(?))");
        statement.bind(1, rowIds);
        statement.exec();
    }
    std::vector<std::int64_t> appended;
    appended.reserve(append.size());
    auto& insert = database_->Statement("INSERT INTO " + Table + " (\"English\", \"Hebrew\") VALUES (?, ?)");
    for (const auto& [english, hebrew] : append) {
        insert.reset();
        BindValue(insert, 1, english);
        BindValue(insert, 2, hebrew);
        insert.exec();
        appended.push_back(database_->Sql().getLastInsertRowid());
    }
    transaction.commit();
    return appended;
}

} // namespace lumenary
