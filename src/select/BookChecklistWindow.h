// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChecklistWindow.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace lumenary {

// A run of book boxes, first to last.
using BoxRun = std::pair<int, int>;

// A group button of a book window and the runs of boxes it ticks.
struct BookGroup {
    QString name;
    QString caption;
    std::vector<BoxRun> runs;
    bool enabled = true;
};

// A checklist of the books of the Bible: the books in columns, the group
// buttons stacked down the right side above the two frames, and "&Select All",
// which runs the enabled group buttons in their order.
class BookChecklistWindow : public ChecklistWindow {
    Q_OBJECT
public:
    struct Names {
        QString selectAll;
        QString unselectAll;
    };

    BookChecklistWindow(const SelectionDesign& design, QuizContext& context, std::vector<BookGroup> groups,
                        std::initializer_list<BoxRun> columns, const Names& names);

protected:
    void SelectAll() override;

private:
    void Tick(const BookGroup& group);

    const std::vector<BookGroup> groups_;
};

} // namespace lumenary
