// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrincipalPartsWindow.h"

#include "GreekWordList.h"
#include "ModLanguages.h"
#include "PrincipalPartWords.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

using VerbList = PrincipalPartsWindow::VerbList;
using Drill = PrincipalPartsWindow::Drill;

std::span<const catalogue::ListedVerb> Verbs(VerbList list)
{
    return list == VerbList::Elementary ? catalogue::ElementaryVerbs() : catalogue::IrregularVerbs();
}

SelectionDesign Design(const QString& objectName, const QString& title, Drill drill)
{
    SelectionDesign design{.objectName = objectName,
                           .title = title,
                           .instructionName = QStringLiteral("Label1"),
                           .instruction = QStringLiteral("Select the Greek units to include in your quiz"),
                           .quizOptions = {0, 1, 2},
                           .orderFrameName = QStringLiteral("FrameOrder"),
                           .orderCaptions = {},
                           .initialOrder = 0,
                           .englishFontsAtLoad = false};
    if (drill == Drill::Vocabulary)
        design.orderCaptions = {QStringLiteral("Infinitive to Conjugation"), QStringLiteral("Conjugation to Infinitive")};
    return design;
}

// The three sections: boxes 1 to 14, 15 to 28, and 29 to the last, each
// captioned with the numbers its first and last verbs are listed under.
struct Section {
    const char* name;
    int first;
    int last;
};

} // namespace

PrincipalPartsWindow::PrincipalPartsWindow(const QString& objectName, const QString& title, VerbList list,
                                           Drill drill, QuizContext& context)
    : LanguageWindow(Design(objectName, title, drill),
                     QStringLiteral("Greek is shown in Gentium Plus, a font by SIL International, "
                                    "under the SIL Open Font License."),
                     context),
      list_(list),
      drill_(drill)
{
    OptQuiz(2)->setChecked(true);
    const auto verbs = Verbs(list);
    const int last = static_cast<int>(verbs.size());
    auto* boxes = list == VerbList::Elementary ? BoxColumns({{1, 11}, {12, 22}, {23, 33}, {34, 43}})
                                                : BoxColumns({{1, 11}, {12, 22}, {23, 33}});
    auto* left = new QVBoxLayout;
    left->addLayout(boxes);
    if (drill == Drill::Vocabulary) {
        left->addSpacing(10);
        left->addLayout(ThemeRows({{0, 2}, {3, 4}}, {QStringLiteral("CmdGreekTensesAll"), QStringLiteral("&All Tenses"),
                                                     QStringLiteral("CmdGreekTensesClear"),
                                                     QStringLiteral("&Clear Tenses")}));
    }
    left->addStretch();

    auto* side = new QVBoxLayout;
    for (const Section& section : {Section{"CmdSectionOne", 1, 14}, Section{"CmdSectionTwo", 15, 28},
                                   Section{"CmdSectionThree", 29, last}}) {
        const QString caption = QStringLiteral("%1 - %2")
                                    .arg(verbs[static_cast<std::size_t>(section.first - 1)].number)
                                    .arg(verbs[static_cast<std::size_t>(section.last - 1)].number);
        side->addWidget(MakeButton(QLatin1String(section.name), caption,
                                   [this, section] { TickBoxes(section.first, section.last); }));
    }
    side->addWidget(MakeButton(QStringLiteral("CmdShowGrk"), QStringLiteral("Show Greek Words"),
                               [this] { CmdShowGrk_Click(); }));
    side->addSpacing(8);
    side->addWidget(&QuizFrame());
    if (drill == Drill::Vocabulary)
        side->addWidget(&OrderFrame());
    side->addStretch();

    ArrangeWithCredits(left, side, QStringLiteral("CmdSelectAll"), QStringLiteral("CmdUnselectAll"));
}

void PrincipalPartsWindow::CmdShowGrk_Click()
{
    auto& windows = Context().windows;
    QWidget& words = list_ == VerbList::Elementary ? static_cast<QWidget&>(windows.Get<FrmGrkEPP>())
                                                    : static_cast<QWidget&>(windows.Get<FrmGrkIPP>());
    words.show();
    words.raise();
}

void PrincipalPartsWindow::RecordChoices()
{
    // The tense drill reads neither a quiz type, nor a direction, nor fonts.
    if (drill_ == Drill::Vocabulary)
        LanguageWindow::RecordChoices();
}

void PrincipalPartsWindow::SetQuizFonts()
{
    Context().languages.SetGreekToGreekFonts();
}

void PrincipalPartsWindow::StartQuiz()
{
    if (drill_ == Drill::Vocabulary) {
        LanguageWindow::StartQuiz();
        return;
    }
    Unload();
    auto& host = Context().host;
    host.QuizSelected();
    if (Context().session.PoolReady)
        host.StartGreekTenseQuiz();
    else
        host.ShowMainWindow();
}

FrmGreekPPET::FrmGreekPPET(QuizContext& context)
    : PrincipalPartsWindow(QStringLiteral("FrmGreekPPET"), QStringLiteral("Carrow Greek Elementary Principal Part Tenses"),
                           VerbList::Elementary, Drill::Tenses, context)
{
}

FrmGreekPPIT::FrmGreekPPIT(QuizContext& context)
    : PrincipalPartsWindow(QStringLiteral("FrmGreekPPIT"), QStringLiteral("Carrow Greek Irregular Principal Part Tenses"),
                           VerbList::Irregular, Drill::Tenses, context)
{
}

FrmGreekPPEV::FrmGreekPPEV(QuizContext& context)
    : PrincipalPartsWindow(QStringLiteral("FrmGreekPPEV"), QStringLiteral("Carrow Greek Elementary Principal Parts"),
                           VerbList::Elementary, Drill::Vocabulary, context)
{
}

FrmGreekPPIV::FrmGreekPPIV(QuizContext& context)
    : PrincipalPartsWindow(QStringLiteral("FrmGreekPPIV"), QStringLiteral("Carrow Greek Irregular Principal Parts"),
                           VerbList::Irregular, Drill::Vocabulary, context)
{
}

} // namespace lumenary
