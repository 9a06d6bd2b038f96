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

} // namespace lumenary
