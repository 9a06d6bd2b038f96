// SPDX-License-Identifier: GPL-3.0-or-later
// The Custom menu's export and import windows, driven through the program as
// a user drives them, on a real question database and real files.

#include "AppFixture.h"
#include "ProgramRun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

using namespace lumenary;
using namespace lumenary::test;

namespace {

const QString Export = QStringLiteral("FrmExport");
const QString Import = QStringLiteral("FrmImport");

// Two subjects of Greek and Hebrew, with every field filled somewhere.
std::vector<BankQuestion> TwoSubjects()
{
    std::vector<BankQuestion> questions{Question(1, "Kings"),
                                        Own(20000, "Greek words", "λόγος", "word, \"speech\""),
                                        Own(20001, "Greek words", "ἀγάπη", "love"),
                                        Own(20002, "Hebrew words", "in the beginning", "בְּרֵאשִׁית"),
                                        Own(20003, "Hebrew words", "God", "אֱלֹהִים"),
                                        Own(20004, "Greek words", "ἐν ἀρχῇ", "in the\nbeginning")};
    questions[1].category = 3;
    questions[1].book = "john";
    questions[1].chapter = 1;
    questions[1].theme = "noun";
    questions[2].french = "l'amour, la charité"; // a comma alone, quoted in the bank CSV only
    questions[3].theme = "qal";
    return questions;
}

QString Path(const TemporaryBank& bank, const char* name)
{
    return QString::fromStdString((bank.Folder() / name).string());
}

// Names the file in TxtFile and presses Enter there, as a user reads it in.
void ReadIn(const QString& window, const QString& file)
{
    auto* edit = AppFixture::Find<QLineEdit>(window, "TxtFile");
    QVERIFY(edit);
    edit->setText(file);
    QTest::keyClick(edit, Qt::Key_Return);
}

void MapColumn(int column, const QString& use)
{
    auto* combo = AppFixture::Find<QComboBox>(Import, QStringLiteral("CboColumn(%1)").arg(column));
    QVERIFY2(combo, qPrintable(QString::number(column)));
    const int index = combo->findText(use);
    QVERIFY2(index >= 0, qPrintable(use));
    combo->setCurrentIndex(index);
}

QStringList Mapping()
{
    QStringList uses;
    for (int column = 0;; ++column) {
        auto* combo = AppFixture::Find<QComboBox>(Import, QStringLiteral("CboColumn(%1)").arg(column));
        if (!combo)
            return uses;
        uses << combo->currentText();
    }
}

} // namespace

