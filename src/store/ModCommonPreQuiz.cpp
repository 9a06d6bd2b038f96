#include "ModCommonPreQuiz.h"

#include "Prompter.h"
#include "Session.h"
#include "StoreError.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <optional>
#include <utility>

namespace lumenary {

void ReportMarkerWriteFailure(Session& session, Prompter& prompter, const std::string& reason)
{
    if (std::exchange(session.MarkerWriteFailed, true))
        return;
    prompter.Information("Your results cannot be saved in the question database \"" + session.QuestionDatabase->Path().string()
                             + "\" (" + reason + "). The quiz goes on, but what you answer is not kept.",
                         "Results Not Saved");
}

void ModCommonPreQuiz::OpenQuestionDatabase(const std::filesystem::path& file)
{
    session_.QuestionDatabase = QuestionDatabase::Open(file);
    session_.QuestionTableName = std::string(kQuestionTableName);
    if (session_.QuestionDatabase->ReadOnly())
        ReportMarkerWriteFailure(session_, prompter_, "the file cannot be written");
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
    session_.QuizRecordset = session_.QuestionTable->Filtered(session_.QuizFilter);
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

    // Both marking passes commit together: a pool is marked wholly or not at all.
    std::optional<SQLite::Transaction> transaction;
    try {
        transaction.emplace(session_.QuestionDatabase->Sql());
    } catch (const SQLite::Exception& error) {
        ReportMarkerWriteFailure(session_, prompter_, error.what());
    }
    MarkPool({{"Chosen", std::int64_t{1}}});
    session_.PoolReady = true;
    ResetPoolMarks();
    if (transaction) {
        try {
            transaction->commit();
        } catch (const SQLite::Exception& error) {
            ReportMarkerWriteFailure(session_, prompter_, error.what());
        }
    }
    session_.ResetQuizCounters();
}

void ModCommonPreQuiz::ResetPoolMarks()
{
    MarkPool({{"QuestionUsed", std::int64_t{0}}, {"Correct", std::int64_t{1}}});
    session_.QuizRecordset->MoveLast();
}

void ModCommonPreQuiz::MarkPool(const std::vector<std::pair<std::string, FieldValue>>& marks)
{
    try {
        session_.QuizRecordset->UpdateAll(marks);
    } catch (const SQLite::Exception& error) {
        ReportMarkerWriteFailure(session_, prompter_, error.what());
    }
}

} // namespace lumenary
