// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImportText.h"

#include <QTableWidget>

class QComboBox;

namespace lumenary {

// TblPreview: the first rows of a file to import under its own column names,
// each row headed by its line in the file, and above every column a combo
// (CboColumn(i)) that says what the column holds: a field of the question,
// the subject of its row, or nothing to import. A field is held by one
// column at most: choosing it for one column clears it from another.
class ImportPreview final : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int RowsShown = 20;

    explicit ImportPreview(QWidget* parent);

    // Shows the file's first rows with the mapping its format suggests.
    void Show(const custom::ImportText& text);
    void Clear();

    QComboBox* CboColumn(int column) const;

    // Sets the mapping the combos show on `text`, a file of as many columns.
    void ApplyMapping(custom::ImportText& text) const;
    bool SubjectColumnChosen() const;

signals:
    void MappingChanged();

private:
    void Chosen(int column);

    std::vector<QComboBox*> combos_;
};

} // namespace lumenary
