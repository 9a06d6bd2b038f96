// SPDX-License-Identifier: GPL-3.0-or-later
// Pool preparation: the count, the markers of exactly the pool's records, the
// empty-pool message, and what a read-only file still allows.

#include "ServiceQuiz.h"

#include <QtTest>

#include <sys/stat.h>

using namespace lumenary;
using lumenary::test::Question;

class TestPool : public QObject {
    Q_OBJECT

private:
    // A quiz on a file of its own, and the number of its questions that match.
    struct Fixture : test::ServiceQuiz {
        explicit Fixture(const std::vector<BankQuestion>& questions) : ServiceQuiz(questions, random) {}
        long long Count(const std::string& where) const
        {
            return bank->Number("SELECT count(*) FROM lm40data WHERE " + where);
        }
        inline static test::SeededRandom random;
    };

    static std::vector<BankQuestion> KingsAndNti(int kings, int nti)
    {
        std::vector<BankQuestion> questions;
        for (int i = 1; i <= kings; ++i)
            questions.push_back(Question(i, "Kings"));
        for (int i = 1; i <= nti; ++i)
            questions.push_back(Question(100 + i, "NTI", i % 3 + 1));
        return questions;
    }

private slots:
    void marksExactlyThePool()
    {
        Fixture fixture(KingsAndNti(5, 6));
        fixture.bank->Execute("UPDATE lm40data SET QuestionUsed = 1, Correct = 0, Chosen = 0");
        fixture.Prepare("Module = 'Kings'");
        QVERIFY(fixture.session.PoolReady);
        QCOMPARE(fixture.session.QuestionCount, 5);
        QCOMPARE(fixture.Count("Module = 'Kings' AND Chosen = 1 AND QuestionUsed = 0 AND Correct = 1"), 5);
        QCOMPARE(fixture.Count("Module = 'NTI' AND Chosen = 0 AND QuestionUsed = 1 AND Correct = 0"), 6);
        QCOMPARE(fixture.session.QuestionsAsked, 0);
        QCOMPARE(fixture.session.QuestionsCorrect, 0);
        QCOMPARE(fixture.session.QuestionsRemaining, 5);
        QVERIFY(fixture.prompter.messages.empty());
    }

    void emptyPoolKeepsThePreviousQuiz()
    {
        Fixture fixture(KingsAndNti(4, 3));
        fixture.Prepare("Module = 'Kings'");
        fixture.session.QuestionsAsked = 2;
        fixture.Prepare("Module = 'Popes'");
        QVERIFY(!fixture.session.PoolReady);
        QCOMPARE(fixture.session.QuestionCount, 4);
        QCOMPARE(fixture.session.QuestionsAsked, 2);
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
        QCOMPARE(fixture.prompter.messages[0].text, std::string("No words match your criteria.  Please try again."));
        QCOMPARE(fixture.prompter.messages[0].title, std::string("No Matching Words Found"));
        QVERIFY(!fixture.prompter.messages[0].question);
    }

    void preparingTwiceGivesTheSameState()
    {
        Fixture fixture(KingsAndNti(3, 9));
        fixture.Prepare("Module = 'NTI'and (Category= 1 or Category= 2)");
        const int first = fixture.session.QuestionCount;
        fixture.preQuiz.PrepareQuiz();
        QCOMPARE(fixture.session.QuestionCount, first);
        QCOMPARE(first, 6);
        QCOMPARE(fixture.Count("Chosen = 1"), 6);
    }

    void missedReviewNarrowsToTheMissed()
    {
        Fixture fixture(KingsAndNti(6, 2));
        fixture.Prepare("Module = 'Kings'");
        fixture.bank->Execute("UPDATE lm40data SET Correct = 0 WHERE ID IN (2, 5)");
        fixture.session.QuizFilter += "and Correct=0";
        fixture.preQuiz.PrepareQuiz();
        QCOMPARE(fixture.session.QuestionCount, 2);
        QCOMPARE(fixture.Count("Module = 'Kings' AND Correct = 1"), 6);
        // The markers were reset, so a second review without misses finds nothing.
        fixture.session.QuizFilter += "and Correct=0";
        fixture.preQuiz.PrepareQuiz();
        QVERIFY(!fixture.session.PoolReady);
    }

    void poolsBeyondSixteenBits()
    {
        Fixture fixture(KingsAndNti(0, 0));
        fixture.bank->Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000)"
                              " INSERT INTO lm40data (ID, Module, English, Hebrew) SELECT i, 'Big', 'q', 'a' FROM n");
        fixture.Prepare("Module = 'Big'");
        QCOMPARE(fixture.session.QuestionCount, 40000);
        QCOMPARE(fixture.session.QuestionsRemaining, 40000);
        QCOMPARE(fixture.Count("Chosen = 1"), 40000);
    }

    void readOnlyFileStillPrepares()
    {
        const test::TemporaryBank bank(KingsAndNti(3, 0));
        ::chmod(bank.Path().c_str(), 0444);
        test::ServiceQuiz quiz(bank.Path(), Fixture::random);
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
        QCOMPARE(quiz.prompter.messages[0].title, std::string("Results Not Saved"));
        quiz.Prepare("Module = 'Kings'");
        QVERIFY(quiz.session.PoolReady);
        QCOMPARE(quiz.session.QuestionCount, 3);
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Chosen = 1"), 0);
        QCOMPARE(quiz.prompter.messages.size(), std::size_t{1});
    }
};

QTEST_GUILESS_MAIN(TestPool)
#include "tst_pool.moc"
