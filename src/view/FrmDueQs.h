// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SubjectBoxWindow.h"
#include "StudyDay.h"

#include <set>
#include <string>
#include <vector>

class QCheckBox;

namespace lumenary {

// "Review Due Questions": the questions whose cards are due today, by
// subject, in one way at a time, reviewed with any quiz as every pool is.
class FrmDueQs final : public SubjectBoxWindow {
    Q_OBJECT
public:
    explicit FrmDueQs(QuizContext& context);

    // ChkSubject(index); nullptr past the last subject.
    QCheckBox* ChkSubject(int index) const;

protected:
    bool CheckSelection() override;
    std::string BuildFilter() override;
    std::string DescribeSelection() const override;
    void SetQuizFonts() override;
    void OptQuiz_Click(int index) override;
    void OptFlip_Click(int index) override;

private:
    // The boxes of the subjects due in the chosen way, with their counts.
    void ShowSubjects();
    // What follows the ticked subjects: the names of the ways, whether short
    // answer is offered, whether OK can start anything.
    void SubjectsChanged();
    void TickAll(bool ticked) override;
    const char* ChosenWay() const;
    std::set<std::string> TickedSubjects() const;

    const StudyDay today_;
    std::vector<std::pair<std::string, QCheckBox*>> boxes_;
    std::set<std::string> cleared_; // subjects the user unticked, kept across a change of way
};

} // namespace lumenary
