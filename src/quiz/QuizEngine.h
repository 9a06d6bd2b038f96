// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary {

// What the main window needs of a quiz engine to launch it or to run a
// missed-question review in its window.
class QuizEngine {
public:
    virtual ~QuizEngine() = default;

    // The engine's start routine: its window on screen with the first question.
    virtual void StartQuiz() = 0;
    // Empties the correct, asked and percentage captions of the engine's window.
    virtual void ClearProgressCaptions() = 0;
    // Closes the engine's window, if it is open.
    virtual void CloseQuizWindow() = 0;
    // A review has just prepared a narrower pool while the engine's window is
    // still open; an engine that keeps its own copy of the pool renews it here.
    virtual void RenewPoolCopy() {}
};

} // namespace lumenary
