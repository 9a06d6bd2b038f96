// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionDatabase.h"
#include "RecordSet.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumenary {

// The quiz session state: the program-wide variables every window meets in.
// One instance lives as long as the program; windows get it by reference.
struct Session {
    // Question store and pool.
    std::shared_ptr<lumenary::QuestionDatabase> QuestionDatabase;
    std::string QuestionTableName;
    std::optional<RecordSet> QuestionTable;
    std::string QuizFilter;
    // The questions a pool may hold beyond what the filter says (a due
    // review's questions); none: the filter alone.
    std::optional<std::vector<std::int64_t>> QuizQuestionIDs;
    // The selection in words, as the study record keeps it ("Kings").
    std::string QuizSubject;
    std::optional<RecordSet> QuizRecordset;
    int QuestionCount = 0;
    bool PoolReady = false;

    // Counters and the question on screen.
    int QuestionsAsked = 0;
    int QuestionsCorrect = 0;
    int QuestionsRemaining = 0;
    bool AnswerCorrect = false;
    std::int64_t CurrentQuestionID = 0;

    // Direction and fonts.
    bool Flip = false;
    bool UseFrench = false;
    std::string QuestionFontName;
    int QuestionFontSize = 0;
    std::string AnswerFontName;
    int AnswerFontSize = 0;

    // Pool positions not drawn yet in this quiz. The draw picks among these, so
    // it never repeats a question and never loops, whatever the file holds.
    std::vector<std::size_t> UndrawnPositions;

    // Whether a marker write has failed in this run (told to the user once).
    bool MarkerWriteFailed = false;
    // Whether this quiz has told that another program removed some of its questions.
    bool QuestionsRemovedReported = false;

    void ResetQuizCounters();
};

} // namespace lumenary
