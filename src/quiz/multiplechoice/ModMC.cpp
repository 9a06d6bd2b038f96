// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModMC.h"

#include "ChoiceWindow.h"
#include "FrmMC.h"
#include "ModCommonQuiz.h"
#include "ProgressPanel.h"
#include "QuestionSides.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "StoreError.h"
#include "WindowRegistry.h"

#include <QLabel>

#include <numeric>

namespace lumenary {

namespace {

std::optional<std::string> OptionalText(const FieldValue& value)
{
    return IsNull(value) ? std::nullopt : std::optional<std::string>(FieldText(value));
}

} // namespace

ModMC::ModMC(QuizContext& context) : context_(context), blacklist_(context.session, context.prompter) {}

FrmMC& ModMC::Window()
{
    return context_.windows.Get<FrmMC>();
}

void ModMC::ClearProgressCaptions()
{
    if (auto* window = context_.windows.Loaded<FrmMC>())
        window->Panel().ClearValues();
}

void ModMC::CloseQuizWindow()
{
    context_.windows.Unload<FrmMC>();
}

void ModMC::StartMultipleChoiceQuiz()
{
    auto& window = Window();
    window.show();
    window.raise();
    window.activateWindow();
    window.Panel().ShowStart(context_.session.QuestionCount);
    blacklist_.OpenBlacklist();
    blacklist_.ClearBlacklist();
    NextMultipleChoiceQuestion();
}

void ModMC::NextMultipleChoiceQuestion()
{
    auto& session = context_.session;
    if (session.QuestionsAsked != session.QuestionCount && context_.common.DrawRandomQuestion()) {
        if (context_.common.DirectionChanged())
            Window().SetQuizFonts();
        PlaceCorrectChoice();
        ShowMultipleChoiceQuestion();
        const auto& question = *session.QuizRecordset;
        blacklist_.BlacklistEnglish = OptionalText(question.Field("English"));
        blacklist_.BlacklistHebrew = OptionalText(question.Field("Hebrew"));
        FillDistractors();
        return;
    }
    const auto& panel = Window().Panel();
    if (context_.common.FinishPool(panel.CorrectCaption(), panel.AskedCaption(), RetryRule::SixOrMoreMisses)) {
        context_.host.MissedQuestionsMC();
        return;
    }
    context_.host.ShowMainWindow();
    CloseQuizWindow();
}

void ModMC::PlaceCorrectChoice()
{
    auto& window = Window();
    for (int line = 0; line <= window.Choices(); ++line)
        window.Choice(line).clear();
    MCAnswerSlot = static_cast<int>(context_.common.RandomIndex(static_cast<std::size_t>(window.Choices()))) + 1;
    window.Choice(MCAnswerSlot).setText(AnswerSide(context_.session, *context_.session.QuizRecordset));
}

void ModMC::ShowMultipleChoiceQuestion()
{
    auto& session = context_.session;
    session.CurrentQuestionID = FieldNumber(session.QuizRecordset->Field("ID"));
    Window().Choice(0).setText(QuestionSide(session, *session.QuizRecordset));
}

void ModMC::FillDistractors()
{
    blacklist_.RefillBlacklist();
    untried_.resize(static_cast<std::size_t>(context_.session.QuestionCount));
    std::iota(untried_.begin(), untried_.end(), std::size_t{0});
    ReadLineTexts();
    context_.common.StirRandom();
    const int wanted = Window().Choices() - 1;
    int placed = 0;
    while (placed < wanted && MoveToRandomRecord()) {
        blacklist_.CheckBlacklist();
        if (blacklist_.CandidateAccepted && CandidateIsNew() && PlaceDistractor())
            ++placed;
    }
}

bool ModMC::MoveToRandomRecord()
{
    if (untried_.empty())
        return false;
    const std::size_t pick = context_.common.NextRandomIndex(untried_.size());
    const std::size_t position = untried_[pick];
    untried_[pick] = untried_.back();
    untried_.pop_back();
    auto& pool = *context_.session.QuizRecordset;
    pool.MoveFirst();
    pool.Move(position);
    return true;
}

bool ModMC::CandidateIsNew() const
{
    const auto& texts = blacklist_.Texts();
    const std::size_t position = context_.session.QuizRecordset->Position();
    for (const auto field : {PoolTexts::English, PoolTexts::Hebrew, PoolTexts::French}) {
        const int text = texts.TextId(field, position);
        if (text == PoolTexts::None)
            continue;
        for (std::size_t line = 1; line < lineTexts_.size(); ++line)
            if (lineTexts_[line] == text)
                return false;
    }
    return true;
}

bool ModMC::PlaceDistractor()
{
    QString answer;
    try {
        answer = AnswerSide(context_.session, *context_.session.QuizRecordset);
    } catch (const RecordRemoved&) {
        return false; // another program removed it: no answer to offer
    }
    if (answer.isEmpty())
        return false;
    auto& window = Window();
    // The right answer's line is taken whatever its text, even an empty one.
    for (int line = 1; line <= window.Choices(); ++line)
        if (line != MCAnswerSlot && window.Choice(line).text().isEmpty()) {
            window.Choice(line).setText(answer);
            ReadLineTexts();
            return true;
        }
    return false;
}

void ModMC::ReadLineTexts()
{
    auto& window = Window();
    for (int line = 1; line <= window.Choices(); ++line)
        lineTexts_[static_cast<std::size_t>(line)] = blacklist_.Texts().Find(window.Choice(line).text().toStdString());
}

void ModMC::CheckMultipleChoiceAnswer()
{
    auto& window = Window();
    const auto number = ChoiceNumber(window.AnswerText());
    context_.session.AnswerCorrect = number && *number == MCAnswerSlot;
    if (context_.session.AnswerCorrect)
        window.ShowCorrect();
    else
        window.ShowIncorrect(QString::number(MCAnswerSlot));
    context_.common.RecordAnswer("MC");
}

} // namespace lumenary
