// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary {

class ModCommonQuiz;
class ModLanguages;
class Prompter;
class QuizHost;
class WindowRegistry;
struct Session;

// What every quiz and selection window works with; the application owns it all.
struct QuizContext {
    Session& session;
    Prompter& prompter;
    ModCommonQuiz& common;
    ModLanguages& languages;
    WindowRegistry& windows;
    QuizHost& host;
};

} // namespace lumenary
