// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmSysTheo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

FrmSysTheo::FrmSysTheo(QuizContext& context)
    : ChecklistWindow({QStringLiteral("FrmSysTheo"), QStringLiteral("Systematic Theology"), QStringLiteral("Label1"),
                       QStringLiteral("Select the units to include in your quiz"), {0, 1, 2}, QStringLiteral("Frame1"),
                       {QStringLiteral("Theme to Reference"), QStringLiteral("Reference to Theme")}, 1},
                      context)
{
    auto* units = BoxColumns({{1, 5}, {6, 10}});

    auto* side = new QVBoxLayout;
    side->addWidget(MakeButton(QStringLiteral("CmdUnits(1)"), QStringLiteral("1st Semester"), [this] { TickBoxes(1, 5); }));
    side->addWidget(MakeButton(QStringLiteral("CmdUnits(2)"), QStringLiteral("2nd Semester"), [this] { TickBoxes(6, 10); }));
    side->addSpacing(8);
    side->addWidget(&OrderFrame());
    side->addWidget(&QuizFrame());
    side->addStretch();

    Arrange(units, side, QStringLiteral("CmdSTSelectAll"), QStringLiteral("CmdSTUnselectAll"));
}

} // namespace lumenary
