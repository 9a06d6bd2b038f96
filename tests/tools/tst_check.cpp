// lumenary-db check as the build and a bank editor run it: the real
// executable on small banks with one fault each.

#include "TestBank.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumenary;
using lumenary::test::Question;

namespace {

struct Run {
    bool crashed = true;
    int exitCode = -1;
    QStringList lines;
    QString err;
};

Run RunCheck(const QString& database, const QStringList& windows)
{
    QProcess process;
    process.start(QStringLiteral(LUMENARY_DB), QStringList{"check", database} + windows);
    process.waitForFinished(60000);
    return {process.exitStatus() != QProcess::NormalExit, process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromUtf8(process.readAllStandardError())};
}

BankQuestion WithSides(BankQuestion question, const std::string& english, const std::string& hebrew)
{
    question.english = english;
    question.hebrew = hebrew;
    return question;
}

// Six Kings questions (enough for multiple choice) and one sound record of
// each module family the check has rules for.
std::vector<BankQuestion> SoundBank()
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= 6; ++id)
        questions.push_back(Question(id, "Kings", {}, {}, "na"));
    // Naming another record's answer one way only, or an answer inside a
    // longer word, gives nothing away.
    questions[1].english = "Successor of Answer 1, before Answer 30 and Answer 4a";
    auto chapter = Question(20, "NTI", 1, "Matthew", "na");
    chapter.chapter = 5;
    questions.push_back(chapter);
    questions.push_back(WithSides(Question(21, "Greek", 13, {}, "na"), "Abraham", "Ἀβραάμ, ὁ (indecl.)"));
    questions.push_back(WithSides(Question(22, "Hebrew", 7, {}, "qal"), "to say", "אָמַר"));
    questions.push_back(
        WithSides(Question(23, "Greek Elementary Principal Parts", 1, {}, "Future"), "λύω", "λύσω"));
    return questions;
}

const QStringList KingsOnly{"FrmKings"};

// One Hebrew record in each of the 41 units, its stem taken in turn from
// `stems`, so that every unit box selects a question.
QString HebrewUnitsWithStems(const QStringList& stems)
{
    QString pick = "CASE n % " + QString::number(stems.size());
    for (int i = 0; i < stems.size(); ++i)
        pick += QString(" WHEN %1 THEN '%2'").arg(i).arg(stems[i]);
    pick += " END";
    return "WITH RECURSIVE unit(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM unit WHERE n < 40)"
           " INSERT INTO lm40data (ID, Module, Category, Theme, English, Hebrew)"
           " SELECT 100 + n, 'Hebrew', n, "
         + pick + ", 'gloss ' || n, 'דבר' || n FROM unit";
}

const QStringList StemsButPual{"qal", "niphal", "piel", "hithpael", "hiphil", "hophal"};
const QString PualUnused =
    "FrmHebrew ChkHebTheme(3) \"Pu'al\": no record has this Theme, so clearing it excludes nothing "
    "(Module = 'Hebrew' and Theme = 'pual')";

} // namespace

class TestCheck : public QObject {
    Q_OBJECT

private slots:
    void soundBankPasses()
    {
        const test::TemporaryBank bank(SoundBank());
        const auto run = RunCheck(QString::fromStdString(bank.Path().string()), KingsOnly);
        QCOMPARE(run.lines, QStringList{});
        QCOMPARE(run.exitCode, 0);
    }

