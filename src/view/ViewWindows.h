#pragma once

namespace lumenary {

class WindowRegistry;
struct QuizContext;

// Registers the View menu's windows.
void RegisterViewWindows(WindowRegistry& windows, QuizContext& context);

} // namespace lumenary
