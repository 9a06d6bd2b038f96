// SPDX-License-Identifier: GPL-3.0-or-later
// Pool preparation and drawing at several pool sizes, on a real file in a
// temporary folder. Prints a table; never fails.

#include "BenchSupport.h"
#include "ModCommonPreQuiz.h"
#include "ModCommonQuiz.h"
#include "Prompter.h"
#include "QuestionBank.h"
#include "RandomSource.h"
#include "Session.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

using namespace lumenary;
using namespace lumenary::bench;
using SteadyClock = std::chrono::steady_clock;

namespace {

double MillisecondsSince(SteadyClock::time_point start)
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

std::filesystem::path MakeBank(const std::filesystem::path& folder, int poolSize)
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= poolSize; ++id)
        questions.push_back(BankQuestion{.source = {}, .id = id, .module = "Bench", .category = id % 19,
                                         .book = {}, .chapter = {}, .theme = "na",
                                         .english = "A prompt of ordinary length for question " + std::to_string(id),
                                         .french = {}, .hebrew = "answer " + std::to_string(id)});
    const auto file = folder / ("bench" + std::to_string(poolSize) + ".db");
    WriteQuestionDatabase(questions, file);
    return file;
}

void Measure(const std::filesystem::path& folder, int poolSize)
{
    Session session;
    SilentPrompter prompter;
    ClockRandomSource random;
    ModCommonPreQuiz preQuiz(session, prompter);
    ModCommonQuiz common(session, prompter, random);
    preQuiz.OpenQuestionDatabase(MakeBank(folder, poolSize));
    session.QuizFilter = "Module = 'Bench'";

    auto start = SteadyClock::now();
    preQuiz.PrepareQuiz();
    const double prepare = MillisecondsSince(start);

    auto& sql = session.QuestionDatabase->Sql();
    const int changesBefore = sql.getTotalChanges();
    start = SteadyClock::now();
    double slowestAnswer = 0;
    while (session.QuestionsAsked != session.QuestionCount) {
        const auto answerStart = SteadyClock::now();
        common.DrawRandomQuestion();
        session.CurrentQuestionID = FieldNumber(session.QuizRecordset->Field("ID"));
        if (session.QuestionsAsked % 3 == 0)
            common.RecordMissedQuestion();
        slowestAnswer = std::max(slowestAnswer, MillisecondsSince(answerStart));
    }
    const double quiz = MillisecondsSince(start);
    const int rowWrites = sql.getTotalChanges() - changesBefore;

    std::printf("%10d %12.1f %12.1f %14.2f %14.3f %14.3f\n", poolSize, prepare, quiz,
                double(rowWrites) / poolSize, quiz / poolSize, slowestAnswer);
}

void MeasureOneMarkerWrite(const std::filesystem::path& folder)
{
    Session session;
    SilentPrompter prompter;
    ClockRandomSource random;
    ModCommonPreQuiz preQuiz(session, prompter);
    ModCommonQuiz common(session, prompter, random);
    preQuiz.OpenQuestionDatabase(MakeBank(folder, 1000));
    session.QuizFilter = "Module = 'Bench'";
    preQuiz.PrepareQuiz();
    constexpr int writes = 500;
    const auto start = SteadyClock::now();
    for (int i = 0; i < writes; ++i) {
        session.CurrentQuestionID = 1 + i % 1000;
        common.RecordMissedQuestion();
    }
    std::printf("\none committed marker write (Correct 0, found by ID, WAL): %.3f ms average over %d\n",
                MillisecondsSince(start) / writes, writes);
}

} // namespace

int main()
{
    char pattern[] = "/tmp/lumenary-bench-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (!made) {
        std::perror("mkdtemp");
        return 0;
    }
    const std::filesystem::path folder(made);
    std::printf("%10s %12s %12s %14s %14s %14s\n", "pool", "prepare ms", "quiz ms", "writes/quest.",
                "ms/question", "slowest ms");
    for (const int size : {100, 1000, 32767})
        Measure(folder, size);
    MeasureOneMarkerWrite(folder);
    std::filesystem::remove_all(folder);
    return 0;
}
