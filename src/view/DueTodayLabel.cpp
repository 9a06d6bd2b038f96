// SPDX-License-Identifier: GPL-3.0-or-later
#include "DueTodayLabel.h"

#include "DueQuestions.h"
#include "ModCommonQuiz.h"
#include "Session.h"
#include "StudyRecord.h"

namespace lumenary {

DueTodayLabel::DueTodayLabel(Session& session, const ModCommonQuiz& common, QWidget* parent)
    : QLabel(parent), session_(session), common_(common)
{
    setObjectName(QStringLiteral("LblDueToday"));
    setAlignment(Qt::AlignCenter);
}

void DueTodayLabel::Refresh()
{
    auto& database = *session_.QuestionDatabase;
    if (!AnyAnswerRecorded(database)) {
        setText(QStringLiteral("Choose a subject from the Quizzes menu to begin."));
        return;
    }
    // The ways the review window offers.
    const int due = DueCount(database, common_.Today(), {way::PartA, way::PartB});
    if (due == 0)
        setText(QStringLiteral("Nothing due today"));
    else
        setText(QStringLiteral("%1 %2 due today \u2014 Ctrl+D to review")
                    .arg(due)
                    .arg(due == 1 ? QStringLiteral("question") : QStringLiteral("questions")));
}

void DueTodayLabel::showEvent(QShowEvent* event)
{
    Refresh();
    QLabel::showEvent(event);
}

} // namespace lumenary
