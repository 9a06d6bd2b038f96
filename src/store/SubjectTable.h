// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace SQLite {
class Database;
}

namespace lumenary {

// The names of the user's own subjects, kept beside the question table so a
// subject lives on while it has no question yet (or none left). A subject's
// questions carry its name in Module; a bank upgrade changes the question
// table only and never this one.
inline constexpr std::string_view kSubjectTableName = "CustomSubject";

// Creates the table where it is missing.
void EnsureSubjectTable(SQLite::Database& database);

} // namespace lumenary
