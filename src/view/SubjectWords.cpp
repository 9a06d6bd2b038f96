// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubjectWords.h"

#include "ModLanguages.h"
#include "StudyRecord.h"
#include "SubjectCatalogue.h"

#include <algorithm>
#include <map>

namespace lumenary {

namespace {

const SubjectWords PlainWords{QStringLiteral("Part A"), QStringLiteral("Part B"), &ModLanguages::SetEnglishFonts,
                              &ModLanguages::SetEnglishFonts};

const std::map<std::string, SubjectWords, std::less<>>& LanguageWords()
{
    static const SubjectWords greek{QStringLiteral("English"), QStringLiteral("Greek"),
                                    &ModLanguages::SetEnglishToGreekFonts, &ModLanguages::SetGreekToEnglishFonts};
    static const SubjectWords principalParts{QStringLiteral("Infinitive"), QStringLiteral("Conjugation"),
                                             &ModLanguages::SetGreekToGreekFonts, &ModLanguages::SetGreekToGreekFonts};
    static const std::map<std::string, SubjectWords, std::less<>> words{
        {"Greek", greek},
        {"Hebrew",
         {QStringLiteral("English"), QStringLiteral("Hebrew"), &ModLanguages::SetEnglishToHebrewFonts,
          &ModLanguages::SetHebrewToEnglishFonts}},
        {"Greek Elementary Principal Parts", principalParts},
        {"Greek Irregular Principal Parts", principalParts},
    };
    return words;
}

const SubjectWords& WordsOf(const std::string& subject)
{
    const auto found = LanguageWords().find(subject);
    return found == LanguageWords().end() ? PlainWords : found->second;
}

} // namespace

const SubjectWords& WordsFor(const std::set<std::string>& subjects)
{
    if (subjects.empty())
        return PlainWords;
    const SubjectWords& first = WordsOf(*subjects.begin());
    const bool shared = std::ranges::all_of(subjects, [&](const std::string& subject) {
        const SubjectWords& words = WordsOf(subject);
        return words.partA == first.partA && words.partB == first.partB;
    });
    return shared ? first : PlainWords;
}

QString WayText(const std::string& subject, const std::string& way)
{
    const SubjectWords& words = WordsOf(subject);
    if (way == way::PartB)
        return words.partB + QStringLiteral(" to ") + words.partA;
    if (way == way::French)
        return QStringLiteral("French to ") + words.partB;
    if (way == way::Tense)
        return QStringLiteral("Tense");
    if (way == way::Mixed)
        return QStringLiteral("Mixed ways");
    return words.partA + QStringLiteral(" to ") + words.partB;
}

bool AllChapterContent(const std::set<std::string>& subjects)
{
    const auto chapterContent = [](const std::string& subject) {
        return std::ranges::any_of(catalogue::ChecklistWindows(), [&](const catalogue::ChecklistWindow& window) {
            return window.module == subject && window.quizKinds.Has(catalogue::QuizKind::ShortAnswer);
        });
    };
    return !subjects.empty() && std::ranges::all_of(subjects, chapterContent);
}

} // namespace lumenary
