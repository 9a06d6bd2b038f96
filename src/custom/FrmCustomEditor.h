// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace lumenary {

class CustomQuestionModel;
struct QuizContext;

// "Custom Data Editor": the questions of one of the user's subjects in a
// table whose every edit is saved as the cell is left.
class FrmCustomEditor final : public LumenaryWindow {
    Q_OBJECT
public:
    explicit FrmCustomEditor(QuizContext& context);

    void CmdAdd_Click();
    void CmdDelete_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Coming back from another window, where the subjects may have changed.
    void changeEvent(QEvent* event) override;
    void EscapePressed() override;

private:
    // Fills the subject chooser again, keeping the subject shown if it is still there.
    void ShowSubjects();
    void SubjectChosen();
    // Whether the new row, if it holds something unsaved, may be left out.
    bool MayDropNewRow();
    // The line under the table; a refusal stands out.
    void Say(const QString& text, bool refusal);

    QuizContext& context_;
    CustomQuestionModel* model_;
    QComboBox* subject_;
    QTableView* table_;
    QCheckBox* keystrokes_;
    QLabel* message_;
    QPushButton* add_;
    QPushButton* delete_;
};

} // namespace lumenary
