// SPDX-License-Identifier: GPL-3.0-or-later
// The multiple-choice and Greek tense quizzes through their real windows:
// where the right answer lands, which wrong answers are offered, how typed
// answers and clicks are judged, and the database after each miss.

#include "AppFixture.h"
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

// Greek forms of one tense, in module "GrkPP".
std::vector<BankQuestion> Tensed(int count, const std::string& tense)
{
    auto questions = test::UnitQuestions("GrkPP", 1, count);
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

// The six answer lines of the multiple-choice window.
QStringList Lines()
{
    QStringList lines;
    for (int line = 1; line <= 6; ++line)
        lines << AppFixture::Text(Mc, QStringLiteral("LblChoice(%1)").arg(line));
    return lines;
}

void Submit(const QString& window, const QString& typed)
{
    AppFixture::Find<QLineEdit>(window, "TxtAnswer")->setText(typed);
    AppFixture::Click(window, "CmdOK");
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
        AppFixture fixture(test::UnitQuestions("NTI", 1, questions), random);
        QVERIFY(fixture.Start());
        Start(fixture, Mc, "NTI");
        std::array<int, 7> count{};
        for (int question = 0; question < questions; ++question) {
            // The line showing "Answer i" for "Prompt i".
            const int line = test::LineShowing(Mc, AppFixture::Text(Mc, "LblChoice(0)").replace("Prompt", "Answer"));
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
        QStringList lines = Lines();
        lines.sort();
        QStringList expected{"בַּיִת", "אֹהֶל", "תֵּבָה", "שַׁעַר", "חוֹמָה", "שָׂדֶה"};
        expected.sort();
        QCOMPARE(lines, expected);
    }

    // Too few different answers: the lines that cannot be filled stay empty
    // and the quiz goes on; two questions sharing an answer offer it once.
    // Just enough answers fill every line.
    void shortPool_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QStringList>("lines"); // the answers offered, sorted
        QTest::newRow("three questions, two answers") << 3 << QStringList{"Answer 1", "Answer 3"};
        QTest::newRow("six answers for six lines")
            << 6 << QStringList{"Answer 1", "Answer 2", "Answer 3", "Answer 4", "Answer 5", "Answer 6"};
    }

    void shortPool()
    {
        QFETCH(int, records);
        QFETCH(QStringList, lines);
        auto questions = test::UnitQuestions("NTI", 1, records);
        if (records == 3)
            questions[1].hebrew = "Answer 1";
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        Start(fixture, Mc, "NTI");
        for (int question = 0; question < records; ++question) {
            QStringList shown = Lines();
            shown.removeAll(QString());
            shown.sort();
            QCOMPARE(shown, lines);
            Submit(Mc, "1");
            AppFixture::Click(Mc, "CmdNextQuestion");
        }
        QVERIFY(fixture.app.MainWindow().isVisible());
        QVERIFY(!AppFixture::Window(Mc));
    }

    // What a user does in either window, and how it is judged. The right line
    // is 3 in both: the answer's line in one, the tense "Aorist Passive" in the
    // other. "type" types into the answer box, "Enter" presses Enter there,
    // "click" and "dclick" click a line or its number once or twice, and any
    // other word is a button.
    void answering_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("kept"); // in the answer box
        QTest::addColumn<QString>("verdict"); // empty: not judged
        QTest::addColumn<QString>("percentage");
        const QString right = "Correct!";
        const QString wrong = "Incorrect.  The answer was";
        for (const QString& window : {Mc, Grk}) {
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::addRow("%s: %s", qPrintable(window), name) << window;
            };
            row("3") << QStringList{"type 3", "Enter"} << "3" << right << "100.00";
            row("spaces around") << QStringList{"type  3 ", "Enter"} << " 3 " << right << "100.00";
            row("3.0") << QStringList{"type 3.0", "Enter"} << "3.0" << right << "100.00";
            row("another line") << QStringList{"type 4", "Enter"} << "4" << wrong << "0.00";
            row("empty") << QStringList{"Enter"} << "0" << wrong << "0.00";
            row("7x") << QStringList{"type 7x", "Enter"} << "7x" << wrong << "0.00";
            row("number click") << QStringList{"click Lbl(2)"} << "2" << "" << "";
            row("number double click") << QStringList{"dclick Lbl(2)"} << "2" << wrong << "0.00";
            row("question double click") << QStringList{"dclick LblChoice(0)"} << "" << "" << "";
            // "Next Question" before the first answer skips that question:
            // asked, neither right nor missed.
            row("skipped, then 3") << QStringList{"CmdNextQuestion", "type 3", "Enter"} << "3" << right << "50.00";
        }
        QTest::newRow("FrmMC: answer click") << Mc << QStringList{"click LblChoice(2)"} << "2" << "" << "";
        QTest::newRow("FrmMC: answer double click") << Mc << QStringList{"dclick LblChoice(5)"} << "5" << wrong << "0.00";
        // Wrong first: a second judgement of line 3 would count as right.
        QTest::newRow("FrmMC: answer double click, answered")
            << Mc << QStringList{"type 1", "Enter", "dclick LblChoice(3)"} << "3" << wrong << "0.00";
        QTest::newRow("FrmMCGrk: tense click") << Grk << QStringList{"click LblChoice(2)"} << "2" << wrong << "0.00";
        QTest::newRow("FrmMCGrk: tense click, answered")
            << Grk << QStringList{"type 1", "Enter", "click LblChoice(3)"} << "3" << wrong << "0.00";
    }

    void answering()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, actions);
        QFETCH(QString, kept);
        QFETCH(QString, verdict);
        QFETCH(QString, percentage);
        test::ScriptedRandom random({0.0, 0.4}); // the first record; line 3
        AppFixture fixture(window == Mc ? test::UnitQuestions("NTI", 1, 8) : Tensed(8, "Aorist Passive"), random);
        QVERIFY(fixture.Start());
        Start(fixture, window, window == Mc ? "NTI" : "GrkPP");
        QCOMPARE(AppFixture::Text(window, "LblSubTitle"),
                 window == Mc ? QString("NTI") : QString("Greek Principal Part Tenses"));
        auto* answerBox = AppFixture::Find<QLineEdit>(window, "TxtAnswer");
        for (const QString& action : actions) {
            const QString verb = action.section(' ', 0, 0);
            const QString object = action.mid(verb.size() + 1);
            if (verb == "type") {
                QTest::keyClicks(answerBox, object);
            } else if (verb == "Enter") { // presses the default button
                QTest::keyClick(answerBox, Qt::Key_Return);
            } else if (verb.endsWith("click")) {
                auto* line = AppFixture::Find<QWidget>(window, object);
                QVERIFY(line);
                QTest::mouseClick(line, Qt::LeftButton);
                if (verb == "dclick")
                    QTest::mouseDClick(line, Qt::LeftButton);
            } else {
                AppFixture::Click(window, verb);
            }
        }
        const bool missed = verdict.startsWith("Incorrect");
        QCOMPARE(answerBox->text(), kept);
        QCOMPARE(AppFixture::Text(window, "LblResponse"), verdict);
        QCOMPARE(AppFixture::Text(window, "LblCorrectAnswer"), missed ? QString("3") : QString());
        QCOMPARE(AppFixture::Text(window, "LblPercentage"), percentage);
        QCOMPARE(fixture.Correct(1), missed ? 0 : 1);
        QCOMPARE(fixture.Missed(), missed ? 1 : 0);
        test::ExpectAnswered(window, !verdict.isEmpty(), true);
        if (verdict.isEmpty())
            return;
        QTest::keyClick(AppFixture::Window(window), Qt::Key_Return); // now "Next Question" is the default
        test::ExpectAnswered(window, false);
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

    // Long and pointed Hebrew answers in the Hebrew font, and the tense
    // window's Greek forms, each line tall enough for its wrapped text.
    // LUMENARY_SNAPSHOTS keeps pictures.
    void linesShowTheirWholeText_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("English to Hebrew") << Mc;
        QTest::newRow("Greek tenses") << Grk;
    }

    void linesShowTheirWholeText()
    {
        QFETCH(QString, window);
        std::vector<BankQuestion> questions;
        const std::vector<std::string> greek{"λέλυκα", "ἐλύθην", "ἀκήκοα", "ἐγενήθην", "πεπίστευκα", "ἐσώθην", "βέβληκα"};
        const std::vector<std::string> hebrew{"בְּרֵאשִׁית", "וַיֹּאמֶר אֱלֹהִים", "הַשָּׁמַיִם", "וְהָאָרֶץ", "מִדְבָּר",
                                              "יְרוּשָׁלַ͏ִם", "תּוֹרָה"};
        for (int i = 0; i < 7; ++i) {
            auto question = test::Question(i + 1, "Mixed", {}, {}, "Perfect Active");
            question.english = "In the beginning God created the heaven and the earth, and the earth was without form ("
                             + std::to_string(i) + ")";
            question.hebrew = i % 2 ? hebrew[i]
                                    : "He went up into a mountain apart to pray, and when the evening was come, he was "
                                      "there alone; but the ship was now in the midst of the sea (" + std::to_string(i) + ")";
            if (window == Grk)
                question.hebrew = greek[i];
            questions.push_back(question);
        }
        AppFixture fixture(questions);
        QVERIFY(fixture.Start());
        ModLanguages(fixture.app.State()).SetEnglishToHebrewFonts();
        Start(fixture, window, "Mixed");
        QWidget* shown = AppFixture::Window(window);
        QVERIFY(shown);
        QTest::qWait(50);
        AppFixture::Snapshot(shown, window + "-asking");
        // The question two points up from its font's 10; the tense window's form in its own font.
        const auto* form = AppFixture::Find<QLabel>(window, "LblChoice(0)");
        QCOMPARE(form->font().pointSize(), window == Mc ? 12 : 18);
        QVERIFY(form->font().bold());
        const auto* answer = AppFixture::Find<QLabel>(window, "LblChoice(1)");
        if (window == Grk) {
            QCOMPARE(QFontInfo(form->font()).family(), QString("Gentium Plus"));
        } else {
            QCOMPARE(QFontInfo(answer->font()).family(), QString("Ezra SIL"));
            QCOMPARE(answer->font().pointSize(), 16);
        }
        for (int line = 0; line <= (window == Mc ? 6 : 5); ++line) {
            const auto* label = AppFixture::Find<QLabel>(window, QStringLiteral("LblChoice(%1)").arg(line));
            QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                     qPrintable(label->objectName() + " is cut off"));
            // Each answer stands beside its number.
            const auto* number = AppFixture::Find<QLabel>(window, QStringLiteral("Lbl(%1)").arg(line));
            QVERIFY(line == 0 || label->geometry().contains(label->geometry().left(), number->geometry().center().y()));
        }
        Submit(window, "0");
        QTest::qWait(50);
        AppFixture::Snapshot(shown, window + "-answered");
    }
};

LUMENARY_GUI_TEST_MAIN(TestMultipleChoice)

#include "tst_multiplechoice.moc"
