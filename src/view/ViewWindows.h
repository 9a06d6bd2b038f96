// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary {

class WindowRegistry;
struct QuizContext;

// Registers the View menu's windows.
void RegisterViewWindows(WindowRegistry& windows, QuizContext& context);

} // namespace lumenary
