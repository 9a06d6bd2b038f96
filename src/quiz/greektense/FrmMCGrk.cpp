// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmMCGrk.h"

#include "FontResolver.h"
#include "ModMCGrk.h"

#include <QLabel>

namespace lumenary {

namespace {

constexpr int FormPointSize = 18;

ChoiceWindowDesign Design()
{
    return {{QStringLiteral("FrmMCGrk"), QStringLiteral("Lumenary"), QStringLiteral("Multiple Choice"),
             {QStringLiteral("MnuProgram"), QStringLiteral("&Program"), QStringLiteral("MnuEndQuiz"),
              QStringLiteral("lineProgram"), QStringLiteral("Exit"), QStringLiteral("E&xit Lumenary")},
             QStringLiteral("Philipp Melanchthon"), QStringLiteral("(1497-1560)"), false},
            FrmMCGrk::TenseCount, true};
}

} // namespace

FrmMCGrk::FrmMCGrk(ModMCGrk& engine, QuizContext& context) : ChoiceWindow(Design(), context), engine_(engine)
{
    SubTitle().setText(QStringLiteral("Greek Principal Part Tenses"));
    Choice(0).setFont(ResolveFont("Bwgrkl", FormPointSize, true));
    for (int choice = 1; choice <= TenseCount; ++choice)
        Choice(choice).setText(QLatin1String(Tenses[choice - 1]));
    resize(780, 580); // five short lines need less room than six answers
}

void FrmMCGrk::CheckAnswer()
{
    engine_.CheckGreekTenseAnswer();
}

void FrmMCGrk::ShowProgress()
{
    engine_.ShowGreekTenseProgress();
}

void FrmMCGrk::NextQuestion()
{
    engine_.NextGreekTenseQuestion();
}

} // namespace lumenary
