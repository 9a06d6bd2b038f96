// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user's own subjects: the questions from kFirstCustomQuestionId up,
// grouped by their Module, which names the subject, and the names the user
// made a subject of (see SubjectTable.h), questions or not.

#include "QuestionDatabase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary::custom {

inline constexpr std::size_t kLongestSubjectName = 60;

struct Subject {
    std::string name;
    std::int64_t questionCount = 0;
    bool withChapters = false; // it has questions, and every one has a chapter

    bool operator==(const Subject&) const = default;
};

// The user's subjects in name order (ignoring letter case), with their counts.
std::vector<Subject> ListSubjects(QuestionDatabase& database);

// The subject a name means, spelt as stored; filters ignore letter case, and
// so does this.
std::optional<std::string> FindSubject(QuestionDatabase& database, std::string_view name);

// What is wrong with `name` as the name of a new subject, or nullopt when it
// will do: 1 to 60 characters, not blank, no control character, not a name
// the question bank gives a module, not the name of a subject the user has
// (other than `renaming`, the subject about to take the name).
std::optional<std::string> SubjectNameProblem(QuestionDatabase& database, std::string_view name,
                                              std::string_view renaming = {});

// The IDs no question holds yet, lowest first, at most `wanted` of them.
std::vector<std::int64_t> FreeIds(QuestionDatabase& database, std::size_t wanted);
inline std::optional<std::int64_t> NextFreeId(QuestionDatabase& database)
{
    const auto ids = FreeIds(database, 1);
    return ids.empty() ? std::nullopt : std::optional(ids.front());
}

// "ID BETWEEN 20000 AND 32767", the user's own questions in an SQL condition.
const std::string& OwnIdRange();

// The quiz filter that selects a subject's questions, whatever its name holds.
std::string SubjectFilter(std::string_view name);

} // namespace lumenary::custom
