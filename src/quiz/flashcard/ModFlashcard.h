// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizEngine.h"

namespace lumenary {

struct QuizContext;

// The self-graded quiz: one side of a card, the other on request, and the
// user's own word on whether they knew it.
class ModFlashcard final : public QuizEngine {
public:
    explicit ModFlashcard(QuizContext& context) : context_(context) {}

    void StartQuiz() override { StartFlashcardQuiz(); }
    void ClearProgressCaptions() override;
    void CloseQuizWindow() override;

    void StartFlashcardQuiz();
    void NextFlashcard();
    void ShowFlashcardQuestion();
    void RememberQuestionID();
    void ShowFlashcardProgress();

private:
    QuizContext& context_;
};

} // namespace lumenary
