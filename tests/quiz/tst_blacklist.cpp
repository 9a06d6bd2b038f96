// SPDX-License-Identifier: GPL-3.0-or-later
// The answer blacklist against a real question database: which wrong
// answers it refuses, and what the "Blacklist" table holds after each step.

#include "ModBlacklist.h"
#include "ServiceQuiz.h"

#include <QtTest>

using namespace lumenary;

namespace {

BankQuestion Word(std::int64_t id, std::optional<std::string> english, std::optional<std::string> hebrew)
{
    auto question = test::Question(id, "Hebrew");
    question.english = std::move(english);
    question.hebrew = std::move(hebrew);
    return question;
}

// 1 is the question of most cases: "house", בַּיִת.
std::vector<BankQuestion> Words()
{
    return {Word(1, "house", "בַּיִת"), Word(2, "home", "בַּיִת"),  Word(3, "house", "בֵּית"),
            Word(4, "home", "מָעוֹן"),  Word(5, "tent", "מָעוֹן"),  Word(6, "House", "אֹהֶל"),
            Word(7, std::nullopt, "בַּיִת"), Word(8, "dwelling", std::nullopt), Word(9, "ark", "תֵּבָה")};
}

struct Pool : test::ServiceQuiz {
    Pool() : ServiceQuiz(Words(), random) { Prepare("Module = 'Hebrew'"); }

    // Makes the record with that ID current, as the quiz's draw would.
    void MoveTo(std::int64_t id) { QVERIFY(session.QuizRecordset->FindFirst("ID = " + std::to_string(id))); }

    void AskAbout(std::int64_t id)
    {
        MoveTo(id);
        const auto text = [&](const char* field) {
            const auto value = session.QuizRecordset->Field(field);
            return IsNull(value) ? std::nullopt : std::optional<std::string>(FieldText(value));
        };
        blacklist.BlacklistEnglish = text("English");
        blacklist.BlacklistHebrew = text("Hebrew");
    }

    bool Accepts(std::int64_t id)
    {
        MoveTo(id);
        blacklist.CheckBlacklist();
        return blacklist.CandidateAccepted;
    }

    // The table's rows as "English|Hebrew", sorted, read through a connection of its own.
    QStringList Rows() const
    {
        QStringList rows = QString::fromStdString(bank->Text("SELECT coalesce(group_concat(coalesce(English, '-') || "
                                                             "'|' || coalesce(Hebrew, '-'), ';'), '') FROM Blacklist"))
                               .split(';', Qt::SkipEmptyParts);
        rows.sort();
        return rows;
    }

    inline static test::SeededRandom random;
    ModBlacklist blacklist{session, prompter};
};

} // namespace

class TestBlacklist : public QObject {
    Q_OBJECT

private slots:
    void refusesWhatWouldAlsoBeRight_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("candidate");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("the question itself") << 1 << 1 << false;
        QTest::newRow("same English") << 1 << 3 << false;
        QTest::newRow("same Hebrew, other English") << 1 << 2 << false;
        QTest::newRow("English of a record sharing the Hebrew") << 1 << 4 << false;
        QTest::newRow("Hebrew shared only with an unrelated record") << 1 << 5 << true;
        QTest::newRow("English differs in letter case") << 1 << 6 << true;
        QTest::newRow("no English: only English is compared") << 1 << 7 << true;
        QTest::newRow("no Hebrew, unrelated") << 1 << 8 << true;
        QTest::newRow("question without Hebrew matches no null Hebrew") << 8 << 7 << true;
        QTest::newRow("question without English matches by Hebrew") << 7 << 2 << false;
    }

    void refusesWhatWouldAlsoBeRight()
    {
        QFETCH(int, question);
        QFETCH(int, candidate);
        QFETCH(bool, accepted);
        Pool pool;
        pool.blacklist.OpenBlacklist();
        pool.blacklist.ClearBlacklist();
        pool.AskAbout(question);
        pool.blacklist.RefillBlacklist();
        QCOMPARE(pool.Accepts(candidate), accepted);
    }

    // Question after question the table holds the rows of the question on
    // screen only, whatever the one before left in it; the routines that add
    // rows singly append to it.
    void tableFollowsEachQuestion()
    {
        Pool pool;
        pool.bank->Execute("INSERT INTO Blacklist (English, Hebrew) VALUES ('tent', 'old'), ('ark', NULL)");
        pool.blacklist.OpenBlacklist();
        QVERIFY2(!pool.Accepts(5), "rows of an earlier run count until the table is cleared");
        pool.blacklist.ClearBlacklist();
        QCOMPARE(pool.Rows(), QStringList());
        pool.blacklist.ClearBlacklist();
        QCOMPARE(pool.Rows(), QStringList());
        QVERIFY(pool.Accepts(5));

        const std::vector<std::pair<int, QStringList>> steps{
            {1, {"-|בַּיִת", "home|בַּיִת", "house|בֵּית", "house|בַּיִת"}},
            {9, {"ark|תֵּבָה"}},
            {2, {"-|בַּיִת", "home|מָעוֹן", "home|בַּיִת", "house|בַּיִת"}},
            {4, {"home|מָעוֹן", "home|בַּיִת", "tent|מָעוֹן"}},
            {4, {"home|מָעוֹן", "home|בַּיִת", "tent|מָעוֹן"}},
            {8, {"dwelling|-"}},
        };
        for (const auto& [question, rows] : steps) {
            pool.AskAbout(question);
            pool.blacklist.RefillBlacklist();
            QStringList expected = rows;
            expected.sort();
            QCOMPARE(pool.Rows(), expected);
        }
        QVERIFY(!pool.Accepts(8));
        QVERIFY(pool.Accepts(4));

        // The single routines append, as the quiz's own refill replaces.
        pool.blacklist.ClearBlacklist();
        pool.AskAbout(5);
        pool.blacklist.BlacklistQuestionMatches();
        QCOMPARE(pool.Rows(), (QStringList{"home|מָעוֹן", "tent|מָעוֹן"}));
        pool.blacklist.BlacklistQuestionMatches();
        QCOMPARE(pool.Rows().size(), 4);
        pool.MoveTo(9);
        pool.blacklist.AddRecordToBlacklist();
        QCOMPARE(pool.Rows(), (QStringList{"ark|תֵּבָה", "home|מָעוֹן", "home|מָעוֹן", "tent|מָעוֹן", "tent|מָעוֹן"}));
        QVERIFY(!pool.Accepts(9));
        QVERIFY(!pool.Accepts(2));
        pool.blacklist.ClearBlacklist();
        QCOMPARE(pool.Rows(), QStringList());
        QVERIFY(pool.Accepts(9));
    }
};

QTEST_GUILESS_MAIN(TestBlacklist)

#include "tst_blacklist.moc"
