// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModLanguages.h"

#include "Session.h"

#include <string_view>

namespace lumenary {

void ModLanguages::Set(bool useFrench, const char* questionFont, int questionSize, const char* answerFont,
                       int answerSize)
{
    session_.UseFrench = useFrench;
    session_.QuestionFontName = questionFont;
    session_.QuestionFontSize = questionSize;
    session_.AnswerFontName = answerFont;
    session_.AnswerFontSize = answerSize;
}

void ModLanguages::SetEnglishFonts()
{
    Set(false, EnglishFontRole, EnglishBaseSize, EnglishFontRole, EnglishBaseSize);
}

void ModLanguages::SetEnglishToGreekFonts()
{
    Set(false, EnglishFontRole, EnglishBaseSize, GreekFontRole, LanguageBaseSize);
}

void ModLanguages::SetGreekToEnglishFonts()
{
    Set(false, GreekFontRole, LanguageBaseSize, EnglishFontRole, EnglishBaseSize);
}

void ModLanguages::SetGreekToGreekFonts()
{
    Set(false, GreekFontRole, LanguageBaseSize, GreekFontRole, LanguageBaseSize);
}

void ModLanguages::SetEnglishToHebrewFonts()
{
    Set(false, EnglishFontRole, EnglishBaseSize, HebrewFontRole, LanguageBaseSize);
}

void ModLanguages::SetHebrewToEnglishFonts()
{
    Set(false, HebrewFontRole, LanguageBaseSize, EnglishFontRole, EnglishBaseSize);
}

void ModLanguages::SetFrenchToHebrewFonts()
{
    Set(true, EnglishFontRole, EnglishBaseSize, HebrewFontRole, LanguageBaseSize);
}

void ModLanguages::SetFonts(const char* questionFont, const char* answerFont)
{
    const auto size = [](const char* font) {
        return std::string_view(font) == EnglishFontRole ? EnglishBaseSize : LanguageBaseSize;
    };
    Set(false, questionFont, size(questionFont), answerFont, size(answerFont));
}

void ModLanguages::SetHebrewToFrenchFonts()
{
    Set(true, HebrewFontRole, LanguageBaseSize, EnglishFontRole, EnglishBaseSize);
}

} // namespace lumenary
