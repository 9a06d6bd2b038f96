// SPDX-License-Identifier: GPL-3.0-or-later
// The Custom menu's windows driven as a user drives them, by objectName:
// "Your Subjects" makes, renames and deletes a subject; the editor adds
// questions, saves each cell and refuses one that breaks a rule; "Custom
// Quizzes" runs a multiple-choice and a flashcard quiz on a subject whose
// name holds both quotes. And Greek typed in the old keystrokes.

#include "FontResolver.h"
#include "FontRoles.h"
#include "KeystrokeTyping.h"
#include "QuizRoad.h"
#include "Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace lumenary;
using namespace lumenary::test;

namespace {

const QString Names = QStringLiteral("FrmCustomNames");
const QString Editor = QStringLiteral("FrmCustomEditor");
const QString Quizzes = QStringLiteral("FrmCustomQuizzes");
const std::string Subject = "Words \"O'Brien\"";

QStringList Listed()
{
    QStringList rows;
    auto* list = AppFixture::Find<QTreeWidget>(Names, "LstSubjects");
    for (int i = 0; list && i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0) + " | " + list->topLevelItem(i)->text(1);
    return rows;
}

QTableView* Table()
{
    return AppFixture::Find<QTableView>(Editor, "TblQuestions");
}

// Types into a cell as a user does: choose it, which opens its editor,
// type, press Enter.
void Type(int row, int column, const QString& keys)
{
    QTableView* table = Table();
    const QModelIndex cell = table->model()->index(row, column);
    table->setCurrentIndex(cell); // which opens its editor
    auto* line = qobject_cast<QLineEdit*>(table->indexWidget(cell));
    QVERIFY2(line, qPrintable(QStringLiteral("no editor in row %1 column %2").arg(row).arg(column)));
    line->selectAll();
    if (keys.isEmpty())
        QTest::keyClick(line, Qt::Key_Delete);
    else if (keys.toLatin1() == keys.toUtf8())
        QTest::keyClicks(line, keys);
    else
        line->insert(keys); // as a Hebrew keyboard layout or a paste puts it

    QTest::keyClick(line, Qt::Key_Return);
    QCoreApplication::processEvents(); // the view saves the cell once the key is handled
}

QString Cell(int row, int column, int role = Qt::DisplayRole)
{
    const QVariant value = Table()->model()->index(row, column).data(role);
    return role == Qt::FontRole ? value.value<QFont>().family() : value.toString();
}

// The columns as the editor shows them.
enum Column { PartA, French, PartB, Unit, Book, Chapter, Theme };

} // namespace

