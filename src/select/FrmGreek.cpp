// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmGreek.h"

#include "ModLanguages.h"
#include "QuizContext.h"
#include "QuizHost.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumenary {

FrmGreek::FrmGreek(QuizContext& context)
    : LanguageWindow({.objectName = QStringLiteral("FrmGreek"),
                      .title = QStringLiteral("Carrow Greek Vocabulary"),
                      .instructionName = QStringLiteral("Label1"),
                      .instruction = QStringLiteral("Select the Greek units to include in your quiz"),
                      .quizOptions = {0, 1, 2},
                      .orderFrameName = QStringLiteral("Frame1"),
                      .orderCaptions = {QStringLiteral("English to Greek"), QStringLiteral("Greek to English")},
                      .initialOrder = 1,
                      .okName = QStringLiteral("CmdGrkOK"),
                      .englishFontsAtLoad = false},
                     QStringLiteral("Greek is shown in Gentium Plus, a font by SIL International, "
                                    "under the SIL Open Font License."),
                     context)
{
    OptQuiz(2)->setChecked(true);
    auto* units = HeadedColumns({{"LblF", "Function Words", 1}, {"LblV", "Verbs", 1}, {"LblN", "Nouns / Adjectives", 1}},
                                {{0, 2}, {3, 10}, {11, 18}});

    auto* side = new QVBoxLayout;
    side->addWidget(MakeButton(QStringLiteral("CmdGrkFunctionWords"), QStringLiteral("&Function Words"),
                               [this] { TickBoxes(0, 2); }));
    side->addWidget(MakeButton(QStringLiteral("CmdGrkVerbs"), QStringLiteral("&Verbs"), [this] { TickBoxes(3, 10); }));
    side->addWidget(MakeButton(QStringLiteral("CmdGrkNouns"), QStringLiteral("&Nouns / Adjectives"),
                               [this] { TickBoxes(11, 18); }));
    side->addWidget(MakeButton(QStringLiteral("CmdGrkFirstSemester"), QStringLiteral("1st S&emester ( >=42x )"),
                               [this] { CmdGrkFirstSemester_Click(); }));
    side->addWidget(MakeButton(QStringLiteral("CmdGrkSecondSemester"), QStringLiteral("2nd Se&mester ( >=25x )"),
                               [this] { CmdGrkSecondSemester_Click(); }));
    side->addSpacing(8);
    side->addWidget(&QuizFrame());
    side->addWidget(&OrderFrame());
    side->addStretch();

    ArrangeWithCredits(units, side, QStringLiteral("CmdGrkSelectAll"), QStringLiteral("CmdGrkUnselectAll"));
}

void FrmGreek::CmdGrkFirstSemester_Click()
{
    TickBoxes(0, 5);
    TickBoxes(11, 14);
}

void FrmGreek::CmdGrkSecondSemester_Click()
{
    TickBoxes(6, 10);
    TickBoxes(15, 18);
}

void FrmGreek::SetQuizFonts()
{
    if (OptFlip(0)->isChecked())
        Context().languages.SetEnglishToGreekFonts();
    else
        Context().languages.SetGreekToEnglishFonts();
}

void FrmGreek::StartQuiz()
{
    Context().host.BeginQuiz();
    Unload();
}

} // namespace lumenary
