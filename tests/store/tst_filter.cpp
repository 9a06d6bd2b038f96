// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz filter: every shape the selection windows build, how it evaluates
// on a real database, and the texts it refuses.

#include "FilterSql.h"
#include "QuestionDatabase.h"
#include "RecordSet.h"
#include "StoreError.h"
#include "TestBank.h"

#include <QtTest>

using namespace lumenary;
using lumenary::test::Question;

class TestFilter : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TemporaryBank> bank_;

    QList<qint64> Selected(const QString& filter)
    {
        const auto database = QuestionDatabase::Open(bank_->Path());
        auto pool = RecordSet::OpenTable(database, "lm40data").Filtered(filter.toStdString());
        QList<qint64> ids;
        for (pool.MoveFirst(); !pool.AtEnd(); pool.MoveNext())
            ids.append(FieldNumber(pool.Field("ID")));
        return ids;
    }

private slots:
    void initTestCase()
    {
        bank_ = std::make_unique<test::TemporaryBank>(std::vector<BankQuestion>{
            Question(1, "Kings"), Question(2, "Kings"), Question(3, "Kings"),
            Question(4, "OT Chapter Content: Detailed", {}, "Genesis"),
            Question(5, "OT Chapter Content: Detailed", {}, "Exodus"),
            Question(6, "OT Chapter Content: Detailed", {}, "GENESIS"),
            Question(7, "NTI", 1), Question(8, "NTI", 2), Question(9, "NTI", 3),
            Question(10, "Hebrew", 1, {}, "qal"), Question(11, "Hebrew", 1, {}, "na"),
            Question(12, "Hebrew", 1, {}, {}), Question(13, "Hebrew", 2, {}, "pual"),
            Question(14, "Hebrew", 7, {}, "Hophal"), Question(15, "KINGS")});
        bank_->Execute("UPDATE lm40data SET Correct = 0 WHERE ID IN (3, 8)");
    }

    void evaluates_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<qint64>>("ids");
        using Ids = QList<qint64>;
        QTest::newRow("module alone, any case") << "Module = 'Kings'" << Ids{1, 2, 3, 15};
        QTest::newRow("missed clause") << "Module = 'Kings'and Correct=0" << Ids{3};
        QTest::newRow("missed clause twice") << "Module = 'Kings'and Correct=0and Correct=0" << Ids{3};
        QTest::newRow("book ignores case")
            << "Module = 'OT Chapter Content: Detailed'and (Book = 'genesis')" << Ids{4, 6};
        QTest::newRow("category group") << "Module = 'NTI'and (Category= 1 or Category= 3)" << Ids{7, 9};
        QTest::newRow("group then missed") << "Module = 'NTI'and (Category= 1 or Category= 2)and Correct=0" << Ids{8};
        QTest::newRow("not in skips null theme")
            << "Module = 'Hebrew'and (Category= 1) and (Theme Not In ('qal'))" << Ids{11};
        QTest::newRow("not in list ignores case")
            << "Module = 'Hebrew'and (Category= 1 or Category= 2 or Category= 7) and (Theme Not In ('pual','hophal'))"
            << Ids{10, 11};
        QTest::newRow("and binds tighter than or") << "Category= 1 or Module = 'Kings' and Category= 9" << Ids{7, 10, 11, 12};
        QTest::newRow("parentheses override") << "(Module = 'NTI' or Module = 'Kings') and Correct = 1" << Ids{1, 2, 7, 9, 15};
        QTest::newRow("keywords in capitals") << "Module = 'NTI' AND (Category= 1 OR Category= 2)" << Ids{7, 8};
        QTest::newRow("no optional space") << "Module='NTI'and(Category=1or Category=2)" << Ids{7, 8};
        QTest::newRow("field names ignore case") << "module = 'NTI'and (CATEGORY= 2)" << Ids{8};
        QTest::newRow("doubled quote in text") << "Module = 'O''Brien'" << Ids{};
        QTest::newRow("matches nothing") << "Module = 'Nothing'" << Ids{};
        QTest::newRow("by id") << "ID = 5" << Ids{5};
        QTest::newRow("negative number") << "ID = -5 or ID = 2" << Ids{2};
        QTest::newRow("nested to the limit")
            << QString("(ID = 9 or ID = 1 and ").repeated(12) + "ID = 1" + QString(")").repeated(12) << Ids{1, 9};
        QTest::newRow("as long as allowed") << QString("ID = 4 or ").repeated(499) + "ID = 5" << Ids{4, 5};
    }

    void evaluates()
    {
        QFETCH(QString, filter);
        QFETCH(QList<qint64>, ids);
        QCOMPARE(Selected(filter), ids);
    }

    // A refused filter changes nothing. A short filter is quoted whole; the
    // message quotes about 80 characters around the fault, whole letters
    // only, on one line, and counts the position in letters, not bytes.
    void refuses_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("message"); // empty: any short one that quotes the filter
        QTest::newRow("open quote") << "Module = 'Kings" << QString();
        QTest::newRow("bare word value") << "Module = Kings" << QString();
        QTest::newRow("dangling and") << "Module = 'Kings' and" << QString();
        QTest::newRow("no operator") << "Module 'Kings'" << QString();
        QTest::newRow("unknown field") << "Colour = 'red'" << QString();
        QTest::newRow("statement smuggled in") << "Module = 'Kings'; DROP TABLE lm40data" << QString();
        QTest::newRow("open parenthesis") << "(Module = 'Kings'" << QString();
        QTest::newRow("not without in") << "Theme Not ('qal')" << QString();
        QTest::newRow("empty") << "" << QString();
        QTest::newRow("number too large") << "ID = 99999999999999999999" << QString();
        QTest::newRow("nested deeper than SQL runs")
            << QString("(ID = 1 or ").repeated(20) + "ID = 2" + QString(")").repeated(20) << QString();
        QTest::newRow("longer than SQL runs") << QString("ID = 1 or ").repeated(1200) + "ID = 2" << QString();
        QTest::newRow("accented letter in a field name")
            << "Módule = 'Kings'"
            << "The quiz filter \"Módule = 'Kings'\" cannot be read: the character \"ó\" is not understood at "
               "position 2.";
        QTest::newRow("fault at the end of a long filter")
            << "Module = '" + QString("Kings ").repeated(3000) + "' and"
            << "The quiz filter \"…gs " + QString("Kings ").repeated(12) + "' and\" cannot be read: a condition is "
               "missing at the end at position 18016.";
        QTest::newRow("fault inside a long Greek filter")
            << "Module = '" + QString("λόγος ").repeated(4000) + "' ; " + QString("ἀγάπη ").repeated(4000)
            << "The quiz filter \"…" + QString("λόγος ").repeated(7).right(38) + "' ; "
                   + QString("ἀγάπη ").repeated(7).left(38) + "…\" cannot be read: the character \";\" is not "
                   "understood at position 24013.";
        QTest::newRow("line break and control character")
            << "Module = 'King\ns'\x1b"
            << "The quiz filter \"Module = 'King\\ns'\\x1B\" cannot be read: the character \"\\x1B\" is not "
               "understood at position 18.";
        QTest::newRow("unknown field far into a filter")
            << QString("ID = 1 or ").repeated(300) + "Colour = 'red'"
            << "The quiz filter \"… 1 or " + QString("ID = 1 or ").repeated(6) + "Colour = 'red'\" names the field "
               "\"Colour\", which the question table does not have.";
    }

    void refuses()
    {
        QFETCH(QString, filter);
        QFETCH(QString, message);
        try {
            Selected(filter);
            QFAIL("the filter was accepted");
        } catch (const FilterError& error) {
            const QString told = QString::fromUtf8(error.what());
            if (!message.isEmpty())
                QCOMPARE(told, message);
            else
                QVERIFY2(filter.size() > 80 || told.contains(QLatin1Char('"') + filter + QLatin1Char('"')), error.what());
            QVERIFY2(told.size() < 300, error.what());
        }
        QCOMPARE(bank_->Number("SELECT count(*) FROM lm40data"), 15);
    }

    void valuesNeverReachSqlText()
    {
        const std::string filter = "Module = 'x'' OR 1=1 --'and (Theme Not In ('a'))";
        const auto condition = CompileFilter(ParseFilter(filter), QuestionFieldNames(), filter);
        QVERIFY(condition.sql.find("OR 1=1") == std::string::npos);
        QCOMPARE(condition.parameters.size(), std::size_t{2});
        QCOMPARE(Selected(QString::fromStdString(filter)), QList<qint64>{});
    }
};

QTEST_GUILESS_MAIN(TestFilter)
#include "tst_filter.moc"
