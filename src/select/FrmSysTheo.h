// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChecklistWindow.h"

namespace lumenary {

// Systematic theology, chosen by course unit.
class FrmSysTheo : public ChecklistWindow {
    Q_OBJECT
public:
    explicit FrmSysTheo(QuizContext& context);
};

} // namespace lumenary
