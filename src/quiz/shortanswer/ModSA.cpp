// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModSA.h"

#include "FrmSA.h"
#include "ModCommonQuiz.h"
#include "ProgressPanel.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <optional>

namespace lumenary {

namespace {

QString FieldString(const RecordSet& record, const char* field)
{
    return QString::fromStdString(FieldText(record.Field(field)));
}

} // namespace

void ModSA::StartShortAnswerQuiz()
{
    auto& window = context_.windows.Get<FrmSA>();
    window.show();
    window.raise();
    window.activateWindow();
    window.Panel().ShowStart(context_.session.QuestionCount);
    NextShortAnswerQuestion();
}

void ModSA::ClearProgressCaptions()
{
    context_.windows.Get<FrmSA>().Panel().ClearValues();
}

void ModSA::CloseQuizWindow()
{
    context_.windows.Unload<FrmSA>();
}

void ModSA::NextShortAnswerQuestion()
{
    auto& session = context_.session;
    if (session.QuestionsAsked != session.QuestionCount && context_.common.DrawRandomQuestion()) {
        ShowShortAnswerQuestion();
        return;
    }
    const auto& panel = context_.windows.Get<FrmSA>().Panel();
    if (context_.common.FinishPool(panel.CorrectCaption(), panel.AskedCaption(), RetryRule::AnyMiss)) {
        context_.host.MissedQuestionsSA();
        return;
    }
    context_.host.ShowMainWindow();
    CloseQuizWindow();
}

void ModSA::ShowShortAnswerQuestion()
{
    auto& session = context_.session;
    const auto& record = *session.QuizRecordset;
    session.CurrentQuestionID = FieldNumber(record.Field("ID"));
    context_.windows.Get<FrmSA>().ShowQuestion(FieldString(record, "Book"), FieldString(record, "English"));
}

void ModSA::CheckChapterAnswer()
{
    auto& window = context_.windows.Get<FrmSA>();
    const FieldValue field = context_.session.QuizRecordset->Field("Chapter");
    const auto chapter = IsNull(field) ? std::nullopt : std::optional(QString::fromStdString(FieldText(field)));
    // Compared as text, exactly: "07" and " 7" are not 7. A question with no
    // chapter recorded can never be answered right.
    const QString typed = window.TypedChapter();
    const bool right = chapter && !typed.isEmpty() && typed == *chapter;
    window.ShowVerdict(right, chapter);
    context_.session.AnswerCorrect = right;
    context_.common.RecordAnswer("SA");
}

} // namespace lumenary
