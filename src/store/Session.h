// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuestionDatabase.h"
#include "RecordSet.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace lumenary {

// How a question is asked: which side shows, and in which fonts.
struct QuizDirection {
    bool Flip = false;
    bool UseFrench = false;
    std::string QuestionFontName;
    int QuestionFontSize = 0;
    std::string AnswerFontName;
    int AnswerFontSize = 0;

    bool operator==(const QuizDirection&) const = default;
};

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
    // A pool whose questions are asked in different ways (missed questions
    // quizzed again, each as it was missed): each question's direction by ID,
    // taken up as the question is drawn. Empty: the fields above hold for all.
    std::unordered_map<std::int64_t, QuizDirection> QuestionDirections;

    // Pool positions not drawn yet in this quiz. The draw picks among these, so
    // it never repeats a question and never loops, whatever the file holds.
    std::vector<std::size_t> UndrawnPositions;

    // Whether a marker write has failed in this run (told to the user once).
    bool MarkerWriteFailed = false;
    // Whether this quiz has told that another program removed some of its questions.
    bool QuestionsRemovedReported = false;

    void ResetQuizCounters();
    QuizDirection Direction() const;
    void SetDirection(const QuizDirection& direction);
};

} // namespace lumenary
