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
using lumenary::test::Question;

namespace {

using test::SeededRandom;

// Keeps the question file from being written while it lives: another
// program's connection holding the write lock, or a full disk.
class WriteFault {
public:
    WriteFault(const QString& fault, const std::filesystem::path& file, test::FullDisk& disk) : disk_(disk)
    {
        if (fault == "locked") {
            otherProgram_.emplace(file.string(), SQLite::OPEN_READWRITE);
            otherProgram_->exec("BEGIN EXCLUSIVE");
        } else {
            disk_.SetFull(true);
        }
    }
    ~WriteFault() { disk_.SetFull(false); }
    WriteFault(const WriteFault&) = delete;
    WriteFault& operator=(const WriteFault&) = delete;

private:
    test::FullDisk& disk_;
    std::optional<SQLite::Database> otherProgram_;
};

std::vector<BankQuestion> Kings(int count)
{
    std::vector<BankQuestion> questions;
    for (int i = 1; i <= count; ++i)
        questions.push_back(Question(i, "Kings"));
    return questions;
}

// A prepared pool of that many Kings questions.
struct Quiz : test::ServiceQuiz {
    Quiz(int count, RandomSource& random) : ServiceQuiz(Kings(count), random) { Prepare("Module = 'Kings'"); }
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

    void drawEndsOnAReadOnlyFile()
    {
        SeededRandom random;
        test::TemporaryBank bank(Kings(12));
        bank.Execute("UPDATE lm40data SET QuestionUsed = 1");
        ::chmod(bank.Path().c_str(), 0444);
        test::ServiceQuiz quiz(bank.Path(), random);
        quiz.Prepare("Module = 'Kings'");
        std::set<std::int64_t> drawn;
        while (quiz.session.QuestionsAsked != quiz.session.QuestionCount)
            drawn.insert(quiz.Draw());
        QCOMPARE(drawn.size(), std::size_t{12});
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1}); // told once, at opening
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

    // A file that cannot be written, because another program holds the write
    // lock or the disk is full: the quiz says once what is wrong and goes on,
    // nothing of it is written meanwhile, and the file stays sound.
    void missWhenTheFileCannotBeWritten_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("another program holds the file") << "locked" << "in use by another program";
        QTest::newRow("disk full") << "full" << "the disk is full";
    }

    void missWhenTheFileCannotBeWritten()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        SeededRandom random;
        test::FullDisk disk;
        Quiz quiz(6, random);
        quiz.Draw();
        quiz.common.RecordMissedQuestion();
        {
            WriteFault blocked(fault, quiz.bank->Path(), disk);
            for (int question = 0; question < 3; ++question) {
                quiz.Draw();
                quiz.common.RecordMissedQuestion();
            }
        }
        QCOMPARE(quiz.session.QuestionsAsked, 4);
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
        QCOMPARE(quiz.prompter.messages[0].title, std::string("Results Not Saved"));
        QVERIFY2(QString::fromStdString(quiz.prompter.messages[0].text).contains(reason),
                 quiz.prompter.messages[0].text.c_str());
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 1);
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1"), 1);
        quiz.Draw(); // writes again once the file is free
        quiz.common.RecordMissedQuestion();
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 2);
        QCOMPARE(quiz.bank->Text("PRAGMA integrity_check"), std::string("ok"));
    }

    void poolPreparationWhenTheFileCannotBeWritten_data() { missWhenTheFileCannotBeWritten_data(); }

    void poolPreparationWhenTheFileCannotBeWritten()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        SeededRandom random;
        test::FullDisk disk;
        Quiz quiz(6, random);
        quiz.Draw();
        quiz.common.RecordMissedQuestion();
        {
            WriteFault blocked(fault, quiz.bank->Path(), disk);
            quiz.session.QuizFilter = "Module = 'Kings'and Correct=0";
            try {
                quiz.preQuiz.PrepareQuiz();
                QFAIL("the pool was prepared without its marks");
            } catch (const StoreError& error) {
                QVERIFY2(QString(error.what()).contains(reason), error.what());
                QVERIFY2(QString(error.what()).endsWith("Nothing was changed."), error.what());
            }
        }
        QVERIFY(!quiz.session.PoolReady);
        // The marks of the quiz before are as they were.
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 1);
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1"), 1);
        QCOMPARE(quiz.bank->Text("PRAGMA integrity_check"), std::string("ok"));
        quiz.preQuiz.PrepareQuiz(); // and the same pool is prepared once the file is free
        QVERIFY(quiz.session.PoolReady);
        QCOMPARE(quiz.session.QuestionCount, 1);
        QCOMPARE(quiz.bank->Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1"), 0);
    }

    void progressTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start") << StartText(25) << "Questions Remaining 25";
        QTest::newRow("remaining") << RemainingText(24) << "Questions Remaining:   24";
        QTest::newRow("signed negative") << SignedForm(-3) << "-3";
        QTest::newRow("three of four") << PercentageText(3, 4) << "75.00";
        QTest::newRow("two of three") << PercentageText(2, 3) << "66.67";
        QTest::newRow("none of one") << PercentageText(0, 1) << "0.00";
        QTest::newRow("half rounds up") << PercentageText(1, 32) << "3.13";
    }

    void progressTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(TestCommonQuiz)
#include "tst_commonquiz.moc"
