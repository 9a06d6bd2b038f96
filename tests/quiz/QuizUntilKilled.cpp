// SPDX-License-Identifier: GPL-3.0-or-later
// A quiz that never ends, run by tst_killed and killed at random moments.
// It works on the real store and session services: it prepares pools (new and
// retry), draws every question, answers most of them (right or wrong, each
// answer with its study record) and skips the rest. Before each write it prints
// "B <write>", and once the write is committed "C <write>", so the killer
// knows which writes must be in the file and which one may be half done.
// Now and then a second connection holds the write lock for a few steps, as
// another program would: the writes of those steps fail ("S <write>", not
// saved), and every write after them must be committed as before.
//
//   quiz_until_killed DATABASE SEED

#include "FieldValue.h"
#include "ModCommonPreQuiz.h"
#include "ModCommonQuiz.h"
#include "Prompter.h"
#include "RandomSource.h"
#include "Session.h"

#include "StoreError.h"

#include <SQLiteCpp/Database.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using namespace lumenary;

// Straight to the pipe with no buffer, so a kill loses no reported line.
void Say(const std::string& line)
{
    const std::string whole = line + "\n";
    for (std::size_t written = 0; written < whole.size();) {
        const auto n = ::write(STDOUT_FILENO, whole.data() + written, whole.size() - written);
        if (n <= 0)
            std::_Exit(3);
        written += static_cast<std::size_t>(n);
    }
}

// An empty retry pool and results not saved while the file is held are
// expected; any other message is a failure to report.
class LinePrompter final : public Prompter {
public:
    void Information(const std::string& text, const std::string& title) override
    {
        if (title != NoMatchTitle && title != "Results Not Saved")
            Say("F " + title + ": " + text);
    }
    bool Question(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> TypedLine(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

// Another program's connection that takes and releases the write lock.
class OtherProgram {
public:
    explicit OtherProgram(const std::string& file) : database_(file, SQLite::OPEN_READWRITE) {}

    bool Holds() const { return holds_; }
    void Take()
    {
        database_.exec("BEGIN EXCLUSIVE");
        holds_ = true;
    }
    void Release()
    {
        database_.exec("ROLLBACK");
        holds_ = false;
    }

private:
    SQLite::Database database_;
    bool holds_ = false;
};

// Where the lock is held, a begun write is reported not saved.
std::string Outcome(const OtherProgram& other)
{
    return other.Holds() ? "S " : "C ";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: quiz_until_killed DATABASE SEED\n";
        return 2;
    }
    Session session;
    LinePrompter prompter;
    ClockRandomSource random;
    ModCommonPreQuiz preQuiz(session, prompter);
    ModCommonQuiz common(session, prompter, random);
    std::mt19937 choices(static_cast<std::mt19937::result_type>(std::strtoul(argv[2], nullptr, 10)));
    const char* modules[] = {"K20", "K60", "K150", "K300"};
    try {
        preQuiz.OpenQuestionDatabase(argv[1]);
        // Fail at once while the file is held, instead of after the busy wait.
        session.QuestionDatabase->Sql().setBusyTimeout(0);
        OtherProgram other(argv[1]);
        const auto step = [&] {
            if (!other.Holds() && choices() % 40 == 0)
                other.Take();
            else if (other.Holds() && choices() % 5 == 0)
                other.Release();
        };
        for (;;) {
            const std::string module = modules[choices() % std::size(modules)];
            const bool retry = choices() % 3 == 0;
            session.QuizFilter = "Module = '" + module + "'" + (retry ? "and Correct=0" : "");
            const std::string pool = std::string("P ") + module + (retry ? " retry" : "");
            step();
            Say("B " + pool);
            try {
                preQuiz.PrepareQuiz();
            } catch (const StoreError&) {
                if (!other.Holds())
                    throw;
            }
            Say(Outcome(other) + pool);
            while (session.PoolReady && !session.UndrawnPositions.empty()) {
                step();
                Say("B U");
                common.DrawRandomQuestion();
                session.CurrentQuestionID = FieldNumber(session.QuizRecordset->Field("ID"));
                const std::string id = std::to_string(session.CurrentQuestionID);
                Say(Outcome(other) + "U " + id);
                if (choices() % 4 == 0)
                    continue; // skipped: no answer
                session.AnswerCorrect = choices() % 3 != 0;
                const std::string answer = "A " + id + (session.AnswerCorrect ? " 1" : " 0");
                Say("B " + answer);
                common.RecordAnswer("Flashcard");
                Say(Outcome(other) + answer);
            }
        }
    } catch (const std::exception& error) {
        Say(std::string("F ") + error.what());
        return 1;
    }
}
