// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LanguageWindow.h"

namespace lumenary {

// Greek vocabulary, chosen by units of the two semesters' word lists.
class FrmGreek : public LanguageWindow {
    Q_OBJECT
public:
    explicit FrmGreek(QuizContext& context);

protected:
    void SetQuizFonts() override;
    // This window begins the quiz first and closes afterwards.
    void StartQuiz() override;

private:
    void CmdGrkFirstSemester_Click();
    void CmdGrkSecondSemester_Click();
};

} // namespace lumenary
