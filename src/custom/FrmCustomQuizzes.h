// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CustomSubjects.h"
#include "SubjectBoxWindow.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;

namespace lumenary {

// "Custom Quizzes": any quiz on the user's own subjects, chosen by ticking them.
class FrmCustomQuizzes final : public SubjectBoxWindow {
    Q_OBJECT
public:
    explicit FrmCustomQuizzes(QuizContext& context);

    // ChkSubject(index); nullptr past the last subject.
    QCheckBox* ChkSubject(int index) const;

protected:
    bool CheckSelection() override;
    std::string BuildFilter() override;
    std::string DescribeSelection() const override;
    void SetQuizFonts() override;
    void OptQuiz_Click(int index) override;
    void OptFlip_Click(int index) override;
    void showEvent(QShowEvent* event) override;
    // Coming back from another window, where the subjects may have changed.
    void changeEvent(QEvent* event) override;

private:
    struct SubjectBox {
        std::string name;
        bool withChapters;
        QCheckBox* box;
    };

    // The boxes of the subjects as they are now, ticks kept by name; nothing
    // changes while the subjects stay as they were.
    void ShowSubjects();
    // What follows the ticked subjects: whether short answer is offered and
    // whether OK can start anything.
    void SubjectsChanged();
    void TickAll(bool ticked) override;
    std::vector<std::string> TickedSubjects() const;
    // With no subject yet: how to make one, and the offer to open "Your Subjects".
    void OfferToMakeOne();

    std::vector<SubjectBox> boxes_;
    std::optional<std::vector<custom::Subject>> shown_;
};

} // namespace lumenary
