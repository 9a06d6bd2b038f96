// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own questions: lumenary-db export and import as a user runs them
// (the real executable, real database files), the subject-name rules, a quiz
// over any subject name, and a bank upgrade that leaves them alone.

#include "BankUpgrade.h"
#include "CustomChanges.h"
#include "CustomSubjects.h"
#include "ProgramRun.h"
#include "ServiceQuiz.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QFile>
#include <QtTest>

#include <functional>

#include <sys/stat.h>

using namespace lumenary;
using namespace lumenary::test;

namespace {

QString Str(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

BankQuestion Own(std::int64_t id, const std::string& subject, std::string partA, std::string partB)
{
    BankQuestion question = Question(id, subject);
    question.english = std::move(partA);
    question.hebrew = std::move(partB);
    return question;
}

// Every question from 20000 up, in ID order: ID, then each field's SQLite type and bytes.
QList<QByteArray> OwnQuestions(const std::filesystem::path& file)
{
    SQLite::Database database(file.string(), SQLite::OPEN_READONLY);
    SQLite::Statement query(database, "SELECT ID, Module, Category, Book, Chapter, Theme, English, French, Hebrew,"
                                      " QuestionUsed, Correct, Chosen FROM lm40data WHERE ID >= 20000 ORDER BY ID");
    QList<QByteArray> rows;
    while (query.executeStep()) {
        QByteArray row;
        for (int i = 0; i < query.getColumnCount(); ++i) {
            const auto column = query.getColumn(i);
            const std::string bytes = column.getString();
            row += QByteArray::number(column.getType()) + ":" + QByteArray(bytes.data(), qsizetype(bytes.size())) + "|";
        }
        rows << row;
    }
    return rows;
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
    void roundTripKeepsEveryByte_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("bank CSV") << "csv";
        QTest::newRow("flashcard text") << "tsv";
    }

    void roundTripKeepsEveryByte()
    {
        QFETCH(QString, format);
        auto questions = AwkwardSubject(kAwkwardName);
        questions.push_back(Question(1, "Kings"));
        questions.push_back(Own(20010, "Other", "Other prompt", "Other answer"));
        const TemporaryBank source(questions);
        const TemporaryBank target({Question(1, "Kings")});
        const QString file = Str(source.Folder() / ("out." + format.toStdString()));
        WriteFile(file + ".partial", "the user's own"); // a file beside it, which the export leaves alone

        const auto exported =
            RunLumenaryDb({"export", Str(source.Path()), file, "--subject", "Ἑλληνικά \"o'BRIEN\"", "--format", format});
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.out, QString("Wrote 6 questions to %1\n").arg(file));
        QCOMPARE(FileContent((file + ".partial").toStdString()), QByteArray("the user's own"));
        QCOMPARE(QDir(Str(source.Folder())).entryList({"out.*"}, QDir::Files).size(), 2); // no leftover beside them
        QCOMPARE(QFileInfo(file).permissions(), QFileInfo(file + ".partial").permissions()); // as any new file
        const QByteArray content = FileContent(file.toStdString());
        QVERIFY(content.startsWith(format == "csv" ? "ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew\n"
                                                   : "#separator:tab\n#html:false\n#columns:"));

        const auto imported = RunLumenaryDb({"import", Str(target.Path()), file, "--subject", QString::fromStdString(kAwkwardName)});
        QCOMPARE(imported.exitCode, 0);
        QCOMPARE(imported.out, QString::fromStdString("Imported into \"" + kAwkwardName + "\": 6 added, 0 updated, 0 skipped\n"));
        QCOMPARE(OwnQuestions(target.Path()), OwnQuestions(source.Path()).mid(0, 6));

        // Exported again, the questions read the same, with the same guids.
        const QString again = Str(target.Folder() / ("again." + format.toStdString()));
        QCOMPARE(RunLumenaryDb({"export", Str(target.Path()), again}).exitCode, 0);
        QCOMPARE(FileContent(again.toStdString()), content);

        // Imported again, every row is a question the subject has.
        const auto twice = RunLumenaryDb({"import", Str(target.Path()), file, "--subject", "Ἑλληνικά \"o'brien\""});
        QCOMPARE(twice.out, QString::fromStdString("Imported into \"" + kAwkwardName + "\": 0 added, 0 updated, 6 skipped\n"));
        QCOMPARE(OwnQuestions(target.Path()).size(), 6);
    }

