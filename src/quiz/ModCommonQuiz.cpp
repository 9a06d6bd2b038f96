// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModCommonQuiz.h"

#include "ModCommonPreQuiz.h"
#include "Prompter.h"
#include "QuestionDatabase.h"
#include "RandomSource.h"
#include "Session.h"
#include "StoreError.h"
#include "StudyRecord.h"

#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumenary {

const Clock& ModCommonQuiz::SystemTime()
{
    static const SystemClock clock;
    return clock;
}

bool ModCommonQuiz::DrawRandomQuestion()
{
    auto& undrawn = session_.UndrawnPositions;
    if (session_.QuestionsAsked == 0) { // a new pool: a new run
        runId_ = 0;
        parentRunId_ = std::exchange(retriedRunId_, 0);
        runStartedAt_ = clock_.Now();
    }
    auto& pool = *session_.QuizRecordset;
    while (!undrawn.empty()) {
        const auto pick = RandomIndex(undrawn.size());
        const std::size_t position = undrawn[pick];
        undrawn[pick] = undrawn.back();
        undrawn.pop_back();

        pool.MoveFirst();
        pool.Move(position);
        try {
            // A removed record shows here on a file that cannot be written.
            TakeUpDirection(FieldNumber(pool.Field("ID")));
            pool.Edit();
            pool.SetField("QuestionUsed", std::int64_t{1});
            pool.Update();
        } catch (const RecordRemoved&) {
            DropRemovedQuestion();
            continue;
        } catch (const SQLite::Exception& error) {
            ReportMarkerWriteFailure(session_, prompter_, DescribeFailure(error));
        }
        ++session_.QuestionsAsked;
        --session_.QuestionsRemaining;
        questionShownAt_ = clock_.Now();
        return true;
    }
    return false;
}

void ModCommonQuiz::TakeUpDirection(std::int64_t questionId)
{
    directionChanged_ = false;
    const auto found = session_.QuestionDirections.find(questionId);
    if (found == session_.QuestionDirections.end() || found->second == session_.Direction())
        return;
    session_.SetDirection(found->second);
    directionChanged_ = true;
}

void ModCommonQuiz::DropRemovedQuestion()
{
    --session_.QuestionCount;
    --session_.QuestionsRemaining;
    ReportQuestionsRemoved();
}

void ModCommonQuiz::ReportQuestionsRemoved()
{
    if (!std::exchange(session_.QuestionsRemovedReported, true))
        prompter_.Information(QuestionsRemovedText, QuestionsRemovedTitle);
}

std::size_t ModCommonQuiz::RandomIndex(std::size_t n)
{
    StirRandom();
    return NextRandomIndex(n);
}

void ModCommonQuiz::StirRandom()
{
    random_.Reseed();
}

std::size_t ModCommonQuiz::NextRandomIndex(std::size_t n)
{
    const auto index = static_cast<std::size_t>(std::floor(static_cast<double>(n) * random_.Next()));
    return std::min(index, n - 1);
}

void ModCommonQuiz::ShowLastQuestionNotice()
{
    prompter_.Information(LastQuestionText, LastQuestionTitle);
}

void ModCommonQuiz::CountCorrectAnswer()
{
    if (session_.AnswerCorrect)
        ++session_.QuestionsCorrect;
}

void ModCommonQuiz::RecordMissedQuestion()
{
    try {
        WriteMissedMarker();
    } catch (const SQLite::Exception& error) {
        ReportMarkerWriteFailure(session_, prompter_, DescribeFailure(error));
    }
}

bool ModCommonQuiz::WriteMissedMarker()
{
    auto& pool = *session_.QuizRecordset;
    // A question removed behind the program's back has no record to mark.
    if (!pool.FindFirst("ID = " + std::to_string(session_.CurrentQuestionID))) {
        ReportQuestionsRemoved();
        return false;
    }
    try {
        pool.Edit();
        pool.SetField("Correct", std::int64_t{0});
        pool.Update();
    } catch (const RecordRemoved&) {
        ReportQuestionsRemoved();
        return false;
    }
    return true;
}

void ModCommonQuiz::RecordAnswer(std::string_view engine)
{
    try {
        SQLite::Transaction transaction(session_.QuestionDatabase->Sql());
        const auto runId = WriteStudyAnswer(engine);
        // The marker last: the pool's kept copy of the row changes only once
        // everything before it is written.
        if (!session_.AnswerCorrect && !WriteMissedMarker())
            return; // no marker, so no answer either
        transaction.commit();
        runId_ = runId; // a run rolled back with its first answer is begun again with the next
    } catch (const SQLite::Exception& error) {
        ReportMarkerWriteFailure(session_, prompter_, DescribeFailure(error));
    }
}

std::int64_t ModCommonQuiz::WriteStudyAnswer(std::string_view engine)
{
    const char* way = engine == "Tense" ? way::Tense
                    : session_.Flip     ? way::PartB
                    : session_.UseFrench ? way::French
                                         : way::PartA;
    StudyRecord record(*session_.QuestionDatabase);
    std::int64_t runId = runId_;
    if (runId == 0) {
        const char* runWay = session_.QuestionDirections.empty() ? way : way::Mixed;
        runId = record.BeginRun({std::string(engine), runWay, session_.QuizSubject, session_.QuizFilter,
                                  parentRunId_ != 0 ? std::optional(parentRunId_) : std::nullopt},
                                 runStartedAt_);
    }
    const Moment now = clock_.Now();
    record.RecordAnswer({runId, session_.CurrentQuestionID, way, session_.AnswerCorrect, now,
                         std::chrono::duration_cast<Milliseconds>(now.utc - questionShownAt_.utc).count()});
    return runId;
}

bool ModCommonQuiz::FinishPool(const QString& correctCaption, const QString& askedCaption, RetryRule rule)
{
    if (runId_ != 0) {
        try {
            StudyRecord(*session_.QuestionDatabase).CompleteRun(runId_);
        } catch (const SQLite::Exception& error) {
            ReportMarkerWriteFailure(session_, prompter_, DescribeFailure(error));
        }
    }
    ShowLastQuestionNotice();
    bool offer = correctCaption != askedCaption;
    if (rule == RetryRule::SixOrMoreMisses)
        offer = offer && askedCaption.trimmed().toInt() - correctCaption.trimmed().toInt() >= 6;
    const bool retry = offer && prompter_.Question(RetryText, RetryTitle);
    retriedRunId_ = retry ? runId_ : 0;
    return retry;
}

} // namespace lumenary
