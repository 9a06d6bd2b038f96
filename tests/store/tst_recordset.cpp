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

private:
    static std::vector<BankQuestion> ThreeKingsAndOther()
    {
        return {Question(30, "Kings"), Question(10, "Kings"), Question(20, "Kings"), Question(5, "NTI", 1)};
    }

private slots:
    void movesInStoredOrder()
    {
        const test::TemporaryBank bank(ThreeKingsAndOther());
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Kings'");
        QCOMPARE(pool.RecordCount(), std::size_t{3});
        pool.MoveFirst();
        QCOMPARE(FieldNumber(pool.Field("ID")), 10);
        pool.MoveNext();
        QCOMPARE(FieldNumber(pool.Field("id")), 20);
        pool.MoveFirst();
        pool.Move(2);
        QCOMPARE(FieldNumber(pool.Field("ID")), 30);
        pool.MoveFirst();
        pool.Move(0);
        QCOMPARE(FieldNumber(pool.Field("ID")), 10);
        pool.MoveLast();
        QCOMPARE(FieldNumber(pool.Field("ID")), 30);
        pool.MoveNext();
        QVERIFY(pool.AtEnd());
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, pool.Field("ID"));
        QVERIFY_THROWS_EXCEPTION(StoreError, (pool.MoveFirst(), pool.Field("Colour")));
    }

    void emptySetHasNoCurrentRecord()
    {
        const test::TemporaryBank bank(ThreeKingsAndOther());
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Popes'");
        QCOMPARE(pool.RecordCount(), std::size_t{0});
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, pool.MoveLast());
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, pool.Field("ID"));
        QVERIFY_THROWS_EXCEPTION(NoCurrentRecord, pool.Edit());
    }

    void fieldsReadAsKept()
    {
        const test::TemporaryBank bank({Question(1, "Kings")});
        auto table = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data");
        table.MoveFirst();
        QVERIFY(IsNull(table.Field("French")));
        QCOMPARE(FieldText(table.Field("French")), std::string());
        // Numbers kept as text or as reals, as another program may keep them.
        QCOMPARE(FieldNumber(std::string(" 12")), 12);
        QCOMPARE(FieldText(2.50) + "/" + FieldText(12.0), std::string("2.5/12"));
    }

    void updateReachesTheFileAndClones()
    {
        const test::TemporaryBank bank(ThreeKingsAndOther());
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Kings'");
        auto clone = pool.Clone();
        pool.MoveFirst();
        pool.MoveNext();
        pool.Edit();
        pool.SetField("Correct", std::int64_t{0});
        pool.SetField("English", std::string("Changed"));
        pool.Update();
        QCOMPARE(bank.Number("SELECT Correct FROM lm40data WHERE ID = 20"), 0);
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 1);
        clone.MoveFirst();
        QCOMPARE(FieldNumber(clone.Field("ID")), 10);
        clone.MoveNext();
        QCOMPARE(FieldText(clone.Field("English")), std::string("Changed"));
        QCOMPARE(FieldNumber(pool.Field("ID")), 20);
    }

    void writingNeedsEdit()
    {
        const test::TemporaryBank bank({Question(1, "Kings")});
        auto table = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data");
        table.MoveFirst();
        QVERIFY_THROWS_EXCEPTION(StoreError, table.SetField("Correct", std::int64_t{0}));
        QVERIFY_THROWS_EXCEPTION(StoreError, table.Update());
    }

    void findFirstById()
    {
        const test::TemporaryBank bank(ThreeKingsAndOther());
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Kings'");
        QVERIFY(pool.FindFirst("ID = 30"));
        QCOMPARE(pool.Position(), std::size_t{2});
        QVERIFY(!pool.FindFirst("ID = 5")); // in the table, not in this set
        QCOMPARE(pool.Position(), std::size_t{2});
    }

    void addNewAndDelete()
    {
        const test::TemporaryBank bank({Question(1, "Kings")});
        auto blacklist = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "Blacklist");
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

    // Reading every row at once takes the set's own rows, even when their
    // marks no longer match the filter that chose them.
    void readAllKeepsTheSetsRows()
    {
        const test::TemporaryBank bank(ThreeKingsAndOther());
        bank.Execute("UPDATE lm40data SET Correct = 0 WHERE Module = 'Kings'");
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Correct=0");
        pool.MoveFirst();
        QCOMPARE(FieldText(pool.Field("English")), std::string("Prompt 10")); // one row read before
        pool.UpdateAll({{"Correct", std::int64_t{1}}});
        pool.ReadAll();
        bank.Execute("UPDATE lm40data SET English = 'changed'");
        std::vector<std::string> prompts;
        for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext())
            prompts.push_back(FieldText(pool.Field("English")) + "/" + FieldText(pool.Field("Correct")));
        QCOMPARE(prompts, (std::vector<std::string>{"Prompt 10/1", "Prompt 20/1", "Prompt 30/1"}));
    }

    // Marks written at once reach exactly the set's rows: long runs of ids
    // (written a range at a time), ids scattered among the rows of another
    // module, and a run broken by such a row.
    void updateAllReachesExactlyTheSetsRows_data()
    {
        QTest::addColumn<int>("last"); // IDs 1 to last are Kings' ...
        QTest::addColumn<QList<int>>("others"); // ... but these, and last + 1 to last + 3
        QList<int> evens;
        for (int id = 2; id <= 64; id += 2)
            evens << id;
        QTest::newRow("one long run") << 64 << QList<int>{};
        QTest::newRow("two long runs around another module's row") << 65 << QList<int>{33};
        QTest::newRow("scattered") << 64 << evens;
    }

    void updateAllReachesExactlyTheSetsRows()
    {
        QFETCH(int, last);
        QFETCH(QList<int>, others);
        std::vector<BankQuestion> questions;
        for (int id = 1; id <= last + 3; ++id)
            questions.push_back(Question(id, id <= last && !others.contains(id) ? "Kings" : "Other"));
        const test::TemporaryBank bank(questions);
        auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Kings'");
        pool.UpdateAll({{"Chosen", std::int64_t{1}}, {"Correct", std::int64_t{0}}});
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Module = 'Kings' AND Chosen = 1 AND Correct = 0"),
                 static_cast<int>(pool.RecordCount()));
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE Module = 'Other' AND Chosen = 0 AND Correct = 1"),
                 static_cast<int>(questions.size() - pool.RecordCount()));
    }

    // Columns of the pool in pool order, whether the pool fills its span of
    // row ids (read along the table) or is scattered (looked up by id), with
    // a record another program removed meanwhile reading as null.
    void readColumnsInPoolOrder_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("removed"); // 0 for none
        QTest::newRow("dense") << QList<int>{1, 2, 3, 4, 5, 6} << 0;
        QTest::newRow("dense, one removed") << QList<int>{1, 2, 3, 4, 5, 6} << 3;
        QTest::newRow("scattered") << QList<int>{2, 40, 900} << 0;
        QTest::newRow("scattered, one removed") << QList<int>{2, 40, 900} << 40;
    }

    void readColumnsInPoolOrder()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, removed);
        std::vector<BankQuestion> questions{Question(7, "Other"), Question(1000, "Other")};
        for (const int id : ids)
            questions.push_back(Question(id, "Kings"));
        const test::TemporaryBank bank(questions);
        const auto pool = RecordSet::OpenTable(QuestionDatabase::Open(bank.Path()), "lm40data").Filtered("Module = 'Kings'");
        QCOMPARE(pool.RecordCount(), std::size_t(ids.size()));
        bank.Execute("DELETE FROM lm40data WHERE ID = " + std::to_string(removed));
        const auto columns = pool.ReadColumns({"English", "ID"});
        QCOMPARE(columns.size(), std::size_t{2});
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const std::string expected = ids[i] == removed ? "" : "Prompt " + std::to_string(ids[i]);
            QCOMPARE(FieldText(columns[0][static_cast<std::size_t>(i)]), expected);
            QCOMPARE(IsNull(columns[1][static_cast<std::size_t>(i)]), ids[i] == removed);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
