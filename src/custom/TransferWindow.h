// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

#include <filesystem>
#include <memory>

class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace lumenary {

class Prompter;
class QuestionDatabase;
class WindowRegistry;
struct Session;

// What the Custom menu's export and import windows share: the row that names
// a file, the line under it that says what came of the last step, and the
// buttons at the foot. Closing unloads the window, so it opens afresh on the
// subjects the user has then.
class TransferWindow : public LumenaryWindow {
    Q_OBJECT
public:
    TransferWindow(const QString& objectName, const QString& title, Session& session, Prompter& prompter,
                   WindowRegistry& windows);

protected:
    QuestionDatabase& Database() const;
    Prompter& Messages() const { return prompter_; }

    // "&File:", TxtFile, CmdBrowse; the browse button calls Browse.
    QHBoxLayout* MakeFileRow();
    QLineEdit& FileEdit() const { return *fileEdit_; }
    // The file TxtFile names; a name without a folder, or after "~/", is in the home folder.
    std::filesystem::path ChosenFile() const;
    // The same as the user reads it.
    QString ChosenFileText() const;
    virtual void Browse() = 0;

    // LblStatus, which tells what the last step did or why it failed.
    QLabel& MakeStatus();
    void ShowStatus(const QString& text, bool failed);
    // In the colour of a refusal, or in the window's own.
    void ShowAsRefusal(QLabel& label, bool refusal) const;

    // The window's own button, which Enter presses, and CmdClose.
    QHBoxLayout* MakeButtonRow(QPushButton* action);

    void closeEvent(QCloseEvent* event) override;
    void EscapePressed() override;

private:
    void Unload();

    Session& session_;
    Prompter& prompter_;
    WindowRegistry& windows_;
    QLineEdit* fileEdit_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace lumenary
