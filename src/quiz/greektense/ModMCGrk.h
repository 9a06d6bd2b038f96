// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizEngine.h"

#include <QString>

namespace lumenary {

class FrmMCGrk;
struct QuizContext;

// The Greek tense quiz: one principal-part form at a time, named by one of
// five fixed tenses.
class ModMCGrk final : public QuizEngine {
public:
    explicit ModMCGrk(QuizContext& context) : context_(context) {}

    void StartQuiz() override { StartGreekTenseQuiz(); }
    void ClearProgressCaptions() override;
    void CloseQuizWindow() override;

    void StartGreekTenseQuiz();
    void NextGreekTenseQuestion();
    void ShowGreekTenseQuestion();
    void SetGrkTenseIndex();
    void CheckGreekTenseAnswer();
    void ShowGreekTenseProgress();

    // The number (1 to 5) of the right choice; 0 while the question's theme
    // names none of the five tenses, so no choice is right.
    int GrkTenseIndex = 0;

private:
    FrmMCGrk& Window();

    QuizContext& context_;
    QString theme_; // the question's theme as stored, shown when it names no choice
};

} // namespace lumenary
