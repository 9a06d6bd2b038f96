// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace lumenary {

class QuestionDatabase;

// Problems of the study record, one line each: an answer whose run is
// missing, a card whose numbers are out of range (stability not above zero,
// difficulty outside 1..10, a day that is no date, due before its last
// answer, no answers, more lapses than answers after the first). A file
// without the record has none.
std::vector<std::string> CheckStudyRecord(QuestionDatabase& database);

} // namespace lumenary
