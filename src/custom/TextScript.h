// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionDatabase.h"
#include "ScriptFont.h"

#include <string>
#include <vector>

namespace lumenary::custom {

// The scripts of Part A and Part B over every question of the subjects
// given: a side with any Hebrew question is Hebrew, else with any Greek one
// Greek.
struct SideScripts {
    Script partA = Script::Other;
    Script partB = Script::Other;
};
SideScripts ScriptsOf(QuestionDatabase& database, const std::vector<std::string>& subjects);

} // namespace lumenary::custom
