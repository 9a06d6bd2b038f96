// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModMCGrk.h"

#include "FrmMCGrk.h"
#include "ModCommonQuiz.h"
#include "ProgressPanel.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QLabel>

namespace lumenary {

FrmMCGrk& ModMCGrk::Window()
{
    return context_.windows.Get<FrmMCGrk>();
}

void ModMCGrk::ClearProgressCaptions()
{
    if (auto* window = context_.windows.Loaded<FrmMCGrk>())
        window->Panel().ClearValues();
}

void ModMCGrk::CloseQuizWindow()
{
    context_.windows.Unload<FrmMCGrk>();
}

void ModMCGrk::StartGreekTenseQuiz()
{
    auto& window = Window();
    window.show();
    window.raise();
    window.activateWindow();
    window.Panel().ShowStart(context_.session.QuestionCount);
    NextGreekTenseQuestion();
}

void ModMCGrk::NextGreekTenseQuestion()
{
    auto& session = context_.session;
    if (session.QuestionsAsked != session.QuestionCount && context_.common.DrawRandomQuestion()) {
        ShowGreekTenseQuestion();
        SetGrkTenseIndex();
        return;
    }
    const auto& panel = Window().Panel();
    if (context_.common.FinishPool(panel.CorrectCaption(), panel.AskedCaption(), RetryRule::SixOrMoreMisses)) {
        context_.host.MissedQuestionsMCGreek();
        return;
    }
    context_.host.ShowMainWindow();
    CloseQuizWindow();
}

void ModMCGrk::ShowGreekTenseQuestion()
{
    auto& session = context_.session;
    session.CurrentQuestionID = FieldNumber(session.QuizRecordset->Field("ID"));
    Window().Choice(0).setText(QString::fromStdString(FieldText(session.QuizRecordset->Field("Hebrew"))));
}

void ModMCGrk::SetGrkTenseIndex()
{
    theme_ = QString::fromStdString(FieldText(context_.session.QuizRecordset->Field("Theme")));
    GrkTenseIndex = 0;
    for (int choice = 1; choice <= FrmMCGrk::TenseCount; ++choice)
        if (theme_ == QLatin1String(FrmMCGrk::Tenses[choice - 1])) {
            GrkTenseIndex = choice;
            return;
        }
}

void ModMCGrk::CheckGreekTenseAnswer()
{
    auto& window = Window();
    const auto number = ChoiceNumber(window.AnswerText());
    context_.session.AnswerCorrect = GrkTenseIndex != 0 && number && *number == GrkTenseIndex;
    if (context_.session.AnswerCorrect)
        window.ShowCorrect();
    else
        window.ShowIncorrect(GrkTenseIndex != 0 ? QString::number(GrkTenseIndex) : theme_);
    context_.common.RecordAnswer("Tense");
}

void ModMCGrk::ShowGreekTenseProgress()
{
    Window().Panel().ShowProgress(context_.session);
}

} // namespace lumenary
