// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomWindows.h"

#include "FrmCustomEditor.h"
#include "FrmCustomNames.h"
#include "FrmCustomQuizzes.h"
#include "WindowRegistry.h"

namespace lumenary {

void RegisterCustomWindows(WindowRegistry& windows, QuizContext& context)
{
    windows.Register<FrmCustomNames>([&context] { return std::make_unique<FrmCustomNames>(context); });
    windows.Register<FrmCustomEditor>([&context] { return std::make_unique<FrmCustomEditor>(context); });
    windows.Register<FrmCustomQuizzes>([&context] { return std::make_unique<FrmCustomQuizzes>(context); });
}

} // namespace lumenary
