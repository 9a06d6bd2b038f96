// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubjectBoxWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr int SubjectRows = 12; // then another column

} // namespace

SubjectBoxWindow::SubjectBoxWindow(const SelectionDesign& design, const QString& frameTitle, QuizContext& context)
    : SelectionWindow(design, context), subjectGrid_(new QGridLayout)
{
    auto* subjects = new QGroupBox(frameTitle, this);
    subjects->setObjectName(QStringLiteral("FrameSubjects"));
    auto* subjectLayout = new QVBoxLayout(subjects);
    subjectLayout->addLayout(subjectGrid_);
    subjectLayout->addStretch();
    auto* groupButtons = new QHBoxLayout;
    auto* selectAll =
        MakeButton(QStringLiteral("CmdSelectAll"), QStringLiteral("Select &All"), [this] { TickAll(true); });
    auto* unselectAll =
        MakeButton(QStringLiteral("CmdUnselectAll"), QStringLiteral("&Unselect All"), [this] { TickAll(false); });
    SetListButtons(selectAll, unselectAll);
    groupButtons->addWidget(selectAll);
    groupButtons->addWidget(unselectAll);
    groupButtons->addStretch();
    subjectLayout->addLayout(groupButtons);

    auto* side = new QVBoxLayout;
    side->addWidget(&QuizFrame());
    side->addWidget(&OrderFrame());
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(subjects, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(&OkButton());
    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(&Instruction());
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    Instruction().setWordWrap(true);
    setMinimumWidth(540);
}

QCheckBox* SubjectBoxWindow::MakeSubjectBox(const QString& caption, int index)
{
    auto* box = new QCheckBox(caption, subjectGrid_->parentWidget());
    box->setObjectName(QStringLiteral("ChkSubject(%1)").arg(index));
    subjectGrid_->addWidget(box, index % SubjectRows, index / SubjectRows);
    return box;
}

} // namespace lumenary
