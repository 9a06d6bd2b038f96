// lumenary-db as a user runs it: the real executable, real files, exit codes.

#include "FullDisk.h"
#include "QuestionBank.h"
#include "TestBank.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run RunTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(LUMENARY_DB), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray WithNul(QByteArray content)
{
    return content.replace('@', '\0');
}

const QByteArray Header = "ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew\n";

} // namespace

class TestLumenaryDb : public QObject {
    Q_OBJECT

private slots:
    void buildsAndSelects()
    {
        QTemporaryDir folder;
        QDir().mkdir(folder.filePath("csv"));
        WriteFile(folder.filePath("csv/a.csv"),
                  Header + "3,Kings,,,,na,\"Son of Solomon, first king of Judah\",,Rehoboam\n"
                           "1,Kings,,,,na,\"He said \"\"no\"\"\",,Asa\n");
        WriteFile(folder.filePath("csv/b.csv"), Header + "2,NTI,1,Matthew,5,na,Sermon on the Mount,,Matthew 5\n");
        const QString db = folder.filePath("out.db");
        const auto build = RunTool({"build", folder.filePath("csv"), db});
        QCOMPARE(build.exitCode, 0);
        QVERIFY(QFile::exists(db));

        const auto all = RunTool({"select", db, "Module = 'kings' or Category= 1"});
        QCOMPARE(all.exitCode, 0);
        QCOMPARE(all.out, QString("1\tKings\n2\tNTI\n3\tKings\n"));

        const auto bad = RunTool({"select", db, "Module = 'Kings"});
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
        QTest::newRow("id not a number") << Header + "x1,Kings,,,,na,P,,A\n" << "a.csv:2: ID";
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
        QTest::newRow("NUL in the header") << WithNul("ID,Module@,Category,Book,Chapter,Theme,English,French,Hebrew\n")
                                           << "a.csv:1: a NUL character stands in the cell \"Module\\0\"";
    }

    void refusesBadBanks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QDir().mkdir(folder.filePath("csv"));
        WriteFile(folder.filePath("csv/a.csv"), content);
        const QString db = folder.filePath("out.db");
        WriteFile(db, "previous build");
        const auto build = RunTool({"build", folder.filePath("csv"), db});
        QCOMPARE(build.exitCode, 2);
        QVERIFY2(build.err.contains(message), qPrintable(build.err));
        QCOMPARE(build.err.count('\n'), 1);
        QFile previous(db);
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("previous build"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"out.db"});
    }

    // A build that cannot be written is a failure, never a success, and the
    // bank it was to replace stays whole.
    void buildOnAFullDiskKeepsTheOldBank()
    {
        lumenary::test::FullDisk disk;
        const lumenary::test::TemporaryBank old({lumenary::test::Question(1, "Kings")});
        disk.SetFull(true);
        QVERIFY_THROWS_EXCEPTION(lumenary::BankError,
                                 lumenary::WriteQuestionDatabase({lumenary::test::Question(2, "NTI")}, old.Path()));
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
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2;
        QTest::newRow("missing argument") << QStringList{"select", "x.db"} << 2;
        QTest::newRow("missing database") << QStringList{"select", "/nonexistent/x.db", "Module = 'Kings'"} << 2;
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("command help") << QStringList{"build", "--help"} << 0;
        QTest::newRow("export help") << QStringList{"export", "--help"} << 0;
        QTest::newRow("import help") << QStringList{"import", "--help"} << 0;
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const auto run = RunTool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(exitCode == 0 ? run.out.contains("Usage") : !run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLumenaryDb)
#include "tst_lumenarydb.moc"
