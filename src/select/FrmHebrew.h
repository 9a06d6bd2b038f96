// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LanguageWindow.h"

namespace lumenary {

// Hebrew vocabulary, chosen by units of three semesters' word lists; verb
// stems left unticked are left out of the quiz.
class FrmHebrew : public LanguageWindow {
    Q_OBJECT
public:
    explicit FrmHebrew(QuizContext& context);

protected:
    void RecordDirection() override;
    void SetQuizFonts() override;

private:
    void CmdHebFirstSemester_Click();
    void CmdHebSecondSemester_Click();
    void CmdHebThirdSemester_Click();
};

} // namespace lumenary
