// SPDX-License-Identifier: GPL-3.0-or-later
// The multiple-choice and Greek tense quizzes through their real windows:
// where the right answer lands, which wrong answers are offered, how typed
// answers and clicks are judged, and the database after each miss.

#include "AppFixture.h"
#include "FontResolver.h"
#include "ModLanguages.h"
#include "QuizRoad.h"
#include "Session.h"

#include <QFontInfo>
#include <QLineEdit>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

const QString Mc = QStringLiteral("FrmMC");
const QString Grk = QStringLiteral("FrmMCGrk");

int LineCount(const QString& window)
{
    return window == Mc ? 6 : 5;
}

// "Prompt i" asks for "Answer i", in a module of that name.
std::vector<BankQuestion> Numbered(int count, const std::string& module = "NTI")
{
    std::vector<BankQuestion> questions;
    for (int id = 1; id <= count; ++id)
        questions.push_back(test::Question(id, module));
    return questions;
}

// Greek forms of one tense, in module "GrkPP".
std::vector<BankQuestion> Tensed(int count, const std::string& tense)
{
    auto questions = Numbered(count, "GrkPP");
    for (auto& question : questions) {
        question.theme = tense;
        question.hebrew = "ἔλυσα " + std::to_string(question.id);
    }
    return questions;
}

BankQuestion Word(std::int64_t id, const std::string& english, const std::string& hebrew,
                  std::optional<std::string> french = {})
{
    auto question = test::Question(id, "Heb");
    question.english = english;
    question.hebrew = hebrew;
    question.french = std::move(french);
    return question;
}

void Start(AppFixture& fixture, const QString& window, const std::string& module)
{
    if (fixture.app.State().QuestionFontSize == 0)
        ModLanguages(fixture.app.State()).SetEnglishFonts();
    fixture.StartQuiz(window == Mc ? "MC" : "tense", "Module = '" + module + "'");
}

QStringList Lines(const QString& window)
{
    QStringList lines;
    for (int line = 1; line <= LineCount(window); ++line)
        lines << AppFixture::Text(window, QStringLiteral("LblChoice(%1)").arg(line));
    return lines;
}

// The line of the right answer to "Prompt i" in the multiple-choice window.
int RightLine()
{
    return test::LineShowing(Mc, AppFixture::Text(Mc, "LblChoice(0)").replace("Prompt", "Answer"));
}

void Submit(const QString& window, const QString& typed)
{
    AppFixture::Find<QLineEdit>(window, "TxtAnswer")->setText(typed);
    AppFixture::Click(window, "CmdOK");
}

QWidget* Control(const QString& window, const QString& name)
{
    return AppFixture::Find<QWidget>(window, name);
}

} // namespace

class TestMultipleChoice : public QObject {
    Q_OBJECT

private slots:
    // With the program's own random source each line holds the right answer
    // about one time in six; 80 is more than six standard deviations.
    void rightAnswerLinesAreEven()
    {
        constexpr int questions = 1200;
        ClockRandomSource random;
        AppFixture fixture(Numbered(questions), random);
        QVERIFY(fixture.Start());
        Start(fixture, Mc, "NTI");
        std::array<int, 7> count{};
        for (int question = 0; question < questions; ++question) {
            const int line = RightLine();
            QVERIFY(line >= 1);
            ++count[line];
            Submit(Mc, QString::number(line));
            AppFixture::Click(Mc, "CmdNextQuestion");
        }
        for (int line = 1; line <= 6; ++line)
            QVERIFY2(std::abs(count[line] - questions / 6) < 80, qPrintable(QString("line %1: %2").arg(line).arg(count[line])));
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
    }

    // Only five wrong answers pass both filters here, so every line is known
    // whatever order the records are tried in.
    void wrongAnswersPassBothFilters_data()
    {
        QTest::addColumn<double>("walk");
        for (const double walk : {0.0, 0.3, 0.7, 0.99})
            QTest::addRow("walk %.2f", walk) << walk;
    }

    void wrongAnswersPassBothFilters()
    {
        QFETCH(double, walk);
        test::ScriptedRandom random({0.0, 0.5, walk});
        AppFixture fixture({Word(1, "house", "בַּיִת"), Word(2, "home", "בַּיִת"), Word(3, "home", "מָעוֹן"),
                            Word(4, "cottage", "סֻכָּה", "בַּיִת"), Word(5, "tent", "אֹהֶל"), Word(6, "ark", "תֵּבָה"),
                            Word(7, "gate", "שַׁעַר"), Word(8, "wall", "חוֹמָה"), Word(9, "field", "שָׂדֶה"),
                            Word(10, "meadow", "שָׂדֶה")},
                           random);
        QVERIFY(fixture.Start());
        Start(fixture, Mc, "Heb");
        QCOMPARE(AppFixture::Text(Mc, "LblChoice(4)"), QString("בַּיִת"));
        QStringList lines = Lines(Mc);
        lines.sort();
        QStringList expected{"בַּיִת", "אֹהֶל", "תֵּבָה", "שַׁעַר", "חוֹמָה", "שָׂדֶה"};
        expected.sort();
        QCOMPARE(lines, expected);
    }

