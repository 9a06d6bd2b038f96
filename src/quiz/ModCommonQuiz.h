// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "StudyDay.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumenary {

class Prompter;
class RandomSource;
struct Session;

inline constexpr char LastQuestionText[] = "This was the last question.";
inline constexpr char LastQuestionTitle[] = "Last Question";
inline constexpr char RetryText[] = "Would you like to retry the questions you missed?";
inline constexpr char RetryTitle[] = "Retry Missed Questions?";
inline constexpr char QuestionsRemovedText[] =
    "Some questions of this quiz were removed from the question database by another program. "
    "The quiz goes on with the questions that remain.";
inline constexpr char QuestionsRemovedTitle[] = "Questions Removed";

// When the end of a pool offers to retry the missed questions.
enum class RetryRule {
    AnyMiss,        // the correct and asked captions differ
    SixOrMoreMisses // and asked minus correct is at least six
};

// The services every quiz engine shares: the draw, the counters, the missed
// mark, the study record of each answer and the end-of-pool protocol.
class ModCommonQuiz {
public:
    ModCommonQuiz(Session& session, Prompter& prompter, RandomSource& random, const Clock& clock = SystemTime())
        : session_(session), prompter_(prompter), random_(random), clock_(clock)
    {
    }

    // The clock of the program, for those who make no clock of their own.
    static const Clock& SystemTime();
    const Clock& Time() const { return clock_; }
    StudyDay Today() const { return StudyDayOf(clock_.Now()); }

    // Makes a question not drawn yet in this quiz current, each with equal
    // chance, and marks it used. Callers draw only while questions remain.
    // A question another program has removed meanwhile leaves the pool (the
    // user is told once); false when none is left to draw.
    bool DrawRandomQuestion();
    // Whether the question drawn last is asked in another direction or other
    // fonts than the one before it (a pool that mixes ways): the quiz window
    // then sets its fonts again.
    bool DirectionChanged() const { return directionChanged_; }
    // After stirring the clock into the generator, a whole number from 0 to
    // n - 1, each with equal chance: floor(n * r) for a uniform r in [0, 1).
    std::size_t RandomIndex(std::size_t n);
    // The same without a stir of its own, for a long run of draws that one
    // StirRandom has begun (a stir costs as much as a hundred draws).
    void StirRandom();
    std::size_t NextRandomIndex(std::size_t n);
    void ShowLastQuestionNotice();
    void CountCorrectAnswer();
    // Writes Correct 0 into the record of the question on screen, at once.
    void RecordMissedQuestion();
    // The verdict on the question on screen (the session's AnswerCorrect) by
    // the engine named ("Flashcard", "TF", "SA", "MC", "Tense"): the missed
    // mark when wrong, the answer, its card and its run, in one transaction
    // committed before the next question shows.
    void RecordAnswer(std::string_view engine);

    // The end of the pool: the last-question notice, then, when the rule
    // holds for the panel's captions, the retry question. True when the user
    // wants to retry the missed questions.
    bool FinishPool(const QString& correctCaption, const QString& askedCaption, RetryRule rule);

private:
    void DropRemovedQuestion();
    // The direction of the question drawn, where the pool gives each its own.
    void TakeUpDirection(std::int64_t questionId);
    void ReportQuestionsRemoved();
    // False, with the reason told, when the question is no longer in the file.
    bool WriteMissedMarker();
    // The answer, its card and its run (begun with its first answer); returns the run.
    std::int64_t WriteStudyAnswer(std::string_view engine);

    Session& session_;
    Prompter& prompter_;
    RandomSource& random_;
    const Clock& clock_;

    // The study run of the pool being drawn; written with its first answer.
    std::int64_t runId_ = 0;
    std::int64_t parentRunId_ = 0; // the run whose misses this pool retries
    std::int64_t retriedRunId_ = 0; // the run the next pool retries
    Moment runStartedAt_;
    Moment questionShownAt_;
    bool directionChanged_ = false;
};

} // namespace lumenary
