// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionDatabase.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumenary::custom {

// The script a text is shown in: the fonts built into the program for Greek
// and Hebrew carry Latin letters too, so one Greek or Hebrew letter decides.
enum class Script { Latin, Greek, Hebrew };

Script ScriptOf(std::string_view utf8);

// The scripts of Part A and Part B over every question of the subjects given.
struct SideScripts {
    Script partA = Script::Latin;
    Script partB = Script::Latin;
};
SideScripts ScriptsOf(QuestionDatabase& database, const std::vector<std::string>& subjects);

} // namespace lumenary::custom
