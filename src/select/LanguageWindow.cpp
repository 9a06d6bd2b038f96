// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lumenary {

namespace {

QLabel* Credit(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    label->setStyleSheet(QStringLiteral("color: #555555;"));
    return label;
}

} // namespace

LanguageWindow::LanguageWindow(const SelectionDesign& design, const QString& fontCredit, QuizContext& context)
    : ChecklistWindow(design, context), fontCredit_(fontCredit)
{
}

QGridLayout* LanguageWindow::HeadedColumns(std::initializer_list<Heading> headings,
                                           std::initializer_list<std::pair<int, int>> columns)
{
    auto* grid = BoxColumns(columns, 1);
    int column = 0;
    for (const auto& heading : headings) {
        auto* label = new QLabel(QString::fromUtf8(heading.caption), this);
        label->setObjectName(QLatin1String(heading.name));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, 0, column, 1, heading.columns);
        column += heading.columns;
    }
    return grid;
}

QLayout* LanguageWindow::ThemeRows(std::initializer_list<std::pair<int, int>> rows, const ThemeButtons& buttons)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(8);
    int row = 0;
    int columns = 0;
    for (const auto& [first, last] : rows) {
        for (int index = first; index <= last; ++index)
            grid->addWidget(ThemeBox(index), row, index - first);
        columns = std::max(columns, last - first + 1);
        ++row;
    }
    // The two buttons stacked at the right of the rows.
    auto* all = MakeButton(buttons.allName, buttons.allCaption, [this] { SetAllThemes(true); });
    auto* clear = MakeButton(buttons.clearName, buttons.clearCaption, [this] { SetAllThemes(false); });
    AddThemeButton(all);
    AddThemeButton(clear);
    grid->addWidget(all, 0, columns);
    grid->addWidget(clear, 1, columns);
    grid->setColumnStretch(columns + 1, 1);
    return grid;
}

void LanguageWindow::ArrangeWithCredits(QLayout* boxes, QVBoxLayout* side, const QString& selectAllName,
                                        const QString& unselectAllName)
{
    Arrange(boxes, side, selectAllName, unselectAllName);
    auto* layout = static_cast<QVBoxLayout*>(centralWidget()->layout());
    layout->addWidget(Credit(QStringLiteral("Label4"), fontCredit_, centralWidget()));
    layout->addWidget(Credit(QStringLiteral("LblGrkCarrow"),
                             QStringLiteral("Lexical database and definitions courtesy of Carrow College."),
                             centralWidget()));
}

} // namespace lumenary
