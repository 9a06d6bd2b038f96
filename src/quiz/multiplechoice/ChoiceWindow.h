// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizWindow.h"

#include <optional>
#include <vector>

class QLineEdit;
class QPushButton;

namespace lumenary {

class ClickableLabel;

// How one numbered-choice window differs from another.
struct ChoiceWindowDesign {
    QuizWindowDesign frame;
    int choices;             // numbered lines beneath the question
    bool choiceClickSubmits; // a single click on a choice's text answers at once
};

// The frame of the multiple-choice windows: the question (LblChoice(0)),
// numbered lines Lbl(i) and LblChoice(i), the answer box TxtAnswer with
// "OK" and "Next Question", and the verdict beneath. The window asks, is
// answered, and asks again; the engine behind it judges and draws.
class ChoiceWindow : public QuizWindow {
    Q_OBJECT
public:
    ChoiceWindow(const ChoiceWindowDesign& design, QuizContext& context);

    int Choices() const { return static_cast<int>(lines_.size()) - 1; }
    // LblChoice(index); 0 is the question.
    QLabel& Choice(int index);
    QString AnswerText() const;

    void ShowCorrect();
    void ShowIncorrect(const QString& answer);

protected:
    // Judges TxtAnswer and shows the verdict; the frame then counts it and
    // updates the progress panel.
    virtual void CheckAnswer() = 0;
    virtual void ShowProgress();
    virtual void NextQuestion() = 0;

private:
    void CmdOK_Click();
    void CmdNextQuestion_Click();
    void Lbl_Click(int index);
    void Lbl_DblClick(int index);
    void LblChoice_Click(int index);
    void LblChoice_DblClick(int index);
    void SubmitIfAwaited();
    void SetAnswered(bool answered);

    bool choiceClickSubmits_;
    std::vector<ClickableLabel*> lines_;   // LblChoice(0) to LblChoice(n)
    QLineEdit* txtAnswer_;
    QPushButton* cmdOK_;
    QPushButton* cmdNextQuestion_;
    QLabel* lblResponse_;
    QLabel* lblCorrectAnswer_;
};

// A number typed as an answer: spaces around it and a decimal notation of
// the same value ("3.0") are accepted; anything else is no number.
std::optional<double> ChoiceNumber(const QString& text);

} // namespace lumenary
