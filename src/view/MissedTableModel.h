// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MissedQuestions.h"

#include <QAbstractTableModel>

#include <map>
#include <vector>

namespace lumenary {

// The missed questions as a table: the cards of the filter are read at once,
// their rows a page at a time as the view shows them.
class MissedTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    MissedTableModel(QuestionDatabase& database, QObject* parent);

    void SetFilter(const MissedFilter& filter);
    const MissedFilter& Filter() const { return filter_; }
    const std::vector<MissedCard>& Cards() const { return cards_; }
    const MissedRow& Row(int row) const;
    // The texts of a row as shown.
    QStringList RowTexts(int row) const;
    static QStringList Headers();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QString Text(const MissedRow& row, MissedColumn column) const;

    QuestionDatabase& database_;
    MissedFilter filter_;
    std::vector<MissedCard> cards_;
    mutable std::map<int, std::vector<MissedRow>> pages_; // by page number
};

} // namespace lumenary
