// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, the menu bar as a user sees it, quiz launch and
// the ways the program ends.

#include "AppFixture.h"
#include "FontResolver.h"
#include "FrmSplash.h"
#include "FullDisk.h"
#include "PictureWidget.h"
#include "Session.h"
#include "WindowRegistry.h"

#include <QMenu>
#include <QMenuBar>

using namespace lumenary;
using lumenary::test::AppFixture;

namespace {

// Sees every event of the application while it lives.
class EventWatcher : public QObject {
public:
    explicit EventWatcher(std::function<void(QObject*, QEvent*)> seen) : seen_(std::move(seen))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        seen_(object, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> seen_;
};

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
    // The database is open when the main window is first shown; the menu bar
    // as designed; F10 activates it without a drop-down.
    void startsWithItsMenuBar()
    {
        AppFixture fixture(SmallBank());
        // What the program holds at the moment the main window is first shown.
        bool openAtFirstShow = false;
        int shows = 0;
        const auto watcher = std::make_unique<EventWatcher>([&](QObject* object, QEvent* event) {
            if (event->type() == QEvent::Show && object->objectName() == "FrmMain" && shows++ == 0)
                openAtFirstShow = fixture.app.State().QuestionDatabase != nullptr;
        });
        QVERIFY(fixture.Start());
        QCOMPARE(shows, 1);
        QVERIFY(openAtFirstShow);
        QCOMPARE(fixture.app.MainWindow().windowTitle(), QString("Lumenary 4.5"));
        QVERIFY(fixture.prompter.messages.empty());
        AppFixture::Snapshot(&fixture.app.MainWindow(), "main-window");

        auto& main = fixture.app.MainWindow();
        auto* bar = main.menuBar();
        QCOMPARE(MenuTexts(bar),
                 QStringList({"MnuQuizzes|&Quizzes", "MnuView|&View", "MnuCustom|&Custom", "MnuBooks|Boo&ks",
                              "mnuBookstores|&Bookstores", "MnuPosters|&Posters", "MnuTroubleshooting|&Troubleshooting",
                              "MnuAboutLumenary|&About Lumenary"}));
        QCOMPARE(MenuTexts(bar->findChild<QMenu*>("MnuAboutLumenary")),
                 QStringList({"MnuAbouttheProgrammer|About the &Programmer", "MnuContributors|About the &Contributors",
                              "MnuUpcomingFeatures|About &Upcoming Features", "MnuAboutDash|-",
                              "MnuDistributingLumenary|About Distributing Lumenary", "MnuAboutProgramDash|-",
                              "MnuAboutProgram|About &Lumenary"}));
        QCOMPARE(bar->findChild<QMenu*>("mnuBookstores")->actions().size(), 12);
        auto* custom = bar->findChild<QMenu*>("MnuCustom");
        QCOMPARE(MenuTexts(custom),
                 QStringList({"MnuCustomDataEditor|Custom &Data Editor", "MnuCustomQuizNames|Custom Quiz &Names",
                              "MnuCustomQuizzes|Custom &Quizzes", "MnuCustomDash|-", "MnuExport|E&xport Custom Data",
                              "MnuImportCustomData|&Import Custom Data"}));
        QVERIFY(custom->isEnabled()); // its entries are chosen, enabled, by the custom windows' tests

        QApplication::setActiveWindow(&main);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        const auto active = [bar] { return bar->activeAction() ? bar->activeAction()->objectName() : QString(); };

        QTest::keyClick(&main, Qt::Key_F10);
        QCOMPARE(active(), QString("MnuQuizzes"));
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(QApplication::focusWidget(), bar);

        QTest::keyClick(bar, Qt::Key_Right);
        QVERIFY(active() != "MnuQuizzes" && !active().isEmpty());
        QVERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(active(), QString("MnuQuizzes"));

        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_COMPARE(QApplication::activePopupWidget(), bar->findChild<QMenu*>("MnuQuizzes"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(active(), QString());
    }

    // A file damaged where the open reads it (other faults of the file are
    // the database's own tests): the user is told, and no window is left.
    void badDatabaseEndsBeforeAnyWindow()
    {
        AppFixture fixture(SmallBank());
        std::filesystem::remove(fixture.bank.Path());
        test::WriteLargeBank(fixture.bank.Path());
        test::DamageFile(fixture.bank.Path(), test::Damage::GarbagePages);
        QVERIFY(!fixture.Start());
        QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
        const QString shown = QString::fromStdString(fixture.prompter.messages[0].text);
        QVERIFY2(shown.contains("is damaged"), qPrintable(shown));
        QVERIFY2(shown.contains(QString::fromStdString(fixture.bank.Path().string())), qPrintable(shown));
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " is left on screen"));
    }

