// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace lumenary {

// The prompt (English) and answer (Hebrew) side of one question.
struct PromptAndAnswer {
    std::string record; // "ID 12 (Kings)", for the problem lines
    std::string module;
    QString prompt;
    QString answer;
};

// Prompts that give an answer away: a prompt that holds its own answer, and
// two questions of one module whose prompts each hold the other's answer
// (whichever is asked first tells the other). "Holds" ignores letter case
// and needs whole words, so the answer "Asa" is not in "Asaph".
std::vector<std::string> FindAnswerLeaks(const std::vector<PromptAndAnswer>& questions);

} // namespace lumenary
