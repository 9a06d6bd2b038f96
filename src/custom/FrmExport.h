// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TransferWindow.h"

#include <string>
#include <vector>

class QCheckBox;
class QRadioButton;
class QVBoxLayout;

namespace lumenary {

// "Export Custom Data": the questions of the subjects the user ticks, written
// to a file as the bank's CSV or as tab-separated text for flashcard programs.
class FrmExport final : public TransferWindow {
    Q_OBJECT
public:
    FrmExport(Session& session, Prompter& prompter, WindowRegistry& windows);

    // ChkSubject(index); nullptr past the last subject.
    QCheckBox* ChkSubject(int index) const;
    QRadioButton* OptFormat(int index) const;

protected:
    void Browse() override;

private:
    void ShowSubjects();
    void TickAll(bool ticked);
    void SubjectsChanged();
    // The file's extension follows the format chosen.
    void FormatChanged();
    std::size_t ChosenFormat() const; // the index of the format option ticked
    void Export();
    std::vector<std::string> TickedSubjects() const;

    QVBoxLayout* subjectList_ = nullptr;
    std::vector<std::pair<std::string, QCheckBox*>> boxes_;
    std::vector<QRadioButton*> formats_;
    QPushButton* export_ = nullptr;
    QString confirmedFile_; // chosen in the save dialog, which asked before replacing it
};

} // namespace lumenary
