// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace lumenary::catalogue {

// One verb of a principal-part list: the number it is listed under and its
// lexical form in the old Greek font's keystroke encoding (GreekKeystrokes.h).
// The verb in place i of a list (from 1) is the list's Category i.
struct ListedVerb {
    int number;
    std::string_view keystrokes;
};

std::span<const ListedVerb> ElementaryVerbs(); // numbered 1 to 43
std::span<const ListedVerb> IrregularVerbs();  // numbered by their lessons, 2 to 63

} // namespace lumenary::catalogue
