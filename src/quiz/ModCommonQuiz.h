#pragma once

#include <QString>

#include <cstddef>

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
// mark and the end-of-pool protocol.
class ModCommonQuiz {
public:
    ModCommonQuiz(Session& session, Prompter& prompter, RandomSource& random)
        : session_(session), prompter_(prompter), random_(random)
    {
    }

    // Makes a question not drawn yet in this quiz current, each with equal
    // chance, and marks it used. Callers draw only while questions remain.
    // A question another program has removed meanwhile leaves the pool (the
    // user is told once); false when none is left to draw.
    bool DrawRandomQuestion();
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

    // The end of the pool: the last-question notice, then, when the rule
    // holds for the panel's captions, the retry question. True when the user
    // wants to retry the missed questions.
    bool FinishPool(const QString& correctCaption, const QString& askedCaption, RetryRule rule);

private:
    void DropRemovedQuestion();
    void ReportQuestionsRemoved();

    Session& session_;
    Prompter& prompter_;
    RandomSource& random_;
};

} // namespace lumenary
