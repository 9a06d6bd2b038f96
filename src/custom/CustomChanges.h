// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Changes to the user's own subjects and questions as the Custom menu's
// windows make them, each in a transaction of its own. Each throws
// CustomDataError saying what is wrong and that nothing changed: a name or a
// value that breaks a rule, a file that cannot be written.

#include "CustomFields.h"
#include "QuestionDatabase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary::custom {

// Makes a subject with no questions yet.
void CreateSubject(QuestionDatabase& database, const std::string& name);

// Gives a subject and all its questions a new name; returns how many
// questions it moved.
std::int64_t RenameSubject(QuestionDatabase& database, const std::string& subject, const std::string& newName);

// Removes a subject and its questions; returns how many questions it
// removed. Their study record stays, and so their IDs are not given again.
std::int64_t DeleteSubject(QuestionDatabase& database, const std::string& subject);

struct OwnQuestion {
    std::int64_t id = 0;
    FieldValues values;
};

// The subject's questions in ID order.
std::vector<OwnQuestion> SubjectQuestions(QuestionDatabase& database, std::string_view subject);

// Adds a question to the subject under the lowest free ID, and returns that ID.
std::int64_t AddQuestion(QuestionDatabase& database, const std::string& subject, const FieldValues& values);

// Writes one field of a question, when the value keeps the field's rule.
void ChangeField(QuestionDatabase& database, std::int64_t id, Field field, const std::optional<std::string>& value);

// Removes a question; its subject stays, even when this was its last question.
void DeleteQuestion(QuestionDatabase& database, std::int64_t id);

// INSERT INTO the question table with every field: ID, Module, the fields in
// Field order, fresh markers.
std::string InsertQuestionSql();

// Binds every field from `first` on, in Field order; Unit and Chapter as numbers.
void BindFields(SQLite::Statement& statement, int first, const FieldValues& values);
void BindField(SQLite::Statement& statement, int index, const FieldColumn& field,
               const std::optional<std::string>& value);

} // namespace lumenary::custom