class TestTransferWindows : public QObject {
    Q_OBJECT

private slots:
    void exportAndImportBack_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("subjectColumn");
        QTest::addColumn<QStringList>("guessed");
        QTest::newRow("bank CSV, Module as the subject")
            << 0 << 1
            << QStringList{"Not used", "Not used", "Unit", "Book", "Chapter", "Theme", "Part A", "French", "Part B"};
        QTest::newRow("flashcard text, Deck as the subject")
            << 1 << 7
            << QStringList{"Part A", "Part B", "French", "Unit", "Book", "Chapter", "Theme", "Not used", "Not used"};
    }

    // Two subjects out through the export window, the questions deleted, and
    // back in through the import window with the subject column mapped: every
    // field comes back byte for byte, under the same IDs. Nothing is lost by
    // the export: a file there is replaced only when the user says so, and
    // never the question database itself.
    void exportAndImportBack()
    {
        QFETCH(int, format);
        QFETCH(int, subjectColumn);
        QFETCH(QStringList, guessed);
        AppFixture fixture(TwoSubjects());
        QVERIFY(fixture.Start());
        const std::string before = OwnQuestionRows(fixture.bank);
        const QString file = Path(fixture.bank, format == 0 ? "mine.csv" : "mine.txt");

        fixture.Choose("MnuExport");
        QVERIFY(AppFixture::Window(Export));
        QCOMPARE(AppFixture::Find<QCheckBox>(Export, "ChkSubject(0)")->text(), QString("Greek words \u2014 3 questions"));
        AppFixture::Click(Export, "CmdUnselectAll");
        QVERIFY(!AppFixture::Find<QWidget>(Export, "CmdExport")->isEnabled());
        AppFixture::Click(Export, "CmdSelectAll");
        AppFixture::Click(Export, QStringLiteral("OptFormat(%1)").arg(format));
        // A file there is replaced only when the user says so, and never the question database itself.
        QVERIFY(WriteFile(file, "keep me"));
        ReadIn(Export, file);
        QCOMPARE(fixture.prompter.messages.back().text, file.toStdString() + " already exists. Do you want to replace it?");
        QCOMPARE(AppFixture::Text(Export, "LblStatus"), QString("Nothing was exported."));
        QCOMPARE(FileContent(file.toStdString()), QByteArray("keep me"));
        // The name follows the format chosen.
        AppFixture::Click(Export, QStringLiteral("OptFormat(%1)").arg(1 - format));
        QCOMPARE(AppFixture::Find<QLineEdit>(Export, "TxtFile")->text(), file.chopped(3) + (format == 0 ? "txt" : "csv"));
        AppFixture::Click(Export, QStringLiteral("OptFormat(%1)").arg(format));
        fixture.prompter.answers = {true};
        ReadIn(Export, QString::fromStdString(fixture.bank.Path().string()));
        QVERIFY2(AppFixture::Text(Export, "LblStatus").contains("is the question database itself"),
                 qPrintable(AppFixture::Text(Export, "LblStatus")));
        fixture.prompter.answers = {true};
        ReadIn(Export, file);
        QCOMPARE(AppFixture::Text(Export, "LblStatus"), QString("5 questions of 2 subjects written to %1.").arg(file));
        AppFixture::Snapshot(AppFixture::Window(Export), QStringLiteral("export-%1").arg(format));
        AppFixture::Click(Export, "CmdClose");
        QVERIFY(!AppFixture::Window(Export));

        fixture.bank.Execute("DELETE FROM lm40data WHERE ID >= 20000");
        fixture.Choose("MnuImportCustomData");
        QVERIFY(AppFixture::Find<QRadioButton>(Import, "OptNew")->isChecked()); // no subject is left
        ReadIn(Import, file);
        QCOMPARE(AppFixture::Text(Import, "LblStatus"), QString());
        QCOMPARE(Mapping(), guessed);
        auto* preview = AppFixture::Find<QTableWidget>(Import, "TblPreview");
        QCOMPARE(preview->rowCount(), 1 + 5);
        QCOMPARE(preview->item(1, guessed.indexOf("Part A"))->text(), QString("λόγος"));
        QCOMPARE(preview->item(3, guessed.indexOf("Part B"))->font().family(), QString("Ezra SIL"));
        QCOMPARE(preview->item(1, guessed.indexOf("Part A"))->font().family(), QString("Gentium Plus"));
        QVERIFY(AppFixture::Find<QWidget>(Import, "LblSubjectNote")->isHidden());
        MapColumn(subjectColumn, "Subject");
        QVERIFY(!AppFixture::Find<QWidget>(Import, "LblSubjectNote")->isHidden());
        AppFixture::Snapshot(AppFixture::Window(Import), QStringLiteral("import-%1").arg(format));
        AppFixture::Click(Import, "CmdImport");
        QCOMPARE(AppFixture::Text(Import, "LblStatus"),
                 QString("Imported into \u201CGreek words\u201D and \u201CHebrew words\u201D: 5 questions added, 0 updated, "
                         "0 skipped."));
        QCOMPARE(OwnQuestionRows(fixture.bank), before);
        QVERIFY(AppFixture::Find<QRadioButton>(Import, "OptExisting")->isChecked());
        QCOMPARE(AppFixture::Find<QComboBox>(Import, "CboSubject")->count(), 2);
    }

    // Every row is checked before anything is written; the message names the
    // line, and the file put right imports on the next press.
    void badInputImportsNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("mapping"); // column=use
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("putRight");
        QTest::addColumn<QString>("setUp"); // SQL run on the bank first
        QTest::newRow("Part B empty on line 4") << QByteArray("a\tone\nb\ttwo\n\nc\t\n") << QStringList{}
                                                << "in.txt:4: Part B is empty" << QByteArray("a\tone\n\nc\tthree\n") << QString();
        QTest::newRow("Unit on line 3 not a number")
            << QByteArray("a,one,1\nb,two,2\nc,three,x\n") << QStringList{"2=Unit"}
            << "in.txt:3: Unit \"x\" is not a whole number" << QByteArray("a,one,1\nc,three,3\n") << QString();
        QTest::newRow("subject cell names a bank module")
            << QByteArray("a\tone\tMine\nb\ttwo\tkings\n") << QStringList{"2=Subject"}
            << "in.txt:2: \"kings\" is the name of a module of the question bank"
            << QByteArray("a\tone\tMine\nb\ttwo\tOther\n") << QString();
        QTest::newRow("no Part A chosen") << QByteArray("a\tone\nb\ttwo\n") << QStringList{"0=Not used"}
                                          << "no column is chosen for Part A" << QByteArray("a\tone\nb\ttwo\n") << QString();
        QTest::newRow("row too long") << QByteArray("a\tone\nb\ttwo\tthree\n") << QStringList{}
                                      << "in.txt:2: the row has 3 cells, not 2" << QByteArray("a\tone\nb\ttwo\n") << QString();
        QTest::newRow("three IDs left for four new rows")
            << QByteArray("old\tkept\na\t1\nb\t2\nc\t3\nd\t4\n") << QStringList{}
            << "in.txt: 4 new questions do not fit; your own questions take the IDs from 20000 to 32767, and only 3 of"
               " them are free. Nothing was imported."
            << QByteArray("old\tkept\na\t1\nb\t2\n")
            << "WITH RECURSIVE n(i) AS (SELECT 20001 UNION ALL SELECT i + 1 FROM n WHERE i < 32767) INSERT INTO"
               " lm40data (ID, Module, English, Hebrew) SELECT i, 'Others', i, i FROM n WHERE i NOT IN (20005, 25000, 32767)";
    }

    void badInputImportsNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, mapping);
        QFETCH(QString, message);
        QFETCH(QByteArray, putRight);
        QFETCH(QString, setUp);
        AppFixture fixture({Question(1, "Kings"), Own(20000, "Mine", "old", "kept")});
        if (!setUp.isEmpty())
            fixture.bank.Execute(setUp.toStdString());
        const std::string count = "SELECT count(*) FROM lm40data";
        const long long before = fixture.bank.Number(count);
        QVERIFY(fixture.Start());
        const QString file = Path(fixture.bank, "in.txt");
        QVERIFY(WriteFile(file, content));
        fixture.Choose("MnuImportCustomData");
        ReadIn(Import, file);
        for (const auto& choice : mapping)
            MapColumn(choice.section('=', 0, 0).toInt(), choice.section('=', 1));
        auto* import = AppFixture::Find<QWidget>(Import, "CmdImport");
        if (import->isEnabled())
            AppFixture::Click(Import, "CmdImport");
        QVERIFY2(AppFixture::Text(Import, "LblStatus").contains(message), qPrintable(AppFixture::Text(Import, "LblStatus")));
        QCOMPARE(fixture.bank.Number(count), before);
        AppFixture::Snapshot(AppFixture::Window(Import), QStringLiteral("import-refused-") + QTest::currentDataTag());

        // Put right, the file is read again as the button is pressed.
        QVERIFY(WriteFile(file, putRight));
        if (!import->isEnabled())
            ReadIn(Import, file);
        MapColumn(0, "Part A");
        AppFixture::Click(Import, "CmdImport");
        QVERIFY2(AppFixture::Text(Import, "LblStatus").startsWith("Imported into \u201CMine\u201D"),
                 qPrintable(AppFixture::Text(Import, "LblStatus")));
        QCOMPARE(fixture.bank.Number(count), before + 2);
    }

    // A Subject column spreads the rows over the subjects it names, an empty
    // cell going to the subject chosen; a known Part A updates its question.
    void subjectColumnSpreadsRows()
    {
        AppFixture fixture({Question(1, "Kings"), Own(20000, "Latin", "amo", "I love"), Own(20001, "Greek", "x", "y")});
        QVERIFY(fixture.Start());
        const QString file = Path(fixture.bank, "spread.csv");
        QVERIFY(WriteFile(file, "LATIN,amo,to love\n,λύω,I loose\nNew %1 one,שָׁלוֹם,peace\nlatin,video,I see\n"));
        fixture.Choose("MnuImportCustomData");
        ReadIn(Import, file);
        MapColumn(0, "Subject");
        MapColumn(1, "Part A");
        MapColumn(2, "Part B");
        QCOMPARE(Mapping(), QStringList({"Subject", "Part A", "Part B"}));
        // A new subject's name is checked as it is typed.
        AppFixture::Click(Import, "OptNew");
        AppFixture::Find<QLineEdit>(Import, "TxtNewSubject")->setText("latin ");
        QCOMPARE(AppFixture::Text(Import, "LblNameProblem"), QString("You already have a subject named \"Latin\"."));
        AppFixture::Snapshot(AppFixture::Window(Import), "import-name-taken");
        AppFixture::Click(Import, "OptExisting");
        QVERIFY(AppFixture::Find<QWidget>(Import, "LblNameProblem")->isHidden());
        auto* subjects = AppFixture::Find<QComboBox>(Import, "CboSubject");
        subjects->setCurrentIndex(subjects->findData("Greek"));
        AppFixture::Click(Import, "OptUpdate");
        AppFixture::Click(Import, "CmdImport");
        QCOMPARE(AppFixture::Text(Import, "LblStatus"),
                 QString("Imported into \u201CLatin\u201D, \u201CGreek\u201D and \u201CNew %1 one\u201D: 3 questions added, "
                         "1 updated, 0 skipped."));
        QCOMPARE(fixture.bank.Text("SELECT group_concat(ID || '=' || Module || ':' || English || ':' || Hebrew, '|')"
                                   " FROM (SELECT * FROM lm40data WHERE ID >= 20000 ORDER BY ID)"),
                 std::string("20000=Latin:amo:to love|20001=Greek:x:y|20002=Greek:λύω:I loose|"
                             "20003=New %1 one:שָׁלוֹם:peace|20004=Latin:video:I see"));
    }
};

LUMENARY_GUI_TEST_MAIN(TestTransferWindows)
#include "tst_transferwindows.moc"
