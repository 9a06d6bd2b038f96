// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextScript.h"

#include "CustomSubjects.h"

#include <algorithm>

namespace lumenary::custom {

namespace {

// Hebrew wins over Greek: a side that mixes them is shown right to left.
Script Wider(Script a, Script b)
{
    return std::max(a, b);
}

} // namespace

SideScripts ScriptsOf(QuestionDatabase& database, const std::vector<std::string>& subjects)
{
    auto query = database.Statement("SELECT English, Hebrew FROM " + QuoteIdentifier(kQuestionTableName) + " WHERE "
                                    + OwnIdRange() + " AND Module = ? COLLATE NOCASE");
    SideScripts scripts;
    for (const auto& subject : subjects) {
        query->reset();
        query->bind(1, subject);
        while (query->executeStep()) {
            scripts.partA = Wider(scripts.partA, ScriptOf(QString::fromStdString(query->getColumn(0).getString())));
            scripts.partB = Wider(scripts.partB, ScriptOf(QString::fromStdString(query->getColumn(1).getString())));
        }
    }
    return scripts;
}

} // namespace lumenary::custom
