// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DatabaseLocation.h"
#include "ModCommonPreQuiz.h"
#include "ModCommonQuiz.h"
#include "ModLanguages.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace lumenary {

class FrmMain;
class Prompter;
class RandomSource;

// The program: it owns the session state, the shared services, the window
// registry and the main window, and hands them by reference to what it makes.
class LumenaryApp {
public:
    LumenaryApp(Prompter& prompter, RandomSource& random, std::function<void()> endProgram,
                const Clock& clock = ModCommonQuiz::SystemTime());
    ~LumenaryApp();

    // Opens the database as the main window is made, then shows it. On a
    // database that cannot be opened, shows the reason and returns false
    // with no window left.
    bool Start(const std::filesystem::path& databaseFile,
               QuestionDatabase::Use use = QuestionDatabase::Use::ReadWrite);
    // The same on the database located for this run: the installed bank is
    // kept unchanged, and what the user must know about it is said once the
    // main window is up.
    bool Start(const LocatedDatabase& database);

    FrmMain& MainWindow() { return *main_; }
    Session& State() { return session_; }
    WindowRegistry& Windows() { return windows_; }

private:
    Session session_;
    Prompter& prompter_;
    ModCommonPreQuiz preQuiz_;
    ModCommonQuiz common_;
    ModLanguages languages_;
    WindowRegistry windows_;
    std::function<void()> endProgram_;
    std::unique_ptr<FrmMain> main_;
};

} // namespace lumenary
