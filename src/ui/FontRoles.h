// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lumenary {

// The font names the program's font state keeps; FontResolver maps each to a
// real font.
inline constexpr char EnglishFontRole[] = "MS Sans Serif";
inline constexpr char GreekFontRole[] = "bwgrkl";
inline constexpr char HebrewFontRole[] = "SIL Ezra";

} // namespace lumenary
