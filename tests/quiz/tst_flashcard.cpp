// SPDX-License-Identifier: GPL-3.0-or-later
// The flashcard quiz from the menu: its states and texts, and the database
// after a missed card.

#include "AppFixture.h"
#include "Session.h"

#include <QCheckBox>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

std::vector<BankQuestion> NtiUnits()
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= 3; ++id) {
        auto question = test::Question(id, "NTI", 1, "Matthew", id == 2 ? "Parables" : "na");
        question.english = "Event " + std::to_string(id);
        question.hebrew = "Matthew " + std::to_string(id);
        questions.push_back(question);
    }
    questions.push_back(test::Question(4, "NTI", 2));
    return questions;
}

const QString Card = QStringLiteral("FrmFlashcard");

} // namespace

class TestFlashcard : public QObject {
    Q_OBJECT

private:
    // From the main window: unit 1 of the New Testament units as flashcards.
    static void StartUnitOne(AppFixture& fixture)
    {
        fixture.Choose("MnuNTCCUnits");
        const QString units = QStringLiteral("FrmNTUnits");
        AppFixture::Find<QCheckBox>(units, "ChkUnit(1)")->setChecked(true);
        AppFixture::Click(units, "OptQuiz(2)");
        AppFixture::Click(units, "CmdOK");
    }

    static void ExpectAsking(bool asking)
    {
        QCOMPARE(AppFixture::Find<QAbstractButton>(Card, "CmdShowAnswer")->isEnabled(), asking);
        QCOMPARE(AppFixture::Find<QAbstractButton>(Card, "CmdCorrect")->isEnabled(), !asking);
        QCOMPARE(AppFixture::Find<QAbstractButton>(Card, "CmdIncorrect")->isEnabled(), !asking);
    }

    static QString QuestionId(const QString& question) { return question.section(' ', 1); }

private slots:
    void fromTheMenuToAMissedCard()
    {
        AppFixture fixture(NtiUnits());
        QVERIFY(fixture.Start());
        StartUnitOne(fixture);

        QVERIFY(AppFixture::Window(Card));
        QVERIFY(!fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window("FrmNTUnits"));
        QCOMPARE(fixture.app.MainWindow().QuizType, QString("Flashcard"));
        QCOMPARE(fixture.app.State().QuizFilter, std::string("Module = 'NTI'and (Category= 1)"));
        QCOMPARE(AppFixture::Text(Card, "LblQsRemaining"), QString("Questions Remaining 3"));
        QCOMPARE(AppFixture::Text(Card, "LblSubTitle"), QString("NTI"));
        QCOMPARE(AppFixture::Text(Card, "LblTitle"), QString("Flashcard"));
        QCOMPARE(AppFixture::Text(Card, "LblAnswer"), QString());
        ExpectAsking(true);
        QCOMPARE(fixture.bank.Number("SELECT count(*) FROM lm40data WHERE QuestionUsed = 1"), 1);

        // First card: reveal, then miss it.
        const QString firstQuestion = AppFixture::Text(Card, "LblQuestion");
        QVERIFY(firstQuestion.startsWith("Event "));
        QCOMPARE(AppFixture::Text(Card, "LblTheme"), QuestionId(firstQuestion) == "2" ? QString("Parables") : QString());
        AppFixture::Snapshot(AppFixture::Window(Card), "flashcard-asking");
        AppFixture::Click(Card, "CmdShowAnswer");
        ExpectAsking(false);
        QCOMPARE(AppFixture::Text(Card, "LblAnswer"), "Matthew " + QuestionId(firstQuestion));
        AppFixture::Snapshot(AppFixture::Window(Card), "flashcard-revealed");
        const int missed = QuestionId(firstQuestion).toInt();
        AppFixture::Click(Card, "CmdIncorrect");
        QCOMPARE(fixture.Correct(missed), 0);
        ExpectAsking(true);
        QCOMPARE(AppFixture::Text(Card, "LblAnswer"), QString());
        QCOMPARE(AppFixture::Text(Card, "LblQsRemaining"), QString("Questions Remaining:   2"));
        QCOMPARE(AppFixture::Text(Card, "LblQsCorrect"), QString(" 0"));
        QCOMPARE(AppFixture::Text(Card, "LblQsAsked"), QString(" 1"));
        QCOMPARE(AppFixture::Text(Card, "LblPercentage"), QString("0.00"));
        QVERIFY(AppFixture::Text(Card, "LblQuestion") != firstQuestion);
    }

    void nullSideShowsEmpty()
    {
        auto questions = NtiUnits();
        questions.resize(1);
        questions[0].english.reset();
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        StartUnitOne(fixture);
        QCOMPARE(AppFixture::Text(Card, "LblQuestion"), QString());
        AppFixture::Click(Card, "CmdShowAnswer");
        QCOMPARE(AppFixture::Text(Card, "LblAnswer"), QString("Matthew 1"));
    }
};

LUMENARY_GUI_TEST_MAIN(TestFlashcard)

#include "tst_flashcard.moc"
