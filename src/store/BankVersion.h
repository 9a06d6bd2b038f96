// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SQLiteCpp/Database.h>

#include <optional>
#include <string>
#include <string_view>

namespace lumenary {

// A question bank carries the version it was built as: the program release
// that built it and a digest of its questions, as "4.5+1f0c9a2b77e3d410".
// The digest changes whenever a question does, so two banks of one release
// with different questions have different versions.
inline constexpr std::string_view kBankInfoTableName = "BankInfo";

// The version a database carries, or nothing when it carries none (a copy
// made before banks carried versions, or a bank of the user's own).
std::optional<std::string> ReadBankVersion(SQLite::Database& database, std::string_view schema = "main");

// Records the version in the database, replacing the one it had.
void WriteBankVersion(SQLite::Database& database, const std::string& version, std::string_view schema = "main");

// Whether a copy that carries `copy` should be brought up to the bank that
// carries `bank`: the bank's release is later, or the release is the same
// and the questions differ. A copy without a version is older than any
// bank; a bank without one brings nothing.
bool OlderBank(const std::optional<std::string>& copy, const std::optional<std::string>& bank);

} // namespace lumenary