    void findsEachProblem_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("duplicate ID")
            << "CREATE TABLE loose AS SELECT * FROM lm40data; DROP TABLE lm40data;"
               " ALTER TABLE loose RENAME TO lm40data; INSERT INTO lm40data SELECT * FROM lm40data WHERE ID = 3"
            << KingsOnly << QStringList{"ID 3 (Kings): the ID is used by 2 records"};
        QTest::newRow("ID out of range")
            << "UPDATE lm40data SET ID = 40000 WHERE ID = 6" << KingsOnly
            << QStringList{"ID 40000 (Kings): the ID is not a whole number from 1 to 32767"};
        QTest::newRow("no English") << "UPDATE lm40data SET English = NULL WHERE ID = 20" << KingsOnly
                                    << QStringList{"ID 20 (NTI): English is missing"};
        QTest::newRow("empty theme") << "UPDATE lm40data SET Theme = '' WHERE ID = 2" << KingsOnly
                                     << QStringList{"ID 2 (Kings): Theme is empty (\"na\" stands for no theme)"};
        QTest::newRow("missing book") << "UPDATE lm40data SET Book = NULL WHERE ID = 20" << KingsOnly
                                      << QStringList{"ID 20 (NTI): Book is missing"};
        QTest::newRow("missing chapter") << "UPDATE lm40data SET Chapter = NULL WHERE ID = 20" << KingsOnly
                                         << QStringList{"ID 20 (NTI): Chapter is missing"};
        QTest::newRow("decomposed accent") << "UPDATE lm40data SET Hebrew = 'Jose' || char(769) WHERE ID = 4"
                                           << KingsOnly << QStringList{"ID 4 (Kings): Hebrew is not in Unicode NFC"};
        QTest::newRow("wrong Hebrew stem")
            << "UPDATE lm40data SET Theme = 'qall' WHERE ID = 22" << KingsOnly
            << QStringList{"ID 22 (Hebrew): Theme \"qall\" is not one of qal, niphal, piel, pual, hithpael, hiphil, "
                           "hophal, na"};
        QTest::newRow("tense that is no principal part")
            << "UPDATE lm40data SET Theme = 'Present' WHERE ID = 23" << KingsOnly
            << QStringList{"ID 23 (Greek Elementary Principal Parts): Theme \"Present\" is not one of Future, "
                           "Aorist Active, Aorist Passive, Perfect Active, Perfect Passive"};
        QTest::newRow("Latin text in a Greek record")
            << "UPDATE lm40data SET Hebrew = 'lo,goj' WHERE ID = 21" << KingsOnly
            << QStringList{"ID 21 (Greek): Hebrew \"lo,goj\" is not in Greek script"};
        QTest::newRow("Latin infinitive of a principal part")
            << "UPDATE lm40data SET English = 'luo' WHERE ID = 23" << KingsOnly
            << QStringList{"ID 23 (Greek Elementary Principal Parts): English \"luo\" is not in Greek script"};
        QTest::newRow("Greek text in a Hebrew record")
            << "UPDATE lm40data SET Hebrew = 'λέγω' WHERE ID = 22" << KingsOnly
            << QStringList{"ID 22 (Hebrew): Hebrew \"λέγω\" is not in Hebrew script"};
        QTest::newRow("NUL in a field")
            << "UPDATE lm40data SET English = 'Asa' || char(0) || ' of Judah' WHERE ID = 2" << KingsOnly
            << QStringList{"ID 2 (Kings): English holds a NUL character: \"Asa\\0 of Judah\""};
        QTest::newRow("terminal escape in a field")
            << "UPDATE lm40data SET French = 'dire' || char(27) || '[31m' WHERE ID = 22" << KingsOnly
            << QStringList{"ID 22 (Hebrew): French holds a control character: \"dire\\x1B[31m\""};
        QTest::newRow("line break in a field")
            << "UPDATE lm40data SET Book = 'Matt' || char(13, 10) || 'hew' WHERE ID = 20" << KingsOnly
            << QStringList{"ID 20 (NTI): Book holds a control character: \"Matt\\r\\nhew\""};
        QTest::newRow("prompt holds its answer")
            << "UPDATE lm40data SET English = 'The ANSWER 5, son of Asa' WHERE ID = 5" << KingsOnly
            << QStringList{"ID 5 (Kings): English holds its own answer \"Answer 5\""};
        QTest::newRow("two prompts tell each other")
            << "UPDATE lm40data SET English = 'Father of Answer 4' WHERE ID = 3;"
               " UPDATE lm40data SET English = 'Son of answer 3' WHERE ID = 4"
            << KingsOnly
            << QStringList{"ID 3 (Kings) and ID 4 (Kings): each English holds the other's answer (\"Answer 4\" and "
                           "\"Answer 3\")"};
        QTest::newRow("too few answers")
            << "UPDATE lm40data SET Hebrew = 'Asa' WHERE ID > 2 AND Module = 'Kings'" << KingsOnly
            << QStringList{"FrmKings module 'Kings': only 3 different Hebrew answer(s); multiple choice needs 6"};
        QTest::newRow("too few answers in reverse")
            << "UPDATE lm40data SET English = 'King of Judah' WHERE ID < 6" << KingsOnly
            << QStringList{"FrmKings module 'Kings': only 2 different English answer(s); multiple choice needs 6"};
        QTest::newRow("uncovered unit")
            << "WITH RECURSIVE unit(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM unit WHERE n < 10)"
               " INSERT INTO lm40data (ID, Module, Category, Theme, English, Hebrew)"
               " SELECT 100 + n, 'Systematic Theology', n, 'na', 'Doctrine ' || n, 'Text ' || n"
               " FROM unit WHERE n <> 4"
            << QStringList{"FrmSysTheo"}
            << QStringList{"FrmSysTheo ChkUnit(4) \"Soul-body Distinction, Definition of Sin, Original Sin, "
                           "Universality of Sin\": selects no question (Module = 'Systematic Theology'and "
                           "(Category= 4))"};
        QTest::newRow("stem no record has")
            << HebrewUnitsWithStems(StemsButPual) << QStringList{"FrmHebrew"} << QStringList{PualUnused};
        QTest::newRow("stem only another module has")
            << HebrewUnitsWithStems(StemsButPual) + "; UPDATE lm40data SET Theme = 'pual' WHERE Module = 'Kings'"
            << QStringList{"FrmHebrew"} << QStringList{PualUnused};
        QTest::newRow("two stems no record has")
            << HebrewUnitsWithStems({"qal", "niphal", "piel", "hithpael", "hiphil"}) << QStringList{"FrmHebrew"}
            << QStringList{PualUnused,
                           "FrmHebrew ChkHebTheme(6) \"Hoph'al\": no record has this Theme, so clearing it excludes "
                           "nothing (Module = 'Hebrew' and Theme = 'hophal')"};
        QTest::newRow("uncovered option")
            << "DELETE FROM lm40data WHERE Module = 'Kings'" << KingsOnly
            << QStringList{"FrmKings Option(0) \"Kings of Judah (1-6)\": selects no question (Module = 'Kings')",
                           "FrmKings module 'Kings': only 0 different English answer(s); multiple choice needs 6",
                           "FrmKings module 'Kings': only 0 different Hebrew answer(s); multiple choice needs 6"};
    }

    void findsEachProblem()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, lines);
        const test::TemporaryBank bank(SoundBank());
        bank.Execute(sql.toStdString());
        const auto run = RunCheck(QString::fromStdString(bank.Path().string()), windows);
        QCOMPARE(run.lines, lines);
        QCOMPARE(run.exitCode, 1);
    }

    void refusesUnusableFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QByteArray() << "was not found";
        QTest::newRow("not a database") << QByteArray("ID,Module\n1,Kings\n") << "is not a usable SQLite database";
    }

    void refusesUnusableFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath("lm50data.db");
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const auto run = RunCheck(path, {});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(run.lines, QStringList{});
    }

    // A copied file that came out damaged: the integrity check's findings and
    // nothing else, exit 1, never a crash.
    void reportsDamage_data()
    {
        QTest::addColumn<test::Damage>("damage");
        QTest::newRow("truncated") << test::Damage::Truncated;
        QTest::newRow("garbage pages") << test::Damage::GarbagePages;
    }

    void reportsDamage()
    {
        QFETCH(test::Damage, damage);
        QTemporaryDir folder;
        const std::filesystem::path file = folder.filePath("lm50data.db").toStdString();
        test::WriteLargeBank(file);
        test::DamageFile(file, damage);
        const auto run = RunCheck(QString::fromStdString(file.string()), KingsOnly);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QString());
        QVERIFY(!run.lines.isEmpty());
        for (const QString& line : run.lines)
            QVERIFY2(line.startsWith("the file is damaged: "), qPrintable(line));
    }

    void refusesUnknownWindow()
    {
        const test::TemporaryBank bank(SoundBank());
        const auto run = RunCheck(QString::fromStdString(bank.Path().string()), {"FrmKings", "FrmNowhere"});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QString("lumenary-db: no selection window is called \"FrmNowhere\"\n"));
    }
};

QTEST_GUILESS_MAIN(TestCheck)
#include "tst_check.moc"
