// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressText.h"

namespace lumenary {

QString SignedForm(long long number)
{
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

QString StartText(int questionCount)
{
    return QStringLiteral("Questions Remaining") + SignedForm(questionCount);
}

QString RemainingText(int questionsRemaining)
{
    return QStringLiteral("Questions Remaining:  ") + SignedForm(questionsRemaining);
}

QString PercentageText(int questionsCorrect, int questionsAsked)
{
    // Whole hundredths of a percent, rounded half up, in integers so that a
    // half (1 of 32 is 3.125) never falls to binary rounding.
    const long long asked = questionsAsked;
    const long long hundredths = (2LL * questionsCorrect * 10000 + asked) / (2 * asked);
    return QString::number(hundredths / 100) + QLatin1Char('.')
         + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace lumenary