    // Every way out of every quiz window: "End Quiz" and the close box go
    // back to the main window, an exit entry ends the program at once and
    // closes every window; the miss answered before stays in the file.
    void leavingTheQuiz_data()
    {
        QTest::addColumn<QString>("quizType"); // "tense": the Greek tense quiz; empty: no quiz runs
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("entry"); // empty: the title-bar close box
        QTest::addColumn<QString>("miss");  // the buttons that answer wrong
        QTest::addColumn<bool>("exits");
        const struct {
            const char* type;
            const char* window;
            const char* endEntry;
            const char* exitEntry;
            const char* miss;
        } quizzes[] = {{"Flashcard", "FrmFlashcard", "MnuEndQuizFlashcard", "MnuExitQuizFlashcard",
                        "CmdShowAnswer CmdIncorrect"},
                       {"TF", "FrmTF", "MnuEndQuiz", "MnuExitLumenary", "CmdFalse"},
                       {"SA", "FrmSA", "MnuEndQuiz", "MnuExit", "CmdOK"},
                       {"MC", "FrmMC", "MnuEndQuiz", "Exit", "CmdOK"},
                       {"tense", "FrmMCGrk", "MnuEndQuiz", "Exit", "CmdOK"}};
        for (const auto& quiz : quizzes) {
            QTest::addRow("%s, End Quiz", quiz.window)
                << quiz.type << quiz.window << quiz.endEntry << quiz.miss << false;
            QTest::addRow("%s, close box", quiz.window) << quiz.type << quiz.window << "" << quiz.miss << false;
            QTest::addRow("%s, exit", quiz.window) << quiz.type << quiz.window << quiz.exitEntry << quiz.miss << true;
        }
        QTest::newRow("main window, exit") << "" << "FrmMain" << "MnuExit" << "" << true;
    }

    void leavingTheQuiz()
    {
        QFETCH(QString, quizType);
        QFETCH(QString, window);
        QFETCH(QString, entry);
        QFETCH(QString, miss);
        QFETCH(bool, exits);
        test::ScriptedRandom random({0.9}); // every true/false statement true
        AppFixture fixture(SmallBank(), random);
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        fixture.Choose("mnuGreekPP");
        AppFixture::Click("FrmGreekPPEV", "CmdShowGrk");
        fixture.Choose("MnuBookMoses");
        const QStringList open{"FrmNTUnits", "FrmGreekPPEV", "FrmGrkEPP", "FrmBookMoses"};
        if (!quizType.isEmpty())
            fixture.StartQuiz(quizType, "Module = 'Kings'");
        for (const QString& button : miss.split(' ', Qt::SkipEmptyParts))
            AppFixture::Click(window, button);
        if (entry.isEmpty())
            AppFixture::Window(window)->close();
        else
            AppFixture::Window(window)->findChild<QAction*>(entry)->trigger();
        QCOMPARE(fixture.programEnds, exits ? 1 : 0);
        QVERIFY(!AppFixture::Window(window));
        QCOMPARE(fixture.app.MainWindow().isVisible(), !exits);
        for (const QString& other : open)
            QVERIFY2((AppFixture::Window(other) != nullptr) != exits, qPrintable(other));
        QCOMPARE(fixture.Missed(), miss.isEmpty() ? 0 : 1);
    }

    // With the main window closed, the program ends when the last window on
    // screen goes, closed or hidden, rather than running with nothing to show.
    void endsWhenNothingIsLeft()
    {
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuSysTheo");
        fixture.Choose("MnuContributors");
        fixture.app.MainWindow().close();
        const auto hideContributors = [] {
            QTest::mouseClick(AppFixture::Window("FrmContributors"), Qt::LeftButton, {}, QPoint(3, 3));
        };
        hideContributors();
        QCOMPARE(fixture.programEnds, 0);
        AppFixture::Window("FrmSysTheo")->close();
        QCOMPARE(fixture.programEnds, 1);
        fixture.Choose("MnuContributors"); // and once more, the last window hidden
        hideContributors();
        QCOMPARE(fixture.programEnds, 2);
    }

