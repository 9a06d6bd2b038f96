// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModTF.h"

#include "FrmTF.h"
#include "ModCommonQuiz.h"
#include "ProgressPanel.h"
#include "QuestionSides.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

namespace lumenary {

void ModTF::StartTrueFalseQuiz()
{
    auto& window = context_.windows.Get<FrmTF>();
    window.show();
    window.raise();
    window.activateWindow();
    window.Panel().ShowStart(context_.session.QuestionCount);
    NextTrueFalseQuestion();
}

void ModTF::ClearProgressCaptions()
{
    context_.windows.Get<FrmTF>().Panel().ClearValues();
}

void ModTF::CloseQuizWindow()
{
    context_.windows.Unload<FrmTF>();
}

void ModTF::CloneQuizRecordset()
{
    TFRecordset.emplace(*context_.session.QuizRecordset, context_.session);
}

void ModTF::NextTrueFalseQuestion()
{
    auto& session = context_.session;
    if (session.QuestionsAsked != session.QuestionCount && context_.common.DrawRandomQuestion()) {
        if (context_.common.DirectionChanged())
            context_.windows.Get<FrmTF>().SetQuizFonts();
        ShowTrueFalseQuestion();
        MakeTrueFalseStatement();
        return;
    }
    const auto& panel = context_.windows.Get<FrmTF>().Panel();
    if (context_.common.FinishPool(panel.CorrectCaption(), panel.AskedCaption(), RetryRule::AnyMiss)) {
        context_.host.MissedQuestionsTrueFalse();
        return;
    }
    context_.host.ShowMainWindow();
    CloseQuizWindow();
}

void ModTF::ShowTrueFalseQuestion()
{
    auto& session = context_.session;
    const auto& record = *session.QuizRecordset;
    session.CurrentQuestionID = FieldNumber(record.Field("ID"));
    context_.windows.Get<FrmTF>().ShowQuestion(ThemeLine(record), QuestionSide(session, record),
                                               AnswerSide(session, record));
}

void ModTF::MakeTrueFalseStatement()
{
    if (context_.common.RandomIndex(2) == 0) {
        TFStatementTrue = false;
        PickFalseAnswer();
        return;
    }
    TFStatementTrue = true;
    context_.windows.Get<FrmTF>().ShowStatement(AnswerSide(context_.session, *context_.session.QuizRecordset));
}

void ModTF::PickFalseAnswer()
{
    const auto& session = context_.session;
    const auto& record = *session.QuizRecordset;
    const QString ownAnswer = AnswerSide(session, record);
    const auto wrongAnswer = TFRecordset->Pick(session, QuestionSide(session, record), ownAnswer,
                                               [this](std::size_t count) { return context_.common.RandomIndex(count); });
    // With no answer in the pool that is really wrong, the statement is made true.
    TFStatementTrue = !wrongAnswer;
    context_.windows.Get<FrmTF>().ShowStatement(wrongAnswer.value_or(ownAnswer));
}

void ModTF::CheckTrueFalseAnswer()
{
    const bool right = TFResponse == TFStatementTrue;
    context_.windows.Get<FrmTF>().ShowVerdict(right);
    context_.session.AnswerCorrect = right;
    context_.common.RecordAnswer("TF");
}

} // namespace lumenary
