// SPDX-License-Identifier: GPL-3.0-or-later
// The study record through the real windows: every engine writes one answer
// per verdict and none for a question left on screen; the main window's due
// line; "Review Due Questions" from its menu entry through a whole review and
// its retry; and a file that cannot be written running a review from memory.

#include "ModLanguages.h"
#include "QuizRoad.h"
#include "Session.h"
#include "TestClock.h"

#include <QCheckBox>
#include <QRadioButton>

#include <optional>
#include <set>

#include <sys/stat.h>

using namespace lumenary;
using namespace lumenary::test;

namespace {

const QString Due = QStringLiteral("FrmDueQs");
const QString Card = QStringLiteral("FrmFlashcard");

// Chapter content in units 3 and 7 the short-answer quiz can ask, with a
// Greek tense for the drill, and Hebrew words of two lists in the Qal.
std::vector<BankQuestion> ChapterBank()
{
    std::vector<BankQuestion> questions;
    for (std::int64_t id = 1; id <= 8; ++id) {
        auto question = Question(id, "NTI", id % 2 ? 3 : 7, "Matthew", "Aorist Active");
        question.chapter = id;
        questions.push_back(question);
        questions.push_back(Question(id + 8, "Hebrew", id % 2 ? 7 : 8, {}, "qal"));
    }
    return questions;
}

std::vector<BankQuestion> KingsAndGreek()
{
    auto questions = UnitQuestions("Kings", 1, 8);
    for (std::int64_t id = 9; id <= 12; ++id)
        questions.push_back(Question(id, "Greek"));
    return questions;
}

QString Runs(const TemporaryBank& bank)
{
    return QString::fromStdString(bank.Text("SELECT group_concat(Engine || ' ' || Way || ' ' || Subject || ' parent ' "
                                            "|| coalesce(ParentRunID, '-') || ' asked ' || Asked || ' right ' || Right "
                                            "|| ' completed ' || Completed, ' | ') FROM (SELECT * FROM StudyRun "
                                            "ORDER BY ID)"));
}

} // namespace

