// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmNTUnits.h"

#include "QuizContext.h"
#include "QuizHost.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

struct UnitGroup {
    const char* caption;
    int lastUnit; // the group ticks units 1 to this
};

constexpr UnitGroup UnitGroups[] = {
    {"Quiz 1:  Units 1 - 2", 2},  {"Quiz 2:  Units 1 - 4", 4},  {"Quiz 4:  Units 1 - 5", 5},
    {"Quiz 5:  Units 1 - 7", 7},  {"Quiz 6:  Units 1 - 10", 10}, {"Test 3:  Units 1 - 13", 13},
};

} // namespace

FrmNTUnits::FrmNTUnits(QuizContext& context)
    : ChecklistWindow({QStringLiteral("FrmNTUnits"), QStringLiteral("Carrow New Testament Chapter Content"),
                       QStringLiteral("LblInstructions"), QStringLiteral("Select the units to include in your quiz"),
                       {0, 1, 2, 3}, QStringLiteral("FrameOrder"),
                       {QStringLiteral("Event To Reference"), QStringLiteral("Reference To Event")}, 0},
                      context)
{
    auto* units = BoxColumns({{1, 7}, {8, 13}});

    auto* side = new QVBoxLayout;
    for (int index = 1; index <= 6; ++index)
        side->addWidget(MakeButton(QStringLiteral("CmdUnits(%1)").arg(index), QString::fromUtf8(UnitGroups[index - 1].caption),
                                   [this, index] { CmdUnits_Click(index); }));
    side->addSpacing(8);
    side->addWidget(&QuizFrame());
    side->addWidget(&OrderFrame());
    side->addStretch();

    Arrange(units, side, QStringLiteral("CmdSelectAll"), QStringLiteral("CmdUnselectAll"));
}

void FrmNTUnits::CmdUnits_Click(int index)
{
    TickBoxes(1, UnitGroups[index - 1].lastUnit);
}

void FrmNTUnits::OptQuiz_Click(int index)
{
    CoupleDirectionToQuizType(index);
}

void FrmNTUnits::Form_Unload()
{
    Context().host.ShowMainWindow();
}

} // namespace lumenary
