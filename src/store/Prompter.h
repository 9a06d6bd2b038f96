// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace lumenary {

// Every modal message the program shows goes through this interface, so tests
// can read the messages and answer the questions.
class Prompter {
public:
    virtual ~Prompter() = default;

    // An information message: the text, the title, an information icon, OK.
    virtual void Information(const std::string& text, const std::string& title) = 0;

    // A question with Yes (the default button) and No (Escape); true for Yes.
    virtual bool Question(const std::string& text, const std::string& title) = 0;

    // A line to type: the text, the title, the line as it stands at first,
    // OK and Cancel; the line typed, or nullopt for Cancel.
    virtual std::optional<std::string> TypedLine(const std::string& text, const std::string& title,
                                                 const std::string& line) = 0;
};

} // namespace lumenary
