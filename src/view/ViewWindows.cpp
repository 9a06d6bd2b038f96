// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewWindows.h"

#include "FrmDueQs.h"
#include "FrmHistory.h"
#include "FrmMissedQs.h"
#include "WindowRegistry.h"

namespace lumenary {

void RegisterViewWindows(WindowRegistry& windows, QuizContext& context)
{
    windows.Register<FrmDueQs>([&context] { return std::make_unique<FrmDueQs>(context); });
    windows.Register<FrmMissedQs>([&context] { return std::make_unique<FrmMissedQs>(context); });
    windows.Register<FrmHistory>([&context] { return std::make_unique<FrmHistory>(context); });
}

} // namespace lumenary
