// SPDX-License-Identifier: GPL-3.0-or-later
#include "BankVersion.h"

#include "QuestionDatabase.h"

#include <SQLiteCpp/Statement.h>

#include <charconv>
#include <vector>

namespace lumenary {

namespace {

constexpr std::string_view VersionKey = "Version";

std::string Table(std::string_view schema)
{
    return QuoteIdentifier(schema) + "." + QuoteIdentifier(kBankInfoTableName);
}

// "4.10+ab" gives {4, 10}: release parts compare as numbers, not as text.
std::vector<long> ReleaseParts(std::string_view version)
{
    const auto release = version.substr(0, version.find('+'));
    std::vector<long> parts;
    for (std::size_t start = 0; start <= release.size();) {
        const auto end = std::min(release.find('.', start), release.size());
        long part = 0;
        std::from_chars(release.data() + start, release.data() + end, part);
        parts.push_back(part);
        start = end + 1;
    }
    while (parts.size() > 1 && parts.back() == 0) // 4.5 and 4.5.0 are one release
        parts.pop_back();
    return parts;
}

} // namespace

std::optional<std::string> ReadBankVersion(SQLite::Database& database, std::string_view schema)
{
    SQLite::Statement exists(database, "SELECT count(*) FROM " + QuoteIdentifier(schema)
                                           + ".sqlite_master WHERE type = 'table' AND name = ?");
    exists.bind(1, std::string(kBankInfoTableName));
    if (!exists.executeStep() || exists.getColumn(0).getInt() == 0)
        return std::nullopt;
    SQLite::Statement query(database, "SELECT Value FROM " + Table(schema) + " WHERE Name = ?");
    query.bind(1, std::string(VersionKey));
    if (!query.executeStep() || query.getColumn(0).isNull())
        return std::nullopt;
    return query.getColumn(0).getString();
}

void WriteBankVersion(SQLite::Database& database, const std::string& version, std::string_view schema)
{
    database.exec("CREATE TABLE IF NOT EXISTS " + Table(schema) + " (Name TEXT PRIMARY KEY, Value TEXT)");
    SQLite::Statement write(database, "INSERT OR REPLACE INTO " + Table(schema) + " (Name, Value) VALUES (?, ?)");
    write.bind(1, std::string(VersionKey));
    write.bind(2, version);
    write.exec();
}

bool OlderBank(const std::optional<std::string>& copy, const std::optional<std::string>& bank)
{
    if (!bank)
        return false;
    if (!copy)
        return true;
    const auto copyRelease = ReleaseParts(*copy);
    const auto bankRelease = ReleaseParts(*bank);
    if (copyRelease != bankRelease)
        return copyRelease < bankRelease;
    const auto digest = [](std::string_view version) { return version.substr(std::min(version.find('+'), version.size())); };
    return digest(*copy) != digest(*bank);
}

} // namespace lumenary
