// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextScript.h"

#include "CustomSubjects.h"
#include "QuotedText.h"

#include <algorithm>

namespace lumenary::custom {

namespace {

bool IsGreek(char32_t c)
{
    return (c >= 0x370 && c <= 0x3FF) || (c >= 0x1F00 && c <= 0x1FFF);
}

bool IsHebrew(char32_t c)
{
    return (c >= 0x591 && c <= 0x5F4) || (c >= 0xFB1D && c <= 0xFB4F);
}

// Hebrew wins over Greek: a side that mixes them is shown right to left.
Script Wider(Script a, Script b)
{
    return std::max(a, b);
}

} // namespace

Script ScriptOf(std::string_view utf8)
{
    const auto characters = DecodeUtf8(utf8);
    if (!characters)
        return Script::Latin;
    if (std::ranges::any_of(*characters, IsHebrew))
        return Script::Hebrew;
    return std::ranges::any_of(*characters, IsGreek) ? Script::Greek : Script::Latin;
}

SideScripts ScriptsOf(QuestionDatabase& database, const std::vector<std::string>& subjects)
{
    auto query = database.Statement("SELECT English, Hebrew FROM " + QuoteIdentifier(kQuestionTableName) + " WHERE "
                                    + OwnIdRange() + " AND Module = ? COLLATE NOCASE");
    SideScripts scripts;
    for (const auto& subject : subjects) {
        query->reset();
        query->bind(1, subject);
        while (query->executeStep()) {
            scripts.partA = Wider(scripts.partA, ScriptOf(query->getColumn(0).getString()));
            scripts.partB = Wider(scripts.partB, ScriptOf(query->getColumn(1).getString()));
        }
    }
    return scripts;
}

} // namespace lumenary::custom
