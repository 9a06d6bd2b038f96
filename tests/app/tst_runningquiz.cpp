// SPDX-License-Identifier: GPL-3.0-or-later
// A quiz while something else happens to it: another quiz begun over it from
// a selection window left open, questions removed by another program, and a
// record whose answer is empty. The database is read after each step.

#include "ModCommonQuiz.h"
#include "QuizRoad.h"
#include "Session.h"

#include <QLineEdit>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

constexpr int FirstHymn = 101;

std::vector<BankQuestion> KingsAndHymns()
{
    auto questions = test::UnitQuestions("Kings", 1, 4);
    for (int id = FirstHymn; id < FirstHymn + 8; ++id)
        questions.push_back(test::Question(id, "Hymnology"));
    return questions;
}

const QMap<QString, int> QuizOptions{{"MC", 0}, {"TF", 1}, {"Flashcard", 2}};

} // namespace

class TestRunningQuiz : public QObject {
    Q_OBJECT

private slots:
    void aQuizBegunOverAnotherEndsIt_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("true/false over true/false") << "TF" << "TF";
        QTest::newRow("multiple choice over true/false") << "TF" << "MC";
        QTest::newRow("true/false over flashcard") << "Flashcard" << "TF";
        QTest::newRow("flashcard over multiple choice") << "MC" << "Flashcard";
    }

    void aQuizBegunOverAnotherEndsIt()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        AppFixture fixture(KingsAndHymns());
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        // Both selection windows open at once, as a user may leave them.
        fixture.Choose("MnuOTHistory");
        fixture.Choose("MnuChurchMusic");
        AppFixture::Click("FrmKings", QString("OptQuiz(%1)").arg(QuizOptions[first]));
        AppFixture::Click("FrmKings", "CmdOK");
        QVERIFY(AppFixture::Window(test::QuizWindowOf(first)));
        const auto kingOnScreen = session.CurrentQuestionID;
        QVERIFY(kingOnScreen >= 1 && kingOnScreen <= 4);
        test::Answer(session, fixture.bank, false);
        const bool kingMissed = !session.AnswerCorrect;

        AppFixture::Click("FrmChurchMusic", "Option(0)");
        AppFixture::Click("FrmChurchMusic", QString("OptQuiz(%1)").arg(QuizOptions[second]));
        AppFixture::Click("FrmChurchMusic", "CmdOK");
        QCoreApplication::processEvents();
        for (const QString& type : QuizOptions.keys())
            QCOMPARE(AppFixture::Window(test::QuizWindowOf(type)) != nullptr, type == second);
        // A window in its design state for the new subject.
        QCOMPARE(AppFixture::Text(test::QuizWindowOf(second), "LblSubTitle"), QString("Hymnology"));
        test::ExpectAnswered(test::QuizWindowOf(second), false, second == "MC");
        const auto hymnOnScreen = session.CurrentQuestionID;
        QVERIFY(hymnOnScreen >= FirstHymn);

        // The first quiz's miss stays; the new quiz's verdict reaches its own record only.
        test::Answer(session, fixture.bank, false);
        const bool hymnMissed = !session.AnswerCorrect;
        const auto& bank = fixture.bank;
        QCOMPARE(bank.Number("SELECT Correct FROM lm40data WHERE ID = " + std::to_string(kingOnScreen)), kingMissed ? 0 : 1);
        QCOMPARE(bank.Number("SELECT COUNT(*) FROM lm40data WHERE Correct = 0 AND Module = 'Kings'"), kingMissed ? 1 : 0);
        QCOMPARE(bank.Number("SELECT COUNT(*) FROM lm40data WHERE Correct = 0 AND Module = 'Hymnology'"), hymnMissed ? 1 : 0);
        if (hymnMissed)
            QCOMPARE(bank.Number("SELECT Correct FROM lm40data WHERE ID = " + std::to_string(hymnOnScreen)), 0);
        // A flashcard goes on to its next question as it is graded.
        QCOMPARE(bank.Number("SELECT COUNT(*) FROM lm40data WHERE QuestionUsed = 1 AND Module = 'Hymnology'"),
                 second == "Flashcard" ? 2 : 1);
        QVERIFY(!fixture.app.MainWindow().isVisible());
        QCOMPARE(fixture.programEnds, 0);
    }

    // Another program deletes questions of the pool while the quiz runs: the
    // user is told once and the quiz goes on with what is left.
    void questionsRemovedByAnotherProgram_data()
    {
        QTest::addColumn<QString>("quiz");
        QTest::addColumn<int>("removed");
        QTest::newRow("short answer, some left") << "SA" << 4;
        QTest::newRow("short answer, none left") << "SA" << 7;
        QTest::newRow("multiple choice, some left") << "MC" << 4;
    }

    void questionsRemovedByAnotherProgram()
    {
        QFETCH(QString, quiz);
        QFETCH(int, removed);
        auto questions = test::UnitQuestions("NTI", 1, 8);
        for (auto& question : questions)
            question.chapter = question.id;
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        fixture.StartQuiz(quiz, "Module = 'NTI'");
        const QString window = quiz == "SA" ? "FrmSA" : "FrmMC";
        QVERIFY(AppFixture::Window(window));
        const auto onScreen = session.CurrentQuestionID;
        fixture.bank.Execute("DELETE FROM lm40data WHERE ID IN (SELECT ID FROM lm40data WHERE ID <> "
                             + std::to_string(onScreen) + " LIMIT " + std::to_string(removed) + ")");

        int asked = 1;
        for (; asked <= 8 && AppFixture::Window(window); ++asked) {
            const auto current = session.CurrentQuestionID;
            QCOMPARE(fixture.bank.Number("SELECT COUNT(*) FROM lm40data WHERE ID = " + std::to_string(current)), 1);
            test::AnswerAndGoOn(fixture, false);
            QCOMPARE(fixture.Correct(current), 0);
            QCoreApplication::processEvents();
        }
        QCOMPARE(asked - 1, 8 - removed);
        QStringList titles;
        for (const auto& message : fixture.prompter.messages)
            titles << QString::fromStdString(message.title);
        QCOMPARE(titles.count(QuestionsRemovedTitle), 1);
        QCOMPARE(titles.count(LastQuestionTitle), 1);
        QVERIFY2(!titles.contains("Results Not Saved"), qPrintable(titles.join(", ")));
        QVERIFY(fixture.app.MainWindow().isVisible());
        QCOMPARE(fixture.bank.Number("SELECT COUNT(*) FROM lm40data WHERE Correct = 0"), 8 - removed);
    }

    // The right line is kept for the right answer even when that answer is empty.
    void emptyAnswerKeepsItsLine()
    {
        auto questions = test::UnitQuestions("NTI", 1, 9);
        questions[0].hebrew = "";
        questions[1].hebrew.reset();
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        fixture.StartQuiz("MC", "Module = 'NTI'");
        int checked = 0;
        for (int asked = 0; asked < 9; ++asked) {
            QString typed = "1";
            if (session.CurrentQuestionID <= 2) {
                QStringList empty;
                for (int line = 1; AppFixture::Find<QLabel>("FrmMC", QString("LblChoice(%1)").arg(line)); ++line)
                    if (AppFixture::Text("FrmMC", QString("LblChoice(%1)").arg(line)).isEmpty())
                        empty << QString::number(line);
                QCOMPARE(empty.size(), 1);
                typed = empty.front();
                ++checked;
            }
            AppFixture::Find<QLineEdit>("FrmMC", "TxtAnswer")->setText(typed);
            AppFixture::Click("FrmMC", "CmdOK");
            if (session.CurrentQuestionID <= 2)
                QCOMPARE(AppFixture::Text("FrmMC", "LblResponse"), QString("Correct!"));
            AppFixture::Click("FrmMC", "CmdNextQuestion");
        }
        QCOMPARE(checked, 2);
    }
};

LUMENARY_GUI_TEST_MAIN(TestRunningQuiz)
#include "tst_runningquiz.moc"
