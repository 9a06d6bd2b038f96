// SPDX-License-Identifier: GPL-3.0-or-later
#include "MissedTableModel.h"

#include "ScriptFont.h"
#include "StudyDay.h"
#include "SubjectWords.h"

#include <QApplication>

#include <algorithm>

namespace lumenary {

namespace {

constexpr int PageRows = 128;

} // namespace

MissedTableModel::MissedTableModel(QuestionDatabase& database, QObject* parent)
    : QAbstractTableModel(parent), database_(database)
{
}

void MissedTableModel::SetFilter(const MissedFilter& filter)
{
    beginResetModel();
    filter_ = filter;
    cards_ = MissedCards(database_, filter_);
    pages_.clear();
    endResetModel();
}

const MissedRow& MissedTableModel::Row(int row) const
{
    const int page = row / PageRows;
    auto found = pages_.find(page);
    if (found == pages_.end()) {
        const auto first = cards_.begin() + page * PageRows;
        const auto last = std::min(first + PageRows, cards_.end());
        found = pages_.emplace(page, MissedRows(database_, std::span(first, last))).first;
    }
    return found->second[static_cast<std::size_t>(row % PageRows)];
}

QString MissedTableModel::Text(const MissedRow& row, MissedColumn column) const
{
    switch (column) {
    case MissedColumn::Subject: return QString::fromStdString(row.subject);
    case MissedColumn::Question: return QString::fromStdString(row.question);
    case MissedColumn::Answer: return QString::fromStdString(row.answer);
    case MissedColumn::Way: return WayText(row.subject, row.card.way);
    case MissedColumn::Misses: return QString::number(row.misses);
    case MissedColumn::LastMissed: return QString::fromStdString(LocalMinuteText(row.lastMissed));
    case MissedColumn::NextDue: return QString::fromStdString(row.nextDue);
    }
    return {};
}

QStringList MissedTableModel::RowTexts(int row) const
{
    QStringList texts;
    for (int column = 0; column < MissedColumnCount; ++column)
        texts << Text(Row(row), static_cast<MissedColumn>(column));
    return texts;
}

QStringList MissedTableModel::Headers()
{
    return {QStringLiteral("Subject"), QStringLiteral("Question"),    QStringLiteral("Answer"),  QStringLiteral("Way"),
            QStringLiteral("Misses"),  QStringLiteral("Last Missed"), QStringLiteral("Next Due")};
}

int MissedTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(cards_.size());
}

int MissedTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : MissedColumnCount;
}

QVariant MissedTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto column = static_cast<MissedColumn>(index.column());
    const bool languageText = column == MissedColumn::Question || column == MissedColumn::Answer;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return Text(Row(index.row()), column);
    case Qt::FontRole:
        if (languageText)
            if (const QString text = Text(Row(index.row()), column); ScriptOf(text) != Script::Other)
                return FontForText(text, QApplication::font());
        return {};
    case Qt::TextAlignmentRole:
        if (column == MissedColumn::Misses)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (languageText && ReadsRightToLeft(Text(Row(index.row()), column)))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant MissedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= MissedColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return Headers()[section];
}

void MissedTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= MissedColumnCount)
        return;
    MissedFilter sorted = filter_;
    sorted.sortBy = static_cast<MissedColumn>(column);
    sorted.descending = order == Qt::DescendingOrder;
    if (sorted.sortBy != filter_.sortBy || sorted.descending != filter_.descending)
        SetFilter(sorted);
}

} // namespace lumenary