    void readsOtherPrograms_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("questions"); // Part A = Part B
        QTest::newRow("two columns, tab") << QByteArray("λόγος\tword\nHe said \"no\"\tnot quoted\n")
                                          << QStringList{"λόγος=word", "He said \"no\"=not quoted"};
        QTest::newRow("two columns, comma, CRLF, byte-order mark")
            << QByteArray("\xEF\xBB\xBF\"a, b\",c\r\n\r\nd,\"e\r\nf\"\r\n") << QStringList{"a, b=c", "d=e\r\nf"};
        QTest::newRow("flashcard export with guid, note type, deck")
            << QByteArray("#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
                          "g1\tBasic\tLatin\tamo\tI love\n")
            << QStringList{"amo=I love"};
        QTest::newRow("columns by name, semicolons")
            << QByteArray("#separator:Semicolon\n#columns:Part B;Theme;Part A\nanswer;na;prompt\n")
            << QStringList{"prompt=answer"};
        QTest::newRow("bank CSV, IDs empty or taken")
            << QByteArray("ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew\n"
                          ",Any,,,,na,first,,one\n1,Kings,,,,na,second,,two\n")
            << QStringList{"first=one", "second=two"};
    }

    void readsOtherPrograms()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, questions);
        const TemporaryBank bank({Question(1, "Kings")});
        const QString file = Str(bank.Folder() / "in.txt");
        QVERIFY(WriteFile(file, content));
        const auto run = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", "Mine"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        SQLite::Database database(bank.Path().string(), SQLite::OPEN_READONLY);
        SQLite::Statement query(database, "SELECT English || '=' || Hebrew FROM lm40data WHERE Module = 'Mine' ORDER BY ID");
        QStringList read;
        while (query.executeStep())
            read << QString::fromStdString(query.getColumn(0).getString());
        QCOMPARE(read, questions);
    }

    void badLineImportsNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("message");
        QTest::newRow("Part B empty") << QByteArray("a\tb\ne\tf\nc\t\n") << "Mine" << "in.txt:3: Part B is empty";
        QTest::newRow("line break in a cell counts")
            << QByteArray("a,\"b\nc\"\nd,\n") << "Mine" << "in.txt:3: Part B is empty";
        QTest::newRow("Unit not a number")
            << QByteArray("ID,Module,Category,Book,Chapter,Theme,English,French,Hebrew\n,,1,,,,p,,a\n,,one,,,,q,,b\n")
            << "Mine" << "in.txt:3: Unit \"one\" is not a whole number";
        QTest::newRow("Chapter after header lines")
            << QByteArray("#separator:tab\n#html:false\n#columns:Part A\tPart B\tChapter\np\ta\t5\nq\tb\t5a\n") << "Mine"
            << "in.txt:5: Chapter \"5a\" is not a whole number";
        QTest::newRow("column number with a letter")
            << QByteArray("#separator:tab\n#guid column:1x\na\tb\n") << "Mine" << "in.txt:2: \"#guid column:\" must give";
        QTest::newRow("quote not closed") << QByteArray("a,b\n\"c,d\n") << "Mine" << "in.txt:2: a quoted cell is not closed";
        QTest::newRow("NUL") << QByteArray("a\tb\nc\td\0e\n", 10) << "Mine" << "in.txt:2: a NUL character";
        QTest::newRow("not UTF-8") << QByteArray("a\tb\nc\t\xE9t\xE9\n") << "Mine" << "in.txt:2: the text \"";
        QTest::newRow("a cell too many") << QByteArray("a\tb\nc\td\te\n") << "Mine" << "in.txt:2: the row has 3 cells, not 2";
        QTest::newRow("unknown separator") << QByteArray("#separator:weird\na\tb\n") << "Mine" << "in.txt:1: the separator";
        QTest::newRow("empty file") << QByteArray() << "Mine" << "in.txt: holds no question";
        QTest::newRow("module of the bank") << QByteArray("a\tb\n") << "GREEK" << "is the name of a module";
        QTest::newRow("module of this file") << QByteArray("a\tb\n") << "local module" << "is the name of a module";
        QTest::newRow("blank subject") << QByteArray("a\tb\n") << "\u3000 " << "cannot be blank";
        QTest::newRow("no subject") << QByteArray("a\tb\n") << "" << "1 to 60 characters";
        QTest::newRow("61 characters") << QByteArray("a\tb\n") << QString(61, QChar(0x3B1)) << "has 61";
        QTest::newRow("line break in the subject") << QByteArray("a\tb\n") << "a\nb" << "control character";
    }

    void badLineImportsNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, subject);
        QFETCH(QString, message);
        const TemporaryBank bank({Question(1, "Local Module"), Own(20000, "Mine", "old", "kept")});
        const QString file = Str(bank.Folder() / "in.txt");
        QVERIFY(WriteFile(file, content));
        const auto before = OwnQuestions(bank.Path());
        const auto run = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", subject});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(OwnQuestions(bank.Path()), before);
    }

    // 60 characters of Greek is 120 bytes, and allowed; the quotes of a name are its own.
    void subjectNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("60 characters") << QString(60, QChar(0x3B1)) << true;
        QTest::newRow("quotes") << "O'Brien's \"Notes\"" << true;
        QTest::newRow("blank of every kind") << " \u00A0\u1680\u2003\u200B\u202F\u205F\u3000\uFEFF" << false;
        QTest::newRow("taken, other case") << "latin VERBS" << false;
        QTest::newRow("a window's module") << "Church Fathers: Writings" << false;
    }

    void subjectNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, allowed);
        const TemporaryBank bank({Own(20000, "Latin Verbs", "amo", "I love")});
        const auto database = QuestionDatabase::Open(bank.Path(), QuestionDatabase::Use::ReadOnly);
        QCOMPARE(!custom::SubjectNameProblem(*database, name.toStdString()).has_value(), allowed);
    }

    void idRangeFull()
    {
        const TemporaryBank bank({Question(1, "Kings")});
        // Every ID of the user's range taken but three.
        bank.Execute("WITH RECURSIVE n(i) AS (SELECT 20000 UNION ALL SELECT i + 1 FROM n WHERE i < 32767)"
                     " INSERT INTO lm40data (ID, Module, English, Hebrew) SELECT i, 'Filler', 'P' || i, 'A' || i"
                     " FROM n WHERE i NOT IN (20005, 25000, 32767)");
        const QString file = Str(bank.Folder() / "in.txt");
        QVERIFY(WriteFile(file, "P20000\tan existing prompt\na\t1\nb\t2\nc\t3\nd\t4\n"));
        const auto tooMany = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", "Filler"});
        QCOMPARE(tooMany.exitCode, 2);
        QVERIFY2(tooMany.err.contains("in.txt: 4 new questions do not fit") && tooMany.err.contains("only 3 of them are free"),
                 qPrintable(tooMany.err));
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data WHERE English IN ('a', 'b', 'c', 'd')"), 0);

        // A deleted question's ID keeps its study record, so it is not given again.
        bank.Execute("INSERT INTO StudyCard VALUES (20005, 'A', 2.3, 2.1, '2026-12-01', '2026-12-03', 1, 0)");
        QVERIFY(WriteFile(file, "P20000\tupdated\na\t1\nb\t2\n"));
        const auto fits = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", "Filler", "--update"});
        QCOMPARE(fits.exitCode, 0);
        QCOMPARE(fits.out, QString("Imported into \"Filler\": 2 added, 1 updated, 0 skipped\n"));
        QCOMPARE(bank.Text("SELECT group_concat(ID) FROM (SELECT ID FROM lm40data WHERE English IN ('a','b') ORDER BY ID)"),
                 std::string("25000,32767"));
        QCOMPARE(bank.Text("SELECT Hebrew FROM lm40data WHERE ID = 20000"), std::string("updated"));
    }

    // Columns the file lacks stay as they were, and so do the marks; the
    // later of two rows with one Part A wins.
    void updateKeepsWhatTheFileLacks()
    {
        const TemporaryBank bank({Own(20000, "Latin", "amo", "I love")});
        bank.Execute("UPDATE lm40data SET French = 'aimer', QuestionUsed = 1, Correct = 0, Chosen = 1");
        const QString file = Str(bank.Folder() / "in.txt");
        QVERIFY(WriteFile(file, "amo\tto love\nvideo\tI see\namo\tlove!\n"));
        const auto run = RunLumenaryDb({"import", Str(bank.Path()), file, "--subject", "latin", "--update"});
        QCOMPARE(run.out, QString("Imported into \"Latin\": 1 added, 2 updated, 0 skipped\n"));
        QCOMPARE(bank.Text("SELECT Hebrew || '/' || French || '/' || QuestionUsed || Correct || Chosen FROM lm40data"
                           " WHERE ID = 20000"),
                 std::string("love!/aimer/101"));
        QCOMPARE(bank.Text("SELECT Module || '/' || Hebrew || '/' || QuestionUsed || Correct || Chosen"
                           " FROM lm40data WHERE ID = 20001"),
                 std::string("Latin/I see/010"));
    }

    void refusesWhatItCannotDo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown subject") << QStringList{"export", "DB", "OUT", "--subject", "Nope"} << "no subject named \"Nope\"";
        QTest::newRow("export onto the database") << QStringList{"export", "DB", "DB"} << "is the question database itself";
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
        QVERIFY(!QFile::exists(Str(bank.Folder() / "out.csv")));
        QVERIFY(QDir(Str(bank.Folder())).entryList({"out.*"}, QDir::Files).isEmpty());
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data"), 1);
    }

    // A bank with "Latin" (two questions with chapters, one studied) and
    // "Empty" (a name only); each change either does what it says or is
    // refused, naming why, with nothing changed.
    void subjectChanges_data()
    {
        QTest::addColumn<QStringList>("change");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("module"); // of the questions left
        const QString before = "Empty:0 Latin:2c";
        QTest::newRow("create") << QStringList{"create", "Hymns"} << "" << "Empty:0 Hymns:0 Latin:2c" << "Latin";
        QTest::newRow("create, taken in another case")
            << QStringList{"create", "latin"} << "You already have a subject named \"Latin\"." << before << "Latin";
        QTest::newRow("create, a module's name")
            << QStringList{"create", "Kings"}
            << "\"Kings\" is the name of a module of the question bank; choose another name." << before << "Latin";
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

    // Each cell keeps its field's rule; a number is stored as a number, an
    // empty cell as a missing value.
    void fieldChanges_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("stored");
        const auto row = [](const char* name, custom::Field field, const QString& value, const QString& problem,
                            const QString& stored) {
            QTest::newRow(name) << int(field) << value << problem << stored;
        };
        row("Part A", custom::Field::PartA, "λόγος", "", "text:λόγος");
        row("Part A empty", custom::Field::PartA, "", "Part A is empty", "text:amo");
        row("Part B empty", custom::Field::PartB, "", "Part B is empty", "text:I love");
        row("Unit", custom::Field::Unit, "12", "", "integer:12");
        row("Unit not whole", custom::Field::Unit, "1.5", "Unit \"1.5\" is not a whole number", "null:");
        row("Chapter not a number", custom::Field::Chapter, "x", "Chapter \"x\" is not a whole number", "null:");
        row("French emptied", custom::Field::French, "", "", "null:");
        row("Theme, Hebrew", custom::Field::Theme, "קַל", "", "text:קַל");
    }

    void fieldChanges()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        QFETCH(QString, stored);
        const TemporaryBank bank({Own(20000, "Latin", "amo", "I love")});
        bank.Execute("UPDATE lm40data SET French = 'aimer', Correct = 0");
        const auto database = QuestionDatabase::Open(bank.Path());
        const auto& column = custom::ColumnOf(custom::Field(field));
        try {
            custom::ChangeField(*database, 20000, column.field,
                                value.isEmpty() ? std::nullopt : std::optional(value.toStdString()));
            QVERIFY(problem.isEmpty());
        } catch (const custom::CustomDataError& error) {
            QCOMPARE(QString(error.what()), problem);
        }
        const std::string sql = "SELECT typeof(" + std::string(column.column) + ") || ':' || coalesce("
                              + std::string(column.column) + ", '') FROM lm40data WHERE ID = 20000";
        QCOMPARE(QString::fromStdString(bank.Text(sql)), stored);
        QCOMPARE(bank.Number("SELECT Correct FROM lm40data WHERE ID = 20000"), 0); // the marks stay
    }

    // A file that cannot be written takes no change, and says so.
    void changesRefusedWhenTheFileCannotBeWritten()
    {
        const TemporaryBank bank({Own(20000, "Latin", "amo", "I love")});
        ::chmod(bank.Path().c_str(), 0444);
        const auto database = QuestionDatabase::Open(bank.Path());
        const std::function<void()> changes[] = {
            [&] { custom::CreateSubject(*database, "Hymns"); },
            [&] { custom::RenameSubject(*database, "Latin", "Hymns"); },
            [&] { custom::DeleteSubject(*database, "Latin"); },
            [&] { custom::ChangeField(*database, 20000, custom::Field::PartA, "x"); },
            [&] { custom::AddQuestion(*database, "Latin", {std::string("a"), std::string("b")}); },
        };
        for (const auto& change : changes)
            QVERIFY_THROWS_EXCEPTION(custom::CustomDataError, change());
        QCOMPARE(Subjects(*database), QString("Latin:1"));
        QCOMPARE(bank.Text("SELECT English FROM lm40data WHERE ID = 20000"), std::string("amo"));
    }

    // The quiz filter of a subject selects exactly its questions, whatever quotes its name holds.
    void anySubjectNameRunsAQuiz_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("both quotes") << "O'Brien's \"Notes\"";
        QTest::newRow("a lone quote") << "'";
        QTest::newRow("doubled quotes") << "''";
        QTest::newRow("would end the text early") << "x' or Module = 'Kings";
    }

    void anySubjectNameRunsAQuiz()
    {
        QFETCH(QString, name);
        const TemporaryBank bank({Question(1, "Kings"), Question(2, "Kings"), Own(20000, name.toStdString(), "p", "a"),
                                  Own(20001, "Other", "p", "a"), Own(20002, name.toStdString(), "q", "b")});
        SeededRandom random;
        ServiceQuiz quiz(bank.Path(), random);
        quiz.Prepare(custom::SubjectFilter(name.toStdString()));
        QVERIFY(quiz.session.PoolReady);
        QCOMPARE(quiz.session.QuestionCount, 2);
        QCOMPARE(bank.Text("SELECT group_concat(ID) FROM lm40data WHERE Chosen = 1"), std::string("20000,20002"));
    }

    // An upgrade brings the bank's questions up to date and leaves the
    // user's own as they are, marks included, even where the bank holds their
    // IDs, and a subject that has no questions yet.
    void bankUpgradeKeepsOwnQuestions()
    {
        const TemporaryBank copy({Question(1, "Kings"), Question(2, "Kings"), Own(20000, "Mine", "p", "a"),
                                  Own(20001, "Mine", "q", "b")});
        copy.Execute("UPDATE lm40data SET QuestionUsed = 1, Correct = 0, Chosen = 1 WHERE ID >= 20000");
        custom::CreateSubject(*QuestionDatabase::Open(copy.Path()), "Not yet begun");
        auto reworded = Question(1, "Kings");
        reworded.english = "New prompt";
        const TemporaryBank bank({reworded, Question(3, "Kings"), Own(20001, "Intruder", "x", "y")});
        const auto before = OwnQuestions(copy.Path());

        const auto changes = UpgradeQuestionCopy(copy.Path(), bank.Path());
        QVERIFY(changes.has_value());
        QCOMPARE(changes->added, 1);
        QCOMPARE(changes->changed, 1);
        QCOMPARE(changes->removed, 1);
        QCOMPARE(OwnQuestions(copy.Path()), before);
        QCOMPARE(copy.Text("SELECT group_concat(ID) FROM lm40data WHERE ID < 20000"), std::string("1,3"));
        std::string subjects;
        for (const auto& subject : custom::ListSubjects(*QuestionDatabase::Open(copy.Path())))
            subjects += subject.name + ":" + std::to_string(subject.questionCount) + " ";
        QCOMPARE(subjects, std::string("Mine:2 Not yet begun:0 "));
    }
};

QTEST_GUILESS_MAIN(TestCustomData)
#include "tst_customdata.moc"
