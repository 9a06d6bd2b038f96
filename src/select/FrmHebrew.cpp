// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmHebrew.h"

#include "ModLanguages.h"
#include "QuizContext.h"
#include "Session.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumenary {

FrmHebrew::FrmHebrew(QuizContext& context)
    : LanguageWindow({.objectName = QStringLiteral("FrmHebrew"),
                      .title = QStringLiteral("Carrow Hebrew Vocabulary"),
                      .instructionName = QStringLiteral("Label1"),
                      .instruction = QStringLiteral("Select the Hebrew units to include in your quiz"),
                      .quizOptions = {0, 1, 2},
                      .orderFrameName = QStringLiteral("FrameOrder"),
                      .orderCaptions = {QStringLiteral("English to Hebrew"), QStringLiteral("Hebrew to English"),
                                        QStringLiteral("French to Hebrew"), QStringLiteral("Hebrew to French")},
                      .initialOrder = 1,
                      .okName = QStringLiteral("CmdHebOK"),
                      .englishFontsAtLoad = false},
                     QStringLiteral("Hebrew is shown in Ezra SIL, a font by SIL International, "
                                    "under the SIL Open Font License."),
                     context)
{
    auto* units = HeadedColumns({{"LblF", "Function Words", 1}, {"LblV", "Verbs", 2}, {"LblN", "Nouns / Adjectives", 2}},
                                {{0, 6}, {7, 14}, {15, 22}, {23, 31}, {32, 40}});
    auto* left = new QVBoxLayout;
    left->addLayout(units);
    left->addSpacing(10);
    left->addLayout(ThemeRows({{0, 3}, {4, 6}}, {QStringLiteral("CmdHebThemesAll"), QStringLiteral("&All Themes"),
                                                 QStringLiteral("CmdHebThemesClear"), QStringLiteral("&Clear Themes")}));
    left->addStretch();

    auto* side = new QVBoxLayout;
    side->addWidget(MakeButton(QStringLiteral("CmdHebFunctionWords"), QStringLiteral("&Function Words"),
                               [this] { TickBoxes(0, 6); }));
    side->addWidget(MakeButton(QStringLiteral("CmdHebVerbs"), QStringLiteral("&Verbs"), [this] { TickBoxes(7, 22); }));
    side->addWidget(MakeButton(QStringLiteral("CmdHebNouns"), QStringLiteral("&Nouns / Adjectives"),
                               [this] { TickBoxes(23, 40); }));
    side->addWidget(MakeButton(QStringLiteral("CmdHebFirstSemester"), QStringLiteral("&1st Semester"),
                               [this] { CmdHebFirstSemester_Click(); }));
    side->addWidget(MakeButton(QStringLiteral("CmdHebSecondSemester"), QStringLiteral("&2nd Semester"),
                               [this] { CmdHebSecondSemester_Click(); }));
    side->addWidget(MakeButton(QStringLiteral("CmdHebThirdSemester"), QStringLiteral("&3rd Semester"),
                               [this] { CmdHebThirdSemester_Click(); }));
    side->addSpacing(8);
    side->addWidget(&QuizFrame());
    side->addWidget(&OrderFrame());
    side->addStretch();

    ArrangeWithCredits(left, side, QStringLiteral("CmdHebSelectAll"), QStringLiteral("CmdHebUnselectAll"));
}

void FrmHebrew::CmdHebFirstSemester_Click()
{
    TickBoxes(0, 13);
    TickBoxes(23, 29);
}

void FrmHebrew::CmdHebSecondSemester_Click()
{
    TickBoxes(14, 16);
    TickBoxes(30, 34);
}

void FrmHebrew::CmdHebThirdSemester_Click()
{
    TickBoxes(6, 6); // the last function words close the third semester too
    TickBoxes(17, 22);
    TickBoxes(35, 40);
}

void FrmHebrew::RecordDirection()
{
    // The Hebrew side is the question in the second and fourth directions.
    Context().session.Flip = OptFlip(1)->isChecked() || OptFlip(3)->isChecked();
}

void FrmHebrew::SetQuizFonts()
{
    auto& languages = Context().languages;
    if (OptFlip(0)->isChecked())
        languages.SetEnglishToHebrewFonts();
    else if (OptFlip(1)->isChecked())
        languages.SetHebrewToEnglishFonts();
    else if (OptFlip(2)->isChecked())
        languages.SetFrenchToHebrewFonts();
    else if (OptFlip(3)->isChecked())
        languages.SetHebrewToFrenchFonts();
}

} // namespace lumenary
