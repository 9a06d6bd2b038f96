// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lumenary {

// Checks a question database and returns one line per problem. A damaged
// file (SQLite's integrity check) gives the damage and nothing else; otherwise
// each line names the record ("ID 12 (Kings): ...") or the selection window
// and box it is about. It checks every record (ID, required fields, Unicode
// NFC, control characters, the book and chapter of chapter-content modules,
// the script and Theme values of the language modules), prompts that give an
// answer away (FindAnswerLeaks, outside the language modules), that every enabled box and option of the
// selection windows selects a question through the real filter, that some
// record of its module carries the value of every theme box (a Hebrew stem, a
// principal-part tense), and that every module offered for multiple choice has
// enough different answers.
//
// `windows` limits the window checks to the named selection windows (empty:
// all of them); the record checks always cover the whole table.
// Throws StoreError for a file that is not a question database and BankError
// for a window name the catalogue lacks.
std::vector<std::string> CheckQuestionDatabase(const std::filesystem::path& file,
                                               const std::vector<std::string>& windows = {});

} // namespace lumenary
