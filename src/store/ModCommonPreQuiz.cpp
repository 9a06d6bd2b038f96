// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModCommonPreQuiz.h"

#include "Prompter.h"
#include "Session.h"
#include "StoreError.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <utility>

namespace lumenary {

void ReportMarkerWriteFailure(Session& session, Prompter& prompter, const std::string& reason)
{
    if (std::exchange(session.MarkerWriteFailed, true))
        return;
    // Told once; later writes still try, but without keeping the user waiting.
    session.QuestionDatabase->Sql().setBusyTimeout(0);
    prompter.Information("Your results cannot be saved in the question database \"" + session.QuestionDatabase->Path().string()
                             + "\" (" + reason + "). The quiz goes on, but what you answer is not kept.",
                         "Results Not Saved");
}

void ModCommonPreQuiz::OpenQuestionDatabase(const std::filesystem::path& file)
{
    session_.QuestionDatabase = QuestionDatabase::Open(file, databaseUse_);
    session_.QuestionTableName = std::string(kQuestionTableName);
    // Whoever chose a database to keep unchanged has said why results are not kept.
    if (databaseUse_ == QuestionDatabase::Use::KeepUnchanged)
        session_.MarkerWriteFailed = true;
    else if (session_.QuestionDatabase->ReadOnly())
        ReportMarkerWriteFailure(session_, prompter_, session_.QuestionDatabase->NotSavedReason());
}

void ModCommonPreQuiz::PrepareQuiz()
{
    OpenQuestionTable();
    ApplyQuizFilter();
    PrepareQuestionPool();
}

void ModCommonPreQuiz::OpenQuestionTable()
{
    session_.QuestionTable = RecordSet::OpenTable(session_.QuestionDatabase, session_.QuestionTableName);
}

void ModCommonPreQuiz::ApplyQuizFilter()
{
    session_.QuizRecordset = session_.QuestionTable->Filtered(session_.QuizFilter, session_.QuizQuestionIDs);
}

void ModCommonPreQuiz::PrepareQuestionPool()
{
    session_.PoolReady = false;
    auto& pool = *session_.QuizRecordset;
    try {
        pool.MoveLast();
    } catch (const NoCurrentRecord&) {
        prompter_.Information(NoMatchText, NoMatchTitle);
        return;
    }
    session_.QuestionCount = static_cast<int>(pool.RecordCount());

    // Both marking passes commit together: a pool is marked wholly or not at
    // all. A pool whose marks cannot be kept cannot be reviewed either, so the
    // quiz does not start and the previous marks stay as they were.
    try {
        SQLite::Transaction transaction(session_.QuestionDatabase->Sql());
        // Chosen is set in the same pass: one write per record, not two.
        ResetPoolMarks({{"Chosen", std::int64_t{1}}});
        transaction.commit();
    } catch (const SQLite::Exception& error) {
        throw StoreError("The quiz cannot be prepared: its questions cannot be marked in the question database \""
                         + session_.QuestionDatabase->Path().string() + "\" (" + DescribeFailure(error)
                         + "). Nothing was changed.");
    }
    session_.PoolReady = true;
    session_.ResetQuizCounters();
}

void ModCommonPreQuiz::ResetPoolMarks(std::vector<std::pair<std::string, FieldValue>> alsoSet)
{
    alsoSet.insert(alsoSet.begin(), {{"QuestionUsed", std::int64_t{0}}, {"Correct", std::int64_t{1}}});
    session_.QuizRecordset->UpdateAll(alsoSet);
    session_.QuizRecordset->MoveLast();
}


} // namespace lumenary
