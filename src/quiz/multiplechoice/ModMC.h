// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ModBlacklist.h"
#include "QuizEngine.h"

#include <array>
#include <cstddef>
#include <vector>

namespace lumenary {

class FrmMC;
struct QuizContext;

// The multiple-choice quiz: the question, its own answer on a random one of
// six lines, and five wrong answers drawn from the pool on the others.
class ModMC final : public QuizEngine {
public:
    explicit ModMC(QuizContext& context);

    void StartQuiz() override { StartMultipleChoiceQuiz(); }
    void ClearProgressCaptions() override;
    void CloseQuizWindow() override;

    void StartMultipleChoiceQuiz();
    void NextMultipleChoiceQuestion();
    void PlaceCorrectChoice();
    void ShowMultipleChoiceQuestion();
    // Fills the lines left empty with wrong answers. Each pool record is
    // tried at most once; lines stay empty when the pool has too few.
    void FillDistractors();
    // Moves the pool to a record not tried yet for this question; false when
    // every record has been tried.
    bool MoveToRandomRecord();
    // No text of the current record stands on a line yet.
    bool CandidateIsNew() const;
    // Writes the current record's answer side on the first empty line; false
    // when that text is empty and so fills nothing.
    bool PlaceDistractor();
    void CheckMultipleChoiceAnswer();

    // The line (1 to 6) that holds the right answer.
    int MCAnswerSlot = 1;

    ModBlacklist& Blacklist() { return blacklist_; }

private:
    FrmMC& Window();
    void ReadLineTexts();

    QuizContext& context_;
    ModBlacklist blacklist_;
    std::vector<std::size_t> untried_; // pool positions not tried for this question
    std::array<int, 7> lineTexts_{};   // PoolTexts number of each line's caption
};

} // namespace lumenary
