// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lumenary {

// What quiz and selection windows ask of the main window.
class QuizHost {
public:
    virtual ~QuizHost() = default;

    virtual void ShowMainWindow() = 0;
    // Closes every window at once and ends the program.
    virtual void EndProgram() = 0;

    virtual void SetQuizType(const QString& quizType) = 0;
    virtual void BeginQuiz() = 0;
    virtual void QuizSelected() = 0;

    // The Greek tense quiz, started by its selection windows on a prepared pool.
    virtual void StartGreekTenseQuiz() = 0;

    virtual void MissedQuestionsFlashcard() = 0;
    virtual void MissedQuestionsSA() = 0;
    virtual void MissedQuestionsTrueFalse() = 0;
    virtual void MissedQuestionsMC() = 0;
    virtual void MissedQuestionsMCGreek() = 0;
};

} // namespace lumenary
