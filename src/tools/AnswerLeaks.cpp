// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnswerLeaks.h"

#include "QuestionDatabase.h"
#include "QuotedText.h"

#include <algorithm>
#include <utility>

namespace lumenary {

namespace {

bool WordCharacterAt(const QString& text, qsizetype index)
{
    return index >= 0 && index < text.size() && text[index].isLetterOrNumber();
}

bool Holds(const QString& prompt, const QString& answer)
{
    if (answer.isEmpty())
        return false;
    for (auto at = prompt.indexOf(answer, 0, Qt::CaseInsensitive); at >= 0;
         at = prompt.indexOf(answer, at + 1, Qt::CaseInsensitive))
        if (!WordCharacterAt(prompt, at - 1) && !WordCharacterAt(prompt, at + answer.size()))
            return true;
    return false;
}

std::string Quoted(const QString& text)
{
    return "\"" + Shortened(text.toStdString()) + "\"";
}

} // namespace

std::vector<std::string> FindAnswerLeaks(const std::vector<PromptAndAnswer>& questions)
{
    std::vector<std::string> leaks;
    // Modules compare ignoring case, as filters do.
    std::vector<std::pair<std::string, std::vector<const PromptAndAnswer*>>> modules;
    for (const auto& question : questions) {
        if (Holds(question.prompt, question.answer))
            leaks.push_back(question.record + ": English holds its own answer " + Quoted(question.answer));
        auto module =
            std::ranges::find_if(modules, [&](const auto& known) { return SameName(known.first, question.module); });
        if (module == modules.end())
            module = modules.insert(modules.end(), {question.module, {}});
        module->second.push_back(&question);
    }
    for (const auto& [name, members] : modules)
        for (auto first = members.begin(); first != members.end(); ++first)
            for (auto second = first + 1; second != members.end(); ++second) {
                const auto* a = *first;
                const auto* b = *second;
                if (a->answer.compare(b->answer, Qt::CaseInsensitive) != 0 && Holds(a->prompt, b->answer)
                    && Holds(b->prompt, a->answer))
                    leaks.push_back(a->record + " and " + b->record + ": each English holds the other's answer ("
                                    + Quoted(b->answer) + " and " + Quoted(a->answer) + ")");
            }
    return leaks;
}

} // namespace lumenary
