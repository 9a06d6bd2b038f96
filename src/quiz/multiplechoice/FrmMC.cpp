// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmMC.h"

#include "FontResolver.h"
#include "ModMC.h"
#include "QuizContext.h"
#include "Session.h"

#include <QLabel>

namespace lumenary {

namespace {

constexpr int QuestionFontIncrement = 2;

ChoiceWindowDesign Design()
{
    return {{QStringLiteral("FrmMC"), QStringLiteral("Lumenary"), QStringLiteral("Multiple Choice"),
             {QStringLiteral("MnuProgram"), QStringLiteral("&Program"), QStringLiteral("MnuEndQuiz"),
              QStringLiteral("lineProgram"), QStringLiteral("Exit"), QStringLiteral("E&xit Lumenary")},
             QStringLiteral("Martin Luther"), QStringLiteral("(1483-1546)"), false},
            6, false};
}

} // namespace

FrmMC::FrmMC(ModMC& engine, QuizContext& context) : ChoiceWindow(Design(), context), engine_(engine)
{
    Form_Load();
}

void FrmMC::Form_Load()
{
    SetQuizFonts();
    SubTitle().setText(QString::fromStdString(FieldText(Context().session.QuizRecordset->Field("Module"))));
}

void FrmMC::SetQuizFonts()
{
    const auto& session = Context().session;
    Choice(0).setFont(ResolveFont(session.QuestionFontName, session.QuestionFontSize + QuestionFontIncrement, true));
    for (int line = 1; line <= Choices(); ++line)
        Choice(line).setFont(ResolveFont(session.AnswerFontName, session.AnswerFontSize, true));
}

void FrmMC::CheckAnswer()
{
    engine_.CheckMultipleChoiceAnswer();
}

void FrmMC::NextQuestion()
{
    engine_.NextMultipleChoiceQuestion();
}

} // namespace lumenary
