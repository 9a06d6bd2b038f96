// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <set>
#include <string>

namespace lumenary {

class ModLanguages;

// What the two sides of a subject's questions are called ("English",
// "Greek"), as its own selection window names its orders, and the fonts a
// quiz on them sets.
struct SubjectWords {
    QString partA;
    QString partB;
    void (ModLanguages::*partAFirstFonts)();
    void (ModLanguages::*partBFirstFonts)();
};

// The words of the subjects given: their own when they share them, the
// plain "Part A" and "Part B" of the module windows when they differ or are none.
const SubjectWords& WordsFor(const std::set<std::string>& subjects);

// How a card of the subject was asked, in the subject's words: "English to
// Greek", "Part B to Part A", "Tense" for the Greek tense drill.
QString WayText(const std::string& subject, const std::string& way);

// Whether every subject given is chapter content, whose quizzes can ask for
// the chapter (short answer).
bool AllChapterContent(const std::set<std::string>& subjects);

} // namespace lumenary
