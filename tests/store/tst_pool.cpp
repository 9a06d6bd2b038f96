// SPDX-License-Identifier: GPL-3.0-or-later
// Pool preparation: the count, the markers of exactly the pool's records, the
// empty-pool message, and what a read-only file still allows.

#include "ModCommonPreQuiz.h"
#include "Session.h"
#include "TestBank.h"

#include <QtTest>

#include <sys/stat.h>

using namespace lumenary;
using lumenary::test::Question;

class TestPool : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        explicit Fixture(const std::vector<BankQuestion>& questions) : bank(questions) {}
        void Open() { preQuiz.OpenQuestionDatabase(bank.Path()); }
        long long Count(const std::string& where) const
        {
            return bank.Number("SELECT count(*) FROM lm40data WHERE " + where);
        }

        test::TemporaryBank bank;
        Session session;
        test::RecordingPrompter prompter;
        ModCommonPreQuiz preQuiz{session, prompter};
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
        fixture.bank.Execute("UPDATE lm40data SET QuestionUsed = 1, Correct = 0, Chosen = 0");
        fixture.Open();
        fixture.session.QuizFilter = "Module = 'Kings'";
        fixture.preQuiz.PrepareQuiz();
        QVERIFY(fixture.session.PoolReady);
        QCOMPARE(fixture.session.QuestionCount, 5);
        QCOMPARE(fixture.Count("Module = 'Kings' AND Chosen = 1 AND QuestionUsed = 0 AND Correct = 1"), 5);
        QCOMPARE(fixture.Count("Module = 'NTI' AND Chosen = 0 AND QuestionUsed = 1 AND Correct = 0"), 6);
        QCOMPARE(fixture.session.QuestionsAsked, 0);
        QCOMPARE(fixture.session.QuestionsCorrect, 0);
        QCOMPARE(fixture.session.QuestionsRemaining, 5);
        QVERIFY(fixture.prompter.messages.empty());
    }

    void poolOfOne()
    {
        Fixture fixture(KingsAndNti(1, 3));
        fixture.Open();
        fixture.session.QuizFilter = "Module = 'Kings'";
        fixture.preQuiz.PrepareQuiz();
        QCOMPARE(fixture.session.QuestionCount, 1);
        QCOMPARE(fixture.Count("ID = 1 AND Chosen = 1 AND QuestionUsed = 0 AND Correct = 1"), 1);
    }

    void emptyPoolKeepsThePreviousQuiz()
    {
        Fixture fixture(KingsAndNti(4, 3));
        fixture.Open();
        fixture.session.QuizFilter = "Module = 'Kings'";
        fixture.preQuiz.PrepareQuiz();
        fixture.session.QuestionsAsked = 2;
        fixture.session.QuizFilter = "Module = 'Popes'";
        fixture.preQuiz.PrepareQuiz();
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
        fixture.Open();
        fixture.session.QuizFilter = "Module = 'NTI'and (Category= 1 or Category= 2)";
        fixture.preQuiz.PrepareQuiz();
        const int first = fixture.session.QuestionCount;
        fixture.preQuiz.PrepareQuiz();
        QCOMPARE(fixture.session.QuestionCount, first);
        QCOMPARE(first, 6);
        QCOMPARE(fixture.Count("Chosen = 1"), 6);
    }

    void missedReviewNarrowsToTheMissed()
    {
        Fixture fixture(KingsAndNti(6, 2));
        fixture.Open();
        fixture.session.QuizFilter = "Module = 'Kings'";
        fixture.preQuiz.PrepareQuiz();
        fixture.bank.Execute("UPDATE lm40data SET Correct = 0 WHERE ID IN (2, 5)");
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
        fixture.bank.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000)"
                             " INSERT INTO lm40data (ID, Module, English, Hebrew) SELECT i, 'Big', 'q', 'a' FROM n");
        fixture.Open();
        fixture.session.QuizFilter = "Module = 'Big'";
        fixture.preQuiz.PrepareQuiz();
        QCOMPARE(fixture.session.QuestionCount, 40000);
        QCOMPARE(fixture.session.QuestionsRemaining, 40000);
        QCOMPARE(fixture.Count("Chosen = 1"), 40000);
    }

    void readOnlyFileStillPrepares()
    {
        Fixture fixture(KingsAndNti(3, 0));
        ::chmod(fixture.bank.Path().c_str(), 0444);
        fixture.Open();
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
        QCOMPARE(fixture.prompter.messages[0].title, std::string("Results Not Saved"));
        fixture.session.QuizFilter = "Module = 'Kings'";
        fixture.preQuiz.PrepareQuiz();
        QVERIFY(fixture.session.PoolReady);
        QCOMPARE(fixture.session.QuestionCount, 3);
        QCOMPARE(fixture.Count("Chosen = 1"), 0);
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
    }
};

QTEST_GUILESS_MAIN(TestPool)
#include "tst_pool.moc"
