// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChecklistWindow.h"

namespace lumenary {

// New Testament chapter content, chosen by course unit.
class FrmNTUnits : public ChecklistWindow {
    Q_OBJECT
public:
    explicit FrmNTUnits(QuizContext& context);

protected:
    void OptQuiz_Click(int index) override;
    void Form_Unload() override;

private:
    void CmdUnits_Click(int index);
};

} // namespace lumenary
