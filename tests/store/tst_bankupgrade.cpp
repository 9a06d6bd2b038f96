// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a user's copy of the question bank up to a newer bank: on real
// files, what is added, changed and removed, that the user's marks, own
// questions and subjects and study record survive, and that a failure leaves
// the copy as it was.

#include "BankUpgrade.h"
#include "BankVersion.h"
#include "QuestionDatabase.h"
#include "StoreError.h"
#include "TestBank.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QFile>
#include <QtTest>

#include <optional>
#include <sys/stat.h>

using namespace lumenary;
using namespace lumenary::test;

namespace {

std::vector<BankQuestion> OldBank()
{
    return {Question(1, "Kings"), Question(2, "Kings"), Question(3, "Kings"), Question(4, "NTI", 1)};
}

// Question 2 reworded, 3 dropped, 5 added.
std::vector<BankQuestion> NewBank()
{
    auto questions = OldBank();
    questions[1].english = "A better prompt";
    questions.erase(questions.begin() + 2);
    questions.push_back(Question(5, "Kings"));
    return questions;
}

// The user's marks after a quiz: 1 and 2 missed, 4 asked and right.
void MarkMisses(const TemporaryBank& copy)
{
    copy.Execute("UPDATE lm40data SET Chosen = 1, QuestionUsed = 1");
    copy.Execute("UPDATE lm40data SET Correct = 0 WHERE ID IN (1, 2)");
}

// Every question as "ID English QuestionUsed/Correct/Chosen", in ID order.
QStringList Rows(const std::filesystem::path& file)
{
    SQLite::Database database(file.string(), SQLite::OPEN_READONLY);
    SQLite::Statement query(database, "SELECT ID, English, QuestionUsed, Correct, Chosen FROM lm40data ORDER BY ID");
    QStringList rows;
    while (query.executeStep())
        rows << QStringLiteral("%1 %2 %3/%4/%5")
                    .arg(query.getColumn(0).getInt())
                    .arg(QString::fromStdString(query.getColumn(1).getString()))
                    .arg(query.getColumn(2).getInt())
                    .arg(query.getColumn(3).getInt())
                    .arg(query.getColumn(4).getInt());
    return rows;
}

} // namespace

class TestBankUpgrade : public QObject {
    Q_OBJECT

private slots:
    void ordersVersions_data()
    {
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<bool>("older");
        QTest::newRow("same release, other questions") << "4.5+aaaa" << "4.5+bbbb" << true;
        QTest::newRow("same bank") << "4.5+aaaa" << "4.5+aaaa" << false;
        QTest::newRow("later release") << "4.5+aaaa" << "4.6+aaaa" << true;
        QTest::newRow("releases compare as numbers") << "4.9+aaaa" << "4.10+bbbb" << true;
        QTest::newRow("a newer copy stays") << "4.10+aaaa" << "4.9+bbbb" << false;
        QTest::newRow("trailing zero is the same release") << "4.5.0+aaaa" << "4.5+aaaa" << false;
        QTest::newRow("copy without a version") << "" << "4.5+aaaa" << true;
        QTest::newRow("bank without a version") << "4.5+aaaa" << "" << false;
    }

    void ordersVersions()
    {
        QFETCH(QString, copy);
        QFETCH(QString, bank);
        QFETCH(bool, older);
        const auto version = [](const QString& text) {
            return text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
        };
        QCOMPARE(OlderBank(version(copy), version(bank)), older);
    }

