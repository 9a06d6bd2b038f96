// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizEngine.h"

namespace lumenary {

struct QuizContext;

// The short-answer quiz: a book and the content of one of its chapters; the
// user types the chapter's number.
class ModSA final : public QuizEngine {
public:
    explicit ModSA(QuizContext& context) : context_(context) {}

    void StartQuiz() override { StartShortAnswerQuiz(); }
    void ClearProgressCaptions() override;
    void CloseQuizWindow() override;

    void StartShortAnswerQuiz();
    void NextShortAnswerQuestion();
    void ShowShortAnswerQuestion();
    void CheckChapterAnswer();

private:
    QuizContext& context_;
};

} // namespace lumenary
