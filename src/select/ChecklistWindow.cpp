// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChecklistWindow.h"

#include "SubjectCatalogue.h"

#include "WrappingCheckBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>

namespace lumenary {

namespace {

const catalogue::ChecklistWindow& ListFor(const QString& windowName)
{
    const auto* list = catalogue::FindChecklistWindow(windowName.toStdString());
    if (!list)
        throw std::logic_error("no checklist for " + windowName.toStdString());
    return *list;
}

} // namespace

ChecklistWindow::ChecklistWindow(const SelectionDesign& design, QuizContext& context)
    : SelectionWindow(design, context), list_(ListFor(design.objectName))
{
    const QString control = QString::fromUtf8(list_.boxControl);
    for (const auto& box : list_.boxes) {
        auto* check = new WrappingCheckBox(QString::fromStdString(box.caption), this);
        check->setObjectName(QStringLiteral("%1(%2)").arg(control).arg(box.index));
        check->setEnabled(box.enabled);
        boxes_[box.index] = check;
    }
    const QString themeControl = QString::fromUtf8(list_.themeControl);
    for (const auto& theme : list_.themeBoxes) {
        auto* check = new QCheckBox(QString::fromUtf8(theme.caption), this);
        check->setObjectName(QStringLiteral("%1(%2)").arg(themeControl).arg(theme.index));
        check->setChecked(true);
        themeBoxes_[theme.index] = check;
    }
}

QCheckBox* ChecklistWindow::Box(int index) const
{
    const auto found = boxes_.find(index);
    return found == boxes_.end() ? nullptr : found->second;
}

QCheckBox* ChecklistWindow::ThemeBox(int index) const
{
    const auto found = themeBoxes_.find(index);
    return found == themeBoxes_.end() ? nullptr : found->second;
}

void ChecklistWindow::TickBoxes(int first, int last)
{
    for (int index = first; index <= last; ++index)
        if (auto* box = Box(index); box && box->isEnabled())
            box->setChecked(true);
}

void ChecklistWindow::SetAllBoxes(bool ticked)
{
    for (const auto& [index, box] : boxes_)
        if (box->isEnabled())
            box->setChecked(ticked);
}

void ChecklistWindow::SetAllThemes(bool ticked)
{
    for (const auto& [index, box] : themeBoxes_)
        box->setChecked(ticked);
}

bool ChecklistWindow::CheckSelection()
{
    AnySelected = false;
    for (const auto& [index, box] : boxes_)
        if (box->isChecked() && !std::holds_alternative<std::monostate>(list_.Box(index).term))
            AnySelected = true;
    return AnySelected;
}

std::string ChecklistWindow::BuildFilter()
{
    std::vector<int> ticked;
    for (const auto& [index, box] : boxes_)
        if (box->isChecked())
            ticked.push_back(index);
    std::vector<int> clearedThemes;
    for (const auto& [index, box] : themeBoxes_)
        if (!box->isChecked())
            clearedThemes.push_back(index);
    return catalogue::ChecklistFilter(list_, ticked, clearedThemes).value_or(std::string());
}

int ChecklistWindow::TabGroup(const QWidget* control) const
{
    const auto holds = [control](const auto& boxes) {
        return std::ranges::any_of(boxes, [control](const auto& entry) { return entry.second == control; });
    };
    if (holds(boxes_))
        return 0;
    if (holds(themeBoxes_) || std::ranges::count(themeButtons_, control) != 0)
        return 2;
    return 1;
}

QHBoxLayout* ChecklistWindow::PlaceFrames(QLayout& boxes, QVBoxLayout& side)
{
    std::vector<QWidget*> frames;
    for (QWidget* frame : {static_cast<QWidget*>(&QuizFrame()), static_cast<QWidget*>(&OrderFrame())})
        if (side.indexOf(frame) >= 0)
            frames.push_back(frame);
    if (frames.empty())
        return nullptr;
    std::ranges::sort(frames, {}, [&side](QWidget* frame) { return side.indexOf(frame); });

    // Three places for the quiz-type and order frames: stacked in the side
    // column, side by side in it, or side by side under the boxes. Each window
    // takes the one that leaves the least blank beside its boxes.
    int stacked = 0;
    int tallest = 0;
    for (const QWidget* frame : frames) {
        stacked += frame->sizeHint().height() + side.spacing();
        tallest = std::max(tallest, frame->sizeHint().height());
    }
    const int boxesHeight = boxes.sizeHint().height();
    const int buttonsHeight = side.sizeHint().height() - stacked;
    // Measured before the window is polished: measure again once it is.
    boxes.invalidate();
    side.invalidate();
    const int blankStacked = std::abs(boxesHeight - buttonsHeight - stacked);
    const int blankSideBySide = std::abs(boxesHeight - buttonsHeight - tallest);
    const int blankBelow = std::abs(boxesHeight - buttonsHeight);
    if (blankStacked <= std::min(blankSideBySide, blankBelow))
        return nullptr;

    const int place = side.indexOf(frames.front());
    auto* row = new QHBoxLayout;
    for (QWidget* frame : frames) {
        side.removeWidget(frame);
        row->addWidget(frame, 0, Qt::AlignTop);
    }
    if (blankSideBySide <= blankBelow) {
        side.insertLayout(place, row);
        return nullptr;
    }
    row->addStretch();
    return row;
}

std::string ChecklistWindow::DescribeSelection() const
{
    const auto captions = [](const std::map<int, QCheckBox*>& boxes, bool ticked) {
        QStringList texts;
        for (const auto& [index, box] : boxes)
            if (box->isChecked() == ticked)
                texts << box->text().remove(QLatin1Char('&')).simplified();
        return texts.join(QStringLiteral(", "));
    };
    QString words = windowTitle() + QStringLiteral(": ") + captions(boxes_, true);
    if (const QString left = captions(themeBoxes_, false); !left.isEmpty())
        words += QStringLiteral(" without ") + left;
    return words.toStdString();
}

void ChecklistWindow::Arrange(QLayout* boxes, QVBoxLayout* side, const QString& selectAllName,
                              const QString& unselectAllName)
{
    QHBoxLayout* framesBelow = PlaceFrames(*boxes, *side);
    auto* middle = new QHBoxLayout;
    middle->addLayout(boxes, 1);
    middle->addSpacing(16);
    middle->addLayout(side);

    auto* selectAll = MakeButton(selectAllName, QStringLiteral("&Select All"), [this] { SelectAll(); });
    auto* unselectAll = MakeButton(unselectAllName, QStringLiteral("&Unselect All"), [this] { SetAllBoxes(false); });
    SetListButtons(selectAll, unselectAll);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addWidget(unselectAll);
    buttons->addWidget(&OkButton());
    buttons->addStretch();

    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(&Instruction());
    layout->addLayout(middle, 1);
    if (framesBelow)
        layout->addLayout(framesBelow);
    layout->addLayout(buttons);
}

QGridLayout* ChecklistWindow::BoxColumns(std::initializer_list<std::pair<int, int>> columns, int firstRow)
{
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(11);
    grid->setHorizontalSpacing(24);
    int rows = 0;
    int column = 0;
    for (const auto& [first, last] : columns) {
        for (int index = first; index <= last; ++index)
            grid->addWidget(Box(index), firstRow + index - first, column);
        rows = std::max(rows, firstRow + last - first + 1);
        ++column;
    }
    grid->setRowStretch(rows, 1);
    return grid;
}

} // namespace lumenary
