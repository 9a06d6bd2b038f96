// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace lumenary {

// Converts Greek written in the keystroke encoding of the program's old Greek
// font to Unicode (precomposed, NFC).
//
// Letters are Latin keys (a = alpha, q = theta, c = chi, y = psi, w = omega,
// j = final sigma; capitals alike). A mark is written after the vowel it
// belongs to, so on a diphthong after its second vowel:
//   v smooth   ` rough   , acute   . grave   / circumflex   | iota subscript
//   ; smooth+acute   ' smooth+grave   = smooth+circumflex
//   ] rough+acute    [ rough+grave    - rough+circumflex
//   $ (   % )
// A mark with no vowel before it goes to the capital that follows it, as the
// old font wrote breathings before capitals. Anything else, and a mark that
// belongs to no letter, is passed through unchanged.
QString GreekFromKeystrokes(std::string_view keystrokes);

} // namespace lumenary
