// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lumenary {

class RecordSet;
struct Session;

// Part A is English (French while UseFrench holds), Part B the Hebrew field;
// Flip false asks Part A and answers Part B. A null field reads as empty.
QString QuestionSide(const Session& session, const RecordSet& record);
QString AnswerSide(const Session& session, const RecordSet& record);
// The fields those sides are read from, in the session's direction or another.
const char* QuestionField(const Session& session);
const char* AnswerField(const Session& session);
const char* QuestionField(bool flip, bool useFrench);
const char* AnswerField(bool flip, bool useFrench);

// The theme line: the record's theme, or empty for "na" or none.
QString ThemeLine(const RecordSet& record);

} // namespace lumenary
