// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionWindows.h"

#include "WindowRegistry.h"

namespace lumenary {

namespace {

template <class Window, class Argument>
void RegisterWindow(WindowRegistry& windows, Argument& argument)
{
    windows.Register<Window>([&argument] { return std::make_unique<Window>(argument); });
}

} // namespace

void RegisterSelectionWindows(WindowRegistry& windows, QuizContext& context)
{
    RegisterWindow<FrmNTUnits>(windows, context);
    RegisterWindow<FrmSysTheo>(windows, context);
    RegisterWindow<FrmNTBooks>(windows, context);
    RegisterWindow<FrmOTDetailed>(windows, context);
    RegisterWindow<FrmOTSimplified>(windows, context);
    RegisterWindow<FrmNTHistory>(windows, context);
    RegisterWindow<FrmKings>(windows, context);
    RegisterWindow<FrmChurchMusic>(windows, context);
    RegisterWindow<FrmTheology>(windows, context);
    RegisterWindow<FrmChurchHistory>(windows, context);
    RegisterWindow<FrmNTI>(windows, context);
    RegisterWindow<FrmOTI>(windows, context);
    RegisterWindow<FrmGreek>(windows, context);
    RegisterWindow<FrmHebrew>(windows, context);
    RegisterWindow<FrmGreekPPET>(windows, context);
    RegisterWindow<FrmGreekPPIT>(windows, context);
    RegisterWindow<FrmGreekPPEV>(windows, context);
    RegisterWindow<FrmGreekPPIV>(windows, context);
    RegisterWindow<FrmGrkEPP>(windows, windows);
    RegisterWindow<FrmGrkIPP>(windows, windows);
}

} // namespace lumenary
