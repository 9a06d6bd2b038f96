// SPDX-License-Identifier: GPL-3.0-or-later
#include "Session.h"

#include <numeric>

namespace lumenary {

void Session::ResetQuizCounters()
{
    QuestionsAsked = 0;
    QuestionsCorrect = 0;
    QuestionsRemaining = QuestionCount;
    QuestionsRemovedReported = false;
    UndrawnPositions.resize(static_cast<std::size_t>(QuestionCount));
    std::iota(UndrawnPositions.begin(), UndrawnPositions.end(), std::size_t{0});
}

QuizDirection Session::Direction() const
{
    return {Flip, UseFrench, QuestionFontName, QuestionFontSize, AnswerFontName, AnswerFontSize};
}

void Session::SetDirection(const QuizDirection& direction)
{
    Flip = direction.Flip;
    UseFrench = direction.UseFrench;
    QuestionFontName = direction.QuestionFontName;
    QuestionFontSize = direction.QuestionFontSize;
    AnswerFontName = direction.AnswerFontName;
    AnswerFontSize = direction.AnswerFontSize;
}

} // namespace lumenary
