// SPDX-License-Identifier: GPL-3.0-or-later
// The end of the pool, the same road in every quiz window: the last-question
// notice, the retry offer and when it is made, the review in the same window
// on exactly the missed questions, and the marks in the file at each step.

#include "AppFixture.h"
#include "ModLanguages.h"
#include "QuizRoad.h"
#include "Session.h"

#include <QGroupBox>
#include <QPointer>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

constexpr int PoolSize = 10;

// Chapter n of a book, a "Future" form: every window can ask each of them.
std::vector<BankQuestion> Pool()
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= PoolSize; ++id) {
        questions.push_back(test::Question(id, "Road", 1, "Romans", "Future"));
        questions.back().chapter = id;
    }
    return questions;
}

// The question on screen: the multiple-choice windows ask in their first line.
QString Asked(const QString& window)
{
    return AppFixture::Text(window, window == "FrmMC" || window == "FrmMCGrk" ? "LblChoice(0)" : "LblQuestion");
}

QString Progress(const QString& window)
{
    QStringList texts;
    for (const char* label : {"LblQsCorrect", "LblQsAsked", "LblPercentage", "LblQsRemaining"})
        texts << AppFixture::Text(window, label);
    return texts.join('|');
}

} // namespace

class TestRetry : public QObject {
    Q_OBJECT

private slots:
    void retryRoad_data()
    {
        QTest::addColumn<QString>("quizType"); // "tense": the Greek tense quiz
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("misses");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("taken");
        const struct {
            const char* type;
            const char* window;
            int fewestMisses; // that make the retry offered
        } quizzes[] = {{"Flashcard", "FrmFlashcard", 1}, {"TF", "FrmTF", 1}, {"SA", "FrmSA", 1}, {"MC", "FrmMC", 6},
                       {"tense", "FrmMCGrk", 6}};
        for (const auto& quiz : quizzes) {
            QTest::addRow("%s, none missed", quiz.window) << quiz.type << quiz.window << 0 << false << false;
            if (quiz.fewestMisses > 1)
                QTest::addRow("%s, %d missed", quiz.window, quiz.fewestMisses - 1)
                    << quiz.type << quiz.window << quiz.fewestMisses - 1 << false << false;
            QTest::addRow("%s, retry declined", quiz.window)
                << quiz.type << quiz.window << quiz.fewestMisses << true << false;
            QTest::addRow("%s, retry taken", quiz.window)
                << quiz.type << quiz.window << quiz.fewestMisses << true << true;
        }
    }

    void retryRoad()
    {
        QFETCH(QString, quizType);
        QFETCH(QString, window);
        QFETCH(int, misses);
        QFETCH(bool, offered);
        QFETCH(bool, taken);
        AppFixture fixture(Pool());
        QVERIFY(fixture.Start());
        ModLanguages(fixture.app.State()).SetEnglishFonts();
        fixture.StartQuiz(quizType, "Module = 'Road'");
        const QPointer<QWidget> quiz = AppFixture::Window(window);
        QVERIFY(quiz);
        QCOMPARE(AppFixture::Find<QGroupBox>(window, "FrmProgressReport")->title(), QString("Progress Report"));
        fixture.prompter.answers.push_back(taken);
        QCOMPARE(AppFixture::Text(window, "LblQsRemaining"), QStringLiteral("Questions Remaining %1").arg(PoolSize));
        if (window == "FrmFlashcard") {
            QCOMPARE(AppFixture::Text(window, "LblTitle"), QString("Flashcard"));
            QCOMPARE(AppFixture::Text(window, "LblTheme"), QString("Future"));
        }
        QSet<QString> missed;
        for (int question = 0; question < PoolSize; ++question) {
            QVERIFY(fixture.prompter.messages.empty());
            if (question < misses)
                missed << Asked(window);
            const bool right = question >= misses;
            test::ExpectAnswered(window, false, question == 0 && window.startsWith("FrmMC"));
            test::Answer(fixture.app.State(), fixture.bank, right);
            if (window != "FrmFlashcard") {
                test::ExpectAnswered(window, true);
                const QString verdict = AppFixture::Text(window, window == "FrmTF" ? "LblTrueFalse" : "LblResponse");
                QCOMPARE(verdict.startsWith("Correct!"), right);
            }
            // Each answer counts in the progress report at once, in every window.
            const int asked = question + 1;
            const int correct = std::max(0, asked - misses);
            if (question + 1 < PoolSize)
                QCOMPARE(Progress(window), QStringLiteral(" %1| %2|%3|Questions Remaining:   %4")
                                               .arg(correct)
                                               .arg(asked)
                                               .arg(100.0 * correct / asked, 0, 'f', 2)
                                               .arg(PoolSize - asked));
            if (window != "FrmFlashcard")
                AppFixture::Click(window, "CmdNextQuestion");
            if (question + 1 < PoolSize) // the last answer ends the pool, and a review clears the marks
                QCOMPARE(fixture.Missed(), std::min(question + 1, misses));
        }
        QCOMPARE(fixture.Missed(), taken ? 0 : misses);

        const auto& messages = fixture.prompter.messages;
        QCOMPARE(messages.size(), std::size_t(offered ? 2 : 1));
        QCOMPARE(messages[0].title, std::string("Last Question"));
        QCOMPARE(messages[0].text, std::string("This was the last question."));
        if (offered) {
            QVERIFY(messages[1].question);
            QCOMPARE(messages[1].title, std::string("Retry Missed Questions?"));
            QCOMPARE(messages[1].text, std::string("Would you like to retry the questions you missed?"));
        }
        QCOMPARE(fixture.app.MainWindow().isVisible(), !taken);
        QCOMPARE(AppFixture::Window(window), taken ? quiz.data() : nullptr);
        if (!taken)
            return;

        // The review: the same window, its progress cleared, the missed questions only.
        QVERIFY(fixture.app.State().QuizFilter.ends_with("and Correct=0"));
        QCOMPARE(Progress(window), QStringLiteral("|||Questions Remaining %1").arg(misses));
        for (int question = 0; question < misses; ++question) {
            QVERIFY(missed.contains(Asked(window)));
            test::AnswerAndGoOn(fixture, true);
        }
        QCOMPARE(messages.size(), std::size_t{3});
        QCOMPARE(messages[2].title, std::string("Last Question"));
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.Missed(), 0);
    }
};

LUMENARY_GUI_TEST_MAIN(TestRetry)

#include "tst_retry.moc"
