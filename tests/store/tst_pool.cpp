// SPDX-License-Identifier: GPL-3.0-or-later
// Pool preparation: the count, the markers of exactly the pool's records, the
// counters and the empty-pool message.

#include "ServiceQuiz.h"

#include <QtTest>

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
    // One quiz after another on one file: each pool marks exactly its own
    // records and starts its counters afresh, preparing the same pool again
    // gives the same state, and an empty pool is told and keeps the quiz before.
    void poolAfterPool()
    {
        Fixture fixture(KingsAndNti(5, 9));
        fixture.bank->Execute("UPDATE lm40data SET QuestionUsed = 1, Correct = 0, Chosen = 0");
        fixture.session.QuestionsAsked = 3;
        fixture.session.QuestionsCorrect = 2;
        fixture.Prepare("Module = 'Kings'");
        QVERIFY(fixture.session.PoolReady);
        QCOMPARE(fixture.session.QuestionCount, 5);
        QCOMPARE(fixture.Count("Module = 'Kings' AND Chosen = 1 AND QuestionUsed = 0 AND Correct = 1"), 5);
        QCOMPARE(fixture.Count("Module = 'NTI' AND Chosen = 0 AND QuestionUsed = 1 AND Correct = 0"), 9);
        QCOMPARE(fixture.session.QuestionsAsked, 0);
        QCOMPARE(fixture.session.QuestionsCorrect, 0);
        QCOMPARE(fixture.session.QuestionsRemaining, 5);

        fixture.Prepare("Module = 'NTI'and (Category= 1 or Category= 2)");
        fixture.preQuiz.PrepareQuiz();
        QCOMPARE(fixture.session.QuestionCount, 6);
        QCOMPARE(fixture.Count("Module = 'NTI' AND Chosen = 1"), 6);

        fixture.session.QuestionsAsked = 2;
        fixture.Prepare("Module = 'Popes'");
        QVERIFY(!fixture.session.PoolReady);
        QCOMPARE(fixture.session.QuestionCount, 6);
        QCOMPARE(fixture.session.QuestionsAsked, 2);
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
        QCOMPARE(fixture.prompter.messages[0].text, std::string("No words match your criteria.  Please try again."));
        QCOMPARE(fixture.prompter.messages[0].title, std::string("No Matching Words Found"));
        QVERIFY(!fixture.prompter.messages[0].question);
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
};

QTEST_GUILESS_MAIN(TestPool)
#include "tst_pool.moc"
