// SPDX-License-Identifier: GPL-3.0-or-later
// lumenary-db as a user and the build run it: the real executable, real files,
// exit codes and the messages of bad usage; check on small banks with one fault each.

#include "FullDisk.h"
#include "ProgramRun.h"
#include "QuestionBank.h"
#include "TestBank.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumenary;
using namespace lumenary::test;

namespace {

Run RunCheck(const QString& database, const QStringList& windows)
{
    return RunLumenaryDb(QStringList{"check", database} + windows);
}

QByteArray WithNul(QByteArray content)
{
    return content.replace('@', '\0');
}

const QByteArray Header = "ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew\n";

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
    // A principal part may rightly be its lexical form again.
    questions.push_back(
        WithSides(Question(24, "Greek Elementary Principal Parts", 2, {}, "Perfect Active"), "οἶδα", "οἶδα"));
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

class TestLumenaryDb : public QObject {
    Q_OBJECT

private slots:
    void buildsAndSelects()
    {
        QTemporaryDir folder;
        QDir().mkdir(folder.filePath("csv"));
        QVERIFY(WriteFile(folder.filePath("csv/a.csv"),
                  Header + "3,Kings,,,,na,\"Son of Solomon, first king of Judah\",,Rehoboam\n"
                           "1,Kings,,,,na,\"He said \"\"no\"\"\",,Asa\n"));
        QVERIFY(WriteFile(folder.filePath("csv/b.csv"), Header + "2,NTI,1,Matthew,5,na,Sermon on the Mount,,Matthew 5\n"));
        const QString db = folder.filePath("out.db");
        const auto build = RunLumenaryDb({"build", folder.filePath("csv"), db});
        QCOMPARE(build.exitCode, 0);
        QVERIFY(QFile::exists(db));

        const auto all = RunLumenaryDb({"select", db, "Module = 'kings' or Category= 1"});
        QCOMPARE(all.exitCode, 0);
        QCOMPARE(all.out, QString("1\tKings\n2\tNTI\n3\tKings\n"));

        const auto bad = RunLumenaryDb({"select", db, "Module = 'Kings"});
        QCOMPARE(bad.exitCode, 2);
        QVERIFY(bad.err.contains("Module = 'Kings"));
        QCOMPARE(bad.err.count('\n'), 1);
    }

    void refusesBadBanks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("too few cells") << Header + "1,Kings,,,,na,Prompt,Answer\n" << "a.csv:2: the row has 8 cells";
        QTest::newRow("duplicate id") << Header + "1,Kings,,,,na,P,,A\n1,Kings,,,,na,Q,,B\n"
                                      << "a.csv:3: ID 1 is already used at a.csv:2";
        QTest::newRow("id out of range") << Header + "40000,Kings,,,,na,P,,A\n" << "a.csv:2: ID must be";
        QTest::newRow("id of the user's own") << Header + "20000,Kings,,,,na,P,,A\n"
                                              << "a.csv:2: ID 20000 is kept for the user's own questions";
        QTest::newRow("category not a number") << Header + "1,NTI,one,,,na,P,,A\n" << "a.csv:2: Category \"one\"";
        QTest::newRow("open quote") << Header + "1,Kings,,,,na,\"P,,A\n" << "a.csv:2: a quoted cell is not closed";
        QTest::newRow("wrong header") << QByteArray("ID,Module\n1,Kings\n") << "a.csv:1: the header row";
        QTest::newRow("multi-line cell counts lines")
            << Header + "1,Kings,,,,na,\"two\nlines\",,A\n2,Kings,,,,na,P\n" << "a.csv:4: the row has 7 cells";
        // A NUL is shown, never cut the message short; '@' marks where it stands.
        QTest::newRow("NUL in the ID") << WithNul(Header + "64@,Kings,,,,na,P,,A\n")
                                       << "a.csv:2: a NUL character stands in the cell \"64\\0\"";
        QTest::newRow("NUL on the second line of a cell")
            << WithNul(Header + "1,Kings,,,,na,\"first\nsec@ond\",,A\n")
            << "a.csv:3: a NUL character stands in the cell \"first\\nsec\\0ond\"";
    }

