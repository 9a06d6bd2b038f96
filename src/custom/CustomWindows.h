// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary {

class WindowRegistry;
struct QuizContext;

// Registers the Custom menu's windows.
void RegisterCustomWindows(WindowRegistry& windows, QuizContext& context);

} // namespace lumenary
