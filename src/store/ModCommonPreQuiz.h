// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldValue.h"
#include "QuestionDatabase.h"

#include <filesystem>
#include <utility>
#include <vector>
#include <string>

namespace lumenary {

class Prompter;
struct Session;

inline constexpr char NoMatchText[] = "No words match your criteria.  Please try again.";
inline constexpr char NoMatchTitle[] = "No Matching Words Found";

// Opening the question database and preparing the pool of one quiz.
class ModCommonPreQuiz {
public:
    ModCommonPreQuiz(Session& session, Prompter& prompter) : session_(session), prompter_(prompter) {}

    // How the next database is opened: KeepUnchanged for a bank that must
    // never be written, the user having been told that results are not kept.
    void SetDatabaseUse(QuestionDatabase::Use use) { databaseUse_ = use; }
    // Opens the database file and keeps it in the session. Throws StoreError.
    void OpenQuestionDatabase(const std::filesystem::path& file);

    void PrepareQuiz();
    void OpenQuestionTable();
    void ApplyQuizFilter(); // throws FilterError
    // Throws StoreError, with the previous marks kept, when the pool's marks
    // cannot be written.
    void PrepareQuestionPool();
    // QuestionUsed 0 and Correct 1 on every pool record, with any other
    // fields given, in one pass; leaves the pool on its last record.
    void ResetPoolMarks(std::vector<std::pair<std::string, FieldValue>> alsoSet = {});

private:
    Session& session_;
    Prompter& prompter_;
    QuestionDatabase::Use databaseUse_ = QuestionDatabase::Use::ReadWrite;
};

// Tells the user, once per run, that results cannot be saved.
void ReportMarkerWriteFailure(Session& session, Prompter& prompter, const std::string& reason);

} // namespace lumenary
