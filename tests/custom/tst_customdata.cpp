// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own questions: lumenary-db export and import as a user runs them
// (the real executable, real database files), and changes to subjects and
// fields through the program's services.

#include "CustomChanges.h"
#include "CustomSubjects.h"
#include "ProgramRun.h"
#include "TestBank.h"

#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace lumenary;
using namespace lumenary::test;

namespace {

QString Str(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// "name:count" of every subject, in the order they are listed.
QString Subjects(QuestionDatabase& database)
{
    QStringList subjects;
    for (const auto& subject : custom::ListSubjects(database))
        subjects << QString::fromStdString(subject.name) + ":" + QString::number(subject.questionCount)
                        + (subject.withChapters ? "c" : "");
    return subjects.join(' ');
}

// Texts that a file format could bend: separators, quotes, line breaks, a
// leading '#', Greek and Hebrew (one of them not in NFC), spaces at the ends.
std::vector<BankQuestion> AwkwardSubject(const std::string& subject)
{
    std::vector<BankQuestion> questions{
        Own(20000, subject, "λόγος", "word, speech"),
        Own(20001, subject, "λο\u0301γος (decomposed)", "He said \"no\""),
        Own(20002, subject, "בְּרֵאשִׁית", "in the beginning\tfirst"),
        Own(20003, subject, "#not a comment", "line one\nline two\r\nline three\rend"),
        Own(20004, subject, "  padded  ", "\""),
        Own(20005, subject, "O'Brien's; a|b", "אֱלֹהִים"),
    };
    questions[0].category = 7;
    questions[0].book = "genesis";
    questions[0].chapter = 12;
    questions[0].theme = "na";
    questions[1].french = "l'été, « parole »";
    questions[2].theme = "qal";
    questions[4].french = "a lone\rreturn";
    return questions;
}

const std::string kAwkwardName = "Ἑλληνικά \"O'Brien\"";

} // namespace

class TestCustomData : public QObject {
    Q_OBJECT

private slots:
    // Out as flashcard text and back in (the bank CSV: the export window's road).
    void roundTripKeepsEveryByte()
    {
        auto questions = AwkwardSubject(kAwkwardName);
        questions.push_back(Own(20010, "Other", "Other prompt", "Other answer"));
        const TemporaryBank source(questions);
        const TemporaryBank target({Question(1, "Kings")});
        const QString file = Str(source.Folder() / "out.tsv");
        WriteFile(file + ".partial", "the user's own"); // a file beside it, which the export leaves alone

        const auto exported =
            RunLumenaryDb({"export", Str(source.Path()), file, "--subject", "Ἑλληνικά \"o'BRIEN\"", "--format", "tsv"});
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.out, QString("Wrote 6 questions to %1\n").arg(file));
        QCOMPARE(FileContent((file + ".partial").toStdString()), QByteArray("the user's own"));
        QCOMPARE(QDir(Str(source.Folder())).entryList({"out.*"}, QDir::Files).size(), 2); // no leftover beside them
        QCOMPARE(QFileInfo(file).permissions(), QFileInfo(file + ".partial").permissions()); // as any new file
        const QByteArray content = FileContent(file.toStdString());
        QVERIFY(content.startsWith("#separator:tab\n#html:false\n#columns:"));

        const auto imported = RunLumenaryDb({"import", Str(target.Path()), file, "--subject", QString::fromStdString(kAwkwardName)});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(imported.out, QString::fromStdString("Imported into \"" + kAwkwardName + "\": 6 added, 0 updated, 0 skipped\n"));
        source.Execute("DELETE FROM lm40data WHERE Module = 'Other'"); // which the export left out
        QCOMPARE(OwnQuestionRows(target), OwnQuestionRows(source));

        // Exported again, the questions read the same, with the same guids.
        const QString again = Str(target.Folder() / "again.tsv");
        QCOMPARE(RunLumenaryDb({"export", Str(target.Path()), again}).exitCode, 0);
        QCOMPARE(FileContent(again.toStdString()), content);

        // Imported again, every row is a question the subject has.
        const auto twice = RunLumenaryDb({"import", Str(target.Path()), file, "--subject", "Ἑλληνικά \"o'brien\""});
        QCOMPARE(twice.out, QString::fromStdString("Imported into \"" + kAwkwardName + "\": 0 added, 0 updated, 6 skipped\n"));
        QCOMPARE(OwnQuestionRows(target), OwnQuestionRows(source));
    }