    void refusesBadBanks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QDir().mkdir(folder.filePath("csv"));
        QVERIFY(WriteFile(folder.filePath("csv/a.csv"), content));
        const QString db = folder.filePath("out.db");
        QVERIFY(WriteFile(db, "previous build"));
        const auto build = RunLumenaryDb({"build", folder.filePath("csv"), db});
        QCOMPARE(build.exitCode, 2);
        QVERIFY2(build.err.contains(message), qPrintable(build.err));
        QCOMPARE(build.err.count('\n'), 1);
        QCOMPARE(FileContent(db.toStdString()), QByteArray("previous build"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.db"});
    }

    // A build that cannot be written is a failure, never a success, and the
    // bank it was to replace stays whole.
    void buildOnAFullDiskKeepsTheOldBank()
    {
        FullDisk disk;
        const TemporaryBank old({Question(1, "Kings")});
        disk.SetFull(true);
        QVERIFY_THROWS_EXCEPTION(BankError,
                                 WriteQuestionDatabase({Question(2, "NTI")}, old.Path()));
        disk.SetFull(false);
        QCOMPARE(old.Number("SELECT ID FROM lm40data"), 1);
        QCOMPARE(old.Text("PRAGMA integrity_check"), std::string("ok"));
        auto partial = old.Path();
        partial += ".partial";
        QVERIFY(!std::filesystem::exists(partial));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // in what it prints
        QTest::newRow("no command") << QStringList{} << 2 << "Usage: lumenary-db COMMAND";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "unknown command \"frobnicate\"";
        QTest::newRow("missing argument") << QStringList{"select", "x.db"} << 2 << "usage: lumenary-db select DB FILTER";
        QTest::newRow("missing database") << QStringList{"select", "/nonexistent/x.db", "Module = 'Kings'"} << 2
                                          << "was not found";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: lumenary-db COMMAND";
        QTest::newRow("command help") << QStringList{"build", "--help"} << 0 << "Usage: lumenary-db build CSV_DIR";
        // The day is read before the file.
        QTest::newRow("study, no such date") << QStringList{"study", "x.db", "--day", "2026-02-30"} << 2 << "a real date";
        QTest::newRow("study, no day") << QStringList{"study", "x.db", "--day"} << 2 << "a real date";
        QTest::newRow("study, another option") << QStringList{"study", "x.db", "--days", "2026-12-08"} << 2
                                               << "a real date";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const auto run = RunLumenaryDb(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(message), qPrintable(run.out + run.err));
    }

    void checkFindsEachProblem_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("sound bank") << "" << KingsOnly << QStringList{};
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
        QTest::newRow("too few answers")
            << "UPDATE lm40data SET Hebrew = 'Asa' WHERE ID > 2 AND Module = 'Kings'" << KingsOnly
            << QStringList{"FrmKings module 'Kings': only 3 different Hebrew answer(s); multiple choice needs 6"};
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
        QTest::newRow("NUL in a field")
            << "UPDATE lm40data SET English = 'Asa' || char(0) || ' of Judah' WHERE ID = 2" << KingsOnly
            << QStringList{"ID 2 (Kings): English holds a NUL character: \"Asa\\0 of Judah\""};
        QTest::newRow("terminal escape in a field")
            << "UPDATE lm40data SET French = 'dire' || char(27) || '[31m' WHERE ID = 22" << KingsOnly
            << QStringList{"ID 22 (Hebrew): French holds a control character: \"dire\\x1B[31m\""};
        QTest::newRow("line break in a field")
            << "UPDATE lm40data SET Book = 'Matt' || char(13, 10) || 'hew' WHERE ID = 20" << KingsOnly
            << QStringList{"ID 20 (NTI): Book holds a control character: \"Matt\\r\\nhew\""};
        QTest::newRow("empty answer: missing, and held by no prompt")
            << "UPDATE lm40data SET Hebrew = '' WHERE ID = 20" << KingsOnly
            << QStringList{"ID 20 (NTI): Hebrew is missing"};
        QTest::newRow("prompt holds its answer")
            << "UPDATE lm40data SET English = 'The ANSWER 5, son of Asa' WHERE ID = 5" << KingsOnly
            << QStringList{"ID 5 (Kings): English holds its own answer \"Answer 5\""};
        QTest::newRow("two prompts tell each other")
            << "UPDATE lm40data SET English = 'Father of Answer 4' WHERE ID = 3;"
               " UPDATE lm40data SET English = 'Son of answer 3' WHERE ID = 4"
            << KingsOnly
            << QStringList{"ID 3 (Kings) and ID 4 (Kings): each English holds the other's answer (\"Answer 4\" and "
                           "\"Answer 3\")"};
        QTest::newRow("uncovered option")
            << "DELETE FROM lm40data WHERE Module = 'Kings'" << KingsOnly
            << QStringList{"FrmKings Option(0) \"Kings of Judah (1-6)\": selects no question (Module = 'Kings')",
                           "FrmKings module 'Kings': only 0 different English answer(s); multiple choice needs 6",
                           "FrmKings module 'Kings': only 0 different Hebrew answer(s); multiple choice needs 6"};
    }

    void checkFindsEachProblem()
    {
        QFETCH(QString, sql);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, lines);
        const TemporaryBank bank(SoundBank());
        bank.Execute(sql.toStdString());
        const auto run = RunCheck(QString::fromStdString(bank.Path().string()), windows);
        QCOMPARE(run.Lines(), lines);
        QCOMPARE(run.exitCode, lines.isEmpty() ? 0 : 1);
    }

    // A file that is no database, or a window that does not exist: one line
    // on stderr, nothing checked.
    void checkRefusesWhatItCannotCheck()
    {
        const TemporaryBank bank(SoundBank());
        const QString notABank = QString::fromStdString((bank.Folder() / "notes.db").string());
        QVERIFY(WriteFile(notABank, "ID,Module\n1,Kings\n"));
        const auto run = RunCheck(notABank, {});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("is not a usable SQLite database"), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(run.Lines(), QStringList{});
        const auto unknown = RunCheck(QString::fromStdString(bank.Path().string()), {"FrmKings", "FrmNowhere"});
        QCOMPARE(unknown.exitCode, 2);
        QCOMPARE(unknown.err, QString("lumenary-db: no selection window is called \"FrmNowhere\"\n"));
    }

    // A copied file that came out damaged: the integrity check's findings and
    // nothing else, exit 1, never a crash.
    void checkReportsDamage_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("truncated") << Damage::Truncated;
        QTest::newRow("garbage pages") << Damage::GarbagePages;
    }

    void checkReportsDamage()
    {
        QFETCH(Damage, damage);
        QTemporaryDir folder;
        const std::filesystem::path file = folder.filePath("lm50data.db").toStdString();
        WriteLargeBank(file);
        DamageFile(file, damage);
        const auto run = RunCheck(QString::fromStdString(file.string()), KingsOnly);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QString());
        QVERIFY(!run.Lines().isEmpty());
        for (const QString& line : run.Lines())
            QVERIFY2(line.startsWith("the file is damaged: "), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestLumenaryDb)
#include "tst_lumenarydb.moc"
