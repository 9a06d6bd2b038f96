// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CustomChanges.h"

#include <QAbstractTableModel>

#include <optional>
#include <string>
#include <vector>

namespace lumenary {

struct Session;

// The questions of one of the user's subjects as a table: Part A, French,
// Part B, Unit, Book, Chapter, Theme. Every edit is written at once, in a
// transaction of its own; one that breaks a rule is refused and the cell
// keeps its old value. A row added stays here, unsaved, until it has Part A
// and Part B, then becomes a question under the next free ID.
class CustomQuestionModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    CustomQuestionModel(Session& session, QObject* parent);

    // Shows the subject's questions; none for an empty name.
    void ShowSubject(const std::string& subject);
    const std::string& Subject() const { return subject_; }

    // The new row at the bottom, made if there is none; returns its row.
    int AddRow();
    // Deletes the question of a row, or drops the new row.
    void DeleteRow(int row);
    bool IsNewRow(int row) const { return newRow_ && row == static_cast<int>(questions_.size()); }
    // The new row's number when it holds something that is not saved yet.
    std::optional<int> UnsavedRow() const;

    custom::Field FieldAt(int column) const;
    // The column of Part A, where a new row is begun.
    static int PartAColumn() { return 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // What the last edit came to, in words for the line under the table;
    // empty when there is nothing to say.
    void Told(const QString& message);
    // An edit refused, and why.
    void Refused(const QString& message);

private:
    const custom::FieldValues& ValuesAt(int row) const;
    // Writes a cell of a saved question; throws CustomDataError.
    void ChangeSaved(int row, custom::Field field, const std::optional<std::string>& value);
    // Fills a cell of the new row, and saves the row once it is whole.
    void FillNewRow(int row, custom::Field field, const std::optional<std::string>& value);

    Session& session_;
    std::string subject_;
    std::vector<custom::OwnQuestion> questions_;
    std::optional<custom::FieldValues> newRow_;
};

} // namespace lumenary
