// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QTreeWidget;

namespace lumenary {

struct QuizContext;

// "Your Subjects": the user's own subjects with their question counts, and
// the buttons that make, rename and delete them.
class FrmCustomNames final : public LumenaryWindow {
    Q_OBJECT
public:
    explicit FrmCustomNames(QuizContext& context);

    void CmdNew_Click();
    void CmdRename_Click();
    void CmdDelete_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Coming back from another window, where the counts may have changed.
    void changeEvent(QEvent* event) override;
    void EscapePressed() override;

private:
    // Lists the subjects again, with `current` chosen when it is one of them.
    void ShowSubjects(const std::optional<std::string>& current);
    std::optional<std::string> ChosenSubject() const;
    void ChoiceChanged();
    // Asks for a name until one will do or the user cancels; `apply` makes
    // the change and throws CustomDataError when the name will not do.
    void AskName(const std::string& prompt, const std::string& title, std::string name,
                 const std::function<void(const std::string&)>& apply);

    QuizContext& context_;
    QLabel* heading_;
    QTreeWidget* subjects_;
    QPushButton* rename_;
    QPushButton* delete_;
};

} // namespace lumenary
