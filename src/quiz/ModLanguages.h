// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FontRoles.h"

namespace lumenary {

struct Session;

inline constexpr int EnglishBaseSize = 10;
inline constexpr int LanguageBaseSize = 16;

// The font state a selection window sets before a quiz: one setter per
// pairing of scripts. Each assigns UseFrench, then the question font and
// size, then the answer font and size.
class ModLanguages {
public:
    explicit ModLanguages(Session& session) : session_(session) {}

    void SetEnglishFonts();
    void SetEnglishToGreekFonts();
    void SetGreekToEnglishFonts();
    void SetGreekToGreekFonts();
    void SetEnglishToHebrewFonts();
    void SetHebrewToEnglishFonts();
    void SetFrenchToHebrewFonts();
    void SetHebrewToFrenchFonts();
    // Any pairing of the font roles, each at its size: the user's own
    // subjects may pair any scripts.
    void SetFonts(const char* questionFont, const char* answerFont);

private:
    void Set(bool useFrench, const char* questionFont, int questionSize, const char* answerFont, int answerSize);

    Session& session_;
};

} // namespace lumenary
