// The flashcard quiz from the menu to the end: states, texts, the database
// after each step, the retry of missed cards, and the direction and fonts.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "Session.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QRadioButton>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

std::vector<BankQuestion> NtiUnits()
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= 3; ++id) {
        auto question = test::Question(id, "NTI", 1, "Matthew", id == 2 ? "Parables" : "na");
        question.english = "Event " + std::to_string(id);
        question.french = "Événement " + std::to_string(id);
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
    static void StartUnitOne(AppFixture& fixture, bool secondDirection = false)
    {
        fixture.Choose("MnuNTCCUnits");
        const QString units = QStringLiteral("FrmNTUnits");
        AppFixture::Find<QCheckBox>(units, "ChkUnit(1)")->setChecked(true);
        if (secondDirection)
            AppFixture::Click(units, "OptFlip(1)");
        AppFixture::Click(units, "OptQuiz(2)");
        AppFixture::Click(units, "CmdOK");
    }

    static long long Correct(const AppFixture& fixture, int id)
    {
        return fixture.bank.Number("SELECT Correct FROM lm40data WHERE ID = " + std::to_string(id));
    }

    static void ExpectAsking(bool asking)
    {
        QCOMPARE(AppFixture::Find<QAbstractButton>(Card, "CmdShowAnswer")->isEnabled(), asking);
        QCOMPARE(AppFixture::Find<QAbstractButton>(Card, "CmdCorrect")->isEnabled(), !asking);
        QCOMPARE(AppFixture::Find<QAbstractButton>(Card, "CmdIncorrect")->isEnabled(), !asking);
    }

    static QString QuestionId(const QString& question) { return question.section(' ', 1); }

private slots:
    void wholeRoadWithOneMissedCard()
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
        QCOMPARE(Correct(fixture, missed), 0);
        ExpectAsking(true);
        QCOMPARE(AppFixture::Text(Card, "LblAnswer"), QString());
        QCOMPARE(AppFixture::Text(Card, "LblQsRemaining"), QString("Questions Remaining:   2"));
        QCOMPARE(AppFixture::Text(Card, "LblQsCorrect"), QString(" 0"));
        QCOMPARE(AppFixture::Text(Card, "LblQsAsked"), QString(" 1"));
        QCOMPARE(AppFixture::Text(Card, "LblPercentage"), QString("0.00"));
        QVERIFY(AppFixture::Text(Card, "LblQuestion") != firstQuestion);

        // The other two right; the last one ends the pool and offers the retry.
        fixture.prompter.answers.push_back(true);
        for (int card = 0; card < 2; ++card) {
            AppFixture::Click(Card, "CmdShowAnswer");
            AppFixture::Click(Card, "CmdCorrect");
        }
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{2});
        QCOMPARE(fixture.prompter.messages[0].text, std::string("This was the last question."));
        QCOMPARE(fixture.prompter.messages[1].text, std::string("Would you like to retry the questions you missed?"));

        // The review runs in the same window on exactly the missed card.
        QVERIFY(AppFixture::Window(Card));
        QVERIFY(!fixture.app.MainWindow().isVisible());
        QCOMPARE(fixture.app.State().QuizFilter, std::string("Module = 'NTI'and (Category= 1)and Correct=0"));
        QCOMPARE(AppFixture::Text(Card, "LblQsRemaining"), QString("Questions Remaining 1"));
        QCOMPARE(AppFixture::Text(Card, "LblQsCorrect"), QString());
        QCOMPARE(AppFixture::Text(Card, "LblPercentage"), QString());
        QCOMPARE(AppFixture::Text(Card, "LblQuestion"), firstQuestion);
        QCOMPARE(Correct(fixture, missed), 1);
        AppFixture::Click(Card, "CmdShowAnswer");
        AppFixture::Click(Card, "CmdCorrect");

        // Nothing missed in the review: the notice, no offer, the main window.
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{3});
        QCOMPARE(fixture.prompter.messages[2].title, std::string("Last Question"));
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(Card));
        QCOMPARE(fixture.bank.Number("SELECT count(*) FROM lm40data WHERE Category = 2 AND Chosen = 1"), 0);
    }

    // Without a review the pool's end leads back to the main window: no
    // offer when every card was right, and a declined offer after a miss.
    void endsWithoutReview_data()
    {
        QTest::addColumn<int>("missedCard"); // -1 for none
        QTest::addColumn<int>("messages");
        QTest::newRow("all correct") << -1 << 1;
        QTest::newRow("retry declined") << 1 << 2;
    }

    void endsWithoutReview()
    {
        QFETCH(int, missedCard);
        QFETCH(int, messages);
        AppFixture fixture(NtiUnits());
        QVERIFY(fixture.Start());
        StartUnitOne(fixture);
        for (int card = 0; card < 3; ++card) {
            AppFixture::Click(Card, "CmdShowAnswer");
            AppFixture::Click(Card, card == missedCard ? "CmdIncorrect" : "CmdCorrect");
        }
        QCOMPARE(fixture.prompter.messages.size(), std::size_t(messages));
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(Card));
        QCOMPARE(fixture.bank.Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), missedCard < 0 ? 0 : 1);
    }

    void endQuizKeepsTheMisses_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("End Quiz") << false;
        QTest::newRow("title-bar close box") << true;
    }

    void endQuizKeepsTheMisses()
    {
        QFETCH(bool, closeBox);
        AppFixture fixture(NtiUnits());
        QVERIFY(fixture.Start());
        StartUnitOne(fixture);
        for (int card = 0; card < 2; ++card) {
            AppFixture::Click(Card, "CmdShowAnswer");
            AppFixture::Click(Card, "CmdIncorrect");
        }
        if (closeBox)
            AppFixture::Window(Card)->close();
        else
            AppFixture::Window(Card)->findChild<QAction*>("MnuEndQuizFlashcard")->trigger();
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(Card));
        QCOMPARE(fixture.bank.Number("SELECT count(*) FROM lm40data WHERE Correct = 0"), 2);
        QCOMPARE(fixture.app.State().QuestionsAsked, 3);
        QCOMPARE(fixture.programEnds, 0);
    }

    void exitQuizEndsTheProgram()
    {
        AppFixture fixture(NtiUnits());
        QVERIFY(fixture.Start());
        StartUnitOne(fixture);
        AppFixture::Window(Card)->findChild<QAction*>("MnuExitQuizFlashcard")->trigger();
        QCOMPARE(fixture.programEnds, 1);
        QVERIFY(!AppFixture::Window(Card));
        QVERIFY(!fixture.app.MainWindow().isVisible());
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

    void sidesFollowFlipAndFrench_data()
    {
        QTest::addColumn<bool>("flip");
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Part A to Part B") << false << false << "Event 1" << "Matthew 1";
        QTest::newRow("Part B to Part A") << true << false << "Matthew 1" << "Event 1";
        QTest::newRow("French to Part B") << false << true << "Événement 1" << "Matthew 1";
        QTest::newRow("Part B to French") << true << true << "Matthew 1" << "Événement 1";
    }

    void sidesFollowFlipAndFrench()
    {
        QFETCH(bool, flip);
        QFETCH(bool, french);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        auto questions = NtiUnits();
        questions.resize(1);
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        session.QuizFilter = "Module = 'NTI'";
        session.Flip = flip;
        session.UseFrench = french;
        fixture.app.MainWindow().QuizType = "Flashcard";
        fixture.app.MainWindow().BeginQuiz();
        QCOMPARE(AppFixture::Text(Card, "LblQuestion"), question);
        AppFixture::Click(Card, "CmdShowAnswer");
        QCOMPARE(AppFixture::Text(Card, "LblAnswer"), answer);
    }

    // Each setter's fonts and sizes reach the card's labels, and its French
    // switch chooses the field of Part A.
    void fontsReachTheLabels_data()
    {
        QTest::addColumn<int>("setter");
        QTest::addColumn<QString>("questionFamily");
        QTest::addColumn<int>("questionSize");
        QTest::addColumn<QString>("answerFamily");
        QTest::addColumn<int>("answerSize");
        QTest::addColumn<QString>("partA");
        const QString sans = QFontInfo(ResolveFont(EnglishFontRole, 10)).family();
        const QString greek = "Gentium Plus";
        const QString hebrew = "Ezra SIL";
        QTest::newRow("SetEnglishFonts") << 0 << sans << 14 << sans << 14 << "Event 1";
        QTest::newRow("SetEnglishToGreekFonts") << 1 << sans << 14 << greek << 20 << "Event 1";
        QTest::newRow("SetGreekToEnglishFonts") << 2 << greek << 20 << sans << 14 << "Event 1";
        QTest::newRow("SetGreekToGreekFonts") << 3 << greek << 20 << greek << 20 << "Event 1";
        QTest::newRow("SetEnglishToHebrewFonts") << 4 << sans << 14 << hebrew << 20 << "Event 1";
        QTest::newRow("SetHebrewToEnglishFonts") << 5 << hebrew << 20 << sans << 14 << "Event 1";
        QTest::newRow("SetFrenchToHebrewFonts") << 6 << sans << 14 << hebrew << 20 << "Événement 1";
        QTest::newRow("SetHebrewToFrenchFonts") << 7 << hebrew << 20 << sans << 14 << "Événement 1";
    }

    void fontsReachTheLabels()
    {
        QFETCH(int, setter);
        QFETCH(QString, questionFamily);
        QFETCH(int, questionSize);
        QFETCH(QString, answerFamily);
        QFETCH(int, answerSize);
        QFETCH(QString, partA);
        auto questions = NtiUnits();
        questions.resize(1);
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        ModLanguages languages(session);
        using Setter = void (ModLanguages::*)();
        const Setter setters[] = {&ModLanguages::SetEnglishFonts,         &ModLanguages::SetEnglishToGreekFonts,
                                  &ModLanguages::SetGreekToEnglishFonts,  &ModLanguages::SetGreekToGreekFonts,
                                  &ModLanguages::SetEnglishToHebrewFonts, &ModLanguages::SetHebrewToEnglishFonts,
                                  &ModLanguages::SetFrenchToHebrewFonts,  &ModLanguages::SetHebrewToFrenchFonts};
        (languages.*setters[setter])();
        session.QuizFilter = "Module = 'NTI'";
        fixture.app.MainWindow().QuizType = "Flashcard";
        fixture.app.MainWindow().BeginQuiz();
        const auto* question = AppFixture::Find<QLabel>(Card, "LblQuestion");
        const auto* answer = AppFixture::Find<QLabel>(Card, "LblAnswer");
        QCOMPARE(QFontInfo(question->font()).family(), questionFamily);
        QCOMPARE(question->font().pointSize(), questionSize);
        QCOMPARE(QFontInfo(answer->font()).family(), answerFamily);
        QCOMPARE(answer->font().pointSize(), answerSize);
        QCOMPARE(question->text(), partA);
    }
};

LUMENARY_GUI_TEST_MAIN(TestFlashcard)

#include "tst_flashcard.moc"
