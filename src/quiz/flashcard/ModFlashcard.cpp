// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModFlashcard.h"

#include "FrmFlashcard.h"
#include "ModCommonQuiz.h"
#include "ProgressPanel.h"
#include "QuestionSides.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

namespace lumenary {

void ModFlashcard::StartFlashcardQuiz()
{
    auto& window = context_.windows.Get<FrmFlashcard>();
    window.show();
    window.raise();
    window.activateWindow();
    window.Panel().ShowStart(context_.session.QuestionCount);
    NextFlashcard();
}

void ModFlashcard::ClearProgressCaptions()
{
    context_.windows.Get<FrmFlashcard>().Panel().ClearValues();
}

void ModFlashcard::CloseQuizWindow()
{
    context_.windows.Unload<FrmFlashcard>();
}

void ModFlashcard::NextFlashcard()
{
    auto& session = context_.session;
    if (session.QuestionsAsked != session.QuestionCount && context_.common.DrawRandomQuestion()) {
        if (context_.common.DirectionChanged())
            context_.windows.Get<FrmFlashcard>().SetQuizFonts();
        ShowFlashcardQuestion();
        return;
    }
    const auto& panel = context_.windows.Get<FrmFlashcard>().Panel();
    if (context_.common.FinishPool(panel.CorrectCaption(), panel.AskedCaption(), RetryRule::AnyMiss)) {
        context_.host.MissedQuestionsFlashcard();
        return;
    }
    context_.host.ShowMainWindow();
    CloseQuizWindow();
}

void ModFlashcard::ShowFlashcardQuestion()
{
    RememberQuestionID();
    const auto& record = *context_.session.QuizRecordset;
    context_.windows.Get<FrmFlashcard>().ShowCard(ThemeLine(record), QuestionSide(context_.session, record));
}

void ModFlashcard::RememberQuestionID()
{
    context_.session.CurrentQuestionID = FieldNumber(context_.session.QuizRecordset->Field("ID"));
}

void ModFlashcard::ShowFlashcardProgress()
{
    context_.windows.Get<FrmFlashcard>().Panel().ShowProgress(context_.session);
}

} // namespace lumenary
