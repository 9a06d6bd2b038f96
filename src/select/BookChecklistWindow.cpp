// SPDX-License-Identifier: GPL-3.0-or-later
#include "BookChecklistWindow.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

BookChecklistWindow::BookChecklistWindow(const SelectionDesign& design, QuizContext& context,
                                         std::vector<BookGroup> groups, std::initializer_list<BoxRun> columns,
                                         const Names& names)
    : ChecklistWindow(design, context), groups_(std::move(groups))
{
    auto* side = new QVBoxLayout;
    for (const auto& group : groups_) {
        auto* button = MakeButton(group.name, group.caption, [this, &group] { Tick(group); });
        button->setEnabled(group.enabled);
        side->addWidget(button);
    }
    side->addSpacing(8);
    side->addWidget(&QuizFrame());
    side->addWidget(&OrderFrame());
    side->addStretch();

    Arrange(BoxColumns(columns), side, names.selectAll, names.unselectAll);
}

void BookChecklistWindow::SelectAll()
{
    for (const auto& group : groups_)
        if (group.enabled)
            Tick(group);
}

void BookChecklistWindow::Tick(const BookGroup& group)
{
    for (const auto& [first, last] : group.runs)
        TickBoxes(first, last);
}

} // namespace lumenary
