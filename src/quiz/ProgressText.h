// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lumenary {

// A number as the progress panel shows it: a leading space for zero and
// positive numbers, a minus sign otherwise.
QString SignedForm(long long number);

// "Questions Remaining 25": the panel's text when a quiz starts.
QString StartText(int questionCount);

// "Questions Remaining:   24": the panel's text after each answer.
QString RemainingText(int questionsRemaining);

// The share of correct answers with the pattern "##0.00", e.g. "66.67".
QString PercentageText(int questionsCorrect, int questionsAsked);

} // namespace lumenary
