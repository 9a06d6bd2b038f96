// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChoiceWindow.h"

namespace lumenary {

class ModMC;

// The multiple-choice window: the question, six numbered answers, and the
// number of the one the user picks.
class FrmMC : public ChoiceWindow {
    Q_OBJECT
public:
    FrmMC(ModMC& engine, QuizContext& context);
    // The question and answer fonts of the session's direction; again
    // whenever a pool that mixes ways turns to another.
    void SetQuizFonts();

private:
    void Form_Load();
    void CheckAnswer() override;
    void NextQuestion() override;

    ModMC& engine_;
};

} // namespace lumenary