    // The user's own questions (from 20000) stay as they are, even where the
    // bank holds their IDs; so do a subject without questions yet and the
    // study record of a question the bank drops.
    void keepsTheMarksOfEveryQuestionThatStays()
    {
        auto old = OldBank();
        old.insert(old.end(), {Question(20000, "Mine"), Question(20001, "Mine")});
        const TemporaryBank copy(old);
        auto newer = NewBank();
        newer.insert(newer.end(), {Question(20001, "Intruder"), Question(20002, "Intruder")});
        const TemporaryBank bank(newer);
        MarkMisses(copy);
        QuestionDatabase::Open(copy.Path()); // which makes the tables of subjects and of the study record
        copy.Execute("INSERT INTO CustomSubject VALUES ('Not yet begun');"
                     "INSERT INTO StudyCard VALUES (3, 'A', 2.3, 2.1, '2026-12-01', '2026-12-03', 1, 0)");

        const auto changes = UpgradeQuestionCopy(copy.Path(), bank.Path());
        QVERIFY(changes.has_value());
        QCOMPARE(changes->added, 1);
        QCOMPARE(changes->changed, 1);
        QCOMPARE(changes->removed, 1);

        const QStringList expected{"1 Prompt 1 1/0/1", "2 A better prompt 1/0/1", "4 Prompt 4 1/1/1", "5 Prompt 5 0/1/0",
                                   "20000 Prompt 20000 1/1/1", "20001 Prompt 20001 1/1/1"};
        QCOMPARE(Rows(copy.Path()), expected);
        QCOMPARE(copy.Text("SELECT group_concat(DISTINCT Module) FROM lm40data WHERE ID >= 20000"), std::string("Mine"));
        QCOMPARE(copy.Text("SELECT group_concat(Name) || '/' || (SELECT group_concat(QuestionID) FROM StudyCard)"
                           " FROM CustomSubject"),
                 std::string("Not yet begun/3"));
        // The copy carries the bank's version now, which a build of the same questions has too.
        QCOMPARE(FileBankVersion(copy.Path()), FileBankVersion(bank.Path()));
        QCOMPARE(FileBankVersion(TemporaryBank(newer).Path()), FileBankVersion(bank.Path()));
        // Brought up to date once: the next start changes nothing.
        QVERIFY(!UpgradeQuestionCopy(copy.Path(), bank.Path()).has_value());
        QCOMPARE(Rows(copy.Path()), expected);
    }

    void failureLeavesTheCopyAsItWas_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("copy cannot be written") << "read-only" << "the file cannot be written";
        QTest::newRow("fails after the first changes") << "part-way" << "the database engine reports \"disk full\"";
        QTest::newRow("bank is not a database") << "bad bank" << "the file is damaged";
        QTest::newRow("copy held by another program") << "locked" << "the file is in use by another program";
        QTest::newRow("bank lacks a field") << "no Hebrew" << "the installed bank lacks the field(s) Hebrew";
    }

    void failureLeavesTheCopyAsItWas()
    {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        const TemporaryBank copy(OldBank());
        const TemporaryBank bank(NewBank());
        if (failure == "no Hebrew")
            bank.Execute("ALTER TABLE lm40data DROP COLUMN Hebrew");
        std::optional<SQLite::Database> otherProgram;
        MarkMisses(copy);
        if (failure == "part-way") // the removal and the rewording run, then adding fails
            copy.Execute("CREATE TRIGGER full BEFORE INSERT ON lm40data BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        if (failure == "bad bank")
            QFile::resize(QString::fromStdString(bank.Path().string()), 100);
        const QStringList rows = Rows(copy.Path());
        const auto version = FileBankVersion(copy.Path());
        if (failure == "read-only")
            ::chmod(copy.Path().c_str(), 0444);
        if (failure == "locked") {
            otherProgram.emplace(copy.Path().string(), SQLite::OPEN_READWRITE);
            otherProgram->exec("BEGIN EXCLUSIVE");
        }
        const QByteArray before = FileContent(copy.Path());

        try {
            UpgradeQuestionCopy(copy.Path(), bank.Path());
            QFAIL("the upgrade reported success");
        } catch (const StoreError& error) {
            QVERIFY2(QString(error.what()).contains("could not be brought up to date"), error.what());
            QVERIFY2(QString(error.what()).contains("(" + reason), error.what());
        }
        otherProgram.reset();
        QCOMPARE(FileContent(copy.Path()), before);
        QCOMPARE(Rows(copy.Path()), rows);
        QCOMPARE(FileBankVersion(copy.Path()), version);
    }
};

QTEST_GUILESS_MAIN(TestBankUpgrade)
#include "tst_bankupgrade.moc"
