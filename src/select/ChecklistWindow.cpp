#include "ChecklistWindow.h"

#include "SubjectCatalogue.h"

#include "WrappingCheckBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

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
    auto* middle = new QHBoxLayout;
    middle->addLayout(boxes, 1);
    middle->addSpacing(16);
    middle->addLayout(side);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MakeButton(selectAllName, QStringLiteral("&Select All"), [this] { SelectAll(); }));
    buttons->addWidget(MakeButton(unselectAllName, QStringLiteral("&Unselect All"), [this] { SetAllBoxes(false); }));
    buttons->addWidget(&OkButton());
    buttons->addStretch();

    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(&Instruction());
    layout->addLayout(middle, 1);
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