class TestDueReview : public QObject {
    Q_OBJECT

private slots:
    // A quiz begun from its selection window keeps the selection in words,
    // as the window shows it; one begun otherwise has none.
    void everyVerdictIsOneAnswer_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QStringList>("window"); // the entry, the window, the clicks on it
        QTest::addColumn<QString>("subject");
        for (const char* engine : {"TF", "SA", "MC"})
            QTest::newRow(engine) << engine << "A" << QStringList{} << "";
        QTest::newRow("Tense") << "Tense" << "T" << QStringList{} << "";
        QTest::newRow("Flashcard, units")
            << "Flashcard" << "A"
            << QStringList{"MnuNTCCUnits", "FrmNTUnits", "OptQuiz(2)", "ChkUnit(3)", "ChkUnit(7)", "CmdOK"}
            << "Carrow New Testament Chapter Content: Unit 3: Luke 9 - 24, Unit 7: I Cor. 1 - 16";
        QTest::newRow("Flashcard, Hebrew without a stem")
            << "Flashcard" << "B"
            << QStringList{"MnuHebrew", "FrmHebrew", "OptQuiz(2)", "ChkHeb(7)", "ChkHeb(8)", "ChkHebTheme(3)",
                           "CmdHebOK"}
            << "Carrow Hebrew Vocabulary: 501-510, 511-520 without Pu'al";
    }

    // Two verdicts, a wrong one first, then the quiz ended with a third
    // question on screen: two answers, each with its card and its marker,
    // one run not completed; the clock's 1.5 s on screen is kept.
    void everyVerdictIsOneAnswer()
    {
        QFETCH(QString, engine);
        QFETCH(QString, way);
        QFETCH(QStringList, window);
        QFETCH(QString, subject);
        TestClock clock;
        SeededRandom random;
        AppFixture fixture(ChapterBank(), random, clock);
        QVERIFY(fixture.Start());
        auto& session = fixture.app.State();
        ModLanguages(session).SetEnglishFonts();
        if (window.isEmpty())
            fixture.StartQuiz(engine == "Tense" ? "tense" : engine, "Module = 'NTI'");
        else
            fixture.Choose(window.takeFirst());
        for (const QString& control : window.mid(1))
            AppFixture::Click(window.front(), control);
        QStringList verdicts;
        for (const bool right : {false, true}) {
            clock.Advance(std::chrono::milliseconds(1500));
            const auto id = session.CurrentQuestionID;
            AnswerAndGoOn(fixture, right);
            verdicts << QStringLiteral("%1 %2 %3").arg(id).arg(way).arg(session.AnswerCorrect ? 1 : 0);
        }
        const auto onScreen = session.CurrentQuestionID;
        AppFixture::Window(QuizWindowOf(engine == "Tense" ? "tense" : engine))->close();

        const auto& bank = fixture.bank;
        QCOMPARE(QString::fromStdString(bank.Text("SELECT group_concat(QuestionID || ' ' || Way || ' ' || Correct, "
                                                  "', ') FROM (SELECT * FROM StudyAnswer ORDER BY ID)")),
                 verdicts.join(", "));
        QCOMPARE(bank.Number("SELECT count(*) FROM StudyAnswer WHERE Millis = 1500"), 2LL);
        QCOMPARE(bank.Number("SELECT count(*) FROM StudyAnswer WHERE QuestionID = " + std::to_string(onScreen)), 0LL);
        QCOMPARE(bank.Number("SELECT count(*) FROM StudyCard WHERE Answers = 1"), 2LL);
        // The miss's marker went with its answer.
        QCOMPARE(bank.Number("SELECT count(*) FROM lm40data q JOIN StudyAnswer a ON a.QuestionID = q.ID "
                             "WHERE q.Correct != a.Correct"),
                 0LL);
        const int right = verdicts.filter(QRegularExpression(" 1$")).size();
        QCOMPARE(Runs(bank),
                 QStringLiteral("%1 %2 %3 parent - asked 2 right %4 completed 0").arg(engine, way, subject).arg(right));
    }

    // A flashcard quiz on Kings from its window on 7 December, three missed;
    // on the 8th the three are due, reviewed from the View menu with a retry
    // of the one missed again.
    void wholeDueReview()
    {
        TestClock clock(2026, 12, 7, 21);
        SeededRandom random;
        AppFixture fixture(KingsAndGreek(), random, clock);
        QVERIFY(fixture.Start());
        QCOMPARE(AppFixture::Text("FrmMain", "LblDueToday"), QString("Choose a subject from the Quizzes menu to begin."));
        QCOMPARE(fixture.app.MainWindow().findChild<QAction*>("MnuDueQs")->shortcut(), QKeySequence("Ctrl+D"));

        fixture.Choose("MnuOTHistory");
        AppFixture::Click("FrmKings", "OptQuiz(2)");
        AppFixture::Click("FrmKings", "CmdOK");
        std::set<std::int64_t> missed;
        auto& session = fixture.app.State();
        for (int asked = 0; asked < 8; ++asked) {
            if (asked % 3 == 0)
                missed.insert(session.CurrentQuestionID);
            AnswerAndGoOn(fixture, asked % 3 != 0);
        }
        QVERIFY(fixture.app.MainWindow().isVisible()); // the retry declined
        QCOMPARE(AppFixture::Text("FrmMain", "LblDueToday"), QString("Nothing due today"));

        // 01:00 is still the 7th's study day; the 8th's begins at 04:00.
        clock.Set(2026, 12, 8, 1);
        fixture.app.MainWindow().hide();
        fixture.app.MainWindow().ShowMainWindow();
        QCOMPARE(AppFixture::Text("FrmMain", "LblDueToday"), QString("Nothing due today"));
        clock.Set(2026, 12, 8, 9);
        fixture.app.MainWindow().hide();
        fixture.app.MainWindow().ShowMainWindow();
        QCOMPARE(AppFixture::Text("FrmMain", "LblDueToday"), QString("3 questions due today \u2014 Ctrl+D to review"));

        fixture.Choose("MnuDueQs");
        QCOMPARE(AppFixture::Text(Due, "LblDueCount"), QString("3 questions are due today."));
        auto* kings = AppFixture::Find<QCheckBox>(Due, "ChkSubject(0)");
        QVERIFY(kings && kings->isChecked());
        QCOMPARE(kings->text(), QString("Kings \u2014 3"));
        QVERIFY(!AppFixture::Find<QCheckBox>(Due, "ChkSubject(1)"));
        // The Kings window asks Part B by default, so the cards are of that
        // way, and the window opens on it.
        QVERIFY(AppFixture::Find<QRadioButton>(Due, "OptOrder(1)")->isChecked());
        QCOMPARE(AppFixture::Find<QRadioButton>(Due, "OptOrder(1)")->text(), QString("Part B to Part A"));
        QVERIFY(!AppFixture::Find<QRadioButton>(Due, "OptQuiz(3)")->isEnabled()); // Kings is no chapter content

        // The other way has nothing due: a card is one way.
        AppFixture::Click(Due, "OptOrder(0)");
        QCOMPARE(AppFixture::Text(Due, "LblDueCount"),
                 QString("Nothing is due today. Come back tomorrow, or start any quiz from the Quizzes menu."));
        QVERIFY(!AppFixture::Find<QPushButton>(Due, "CmdOK")->isEnabled());
        AppFixture::Snapshot(AppFixture::Window(Due), "FrmDueQs-nothing-due");
        AppFixture::Click(Due, "OptOrder(1)");
        AppFixture::Click(Due, "CmdUnselectAll");
        QVERIFY(!AppFixture::Find<QCheckBox>(Due, "ChkSubject(0)")->isChecked());
        AppFixture::Click(Due, "CmdSelectAll");
        AppFixture::Click(Due, "OptQuiz(2)");
        QApplication::processEvents(); // the boxes made anew for the way are shown
        AppFixture::Find<QCheckBox>(Due, "ChkSubject(0)")->setFocus();
        AppFixture::PressEnter(Due);

        QVERIFY(!AppFixture::Window(Due));
        QVERIFY(AppFixture::Window(Card));
        QCOMPARE(session.QuestionCount, 3);
        fixture.prompter.answers = {true}; // retry the miss
        std::set<std::int64_t> reviewed;
        for (int asked = 0; asked < 3; ++asked) {
            reviewed.insert(session.CurrentQuestionID);
            AnswerAndGoOn(fixture, asked != 0);
        }
        QCOMPARE(reviewed, missed);
        QCOMPARE(session.QuestionCount, 1);
        AnswerAndGoOn(fixture, true);
        QVERIFY(!AppFixture::Window(Card));

        QCOMPARE(Runs(fixture.bank), QString("Flashcard B Kings of Judah (1-6) parent - asked 8 right 5 completed 1"
                                             " | Flashcard B Due review: Kings parent - asked 3 right 2 completed 1"
                                             " | Flashcard B Due review: Kings parent 2 asked 1 right 1 completed 1"));
        QCOMPARE(fixture.bank.Number("SELECT count(*) FROM StudyCard WHERE DueDay <= '2026-12-08'"), 0LL);
        QCOMPARE(AppFixture::Text("FrmMain", "LblDueToday"), QString("Nothing due today"));
    }

    // Cards due in four subjects, two ways: the subjects and counts of the
    // way chosen, the ways named with the ticked subjects' words, short
    // answer for chapter content only.
    void subjectsWaysAndQuizTypes()
    {
        std::vector<BankQuestion> questions;
        for (const auto& [first, module] : std::vector<std::pair<int, std::string>>{
                 {1, "Kings"}, {4, "Greek"}, {7, "NTI"}, {10, "OT Chapter Content: Detailed"}})
            for (int id = first; id < first + 3; ++id)
                questions.push_back(Question(id, module, 1, "Matthew"));
        TestClock clock;
        SeededRandom random;
        AppFixture fixture(questions, random, clock);
        QVERIFY(fixture.Start());
        fixture.bank.Execute("INSERT INTO StudyRun (StartedAt, Engine, Way) VALUES ('2026-11-30T10:00:00Z', 'MC', 'A')");
        for (const auto& [id, way] : std::vector<std::pair<int, const char*>>{
                 {1, "A"}, {2, "A"}, {4, "A"}, {7, "A"}, {8, "A"}, {10, "A"}, {3, "B"}, {5, "B"}, {6, "F"}}) {
            fixture.bank.Execute(QStringLiteral("INSERT INTO StudyCard VALUES (%1, '%2', 1.5, 5, '2026-11-30', "
                                                "'2026-12-0%3', 1, 0)").arg(id).arg(way).arg(id == 10 ? 8 : 7).toStdString());
            fixture.bank.Execute(QStringLiteral("INSERT INTO StudyAnswer (RunID, QuestionID, Way, AnsweredAt, StudyDay, "
                                                "Correct, Millis) VALUES (1, %1, '%2', '2026-11-30T10:00:00Z', "
                                                "'2026-11-30', 1, 800)").arg(id).arg(way).toStdString());
        }
        fixture.app.MainWindow().hide();
        fixture.app.MainWindow().ShowMainWindow();
        // Question 10 is due tomorrow; the French card is not offered by the review.
        QCOMPARE(AppFixture::Text("FrmMain", "LblDueToday"), QString("7 questions due today — Ctrl+D to review"));
        AppFixture::Snapshot(&fixture.app.MainWindow(), "FrmMain-due");

        fixture.Choose("MnuDueQs");
        const auto captions = [] {
            QStringList texts;
            for (int index = 0; auto* box = AppFixture::Find<QCheckBox>(Due, QStringLiteral("ChkSubject(%1)").arg(index));
                 ++index)
                texts << box->text() + (box->isChecked() ? " x" : "");
            return texts;
        };
        const auto order = [](int index) {
            return AppFixture::Find<QRadioButton>(Due, QStringLiteral("OptOrder(%1)").arg(index))->text();
        };
        const auto shortAnswer = [] { return AppFixture::Find<QRadioButton>(Due, "OptQuiz(3)")->isEnabled(); };
        QCOMPARE(AppFixture::Text(Due, "LblDueCount"), QString("5 questions are due today."));
        QCOMPARE(captions(), (QStringList{"Greek — 1 x", "Kings — 2 x", "NTI — 2 x"}));
        QCOMPARE(order(0), QString("Part A to Part B"));
        QVERIFY(!shortAnswer());
        AppFixture::Snapshot(AppFixture::Window(Due), "FrmDueQs");

        AppFixture::Click(Due, "ChkSubject(0)");
        AppFixture::Click(Due, "ChkSubject(1)");
        QVERIFY(shortAnswer());
        AppFixture::Click(Due, "OptQuiz(3)");
        AppFixture::Click(Due, "CmdUnselectAll");
        AppFixture::Click(Due, "ChkSubject(0)");
        QVERIFY(!shortAnswer());
        QVERIFY(AppFixture::Find<QRadioButton>(Due, "OptQuiz(0)")->isChecked());
        QCOMPARE(order(0) + " / " + order(1), QString("English to Greek / Greek to English"));

        // The other way keeps what was cleared.
        AppFixture::Click(Due, "OptOrder(1)");
        QCOMPARE(AppFixture::Text(Due, "LblDueCount"), QString("2 questions are due today."));
        QCOMPARE(captions(), (QStringList{"Greek — 1 x", "Kings — 1"}));
        AppFixture::Click(Due, "CmdUnselectAll");
        AppFixture::Click(Due, "CmdOK"); // nothing ticked: nothing starts
        QVERIFY(AppFixture::Window(Due));
        QTest::keyClick(AppFixture::Window(Due), Qt::Key_Escape);
        QVERIFY(!AppFixture::Window(Due));
    }

    // A file that cannot be written: the program says so once, and a due
    // review runs on the copy in memory without touching the file.
    void readOnlyFileReviewsFromMemory()
    {
        TestClock clock(2026, 12, 7, 10);
        SeededRandom random;
        std::optional<AppFixture> first(std::in_place, KingsAndGreek(), random, clock);
        QVERIFY(first->Start());
        ModLanguages(first->app.State()).SetEnglishFonts();
        first->StartQuiz("Flashcard", "Module = 'Greek'");
        for (int asked = 0; asked < 4; ++asked)
            AnswerAndGoOn(*first, false);
        const auto file = first->bank.Path();
        QVERIFY(::chmod(file.c_str(), 0444) == 0);

        clock.Set(2026, 12, 8, 10);
        RecordingPrompter prompter;
        LumenaryApp app(prompter, random, [] {}, clock);
        QVERIFY(app.Start(file));
        QCOMPARE(prompter.messages.size(), std::size_t(1));
        QCOMPARE(prompter.messages[0].title, std::string("Results Not Saved"));
        QCOMPARE(app.MainWindow().findChild<QLabel*>("LblDueToday")->text(),
                 QString("4 questions due today \u2014 Ctrl+D to review"));
        app.MainWindow().findChild<QAction*>("MnuDueQs")->trigger();
        QCOMPARE(AppFixture::Find<QRadioButton>(Due, "OptOrder(1)")->text(), QString("Greek to English"));
        AppFixture::Click(Due, "OptQuiz(2)");
        AppFixture::Click(Due, "CmdOK");
        QCOMPARE(app.State().QuestionCount, 4);
        for (int asked = 0; asked < 4; ++asked)
            AnswerAndGoOn(app.State(), first->bank, true);
        QCOMPARE(app.State().QuestionDatabase->Sql().execAndGet("SELECT count(*) FROM StudyAnswer").getInt(), 8);
        QCOMPARE(prompter.messages.size(), std::size_t(2)); // and the last-question notice, nothing more
        QCOMPARE(app.MainWindow().findChild<QLabel*>("LblDueToday")->text(), QString("Nothing due today"));
        ::chmod(file.c_str(), 0644);
        QCOMPARE(first->bank.Number("SELECT count(*) FROM StudyAnswer"), 4LL);
    }
};

LUMENARY_GUI_TEST_MAIN(TestDueReview)
#include "tst_duereview.moc"
