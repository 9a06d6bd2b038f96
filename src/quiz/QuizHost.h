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

    virtual void MissedQuestionsFlashcard() = 0;
};

} // namespace lumenary
