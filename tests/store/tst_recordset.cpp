// SPDX-License-Identifier: GPL-3.0-or-later
// Record-set operations over a real file: moves, counts, the no-current-record
// failures, writes that reach the file at once, clones, find, add and delete.

#include "QuestionDatabase.h"
#include "RecordSet.h"
#include "StoreError.h"
#include "TestBank.h"

#include <QtTest>

using namespace lumenary;
using lumenary::test::Question;

class TestRecordSet : public QObject {
    Q_OBJECT

private slots:
    // Three Kings questions among others: moves in stored order, find, a write
    // that reaches the file and every clone at once, every row read at once,
    // and no current record past the end or in an empty set.
    void kingsPool()
    {
        const test::TemporaryBank bank({Question(30, "Kings"), Question(10, "Kings"), Question(20, "Kings"),
                                        Question(5, "NTI", 1)});
        const auto table = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data");
        auto pool = table.Filtered("Module = 'Kings'");
        auto clone = pool.Clone();
        QCOMPARE(pool.RecordCount(), std::size_t{3});
        pool.MoveFirst();
        QCOMPARE(FieldNumber(pool.Field("ID")), 10);
        pool.MoveNext();
        QCOMPARE(FieldNumber(pool.Field("id")), 20);
        pool.MoveFirst();
        pool.Move(2);
        QCOMPARE(FieldNumber(pool.Field("ID")), 30);
        pool.MoveLast();
        QCOMPARE(FieldNumber(pool.Field("ID")), 30);
        pool.MoveNext();
        QVERIFY(pool.AtEnd());
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, pool.Field("ID"));
        QVERIFY_THROWS_EXCEPTION(StoreError, (pool.MoveFirst(), pool.Field("Colour")));

