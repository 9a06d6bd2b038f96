// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomSubjects.h"

#include "FilterParser.h"
#include "QuotedText.h"
#include "StudyTables.h"
#include "SubjectCatalogue.h"
#include "SubjectTable.h"

#include <algorithm>
#include <cctype>

namespace lumenary::custom {

namespace {

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
}

bool IsBlank(char32_t c)
{
    return c == U' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x202F || c == 0x205F
        || c == 0x3000 || c == 0xFEFF;
}

// Names the selection windows' filters start with, and those the bank's own
// questions in this file carry: a subject of that name would join their quizzes.
bool IsModuleName(QuestionDatabase& database, std::string_view name)
{
    for (const auto& window : catalogue::ChecklistWindows())
        if (SameName(window.module, name))
            return true;
    for (const auto& window : catalogue::OptionWindows())
        for (const auto& option : window.options)
            if (SameName(option.module, name))
                return true;
    auto query = database.Statement("SELECT 1 FROM " + QuoteIdentifier(kQuestionTableName) + " WHERE ID < "
                                    + std::to_string(kFirstCustomQuestionId)
                                    + " AND Module = ? COLLATE NOCASE LIMIT 1");
    query->bind(1, std::string(name));
    return query->executeStep();
}

// Every subject's name as often as it is named: (Name, Counted, Unchaptered,
// Rank) rows, one per question (Counted 1, Unchaptered 1 when it has no
// chapter, Rank its ID) and one per name the user made (0, 0, 0). The lowest
// Rank spells the subject.
std::string SubjectNames(QuestionDatabase& database)
{
    const std::string questions = "SELECT Module, 1, Chapter IS NULL, ID FROM " + QuoteIdentifier(kQuestionTableName)
                                + " WHERE " + OwnIdRange() + " AND Module IS NOT NULL";
    // lumenary-db reads files it does not change, where the table may not be made yet.
    const std::string names = database.Sql().tableExists(std::string(kSubjectTableName))
                                  ? "SELECT Name, 0 AS Counted, 0 AS Unchaptered, 0 AS Rank FROM "
                                        + QuoteIdentifier(kSubjectTableName)
                                  : "SELECT NULL AS Name, 0 AS Counted, 0 AS Unchaptered, 0 AS Rank WHERE 0";
    return names + " UNION ALL " + questions;
}

} // namespace

std::vector<Subject> ListSubjects(QuestionDatabase& database)
{
    // With one min() the bare Name is that of the lowest Rank.
    auto query = database.Statement("SELECT Name, sum(Counted), sum(Unchaptered), min(Rank) FROM ("
                                    + SubjectNames(database)
                                    + ") GROUP BY Name COLLATE NOCASE ORDER BY Name COLLATE NOCASE");
    std::vector<Subject> subjects;
    while (query->executeStep()) {
        const std::int64_t count = query->getColumn(1).getInt64();
        subjects.push_back({query->getColumn(0).getString(), count, count > 0 && query->getColumn(2).getInt64() == 0});
    }
    return subjects;
}

std::optional<std::string> FindSubject(QuestionDatabase& database, std::string_view name)
{
    auto query = database.Statement("SELECT Name FROM (" + SubjectNames(database)
                                    + ") WHERE Name = ? COLLATE NOCASE ORDER BY Rank LIMIT 1");
    query->bind(1, std::string(name));
    if (!query->executeStep())
        return std::nullopt;
    return query->getColumn(0).getString();
}

std::optional<std::string> SubjectNameProblem(QuestionDatabase& database, std::string_view name,
                                              std::string_view renaming)
{
    const auto characters = DecodeUtf8(name);
    if (!characters)
        return "The name \"" + Shortened(name) + "\" is not UTF-8 text.";
    if (characters->empty() || characters->size() > kLongestSubjectName)
        return "A subject's name has 1 to " + std::to_string(kLongestSubjectName) + " characters; \""
             + Shortened(name) + "\" has " + std::to_string(characters->size()) + ".";
    if (std::ranges::any_of(*characters, IsControl))
        return "A subject's name cannot hold a tab, a line break or another control character: \"" + Shortened(name)
             + "\".";
    if (std::ranges::all_of(*characters, IsBlank))
        return "A subject's name cannot be blank.";
    if (IsModuleName(database, name))
        return "\"" + Shortened(name) + "\" is the name of a module of the question bank; choose another name.";
    if (const auto existing = FindSubject(database, name); existing && !SameName(*existing, renaming))
        return "You already have a subject named \"" + Shortened(*existing) + "\".";
    return std::nullopt;
}

std::vector<std::int64_t> FreeIds(QuestionDatabase& database, std::size_t wanted)
{
    // An ID whose question was deleted keeps its study record; a new question
    // under it would inherit another question's history, so it stays taken.
    const std::string studied = HasStudyTables(database.Sql())
                                    ? " UNION SELECT QuestionID FROM StudyCard WHERE QuestionID BETWEEN "
                                          + std::to_string(kFirstCustomQuestionId) + " AND "
                                          + std::to_string(kLastQuestionId)
                                    : std::string();
    auto used = database.Statement("SELECT ID FROM " + QuoteIdentifier(kQuestionTableName) + " WHERE " + OwnIdRange()
                                   + studied + " ORDER BY 1");
    std::vector<std::int64_t> free;
    std::int64_t next = kFirstCustomQuestionId;
    const auto takeUpTo = [&](std::int64_t end) {
        for (; next < end && free.size() < wanted; ++next)
            free.push_back(next);
    };
    while (free.size() < wanted && used->executeStep()) {
        const std::int64_t id = used->getColumn(0).getInt64();
        takeUpTo(id);
        next = id + 1;
    }
    takeUpTo(kLastQuestionId + 1);
    return free;
}

const std::string& OwnIdRange()
{
    static const std::string range =
        "ID BETWEEN " + std::to_string(kFirstCustomQuestionId) + " AND " + std::to_string(kLastQuestionId);
    return range;
}

std::string SubjectFilter(std::string_view name)
{
    return "Module = " + QuotedFilterText(name);
}

} // namespace lumenary::custom
