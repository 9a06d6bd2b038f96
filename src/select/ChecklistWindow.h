// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SelectionWindow.h"

#include <initializer_list>
#include <map>
#include <utility>

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;

namespace lumenary {

namespace catalogue {
struct ChecklistWindow;
}

// A selection window that narrows its module by ticked boxes, as the
// catalogue lists them for the window of the same name.
class ChecklistWindow : public SelectionWindow {
    Q_OBJECT
public:
    ChecklistWindow(const SelectionDesign& design, QuizContext& context);

    QCheckBox* Box(int index) const;
    // A box of the catalogue's theme boxes (stems, tenses); nullptr when the
    // window has none of that index.
    QCheckBox* ThemeBox(int index) const;
    // Ticks the boxes first to last; a group button never clears a box.
    void TickBoxes(int first, int last);
    void SetAllBoxes(bool ticked);
    void SetAllThemes(bool ticked);

protected:
    // "&Select All": ticks every enabled box unless the window says otherwise.
    virtual void SelectAll() { SetAllBoxes(true); }
    // A ticked box counts only when it adds a term to the filter, so a
    // selection that adds nothing stops like an empty one.
    bool CheckSelection() override;
    std::string BuildFilter() override;
    // The title, the ticked boxes' captions and the cleared theme boxes'.
    std::string DescribeSelection() const override;

    // The boxes in columns, each a run first..last from top to bottom,
    // starting at the grid row given.
    QGridLayout* BoxColumns(std::initializer_list<std::pair<int, int>> columns, int firstRow = 0);
    // The window's arrangement: the prompt along the top, the boxes with the
    // side column (group buttons and frames) to their right, and "&Select All",
    // "&Unselect All" and "&OK" in a row along the bottom.
    void Arrange(QLayout* boxes, QVBoxLayout* side, const QString& selectAllName, const QString& unselectAllName);

    // A theme box's button (all themes, clear themes): Tab visits it with the theme boxes.
    void AddThemeButton(QPushButton* button) { themeButtons_.push_back(button); }
    // The boxes, then the group buttons, then the theme boxes and their buttons.
    int TabGroup(const QWidget* control) const override;

    bool AnySelected = false;

private:
    // Moves the quiz-type and order frames out of the side column when they
    // fit better elsewhere; returns the row to put under the boxes, if any.
    QHBoxLayout* PlaceFrames(QLayout& boxes, QVBoxLayout& side);

    const catalogue::ChecklistWindow& list_;
    std::map<int, QCheckBox*> boxes_;
    std::map<int, QCheckBox*> themeBoxes_; // ticked at opening
    std::vector<QPushButton*> themeButtons_;
};

} // namespace lumenary
