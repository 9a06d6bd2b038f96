// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A quiz on a question file through the program's own services, without
// windows: pools prepared, questions drawn and answers recorded as the quiz
// windows do.

#include "FieldValue.h"
#include "ModCommonPreQuiz.h"
#include "ModCommonQuiz.h"
#include "Session.h"
#include "TestBank.h"

#include <optional>

namespace lumenary::test {

struct ServiceQuiz {
    ServiceQuiz(const std::filesystem::path& file, RandomSource& random,
                const Clock& clock = ModCommonQuiz::SystemTime())
        : common(session, prompter, random, clock)
    {
        preQuiz.OpenQuestionDatabase(file);
    }

    // On a file of its own that holds these questions.
    ServiceQuiz(const std::vector<BankQuestion>& questions, RandomSource& random)
        : bank(std::in_place, questions), common(session, prompter, random)
    {
        preQuiz.OpenQuestionDatabase(bank->Path());
    }

    void Prepare(const std::string& filter)
    {
        session.QuizFilter = filter;
        preQuiz.PrepareQuiz();
    }

    // Draws the next question and makes it the one on screen.
    std::int64_t Draw()
    {
        common.DrawRandomQuestion();
        session.CurrentQuestionID = FieldNumber(session.QuizRecordset->Field("ID"));
        return session.CurrentQuestionID;
    }

    // Prepares the module's pool and answers its first questions as the verdicts say.
    void Answer(const std::string& module, const std::vector<bool>& verdicts)
    {
        Prepare("Module = '" + module + "'");
        for (const bool right : verdicts) {
            Draw();
            session.AnswerCorrect = right;
            common.RecordAnswer("Flashcard");
        }
    }

    std::optional<TemporaryBank> bank;
    Session session;
    RecordingPrompter prompter;
    ModCommonPreQuiz preQuiz{session, prompter};
    ModCommonQuiz common;
};

} // namespace lumenary::test
