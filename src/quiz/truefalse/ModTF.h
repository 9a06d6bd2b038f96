// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FalseAnswerPool.h"
#include "QuizEngine.h"

#include <optional>

namespace lumenary {

struct QuizContext;

// The true/false quiz: a question with a proposed answer, its own half of
// the time, and the user's verdict on the pairing.
class ModTF final : public QuizEngine {
public:
    explicit ModTF(QuizContext& context) : context_(context) {}

    void StartQuiz() override { StartTrueFalseQuiz(); }
    void ClearProgressCaptions() override;
    void CloseQuizWindow() override;
    void RenewPoolCopy() override { CloneQuizRecordset(); }

    void StartTrueFalseQuiz();
    void NextTrueFalseQuestion();
    void ShowTrueFalseQuestion();
    void MakeTrueFalseStatement();
    void PickFalseAnswer();
    void CheckTrueFalseAnswer();

    // TFRecordset becomes a fresh copy of the pool.
    void CloneQuizRecordset();

    std::optional<FalseAnswerPool> TFRecordset;
    bool TFStatementTrue = false;
    bool TFResponse = false;

private:
    QuizContext& context_;
};

} // namespace lumenary
