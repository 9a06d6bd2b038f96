// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TransferWindow.h"

#include <optional>

class QComboBox;
class QRadioButton;

namespace lumenary {

class ImportPreview;

// "Import Custom Data": a file of questions, shown in its first rows with
// what each column holds, brought into one of the user's subjects (or into
// the subjects a column names), all rows or none.
class FrmImport final : public TransferWindow {
    Q_OBJECT
public:
    FrmImport(Session& session, Prompter& prompter, WindowRegistry& windows);

protected:
    void Browse() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reads the file TxtFile names and shows its first rows.
    void ReadFile();
    void Import();
    void ShowSubjects(const QString& current);
    void MappingChanged();
    // Says at once what is wrong with the new subject's name, if anything.
    void NewNameChanged();

    ImportPreview* preview_ = nullptr;
    QLabel* fileInfo_ = nullptr;
    QRadioButton* existing_ = nullptr;
    QComboBox* subjects_ = nullptr;
    QRadioButton* newSubject_ = nullptr;
    QLineEdit* newName_ = nullptr;
    QLabel* nameProblem_ = nullptr;
    QLabel* subjectNote_ = nullptr;
    QRadioButton* update_ = nullptr;
    QPushButton* import_ = nullptr;
    QString readFile_; // the file the preview shows
    std::size_t readColumns_ = 0;
};

} // namespace lumenary
