// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every selection window and word list, and their registration with the
// window registry.

#include "FrmGreek.h"
#include "FrmHebrew.h"
#include "FrmNTBooks.h"
#include "FrmNTUnits.h"
#include "FrmSysTheo.h"
#include "GreekWordList.h"
#include "ModuleOptionWindows.h"
#include "OldTestamentBookWindows.h"
#include "PrincipalPartsWindow.h"

namespace lumenary {

class WindowRegistry;
struct QuizContext;

void RegisterSelectionWindows(WindowRegistry& windows, QuizContext& context);

} // namespace lumenary