class TestCustomWindows : public QObject {
    Q_OBJECT

private slots:
    void road()
    {
        AppFixture fixture({Question(1, "Kings"), Question(2, "Kings")});
        QVERIFY(fixture.Start());
        auto& bank = fixture.bank;
        auto& prompter = fixture.prompter;

        // No subject yet: the editor has nothing to add to and says where to make one; the quizzes
        // say how to make one and offer "Your Subjects".
        fixture.Choose("MnuCustomDataEditor");
        QVERIFY(!AppFixture::Find<QPushButton>(Editor, "CmdAdd")->isEnabled());
        QVERIFY(AppFixture::Text(Editor, "LblMessage").startsWith("You have no subjects of your own yet"));
        AppFixture::Window(Editor)->close();
        prompter.answers = {true};
        fixture.Choose("MnuCustomQuizzes");
        QTRY_VERIFY(AppFixture::Window(Names));
        QVERIFY(!AppFixture::Window(Quizzes));
        QVERIFY(prompter.messages.back().text.find("Open Your Subjects now?") != std::string::npos);

        // Names that will not do are refused with their rule, and asked again.
        prompter.messages.clear();
        prompter.lines = {"", "kings", Subject};
        AppFixture::Click(Names, "CmdNew");
        QCOMPARE(prompter.messages.size(), std::size_t(5));
        QCOMPARE(prompter.messages[1].text, std::string("A subject's name has 1 to 60 characters; \"\" has 0."));
        QCOMPARE(prompter.messages[3].text,
                 std::string("\"kings\" is the name of a module of the question bank; choose another name."));
        QCOMPARE(Listed(), QStringList({QString::fromStdString(Subject) + " | 0 questions"}));
        AppFixture::Snapshot(AppFixture::Window(Names), "FrmCustomNames");

        // Three questions, Greek typed in keystrokes, Hebrew as it is.
        fixture.Choose("MnuCustomDataEditor");
        QVERIFY(AppFixture::Window(Editor));
        QCOMPARE(AppFixture::Find<QComboBox>(Editor, "CboSubject")->currentText(), QString::fromStdString(Subject));
        const QStringList rows[] = {{"lo,goj", "word", "1"}, {"avga,ph", "love", "2"}};
        for (int row = 0; row < 2; ++row) {
            AppFixture::Click(Editor, "CmdAdd");
            QCOMPARE(Table()->currentIndex(), Table()->model()->index(row, PartA));
            QVERIFY(qobject_cast<QLineEdit*>(Table()->indexWidget(Table()->currentIndex())));
            AppFixture::Click(Editor, "ChkKeystrokes");
            Type(row, PartA, rows[row][0]);
            AppFixture::Click(Editor, "ChkKeystrokes");
            QCOMPARE(AppFixture::Text(Editor, "LblMessage"),
                     QStringLiteral("Row %1 is saved as a question once it has Part A and Part B.").arg(row + 1));
            Type(row, PartB, rows[row][1]);
            QCOMPARE(AppFixture::Text(Editor, "LblMessage"),
                     QStringLiteral("Row %1 is saved as a new question.").arg(row + 1));
            Type(row, Chapter, rows[row][2]);
        }
        AppFixture::Click(Editor, "CmdAdd");
        Type(2, PartB, "רֵאשִׁית");
        Type(2, PartA, "beginning");
        Type(2, Chapter, "3");
        QCOMPARE(QString::fromStdString(bank.Text("SELECT group_concat(ID || ':' || English || '=' || Hebrew || '@' ||"
                                                  " Chapter, ' ') FROM lm40data WHERE ID >= 20000")),
                 QString("20000:λόγος=word@1 20001:ἀγάπη=love@2 20002:beginning=רֵאשִׁית@3"));
        QCOMPARE(Cell(0, PartA, Qt::FontRole), ResolveFont(GreekFontRole, 12).family());
        QCOMPARE(Cell(2, PartB, Qt::FontRole), ResolveFont(HebrewFontRole, 12).family());
        const auto hebrewAlignment = Table()->model()->index(2, PartB).data(Qt::TextAlignmentRole);
        QVERIFY(hebrewAlignment.value<Qt::Alignment>().testFlag(Qt::AlignRight));

        // A cell that breaks a rule is refused, named by row and rule, and keeps its old value.
        Type(1, Unit, "two");
        QCOMPARE(AppFixture::Text(Editor, "LblMessage"),
                 QString("Row 2: Unit \"two\" is not a whole number; the old value stays."));
        Type(0, PartA, "");
        QCOMPARE(AppFixture::Text(Editor, "LblMessage"), QString("Row 1: Part A is empty; the old value stays."));
        QCOMPARE(Cell(0, PartA), QString("λόγος"));
        AppFixture::Snapshot(AppFixture::Window(Editor), "FrmCustomEditor");
        Type(1, Unit, "7");
        QCOMPARE(bank.Text("SELECT coalesce(group_concat(English || '/' || Category), '') FROM lm40data"
                           " WHERE ID >= 20000 AND Category IS NOT NULL"),
                 std::string("ἀγάπη/7"));
        AppFixture::Click(Editor, "CmdClose");
        QVERIFY(!AppFixture::Window(Editor));

        // Multiple choice, Part A to Part B, every answer right.
        fixture.Choose("MnuCustomQuizzes");
        QVERIFY(AppFixture::Window(Quizzes));
        QVERIFY(!AppFixture::Find<QRadioButton>(Quizzes, "OptQuiz(3)")->isEnabled());
        AppFixture::Click(Quizzes, "ChkSubject(0)");
        QVERIFY(AppFixture::Find<QRadioButton>(Quizzes, "OptQuiz(3)")->isEnabled()); // every question has a chapter
        AppFixture::Snapshot(AppFixture::Window(Quizzes), "FrmCustomQuizzes");
        AppFixture::Click(Quizzes, "OptQuiz(0)");
        AppFixture::Click(Quizzes, "CmdOK");
        auto& session = fixture.app.State();
        QCOMPARE(session.QuestionCount, 3);
        for (int asked = 0; asked < 3; ++asked) {
            Answer(session, bank, true);
            QVERIFY(session.AnswerCorrect);
            AppFixture::Click("FrmMC", "CmdNextQuestion");
        }
        QTRY_VERIFY(!AppFixture::Window("FrmMC"));

        // Flashcards, Part B to Part A: the Hebrew question in the Hebrew font.
        fixture.Choose("MnuCustomQuizzes");
        const QString subjectBox = AppFixture::Find<QCheckBox>(Quizzes, "ChkSubject(0)")->text();
        QVERIFY(subjectBox.startsWith(QString::fromStdString(Subject)));
        AppFixture::Click(Quizzes, "ChkSubject(0)");
        AppFixture::Click(Quizzes, "OptOrder(1)");
        QVERIFY(!AppFixture::Find<QRadioButton>(Quizzes, "OptQuiz(3)")->isEnabled());
        AppFixture::Click(Quizzes, "OptQuiz(2)");
        AppFixture::Click(Quizzes, "CmdOK");
        QCOMPARE(session.QuestionCount, 3);
        QCOMPARE(session.QuestionFontName, std::string(HebrewFontRole));
        for (int asked = 0; asked < 3; ++asked) {
            QCOMPARE(AppFixture::Text("FrmFlashcard", "LblQuestion"), FieldOnScreen(session, bank, "Hebrew"));
            AnswerAndGoOn(fixture, true);
        }
        QTRY_VERIFY(!AppFixture::Window("FrmFlashcard"));
        QCOMPARE(bank.Number("SELECT count(*) FROM StudyAnswer WHERE Correct = 1 AND QuestionID >= 20000"), 6);

        // Rename: the questions move with their subject; the list shows what the file holds.
        fixture.Choose("MnuCustomQuizNames");
        prompter.lines = {"Greek & Hebrew"};
        AppFixture::Click(Names, "CmdRename");
        QCOMPARE(Listed(), QStringList({"Greek & Hebrew | 3 questions"}));
        QCOMPARE(bank.Text("SELECT group_concat(Name) FROM CustomSubject"), std::string("Greek & Hebrew"));

        // Delete asks first, naming what goes; the study record stays.
        prompter.messages.clear();
        prompter.answers = {false, true};
        AppFixture::Click(Names, "CmdDelete");
        QCOMPARE(Listed().size(), 1);
        AppFixture::Click(Names, "CmdDelete");
        QCOMPARE(prompter.messages.front().text,
                 std::string("Delete your subject \"Greek & Hebrew\"? Its 3 questions are deleted with it; what you "
                             "answered stays in your study record."));
        QCOMPARE(Listed(), QStringList());
        QCOMPARE(bank.Number("SELECT count(*) FROM StudyAnswer WHERE QuestionID >= 20000"), 6);
    }

