// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewWindows.h"

#include "FrmDueQs.h"
#include "WindowRegistry.h"

namespace lumenary {

void RegisterViewWindows(WindowRegistry& windows, QuizContext& context)
{
    windows.Register<FrmDueQs>([&context] { return std::make_unique<FrmDueQs>(context); });
}

} // namespace lumenary