        QVERIFY(pool.FindFirst("ID = 20"));
        QCOMPARE(pool.Position(), std::size_t{1});
        QVERIFY(!pool.FindFirst("ID = 5")); // in the table, not in this set
        QCOMPARE(pool.Position(), std::size_t{1});
        pool.Edit();
        pool.SetField("Correct", std::int64_t{0});
        pool.SetField("English", std::string("Changed"));
        pool.Update();
        QCOMPARE(bank.Number("SELECT Correct FROM lm40data WHERE ID = 20"), 0);
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 1);
        clone.MoveFirst();
        QCOMPARE(FieldNumber(clone.Field("ID")), 10);
        clone.MoveNext();
        QCOMPARE(FieldNumber(clone.Field("Correct")), 0);
        QCOMPARE(FieldText(pool.Field("English")), std::string("Changed"));

        // Reading every row at once takes the set's own rows, even when their
        // marks no longer match the filter that chose them.
        bank.Execute("UPDATE lm40data SET Correct = 0 WHERE Module = 'Kings'");
        auto missed = table.Filtered("Correct=0");
        missed.MoveFirst();
        QCOMPARE(FieldText(missed.Field("English")), std::string("Prompt 10")); // one row read before
        missed.UpdateAll({{"Correct", std::int64_t{1}}});
        missed.ReadAll();
        bank.Execute("UPDATE lm40data SET English = 'changed'");
        std::vector<std::string> prompts;
        for (missed.MoveFirst(); !missed.AtEnd(); missed.MoveNext())
            prompts.push_back(FieldText(missed.Field("English")) + "/" + FieldText(missed.Field("Correct")));
        QCOMPARE(prompts, (std::vector<std::string>{"Prompt 10/1", "Changed/1", "Prompt 30/1"}));

        auto none = table.Filtered("Module = 'Popes'");
        QCOMPARE(none.RecordCount(), std::size_t{0});
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, none.MoveLast());
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, none.Field("ID"));
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, none.Edit());
    }

    // A file of one question: fields read as kept, no write without Edit or
    // AddNew, and rows added and deleted in the file at once.
    void oneQuestion()
    {
        const test::TemporaryBank bank({Question(1, "Kings")});
        const auto database = QuestionDatabase::Open(bank.Path());
        auto table = RecordSet::OpenTable(database, "lm40data");
        table.MoveFirst();
        QVERIFY(IsNull(table.Field("French")));
        QCOMPARE(FieldText(table.Field("French")), std::string());
        // Numbers kept as text or as reals, as another program may keep them.
        QCOMPARE(FieldNumber(std::string(" 12")), 12);
        QCOMPARE(FieldText(2.50) + "/" + FieldText(12.0), std::string("2.5/12"));
        QVERIFY_THROWS_EXCEPTION(StoreError, table.SetField("Correct", std::int64_t{0}));
        QVERIFY_THROWS_EXCEPTION(StoreError, table.Update());

        auto blacklist = RecordSet::OpenTable(database, "Blacklist");
        QCOMPARE(blacklist.RecordCount(), std::size_t{0});
        for (const char* answer : {"Asa", "Abijah"}) {
            blacklist.AddNew();
            blacklist.SetField("English", std::string(answer));
            blacklist.Update();
        }
        QCOMPARE(blacklist.RecordCount(), std::size_t{2});
        QCOMPARE(bank.Number("SELECT count(*) FROM Blacklist"), 2);
        blacklist.MoveFirst();
        blacklist.Delete();
        QCOMPARE(blacklist.RecordCount(), std::size_t{1});
        QCOMPARE(FieldText(blacklist.Field("English")), std::string("Abijah"));
        QCOMPARE(bank.Number("SELECT count(*) FROM Blacklist WHERE English = 'Asa'"), 0);
    }

    // The set's own rows written and read at once, whether they fill their
    // span of ids (written a run at a time, read along the table) or are
    // scattered among another module's rows (written and read by id); a
    // record another program removed meanwhile reads as null.
    void wholeSetAtOnce_data()
    {
        QTest::addColumn<QList<int>>("ids"); // Kings'; the others up to the last + 3 are another module's
        QTest::addColumn<int>("removed"); // 0 for none
        QList<int> run;
        QList<int> evens;
        for (int id = 1; id <= 65; ++id)
            run << id;
        for (int id = 2; id <= 64; id += 2)
            evens << id;
        QTest::newRow("one long run") << run.first(64) << 0;
        QTest::newRow("one long run, one removed") << run.first(64) << 3;
        QTest::newRow("two long runs around another module's row") << run.first(32) + run.sliced(33) << 0;
        QTest::newRow("every other row") << evens << 0;
        QTest::newRow("far apart") << QList<int>{2, 40, 900} << 0;
        QTest::newRow("far apart, one removed") << QList<int>{2, 40, 900} << 40;
    }

    void wholeSetAtOnce()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, removed);
        std::vector<BankQuestion> questions;
        for (int id = 1; id <= ids.back() + 3; ++id)
            questions.push_back(Question(id, ids.contains(id) ? "Kings" : "Other"));
        const test::TemporaryBank bank(questions);
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Kings'");
        QCOMPARE(pool.RecordCount(), std::size_t(ids.size()));
        bank.Execute("DELETE FROM lm40data WHERE ID = " + std::to_string(removed));
        const auto columns = pool.ReadColumns({"English", "ID"});
        QCOMPARE(columns.size(), std::size_t{2});
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const std::string expected = ids[i] == removed ? "" : "Prompt " + std::to_string(ids[i]);
            QCOMPARE(FieldText(columns[0][static_cast<std::size_t>(i)]), expected);
            QCOMPARE(IsNull(columns[1][static_cast<std::size_t>(i)]), ids[i] == removed);
        }
        pool.UpdateAll({{"Chosen", std::int64_t{1}}, {"Correct", std::int64_t{0}}});
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Module = 'Kings' AND Chosen = 1 AND Correct = 0"),
                 ids.size() - (removed ? 1 : 0));
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Module = 'Other' AND Chosen = 0 AND Correct = 1"),
                 static_cast<int>(questions.size()) - ids.size());
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