    // What the ticked subjects allow: short answer only when every question
    // has a chapter (and Part A is asked: the road); a subject without
    // questions cannot be ticked; OK starts a pool of the ticked subjects
    // only, whatever quotes their names hold.
    void quizChoices()
    {
        std::vector<BankQuestion> questions{Question(1, "Kings"), Question(20000, "''"), Question(20001, "''"),
                                            Question(20002, "x' or Module = 'Kings")};
        questions[1].chapter = questions[2].chapter = 4;
        AppFixture fixture(questions);
        fixture.bank.Execute("CREATE TABLE CustomSubject (Name TEXT PRIMARY KEY COLLATE NOCASE);"
                             "INSERT INTO CustomSubject VALUES ('Nothing yet')");
        QVERIFY(fixture.Start());
        fixture.Choose("MnuCustomQuizzes");
        const auto enabled = [](const char* name) { return AppFixture::Find<QWidget>(Quizzes, name)->isEnabled(); };
        QVERIFY(!enabled("ChkSubject(1)"));
        QVERIFY(!enabled("CmdOK"));
        AppFixture::Click(Quizzes, "CmdSelectAll");
        QVERIFY(AppFixture::Find<QCheckBox>(Quizzes, "ChkSubject(2)")->isChecked());
        QVERIFY(!AppFixture::Find<QCheckBox>(Quizzes, "ChkSubject(1)")->isChecked());
        QVERIFY(!enabled("OptQuiz(3)"));
        AppFixture::Click(Quizzes, "CmdUnselectAll");
        QVERIFY(!enabled("CmdOK"));
        AppFixture::Click(Quizzes, "ChkSubject(0)");
        QVERIFY(enabled("OptQuiz(3)"));
        AppFixture::Click(Quizzes, "ChkSubject(2)"); // one question without a chapter
        QVERIFY(!enabled("OptQuiz(3)"));
        AppFixture::Click(Quizzes, "CmdOK");
        QCOMPARE(fixture.app.State().QuizFilter, std::string("(Module = '''''' or Module = 'x'' or Module = ''Kings')"));
        QCOMPARE(fixture.app.State().QuestionCount, 3); // and not Kings
    }

