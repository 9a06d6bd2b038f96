// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizWindow.h"

class QLabel;
class QPushButton;

namespace lumenary {

class ModFlashcard;

// The flashcard window: a card's question side, its answer on request, and
// the user's own grade.
class FrmFlashcard : public QuizWindow {
    Q_OBJECT
public:
    FrmFlashcard(ModFlashcard& engine, QuizContext& context);

    // A new card in the Asking state: theme line and question side.
    void ShowCard(const QString& theme, const QString& question);
    // The question and answer fonts of the session's direction; again
    // whenever a pool that mixes ways turns to another.
    void SetQuizFonts();

private:
    void Form_Load();
    void CmdShowAnswer_Click();
    void CmdCorrect_Click();
    void CmdIncorrect_Click();
    void ContinueQuiz();
    void SetRevealed(bool revealed);

    ModFlashcard& engine_;
    QLabel* lblQuestion_;
    QLabel* lblAnswer_;
    QPushButton* cmdShowAnswer_;
    QPushButton* cmdCorrect_;
    QPushButton* cmdIncorrect_;
};

} // namespace lumenary
