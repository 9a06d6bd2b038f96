// The main window: start-up, the menu bar as a user sees it, one instance per
// window, quiz launch and the ways the program ends.

#include "AppFixture.h"
#include "FontResolver.h"
#include "FrmSplash.h"
#include "PictureWidget.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QMenu>
#include <QMenuBar>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

std::vector<BankQuestion> SmallBank()
{
    return {test::Question(1, "Kings"), test::Question(2, "Kings"), test::Question(3, "NTI", 1)};
}

QStringList MenuTexts(QWidget* menuOwner)
{
    QStringList texts;
    for (QAction* action : menuOwner->actions()) {
        QString text = action->objectName() + "|" + (action->isSeparator() ? "-" : action->text());
        if (!action->shortcut().isEmpty())
            text += "|" + action->shortcut().toString();
        texts << text;
    }
    return texts;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void opensTheDatabaseBeforeShowing()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        QVERIFY(fixture.app.State().QuestionDatabase);
        QCOMPARE(fixture.app.State().QuestionTableName, std::string("lm40data"));
        QVERIFY(fixture.app.MainWindow().isVisible());
        QCOMPARE(fixture.app.MainWindow().windowTitle(), QString("Lumenary 4.5"));
        QCOMPARE(AppFixture::Text("FrmMain", "Label1"), QString("William Tyndale"));
        QVERIFY(fixture.prompter.messages.empty());
        AppFixture::Snapshot(&fixture.app.MainWindow(), "main-window");
    }

    void badDatabaseEndsBeforeAnyWindow()
    {
        AppFixture fixture(SmallBank());
        fixture.bank.Execute("DROP TABLE lm40data");
        QVERIFY(!fixture.Start());
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(fixture.prompter.messages[0].text).contains("has no table \"lm40data\""));
        QVERIFY(!AppFixture::Window("FrmMain"));
    }

    void menuBarAsDesigned()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        auto* bar = fixture.app.MainWindow().menuBar();
        QCOMPARE(MenuTexts(bar),
                 QStringList({"MnuQuizzes|&Quizzes", "MnuView|&View", "MnuCustom|&Custom", "MnuBooks|Boo&ks",
                              "mnuBookstores|&Bookstores", "MnuPosters|&Posters", "MnuTroubleshooting|&Troubleshooting",
                              "MnuAboutLumenary|&About Lumenary"}));
        auto* quizzes = bar->findChild<QMenu*>("MnuQuizzes");
        QCOMPARE(MenuTexts(quizzes),
                 QStringList({"MnuChurchHistory|&Church History|F1", "MnuChurchMusic|Church M&usic|F2",
                              "mnuGreekEPPT|Greek Elementary Principal Part Tenses",
                              "mnuGreekPP|Greek Elementary &Principal Parts|Shift+F3",
                              "mnuGreekIPPT|Greek Irregular Principal Part Tenses",
                              "MnuGreekPPIV|Greek &Irregular Principal Parts|Ctrl+F3", "mnuGreek|&Greek Vocabulary|F3",
                              "MnuHebrew|&Hebrew Vocabulary|F4", "MnuNTCCBooks|NT Chapter Content by &Books|F5",
                              "MnuNTCCUnits|NT Chapter Content by &Units|Shift+F5", "MnuNTHistory|NT History",
                              "MnuNTI|&NT Introduction|F6", "MnuOTCCDetailed|OT Chapter Content (Detai&led)|F7",
                              "OTCCSimplified|OT Chapter Content (Si&mplified)|Shift+F7", "MnuOTHistory|OT Histor&y|F8",
                              "MnuOTI|&OT Introduction|F9", "MnuSysTheo|&Systematic Theology|F11",
                              "MnuTheology|&Theology|F12", "MnuDash|-", "MnuExit|E&xit Lumenary"}));
        QCOMPARE(MenuTexts(bar->findChild<QMenu*>("MnuAboutLumenary")),
                 QStringList({"MnuAbouttheProgrammer|About the &Programmer", "MnuContributors|About the &Contributors",
                              "MnuUpcomingFeatures|About &Upcoming Features", "MnuAboutDash|-",
                              "MnuDistributingLumenary|About Distributing Lumenary"}));
        QCOMPARE(bar->findChild<QMenu*>("mnuBookstores")->actions().size(), 12);
        // The reserved menus can never be chosen.
        for (const char* reserved : {"MnuView", "MnuCustom"}) {
            auto* menu = bar->findChild<QMenu*>(reserved);
            QVERIFY(!menu->isEnabled());
            for (QAction* action : menu->actions())
                QVERIFY(action->isSeparator() || !action->isEnabled());
        }
    }

    void shortcutsOpenTheirWindows_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("window");
        QTest::newRow("Shift+F5") << QKeySequence(Qt::SHIFT | Qt::Key_F5) << "FrmNTUnits";
        QTest::newRow("F11") << QKeySequence(Qt::Key_F11) << "FrmSysTheo";
    }

    void shortcutsOpenTheirWindows()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, window);
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        QApplication::setActiveWindow(&fixture.app.MainWindow());
        QVERIFY(QTest::qWaitForWindowActive(&fixture.app.MainWindow()));
        QTest::keySequence(&fixture.app.MainWindow(), keys);
        QVERIFY(AppFixture::Window(window));
        QVERIFY(fixture.app.MainWindow().isVisible());
    }

    void f10OpensTheMenuBar()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        QApplication::setActiveWindow(&fixture.app.MainWindow());
        QVERIFY(QTest::qWaitForWindowActive(&fixture.app.MainWindow()));
        QTest::keyClick(&fixture.app.MainWindow(), Qt::Key_F10);
        auto* active = fixture.app.MainWindow().menuBar()->activeAction();
        QVERIFY(active);
        QCOMPARE(active->objectName(), QString("MnuQuizzes"));
    }

    void oneInstancePerWindow()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        QWidget* first = AppFixture::Window("FrmNTUnits");
        fixture.Choose("MnuNTCCUnits");
        QCOMPARE(AppFixture::Window("FrmNTUnits"), first);
        fixture.app.Windows().Unload(first);
        fixture.Choose("MnuNTCCUnits");
        QVERIFY(AppFixture::Window("FrmNTUnits") != nullptr);
    }

    void exitClosesEverything()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        fixture.Choose("MnuSysTheo");
        fixture.Choose("MnuExit");
        QCOMPARE(fixture.programEnds, 1);
        for (const char* window : {"FrmMain", "FrmNTUnits", "FrmSysTheo"})
            QVERIFY2(!AppFixture::Window(window), window);
    }

    void closeBoxEndsWhenNothingIsLeft()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuSysTheo");
        fixture.app.MainWindow().close();
        QCOMPARE(fixture.programEnds, 0);
        QVERIFY(AppFixture::Window("FrmSysTheo"));
        AppFixture::Window("FrmSysTheo")->close();
        QCOMPARE(fixture.programEnds, 1);
    }

    void launchOutcomes_data()
    {
        QTest::addColumn<QString>("quizType");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("quizWindow");
        QTest::newRow("flashcard") << "Flashcard" << "Module = 'Kings'" << "" << true;
        QTest::newRow("empty pool") << "Flashcard" << "Module = 'Popes'"
                                    << "No words match your criteria.  Please try again." << false;
        QTest::newRow("type matches nothing") << "flashcard" << "Module = 'Kings'" << "" << false;
        QTest::newRow("filter does not parse") << "Flashcard" << "Module = 'Kings" << "cannot be read" << false;
    }

    void launchOutcomes()
    {
        QFETCH(QString, quizType);
        QFETCH(QString, filter);
        QFETCH(QString, message);
        QFETCH(bool, quizWindow);
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.app.State().QuizFilter = filter.toStdString();
        fixture.app.MainWindow().QuizType = quizType;
        fixture.app.MainWindow().BeginQuiz();
        QCOMPARE(AppFixture::Window("FrmFlashcard") != nullptr, quizWindow);
        QCOMPARE(fixture.app.MainWindow().isVisible(), !quizWindow);
        QCOMPARE(fixture.prompter.messages.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QVERIFY(QString::fromStdString(fixture.prompter.messages[0].text).contains(message));
    }

    void splashDismissal_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("letter") << "key a" << true;
        QTest::newRow("digit") << "key 7" << true;
        QTest::newRow("Enter") << "key Return" << true;
        QTest::newRow("Esc") << "key Escape" << true;
        QTest::newRow("Backspace") << "key Backspace" << true;
        QTest::newRow("F1") << "key F1" << false;
        QTest::newRow("arrow") << "key Left" << false;
        QTest::newRow("Shift") << "key Shift" << false;
        QTest::newRow("click on the picture") << "click picture" << true;
        QTest::newRow("click on a text") << "click Label1" << false;
    }

    void splashDismissal()
    {
        QFETCH(QString, input);
        QFETCH(bool, dismisses);
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.app.MainWindow().hide();
        auto& splash = fixture.app.Windows().Get<FrmSplash>();
        splash.show();
        const QString what = input.section(' ', 1);
        if (input.startsWith("key")) {
            const std::map<QString, Qt::Key> keys{{"a", Qt::Key_A},           {"7", Qt::Key_7},
                                                  {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape},
                                                  {"Backspace", Qt::Key_Backspace}, {"F1", Qt::Key_F1},
                                                  {"Left", Qt::Key_Left},     {"Shift", Qt::Key_Shift}};
            const QString text = what.size() == 1 ? what : QString();
            QKeyEvent press(QEvent::KeyPress, keys.at(what), Qt::NoModifier, text);
            QApplication::sendEvent(&splash, &press);
        } else {
            QWidget* target = what == "picture" ? splash.findChild<PictureWidget*>() : splash.findChild<QWidget*>(what);
            QTest::mouseClick(target, Qt::LeftButton);
        }
        QCOMPARE(AppFixture::Window("FrmSplash") == nullptr, dismisses);
        QCOMPARE(fixture.app.MainWindow().isVisible(), dismisses);
    }

    void reviewsWithoutTheirEngineReturnToMain_data()
    {
        QTest::addColumn<int>("review");
        QTest::newRow("short answer") << 0;
        QTest::newRow("true/false") << 1;
        QTest::newRow("multiple choice") << 2;
        QTest::newRow("Greek tense") << 3;
    }

    void reviewsWithoutTheirEngineReturnToMain()
    {
        QFETCH(int, review);
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.bank.Execute("UPDATE lm40data SET Correct = 0 WHERE ID = 2");
        fixture.app.State().QuizFilter = "Module = 'Kings'";
        using Review = void (FrmMain::*)();
        const Review reviews[] = {&FrmMain::MissedQuestionsSA, &FrmMain::MissedQuestionsTrueFalse,
                                  &FrmMain::MissedQuestionsMC, &FrmMain::MissedQuestionsMCGreek};
        (fixture.app.MainWindow().*reviews[review])();
        QCOMPARE(fixture.app.State().QuizFilter, std::string("Module = 'Kings'and Correct=0"));
        QCOMPARE(fixture.app.State().QuestionCount, 1);
        QVERIFY(fixture.app.MainWindow().isVisible());
    }
};

LUMENARY_GUI_TEST_MAIN(TestMainWindow)

#include "tst_mainwindow.moc"
