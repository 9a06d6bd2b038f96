// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prompter.h"

namespace lumenary {

// The program's real messages: modal QMessageBox windows over the active window.
class MessageBoxPrompter final : public Prompter {
public:
    void Information(const std::string& text, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title) override;
    std::optional<std::string> TypedLine(const std::string& text, const std::string& title,
                                         const std::string& line) override;
};

} // namespace lumenary
