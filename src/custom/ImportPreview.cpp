// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportPreview.h"

#include "ScriptFont.h"

#include <QComboBox>
#include <QHeaderView>

#include <algorithm>

namespace lumenary {

namespace {

// What a combo's items stand for: a Field, or these.
constexpr int NotUsed = -1;
constexpr int SubjectUse = static_cast<int>(custom::kFieldCount);
constexpr int WidestColumn = 240; // longer texts are cut short; their tooltip shows them whole

} // namespace

ImportPreview::ImportPreview(QWidget* parent) : QTableWidget(parent)
{
    setObjectName(QStringLiteral("TblPreview"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ImportPreview::Clear()
{
    clear();
    setRowCount(0);
    setColumnCount(0);
    combos_.clear();
}

void ImportPreview::Show(const custom::ImportText& text)
{
    Clear();
    const int columns = static_cast<int>(text.columns.size());
    const int rows = static_cast<int>(std::min<std::size_t>(text.rows.size(), RowsShown));
    setColumnCount(columns);
    setRowCount(rows + 1);
    QStringList columnNames;
    for (const auto& name : text.columns)
        columnNames << QString::fromStdString(name);
    setHorizontalHeaderLabels(columnNames);
    QStringList lines{QStringLiteral("Import as")};
    for (int row = 0; row < rows; ++row)
        lines << QString::number(text.rows[static_cast<std::size_t>(row)].line);
    setVerticalHeaderLabels(lines);

    for (int column = 0; column < columns; ++column) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("CboColumn(%1)").arg(column));
        combo->addItem(QStringLiteral("Not used"), NotUsed);
        for (const auto& field : custom::FieldColumns())
            combo->addItem(QString::fromUtf8(field.name.data(), static_cast<qsizetype>(field.name.size())),
                           static_cast<int>(field.field));
        combo->addItem(QStringLiteral("Subject"), SubjectUse);
        setCellWidget(0, column, combo);
        combos_.push_back(combo);
    }
    for (std::size_t field = 0; field < text.mapping.size(); ++field)
        if (const auto column = text.mapping[field])
            combos_[*column]->setCurrentIndex(combos_[*column]->findData(static_cast<int>(field)));
    if (text.subjectColumn)
        combos_[*text.subjectColumn]->setCurrentIndex(combos_[*text.subjectColumn]->findData(SubjectUse));
    for (int column = 0; column < columns; ++column)
        connect(combos_[static_cast<std::size_t>(column)], &QComboBox::currentIndexChanged, this,
                [this, column] { Chosen(column); });

    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const auto& cell = text.rows[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(column)];
            const QString value = cell ? QString::fromStdString(*cell) : QString();
            auto* item = new QTableWidgetItem(value);
            item->setFont(FontForText(value, font()));
            item->setTextAlignment(Qt::AlignVCenter | (value.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft));
            item->setToolTip(value);
            setItem(row + 1, column, item);
        }
    resizeColumnsToContents();
    resizeRowsToContents();
    for (int column = 0; column < columns; ++column)
        setColumnWidth(column, std::min(columnWidth(column), WidestColumn));
}

QComboBox* ImportPreview::CboColumn(int column) const
{
    return column >= 0 && column < static_cast<int>(combos_.size()) ? combos_[static_cast<std::size_t>(column)]
                                                                    : nullptr;
}

void ImportPreview::Chosen(int column)
{
    const int use = combos_[static_cast<std::size_t>(column)]->currentData().toInt();
    if (use != NotUsed)
        for (std::size_t other = 0; other < combos_.size(); ++other)
            if (static_cast<int>(other) != column && combos_[other]->currentData().toInt() == use)
                combos_[other]->setCurrentIndex(combos_[other]->findData(NotUsed));
    emit MappingChanged();
}

void ImportPreview::ApplyMapping(custom::ImportText& text) const
{
    text.mapping = {};
    text.subjectColumn.reset();
    for (std::size_t column = 0; column < combos_.size(); ++column) {
        const int use = combos_[column]->currentData().toInt();
        if (use == SubjectUse)
            text.subjectColumn = column;
        else if (use != NotUsed)
            text.mapping[static_cast<std::size_t>(use)] = column;
    }
}

bool ImportPreview::SubjectColumnChosen() const
{
    return std::ranges::any_of(combos_, [](const QComboBox* combo) { return combo->currentData().toInt() == SubjectUse; });
}

} // namespace lumenary