    // A selection window replaced by its quiz is not "no window left", in
    // whichever order the window unloads itself and begins the quiz.
    void quizStartsAfterTheMainWindowWasClosed_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("ok");
        QTest::newRow("unloads, then begins") << "MnuSysTheo" << "FrmSysTheo" << "ChkUnit(1)" << "CmdOK";
        QTest::newRow("begins, then unloads") << "mnuGreek" << "FrmGreek" << "ChkGrk(1)" << "CmdGrkOK";
    }

    void quizStartsAfterTheMainWindowWasClosed()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, ok);
        AppFixture fixture({test::Question(1, "Systematic Theology", 1), test::Question(2, "Greek", 1)});
        QVERIFY(fixture.Start());
        fixture.Choose(entry);
        fixture.app.MainWindow().close();
        AppFixture::Click(window, box);
        AppFixture::Click(window, "OptQuiz(2)");
        AppFixture::Click(window, ok);
        QCOMPARE(fixture.programEnds, 0);
        QVERIFY(AppFixture::Window("FrmFlashcard"));
        QVERIFY(!AppFixture::Window(window));
    }

    // BeginQuiz starts the engine its code names, letter case counting; any
    // other code, an empty pool, a filter that does not parse or a pool whose
    // marks cannot be written on a full disk leaves the main window on
    // screen, the user told why and the file as it was.
    void launchOutcomes_data()
    {
        QTest::addColumn<QString>("quizType");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("message"); // "title|start of text"
        QTest::addColumn<QString>("quizWindow");
        QTest::newRow("Flashcard") << "Flashcard" << "Module = 'Kings'" << "" << "FrmFlashcard";
        QTest::newRow("code in another case") << "mc" << "Module = 'Kings'" << "" << "";
        QTest::newRow("empty pool")
            << "Flashcard" << "Module = 'Popes'"
            << "No Matching Words Found|No words match your criteria.  Please try again." << "";
        QTest::newRow("filter does not parse")
            << "Flashcard" << "Module = 'Kings"
            << "Quiz Cannot Start|The quiz filter \"Module = 'Kings\" cannot be read: " << "";
        QTest::newRow("full disk") // the reason in the message is the common quiz services' test
            << "Flashcard" << "Module = 'Kings'"
            << "Quiz Cannot Start|The quiz cannot be prepared: its questions cannot be marked" << "";
    }

    void launchOutcomes()
    {
        QFETCH(QString, quizType);
        QFETCH(QString, filter);
        QFETCH(QString, message);
        QFETCH(QString, quizWindow);
        test::FullDisk disk;
        AppFixture fixture(SmallBank());
        QVERIFY(fixture.Start());
        disk.SetFull(QTest::currentDataTag() == QString("full disk"));
        fixture.StartQuiz(quizType, filter.toStdString());
        disk.SetFull(false);
        for (const char* window : {"FrmFlashcard", "FrmMC", "FrmSA", "FrmTF"})
            QCOMPARE(AppFixture::Window(window) != nullptr, quizWindow == window);
        QCOMPARE(fixture.app.MainWindow().isVisible(), quizWindow.isEmpty());
        QCOMPARE(fixture.prompter.messages.size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty()) {
            const auto& shown = fixture.prompter.messages[0];
            QCOMPARE(QString::fromStdString(shown.title), message.section('|', 0, 0));
            QVERIFY2(QString::fromStdString(shown.text).startsWith(message.section('|', 1)), shown.text.c_str());
            QCOMPARE(fixture.bank.Number("SELECT count(*) FROM lm40data WHERE Chosen = 1"), 0);
            QCOMPARE(fixture.bank.Text("PRAGMA integrity_check"), std::string("ok"));
        }
    }

    void splashDismissal_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("dismisses");
        QTest::newRow("letter") << "key a" << true;
        QTest::newRow("Enter") << "key Return" << true;
        QTest::newRow("F1") << "key F1" << false;
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
            AppFixture::PressKey(&splash, what);
        } else {
            QWidget* target = what == "picture" ? splash.findChild<PictureWidget*>() : splash.findChild<QWidget*>(what);
            QTest::mouseClick(target, Qt::LeftButton);
        }
        QCOMPARE(AppFixture::Window("FrmSplash") == nullptr, dismisses);
        QCOMPARE(fixture.app.MainWindow().isVisible(), dismisses);
    }
};

LUMENARY_GUI_TEST_MAIN(TestMainWindow)

#include "tst_mainwindow.moc"