    // A file of any kind other programs write adds its rows to the subject.
    // One bad line, or a subject name that will not do, imports nothing and
    // says why in one line. (The import window's table holds the bad rows it
    // shares with this command; the bank build's, the CSV faults.)
    void importAddsEveryRowOrNone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("added"); // Part A=Part B
        QTest::addColumn<QString>("message"); // of the refusal; empty when imported
        QTest::newRow("two columns, tab") << QByteArray("λόγος\tword\nHe said \"no\"\tnot quoted\n") << "Mine"
                                          << QStringList{"λόγος=word", "He said \"no\"=not quoted"} << "";
        QTest::newRow("two columns, comma, CRLF, byte-order mark")
            << QByteArray("\xEF\xBB\xBF\"a, b\",c\r\n\r\nd,\"e\r\nf\"\r\n") << "Mine" << QStringList{"a, b=c", "d=e\r\nf"}
            << "";
        QTest::newRow("flashcard export with guid, note type, deck")
            << QByteArray("#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
                          "g1\tBasic\tLatin\tamo\tI love\n")
            << "Mine" << QStringList{"amo=I love"} << "";
        QTest::newRow("columns by name, semicolons")
            << QByteArray("#separator:Semicolon\n#columns:Part B;Theme;Part A\nanswer;na;prompt\n") << "Mine"
            << QStringList{"prompt=answer"} << "";
        QTest::newRow("bank CSV, IDs empty or taken")
            << QByteArray("ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew\n"
                          ",Any,,,,na,first,,one\n1,Kings,,,,na,second,,two\n")
            << "Mine" << QStringList{"first=one", "second=two"} << "";
        QTest::newRow("Chapter after header lines")
            << QByteArray("#separator:tab\n#html:false\n#columns:Part A\tPart B\tChapter\np\ta\t5\nq\tb\t5a\n") << "Mine"
            << QStringList() << "in.txt:5: Chapter \"5a\" is not a whole number";
        QTest::newRow("column number with a letter") << QByteArray("#separator:tab\n#guid column:1x\na\tb\n") << "Mine"
                                                     << QStringList() << "in.txt:2: \"#guid column:\" must give";
        QTest::newRow("not UTF-8") << QByteArray("a\tb\nc\t\xE9t\xE9\n") << "Mine" << QStringList() << "in.txt:2: the text \"";
        QTest::newRow("unknown separator") << QByteArray("#separator:weird\na\tb\n") << "Mine" << QStringList()
                                           << "in.txt:1: the separator";
        QTest::newRow("empty file") << QByteArray() << "Mine" << QStringList() << "in.txt: holds no question";
        const QByteArray line("a\tb\n");
        QTest::newRow("module of a window's boxes") << line << "GREEK" << QStringList() << "is the name of a module";
        QTest::newRow("module of a window's option")
            << line << "Church Fathers: Writings" << QStringList() << "is the name of a module";
        QTest::newRow("module of this file") << line << "local module" << QStringList() << "is the name of a module";
        QTest::newRow("blank of every kind") << line << " \u00A0\u1680\u2003\u200B\u202F\u205F\u3000\uFEFF"
                                             << QStringList() << "cannot be blank";
        // 60 characters of Greek is 120 bytes, and allowed (subjectChanges).
        QTest::newRow("61 characters") << line << QString(61, QChar(0x3B1)) << QStringList() << "has 61";
        QTest::newRow("line break in the subject") << line << "a\nb" << QStringList() << "control character";
    }

    void importAddsEveryRowOrNone()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, subject);
        QFETCH(QStringList, added);
        QFETCH(QString, message);
        const TemporaryBank bank({Question(1, "Local Module"), Own(20000, "Mine", "old", "kept")});
        const QString file = Str(bank.Folder() / "in.txt");
        QVERIFY(WriteFile(file, content));
        const std::string before = OwnQuestionRows(bank);
        const auto run = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", subject});
        if (message.isEmpty()) {
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            QCOMPARE(QString::fromStdString(bank.Text("SELECT group_concat(English || '=' || Hebrew, '|') FROM"
                                                      " (SELECT * FROM lm40data WHERE ID > 20000 ORDER BY ID)"))
                         .split('|'),
                     added);
            return;
        }
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(OwnQuestionRows(bank), before);
    }

    // With --update, a row whose Part A the subject has updates its question:
    // the columns the file lacks stay as they were, and so do the marks; the
    // later of two rows with one Part A wins. New rows take the free IDs, and
    // a deleted question's ID keeps its study record, so it is not given again.
    void updateKeepsWhatTheFileLacks()
    {
        const TemporaryBank bank({Own(20000, "Latin", "amo", "I love")});
        bank.Execute("UPDATE lm40data SET French = 'aimer', QuestionUsed = 1, Correct = 0, Chosen = 1");
        QuestionDatabase::Open(bank.Path()); // which makes the study record's tables
        // Every ID of the user's range taken but three, one of them by the study record.
        bank.Execute("WITH RECURSIVE n(i) AS (SELECT 20001 UNION ALL SELECT i + 1 FROM n WHERE i < 32767)"
                     " INSERT INTO lm40data (ID, Module, English, Hebrew) SELECT i, 'Filler', 'P' || i, 'A' || i"
                     " FROM n WHERE i NOT IN (20005, 25000, 32767);"
                     "INSERT INTO StudyCard VALUES (20005, 'A', 2.3, 2.1, '2026-12-01', '2026-12-03', 1, 0)");
        const QString file = Str(bank.Folder() / "in.txt");
        QVERIFY(WriteFile(file, "amo\tto love\nvideo\tI see\namo\tlove!\nvidi\tI saw\n"));
        const auto run = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", "latin", "--update"});
        QCOMPARE(run.out, QString("Imported into \"Latin\": 2 added, 2 updated, 0 skipped\n"));
        QCOMPARE(bank.Text("SELECT Hebrew || '/' || French || '/' || QuestionUsed || Correct || Chosen FROM lm40data"
                           " WHERE ID = 20000"),
                 std::string("love!/aimer/101"));
        QCOMPARE(bank.Text("SELECT group_concat(ID || '=' || Module || '/' || Hebrew || '/' || QuestionUsed || Correct"
                           " || Chosen) FROM (SELECT * FROM lm40data WHERE English IN ('video', 'vidi') ORDER BY ID)"),
                 std::string("25000=Latin/I see/010,32767=Latin/I saw/010"));
    }

    // (The export window refuses to write onto the question database itself.)
    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown subject") << QStringList{"export", "DB", "OUT", "--subject", "Nope"} << "no subject named \"Nope\"";
        QTest::newRow("unknown format") << QStringList{"export", "DB", "OUT", "--format", "xml"} << "--format takes csv or tsv";
        QTest::newRow("import without subject") << QStringList{"import", "DB", "IN", "--update", "x"} << "usage";
        QTest::newRow("unknown option") << QStringList{"import", "DB", "IN", "--subject", "A", "--force"} << "--force";
        QTest::newRow("database cannot be written") << QStringList{"import", "RO", "IN", "--subject", "A"}
                                                    << "Nothing was imported";
    }

    void refusesWhatItCannotDo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const TemporaryBank bank({Own(20000, "Latin", "amo", "I love")});
        QVERIFY(WriteFile(Str(bank.Folder() / "in.txt"), "a\tb\n"));
        ::chmod(bank.Path().c_str(), 0444);
        const QMap<QString, QString> files{{"DB", Str(bank.Path())},
                                           {"RO", Str(bank.Path())},
                                           {"IN", Str(bank.Folder() / "in.txt")},
                                           {"OUT", Str(bank.Folder() / "out.csv")}};
        for (auto& word : arguments)
            word = files.value(word, word);
        const auto run = RunLumenaryDb(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(QDir(Str(bank.Folder())).entryList({"out.*"}, QDir::Files).isEmpty());
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data"), 1);
    }

    // A bank with "Latin" (two questions with chapters, one studied) and
    // "Empty" (a name only); each change either does what it says or is
    // refused, naming why, with nothing changed. (A new subject's name that
    // will not do: the Your Subjects and import windows' tests.)
    void subjectChanges_data()
    {
        QTest::addColumn<QStringList>("change");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("module"); // of the questions left
        const QString before = "Empty:0 Latin:2c";
        const QString greek60(60, QChar(0x3B1)); // 120 bytes, and allowed
        QTest::newRow("create, 60 characters")
            << QStringList{"create", greek60} << "" << "Empty:0 Latin:2c " + greek60 + ":0" << "Latin";
        QTest::newRow("rename, its own name in capitals")
            << QStringList{"rename", "Latin", "LATIN"} << "" << "Empty:0 LATIN:2c" << "LATIN";
        QTest::newRow("rename, quotes") << QStringList{"rename", "latin", "O'Brien \"x\""} << ""
                                        << "Empty:0 O'Brien \"x\":2c" << "O'Brien \"x\"";
        QTest::newRow("rename onto another")
            << QStringList{"rename", "Latin", "EMPTY"} << "You already have a subject named \"Empty\"." << before
            << "Latin";
        QTest::newRow("rename, gone")
            << QStringList{"rename", "Gone", "X"} << "You have no subject named \"Gone\" any more." << before
            << "Latin";
        QTest::newRow("delete") << QStringList{"delete", "Latin"} << "" << "Empty:0" << "";
        QTest::newRow("delete a name only") << QStringList{"delete", "Empty"} << "" << "Latin:2c" << "Latin";
        QTest::newRow("delete the last question") << QStringList{"delete question", "20000", "20001"} << ""
                                                  << "Empty:0 Latin:0" << "";
    }

    void subjectChanges()
    {
        QFETCH(QStringList, change);
        QFETCH(QString, problem);
        QFETCH(QString, after);
        QFETCH(QString, module);
        std::vector<BankQuestion> questions{Question(1, "Kings"), Own(20000, "Latin", "amo", "I love"),
                                            Own(20001, "Latin", "video", "I see")};
        questions[1].chapter = questions[2].chapter = 1;
        const TemporaryBank bank(questions);
        const auto database = QuestionDatabase::Open(bank.Path());
        custom::CreateSubject(*database, "Empty");
        bank.Execute("INSERT INTO StudyCard VALUES (20001, 'A', 2.3, 2.1, '2026-12-01', '2026-12-03', 1, 0)");
        const auto name = [&](int i) { return change.value(i).toStdString(); };
        try {
            if (change[0] == "create")
                custom::CreateSubject(*database, name(1));
            else if (change[0] == "rename")
                QCOMPARE(custom::RenameSubject(*database, name(1), name(2)), 2);
            else if (change[0] == "delete")
                QCOMPARE(custom::DeleteSubject(*database, name(1)), name(1) == "Latin" ? 2 : 0);
            else
                for (const auto& id : change.mid(1))
                    custom::DeleteQuestion(*database, id.toLongLong());
            QVERIFY(problem.isEmpty());
        } catch (const custom::CustomDataError& error) {
            QCOMPARE(QString(error.what()), problem);
        }
        QCOMPARE(Subjects(*database), after);
        QCOMPARE(QString::fromStdString(bank.Text("SELECT coalesce(group_concat(DISTINCT Module), '') FROM lm40data"
                                                  " WHERE ID >= 20000")),
                 module);
        QCOMPARE(bank.Number("SELECT count(*) FROM StudyCard"), 1); // the study record stays
    }

    // A changed cell is stored as its field's type, an emptied one as a
    // missing value, and the marks stay. (The editor, driven in
    // tst_customwindows, shows the refusals of a value that breaks a rule.)
    void fieldChanges_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Part A") << int(custom::Field::PartA) << "λόγος" << "text:λόγος";
        QTest::newRow("Unit") << int(custom::Field::Unit) << "12" << "integer:12";
        QTest::newRow("French emptied") << int(custom::Field::French) << "" << "null:";
        QTest::newRow("Theme, Hebrew") << int(custom::Field::Theme) << "קַל" << "text:קַל";
    }

    void fieldChanges()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, stored);
        const TemporaryBank bank({Own(20000, "Latin", "amo", "I love")});
        bank.Execute("UPDATE lm40data SET French = 'aimer', Correct = 0");
        const auto database = QuestionDatabase::Open(bank.Path());
        const auto& column = custom::ColumnOf(custom::Field(field));
        custom::ChangeField(*database, 20000, column.field,
                            value.isEmpty() ? std::nullopt : std::optional(value.toStdString()));
        const std::string sql = "SELECT typeof(" + std::string(column.column) + ") || ':' || coalesce("
                              + std::string(column.column) + ", '') FROM lm40data WHERE ID = 20000";
        QCOMPARE(QString::fromStdString(bank.Text(sql)), stored);
        QCOMPARE(bank.Number("SELECT Correct FROM lm40data WHERE ID = 20000"), 0); // the marks stay
    }
};

QTEST_GUILESS_MAIN(TestCustomData)
#include "tst_customdata.moc"
