// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizWindow.h"

class QLabel;
class QPushButton;

namespace lumenary {

class ModTF;

// The true/false window: a question, a proposed answer, the user's verdict,
// and after a wrong verdict the proposed answer struck through with the
// right one beneath it.
class FrmTF : public QuizWindow {
    Q_OBJECT
public:
    FrmTF(ModTF& engine, QuizContext& context);

    // A new question: theme line, question side and the (hidden) correct answer.
    void ShowQuestion(const QString& theme, const QString& question, const QString& correctAnswer);
    // The answer the statement proposes.
    void ShowStatement(const QString& answer);
    void ShowVerdict(bool right);
    // The question and answer fonts of the session's direction; again
    // whenever a pool that mixes ways turns to another.
    void SetQuizFonts();

private:
    void Form_Load();
    void CmdTrue_Click();
    void CmdFalse_Click();
    void ScoreAnswer();
    void CmdNextQuestion_Click();
    void SetAnswered(bool answered);

    ModTF& engine_;
    QLabel* lblQuestion_;
    QLabel* lblAnswer_;
    QLabel* lblTrueFalse_;
    QLabel* lblCorrectAnswer_;
    QPushButton* cmdTrue_;
    QPushButton* cmdFalse_;
    QPushButton* cmdNextQuestion_;
};

} // namespace lumenary
