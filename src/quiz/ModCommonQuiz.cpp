#include "ModCommonQuiz.h"

#include "ModCommonPreQuiz.h"
#include "Prompter.h"
#include "QuestionDatabase.h"
#include "RandomSource.h"
#include "Session.h"
#include "StoreError.h"

#include <SQLiteCpp/Exception.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumenary {

bool ModCommonQuiz::DrawRandomQuestion()
{
    auto& undrawn = session_.UndrawnPositions;
    auto& pool = *session_.QuizRecordset;
    while (!undrawn.empty()) {
        const auto pick = RandomIndex(undrawn.size());
        const std::size_t position = undrawn[pick];
        undrawn[pick] = undrawn.back();
        undrawn.pop_back();

        pool.MoveFirst();
        pool.Move(position);
        try {
            pool.Field("ID"); // a removed record shows here on a file that cannot be written
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
        return true;
    }
    return false;
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
    auto& pool = *session_.QuizRecordset;
    // A question removed behind the program's back has no record to mark.
    if (!pool.FindFirst("ID = " + std::to_string(session_.CurrentQuestionID))) {
        ReportQuestionsRemoved();
        return;
    }
    try {
        pool.Edit();
        pool.SetField("Correct", std::int64_t{0});
        pool.Update();
    } catch (const RecordRemoved&) {
        ReportQuestionsRemoved();
    } catch (const SQLite::Exception& error) {
        ReportMarkerWriteFailure(session_, prompter_, DescribeFailure(error));
    }
}

bool ModCommonQuiz::FinishPool(const QString& correctCaption, const QString& askedCaption, RetryRule rule)
{
    ShowLastQuestionNotice();
    bool offer = correctCaption != askedCaption;
    if (rule == RetryRule::SixOrMoreMisses)
        offer = offer && askedCaption.trimmed().toInt() - correctCaption.trimmed().toInt() >= 6;
    return offer && prompter_.Question(RetryText, RetryTitle);
}

} // namespace lumenary
