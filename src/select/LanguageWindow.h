// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChecklistWindow.h"

class QHBoxLayout;
class QLayout;

namespace lumenary {

// A selection window of the Greek and Hebrew modules: its unit boxes under
// column headings, theme boxes (verb stems or tenses) with the buttons that
// tick and clear them all, and the credits for the fonts and the lexical
// data along the bottom. The direction options have no handler here.
class LanguageWindow : public ChecklistWindow {
    Q_OBJECT
public:
    // fontCredit: the Label4 notice naming the fonts this window shows.
    LanguageWindow(const SelectionDesign& design, const QString& fontCredit, QuizContext& context);

protected:
    struct Heading {
        const char* name;
        const char* caption;
        int columns; // how many box columns it heads
    };

    // The boxes in columns (each a run first..last) under their headings.
    QGridLayout* HeadedColumns(std::initializer_list<Heading> headings,
                               std::initializer_list<std::pair<int, int>> columns);

    struct ThemeButtons {
        QString allName;
        QString allCaption;
        QString clearName;
        QString clearCaption;
    };
    // The theme boxes in rows (each a run first..last; at least two rows),
    // with the buttons that tick them all and clear them all at their right.
    QLayout* ThemeRows(std::initializer_list<std::pair<int, int>> rows, const ThemeButtons& buttons);

    // The checklist arrangement with the credits below it.
    void ArrangeWithCredits(QLayout* boxes, QVBoxLayout* side, const QString& selectAllName,
                            const QString& unselectAllName);

    void OptFlip_Click(int) override {}

private:
    QString fontCredit_;
};

} // namespace lumenary
