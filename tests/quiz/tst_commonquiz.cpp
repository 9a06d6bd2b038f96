// SPDX-License-Identifier: GPL-3.0-or-later
// The services every quiz shares: the draw (no repeats, fair, always ends),
// the missed mark in the file and the progress texts.

#include "FullDisk.h"
#include "ProgressText.h"
#include "ServiceQuiz.h"
#include "StoreError.h"

#include <SQLiteCpp/Database.h>

#include <QtTest>

#include <optional>
#include <random>
#include <set>
#include <sys/stat.h>

using namespace lumenary;

namespace {

using test::SeededRandom;

// A prepared pool of that many Kings questions.
struct Quiz : test::ServiceQuiz {
    Quiz(int count, RandomSource& random) : ServiceQuiz(test::UnitQuestions("Kings", 1, count), random)
    {
        Prepare("Module = 'Kings'");
    }
};

} // namespace

class TestCommonQuiz : public QObject {
    Q_OBJECT

private slots:
    void drawsEveryQuestionOnce()
    {
        SeededRandom random;
        Quiz quiz(40, random);
        std::set<std::int64_t> drawn;
        while (quiz.session.QuestionsAsked != quiz.session.QuestionCount) {
            const auto id = quiz.Draw();
            QVERIFY2(drawn.insert(id).second, "a question was drawn twice");
            QCOMPARE(quiz.bank->Number("SELECT QuestionUsed FROM lm40data WHERE ID = " + std::to_string(id)), 1);
        }
        QCOMPARE(drawn.size(), std::size_t{40});
        QCOMPARE(quiz.session.QuestionsRemaining, 0);
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 0"), 0);
    }

    // Over many quizzes each question appears at each turn equally often.
    void drawIsFair()
    {
        constexpr int size = 5;
        constexpr int quizzes = 1000;
        SeededRandom random;
        Quiz quiz(size, random);
        std::array<std::array<int, size>, size> seen{};
        for (int round = 0; round < quizzes; ++round) {
            quiz.session.ResetQuizCounters();
            for (int turn = 0; turn < size; ++turn)
                ++seen[static_cast<std::size_t>(quiz.Draw() - 1)][static_cast<std::size_t>(turn)];
        }
        double chiSquare = 0;
        constexpr double expected = double(quizzes) / size;
        for (const auto& row : seen)
            for (const int count : row)
                chiSquare += (count - expected) * (count - expected) / expected;
        // 16 degrees of freedom: a fair draw exceeds 39.25 once in a thousand.
        QVERIFY2(chiSquare < 39.25, qPrintable(QString::number(chiSquare)));
    }

    // A file that cannot be written is told of once, at opening; its pool is
    // prepared and drawn to the end all the same, and nothing is written.
    void readOnlyFileIsQuizzedToTheEnd()
    {
        SeededRandom random;
        test::TemporaryBank bank(test::UnitQuestions("Kings", 1, 12));
        bank.Execute("UPDATE lm40data SET QuestionUsed = 1");
        ::chmod(bank.Path().c_str(), 0444);
        test::ServiceQuiz quiz(bank.Path(), random);
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
        QCOMPARE(quiz.prompter.messages[0].title, std::string("Results Not Saved"));
        quiz.Prepare("Module = 'Kings'");
        QVERIFY(quiz.session.PoolReady);
        QCOMPARE(quiz.session.QuestionCount, 12);
        std::set<std::int64_t> drawn;
        while (quiz.session.QuestionsAsked != quiz.session.QuestionCount)
            drawn.insert(quiz.Draw());
        QCOMPARE(drawn.size(), std::size_t{12});
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Chosen = 1 OR QuestionUsed = 0"), 0);
    }

    void clockReseedKeepsNumbersIndependent()
    {
        ClockRandomSource random;
        std::set<double> numbers;
        for (int i = 0; i < 1000; ++i) {
            random.Reseed();
            const double number = random.Next();
            QVERIFY(number >= 0.0 && number < 1.0);
            numbers.insert(number);
        }
        QVERIFY2(numbers.size() > 990, "reseeding within one clock tick repeats numbers");
    }

    void missOfAVanishedRecordIsToldOnce()
    {
        SeededRandom random;
        Quiz quiz(6, random);
        for (int question = 0; question < 2; ++question) {
            quiz.Draw();
            quiz.bank->Execute("DELETE FROM lm40data WHERE ID = " + std::to_string(quiz.session.CurrentQuestionID));
            quiz.common.RecordMissedQuestion();
        }
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
        // The results of the questions that remain are still kept.
        QCOMPARE(quiz.prompter.messages.front().title, std::string(QuestionsRemovedTitle));
        quiz.Draw(); // the quiz goes on
        quiz.common.RecordMissedQuestion();
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 1);
    }

    // A file that cannot be written, because another program's connection
    // holds the write lock or the disk is full: the quiz says once what is
    // wrong and goes on, nothing of it is written meanwhile, a new pool is not
    // prepared without its marks, and the file stays sound. Once the file is
    // free, both work again.
    void whenTheFileCannotBeWritten_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another program holds the file") << "locked" << "in use by another program";
        QTest::newRow("disk full") << "full" << "the disk is full";
    }

    void whenTheFileCannotBeWritten()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        SeededRandom random;
        test::FullDisk disk;
        Quiz quiz(6, random);
        quiz.Draw();
        quiz.common.RecordMissedQuestion();
        {
            std::optional<SQLite::Database> otherProgram;
            if (fault == "locked") {
                otherProgram.emplace(quiz.bank->Path().string(), SQLite::OPEN_READWRITE);
                otherProgram->exec("BEGIN EXCLUSIVE");
            }
            disk.SetFull(fault == "full");
            for (int question = 0; question < 3; ++question) {
                quiz.Draw();
                quiz.common.RecordMissedQuestion();
            }
            QCOMPARE(quiz.session.QuestionsAsked, 4);
            quiz.session.QuizFilter = "Module = 'Kings'and Correct=0";
            try {
                quiz.preQuiz.PrepareQuiz();
                QFAIL("the pool was prepared without its marks");
            } catch (const StoreError& error) {
                QVERIFY2(QString(error.what()).contains(reason), error.what());
                QVERIFY2(QString(error.what()).endsWith("Nothing was changed."), error.what());
            }
            disk.SetFull(false);
        }
        QVERIFY(!quiz.session.PoolReady);
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
        QCOMPARE(quiz.prompter.messages[0].title, std::string("Results Not Saved"));
        QVERIFY2(QString::fromStdString(quiz.prompter.messages[0].text).contains(reason),
                 quiz.prompter.messages[0].text.c_str());
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 1);
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1"), 1);
        QCOMPARE(quiz.bank->Text("PRAGMA integrity_check"), std::string("ok"));
        quiz.preQuiz.PrepareQuiz(); // the same pool, its marks reset
        QVERIFY(quiz.session.PoolReady);
        QCOMPARE(quiz.session.QuestionCount, 1);
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1 OR Correct = 0"), 0);
        quiz.Draw();
        quiz.common.RecordMissedQuestion();
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1 AND Correct = 0"), 1);
    }

    // The progress texts a quiz of ten does not show.
    void progressTexts()
    {
        QCOMPARE(SignedForm(-3), QString("-3"));
        QCOMPARE(PercentageText(1, 32), QString("3.13")); // a half rounds up
    }
};

QTEST_MAIN(TestCommonQuiz)
#include "tst_commonquiz.moc"
