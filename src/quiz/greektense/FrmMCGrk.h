// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChoiceWindow.h"

namespace lumenary {

class ModMCGrk;

// The Greek tense window: a principal-part form and the five tenses it may
// have; a click on a tense answers at once.
class FrmMCGrk : public ChoiceWindow {
    Q_OBJECT
public:
    static constexpr int TenseCount = 5;
    static constexpr const char* Tenses[TenseCount] = {"Future", "Aorist Active", "Aorist Passive", "Perfect Active",
                                                       "Perfect Passive"};

    FrmMCGrk(ModMCGrk& engine, QuizContext& context);

private:
    void CheckAnswer() override;
    void ShowProgress() override;
    void NextQuestion() override;

    ModMCGrk& engine_;
};

} // namespace lumenary