    // Too few different answers: the lines that cannot be filled stay empty
    // and the quiz goes on.
    void shortPools_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("sameAnswers");
        QTest::addColumn<int>("filled");
        QTest::newRow("one record") << 1 << false << 1;
        QTest::newRow("three records") << 3 << false << 3;
        QTest::newRow("six records") << 6 << false << 6;
        QTest::newRow("every answer the same") << 7 << true << 1;
    }

    void shortPools()
    {
        QFETCH(int, records);
        QFETCH(bool, sameAnswers);
        QFETCH(int, filled);
        auto questions = Numbered(records);
        if (sameAnswers)
            for (auto& question : questions)
                question.hebrew = "Amen";
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        Start(fixture, Mc, "NTI");
        for (int question = 0; question < records; ++question) {
            QStringList lines = Lines(Mc);
            lines.removeAll(QString());
            QCOMPARE(lines.size(), filled);
            QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), filled);
            Submit(Mc, "1");
            AppFixture::Click(Mc, "CmdNextQuestion");
        }
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(Mc));
    }

    // The right line is 3 in both windows: the answer's line in one, the
    // tense "Aorist Passive" in the other.
    void typedAnswers_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("right");
        for (const QString& window : {Mc, Grk}) {
            const QByteArray name = window.toLatin1();
            QTest::addRow("%s: 3", name.data()) << window << "3" << "3" << true;
            QTest::addRow("%s: spaces around", name.data()) << window << " 3 " << " 3 " << true;
            QTest::addRow("%s: 3.0", name.data()) << window << "3.0" << "3.0" << true;
            QTest::addRow("%s: another line", name.data()) << window << "4" << "4" << false;
            QTest::addRow("%s: empty", name.data()) << window << "" << "0" << false;
            QTest::addRow("%s: 7x", name.data()) << window << "7x" << "7x" << false;
            QTest::addRow("%s: letters", name.data()) << window << "three" << "three" << false;
        }
    }

    void typedAnswers()
    {
        QFETCH(QString, window);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, right);
        test::ScriptedRandom random({0.0, 0.4}); // the first record; line 3
        AppFixture fixture(window == Mc ? Numbered(8) : Tensed(8, "Aorist Passive"), random);
        QVERIFY(fixture.Start());
        Start(fixture, window, window == Mc ? "NTI" : "GrkPP");
        QCOMPARE(AppFixture::Text(window, "LblSubTitle"),
                 window == Mc ? QString("NTI") : QString("Greek Principal Part Tenses"));
        test::ExpectAnswered(window, false, true);

        // Typed and sent with Enter, which presses the default button.
        auto* answerBox = AppFixture::Find<QLineEdit>(window, "TxtAnswer");
        QTest::keyClicks(answerBox, typed);
        QTest::keyClick(answerBox, Qt::Key_Return);
        QCOMPARE(answerBox->text(), kept);
        QCOMPARE(AppFixture::Text(window, "LblResponse"), right ? QString("Correct!") : QString("Incorrect.  The answer was"));
        QCOMPARE(AppFixture::Text(window, "LblCorrectAnswer"), right ? QString() : QString("3"));
        QCOMPARE(AppFixture::Text(window, "LblQsCorrect"), right ? QString(" 1") : QString(" 0"));
        QCOMPARE(AppFixture::Text(window, "LblQsRemaining"), QString("Questions Remaining:   7"));
        QCOMPARE(fixture.Correct(1), right ? 1 : 0);
        QCOMPARE(fixture.Missed(), right ? 0 : 1);
        test::ExpectAnswered(window, true);

        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return);
        test::ExpectAnswered(window, false);
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("answeredFirst");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("judges");
        QTest::newRow("MC number click") << Mc << "Lbl(2)" << false << false << "2" << false;
        QTest::newRow("MC answer click") << Mc << "LblChoice(2)" << false << false << "2" << false;
        QTest::newRow("MC number double click") << Mc << "Lbl(2)" << true << false << "2" << true;
        QTest::newRow("MC answer double click") << Mc << "LblChoice(5)" << true << false << "5" << true;
        QTest::newRow("MC question double click") << Mc << "LblChoice(0)" << true << false << "" << false;
        QTest::newRow("MC answer double click, answered") << Mc << "LblChoice(3)" << true << true << "3" << false;
        QTest::newRow("MC number double click, answered") << Mc << "Lbl(3)" << true << true << "3" << false;
        QTest::newRow("tense click") << Grk << "LblChoice(2)" << false << false << "2" << true;
        QTest::newRow("tense number click") << Grk << "Lbl(2)" << false << false << "2" << false;
        QTest::newRow("tense number double click") << Grk << "Lbl(2)" << true << false << "2" << true;
        QTest::newRow("tense form click") << Grk << "LblChoice(0)" << false << false << "" << false;
        QTest::newRow("tense click, answered") << Grk << "LblChoice(3)" << false << true << "3" << false;
        QTest::newRow("tense double click, answered") << Grk << "LblChoice(3)" << true << true << "3" << false;
    }

    void clicks()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(bool, doubleClick);
        QFETCH(bool, answeredFirst);
        QFETCH(QString, typed);
        QFETCH(bool, judges);
        test::ScriptedRandom random({0.0, 0.4}); // line 3 is right in both windows
        AppFixture fixture(window == Mc ? Numbered(8) : Tensed(8, "Aorist Passive"), random);
        QVERIFY(fixture.Start());
        Start(fixture, window, window == Mc ? "NTI" : "GrkPP");
        if (answeredFirst)
            Submit(window, "1"); // wrong: a second judgement of line 3 would count as right
        const QString response = AppFixture::Text(window, "LblResponse");
        const int correct = fixture.app.State().QuestionsCorrect;

        auto* target = Control(window, label);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        if (doubleClick)
            QTest::mouseDClick(target, Qt::LeftButton);
        QCOMPARE(AppFixture::Find<QLineEdit>(window, "TxtAnswer")->text(), typed);
        if (answeredFirst) {
            QCOMPARE(AppFixture::Text(window, "LblResponse"), response);
            QCOMPARE(fixture.app.State().QuestionsCorrect, correct);
        } else {
            QCOMPARE(!AppFixture::Text(window, "LblResponse").isEmpty(), judges);
            QCOMPARE(AppFixture::Text(window, "LblQsAsked"), judges ? QString(" 1") : QString());
        }
        test::ExpectAnswered(window, answeredFirst || judges, true);
    }

    // "Next Question" before the first answer skips that question: asked,
    // neither right nor missed.
    void nextBeforeAnsweringSkips_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("multiple choice") << Mc;
        QTest::newRow("tenses") << Grk;
    }

    void nextBeforeAnsweringSkips()
    {
        QFETCH(QString, window);
        test::ScriptedRandom random({0.0, 0.4});
        AppFixture fixture(window == Mc ? Numbered(8) : Tensed(8, "Aorist Passive"), random);
        QVERIFY(fixture.Start());
        Start(fixture, window, window == Mc ? "NTI" : "GrkPP");
        AppFixture::Click(window, "CmdNextQuestion");
        test::ExpectAnswered(window, false);
        Submit(window, "3");
        QCOMPARE(AppFixture::Text(window, "LblQsAsked"), QString(" 2"));
        QCOMPARE(AppFixture::Text(window, "LblQsCorrect"), QString(" 1"));
        QCOMPARE(AppFixture::Text(window, "LblPercentage"), QString("50.00"));
        QCOMPARE(fixture.Missed(), 0);
    }

    // A theme that names none of the five tenses has no right choice; it is
    // never judged by the tense of the question before it.
    void unknownTenseIsNeverRight_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("the previous question's tense") << "2";
        QTest::newRow("another tense") << "1";
    }

    void unknownTenseIsNeverRight()
    {
        QFETCH(QString, typed);
        auto questions = Tensed(2, "Aorist Active");
        questions[1].theme = "Present";
        questions[1].hebrew = "λύω";
        test::ScriptedRandom random({0.0});
        AppFixture fixture(questions, random);
        QVERIFY(fixture.Start());
        Start(fixture, Grk, "GrkPP");
        Submit(Grk, "2");
        QCOMPARE(AppFixture::Text(Grk, "LblResponse"), QString("Correct!"));
        AppFixture::Click(Grk, "CmdNextQuestion");
        QCOMPARE(AppFixture::Text(Grk, "LblChoice(0)"), QString("λύω"));
        Submit(Grk, typed);
        QCOMPARE(AppFixture::Text(Grk, "LblResponse"), QString("Incorrect.  The answer was"));
        QCOMPARE(AppFixture::Text(Grk, "LblCorrectAnswer"), QString("Present"));
        QCOMPARE(fixture.Correct(2), 0);
        QCOMPARE(fixture.Correct(1), 1);
    }

    // Long English, Greek and pointed Hebrew answers in their fonts, each
    // line tall enough for its wrapped text. LUMENARY_SNAPSHOTS keeps pictures.
    void linesShowTheirWholeText_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("setter");
        QTest::addColumn<QString>("answerFamily");
        QTest::addColumn<int>("answerSize");
        const QString sans = QFontInfo(ResolveFont(EnglishFontRole, 10)).family();
        QTest::newRow("long English") << Mc << 0 << sans << 10;
        QTest::newRow("English to Greek") << Mc << 1 << "Gentium Plus" << 16;
        QTest::newRow("English to Hebrew") << Mc << 2 << "Ezra SIL" << 16;
        QTest::newRow("Greek tenses") << Grk << -1 << sans << 0;
    }

    void linesShowTheirWholeText()
    {
        QFETCH(QString, window);
        QFETCH(int, setter);
        QFETCH(QString, answerFamily);
        QFETCH(int, answerSize);
        std::vector<BankQuestion> questions;
        const std::vector<std::string> greek{"λέλυκα", "ἐλύθην", "ἀκήκοα", "ἐγενήθην", "πεπίστευκα", "ἐσώθην", "βέβληκα"};
        const std::vector<std::string> hebrew{"בְּרֵאשִׁית", "וַיֹּאמֶר אֱלֹהִים", "הַשָּׁמַיִם", "וְהָאָרֶץ", "מִדְבָּר",
                                              "יְרוּשָׁלַ͏ִם", "תּוֹרָה"};
        for (int i = 0; i < 7; ++i) {
            auto question = test::Question(i + 1, "Mixed", {}, {}, "Perfect Active");
            question.english = "In the beginning God created the heaven and the earth, and the earth was without form ("
                             + std::to_string(i) + ")";
            question.hebrew = setter == 1 ? greek[i] : setter == 2 ? hebrew[i]
                                                      : "He went up into a mountain apart to pray, and when the evening "
                                                        "was come, he was there alone; but the ship was now in the midst of the sea, tossed with "
                                                        "waves (" + std::to_string(i) + ")";
            if (window == Grk)
                question.hebrew = greek[i];
            questions.push_back(question);
        }
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        ModLanguages languages(fixture.app.State());
        if (setter >= 0) {
            using Setter = void (ModLanguages::*)();
            const Setter setters[] = {&ModLanguages::SetEnglishFonts, &ModLanguages::SetEnglishToGreekFonts,
                                      &ModLanguages::SetEnglishToHebrewFonts};
            (languages.*setters[setter])();
        }
        Start(fixture, window, "Mixed");
        QWidget* shown = AppFixture::Window(window);
        QVERIFY(shown);
        QTest::qWait(50);
        const QString name = QString(QTest::currentDataTag()).replace(' ', '-');
        AppFixture::Snapshot(shown, window + "-" + name + "-asking");
        const auto* form = AppFixture::Find<QLabel>(window, "LblChoice(0)");
        if (window == Grk) {
            QCOMPARE(QFontInfo(form->font()).family(), QString("Gentium Plus"));
            QCOMPARE(form->font().pointSize(), 18);
            QVERIFY(form->font().bold());
        } else {
            QCOMPARE(form->font().pointSize(), fixture.app.State().QuestionFontSize + 2);
            const auto* answer = AppFixture::Find<QLabel>(window, "LblChoice(1)");
            QCOMPARE(QFontInfo(answer->font()).family(), answerFamily);
            QCOMPARE(answer->font().pointSize(), answerSize);
        }
        for (int line = 0; line <= LineCount(window); ++line) {
            const auto* label = AppFixture::Find<QLabel>(window, QStringLiteral("LblChoice(%1)").arg(line));
            QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                     qPrintable(label->objectName() + " is cut off"));
            // Each answer stands beside its number.
            const auto* number = AppFixture::Find<QLabel>(window, QStringLiteral("Lbl(%1)").arg(line));
            QVERIFY(line == 0 || label->geometry().contains(label->geometry().left(), number->geometry().center().y()));
        }
        Submit(window, "0");
        QTest::qWait(50);
        AppFixture::Snapshot(shown, window + "-" + name + "-answered");
    }
};

LUMENARY_GUI_TEST_MAIN(TestMultipleChoice)

#include "tst_multiplechoice.moc"