    // What is not saved is not lost unasked: a new row without Part B, a
    // question to delete.
    void editorAsksFirst()
    {
        AppFixture fixture({Question(1, "Kings"), Question(20000, "Mine"), Question(20001, "Mine")});
        QVERIFY(fixture.Start());
        auto& prompter = fixture.prompter;
        fixture.Choose("MnuCustomDataEditor");
        AppFixture::Click(Editor, "CmdAdd");
        Type(2, PartA, "half a question");
        prompter.answers = {false};
        AppFixture::Click(Editor, "CmdClose");
        QVERIFY(AppFixture::Window(Editor));
        QCOMPARE(prompter.messages.back().text,
                 std::string("Row 3 is not saved: a question needs Part A and Part B. Leave it out?"));

        Table()->setCurrentIndex(Table()->model()->index(0, Book));
        prompter.answers = {false, true};
        AppFixture::Click(Editor, "CmdDelete");
        QCOMPARE(Table()->model()->rowCount(), 3);
        AppFixture::Click(Editor, "CmdDelete");
        QCOMPARE(prompter.messages.back().text, std::string("Delete the question of row 1, \"Prompt 20000\"?"));
        QCOMPARE(Table()->model()->rowCount(), 2);
        QCOMPARE(fixture.bank.Text("SELECT group_concat(ID) FROM lm40data WHERE ID >= 20000"), std::string("20001"));

        prompter.answers = {true};
        AppFixture::Click(Editor, "CmdClose");
        QVERIFY(!AppFixture::Window(Editor));
        QCOMPARE(fixture.bank.Number("SELECT count(*) FROM lm40data WHERE English = 'half a question'"), 0);
    }

    // A file that cannot be written takes no edit, and the editor says so.
    void editorOnAFileThatCannotBeWritten()
    {
        AppFixture fixture({Question(20000, "Mine")});
        ::chmod(fixture.bank.Path().c_str(), 0444);
        QVERIFY(fixture.Start());
        fixture.Choose("MnuCustomDataEditor");
        Type(0, PartB, "changed");
        QCOMPARE(AppFixture::Text(Editor, "LblMessage"),
                 QString("Row 1: Nothing was saved: the file cannot be written; the old value stays."));
        QCOMPARE(Cell(0, PartB), QString("Answer 20000"));
    }

    // Keys of the old Greek font turn into Greek as they are typed (a word
    // typed into an empty cell: the road); text that was there, or is changed
    // elsewhere than at its end, stays as it is.
    void keystrokesAsTyped_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::newRow("after English already there") << "word: " << "avga,ph" << "word: ἀγάπη";
        QTest::newRow("a deletion keeps Latin text Latin") << "abc" << "\b" << "ab";
        QTest::newRow("a deletion ends the run") << "" << "ab\bq" << "αθ";
    }

    void keystrokesAsTyped()
    {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QLineEdit line(before);
        new KeystrokeTyping(line, [] { return true; });
        line.end(false);
        for (const QChar key : keys)
            if (key == QLatin1Char('\b'))
                QTest::keyClick(&line, Qt::Key_Backspace);
            else
                QTest::keyClicks(&line, QString(key));
        QCOMPARE(line.text(), after);
    }
};

LUMENARY_GUI_TEST_MAIN(TestCustomWindows)
#include "tst_customwindows.moc"
