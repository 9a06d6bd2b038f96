// SPDX-License-Identifier: GPL-3.0-or-later
// The program from the keyboard alone: Enter on a focused button, the way Tab
// goes through a selection window (one stop per option group) and access keys.

#include "AppFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

using namespace lumenary;
using lumenary::test::AppFixture;
using lumenary::test::ScriptedRandom;

namespace {

std::vector<BankQuestion> Bank()
{
    return test::UnitQuestions("NTI", 1, 6);
}

QWidget* Activate(const QString& name)
{
    QWidget* window = AppFixture::Window(name);
    if (!window)
        return nullptr;
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// The objectNames Tab visits from the focus, as many as asked.
QStringList TabWalk(QWidget* window, int steps)
{
    QStringList names{window->focusWidget() ? window->focusWidget()->objectName() : QString()};
    for (int step = 1; step < steps; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return names;
}

QStringList Indexed(const QString& control, int first, int last)
{
    QStringList names;
    for (int index = first; index <= last; ++index)
        names << QString("%1(%2)").arg(control).arg(index);
    return names;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    // Enter, or keypad Enter, on a focused button presses that button, not the default.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("quizType"); // empty: the unit window
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("keypad");
        QTest::newRow("false on a true/false quiz") << "TF" << "FrmTF" << "CmdFalse" << false;
        QTest::newRow("keypad enter on false") << "TF" << "FrmTF" << "CmdFalse" << true;
        QTest::newRow("show answer on a flashcard") << "Flashcard" << "FrmFlashcard" << "CmdShowAnswer" << false;
        QTest::newRow("a group button on a unit window") << "" << "FrmNTUnits" << "CmdUnits(6)" << false;
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, quizType);
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(bool, keypad);
        ScriptedRandom random({0.9}); // a true statement: False is the wrong verdict
        AppFixture fixture(Bank(), random);
        QVERIFY(fixture.Start());
        if (quizType.isEmpty())
            fixture.Choose("MnuNTCCUnits");
        else
            fixture.StartQuiz(quizType, "Module = 'NTI'");
        QWidget* shown = Activate(window);
        QVERIFY(shown);
        auto* focused = AppFixture::Find<QPushButton>(window, button);
        QVERIFY(focused && !focused->isDefault());
        QSignalSpy pressed(focused, &QPushButton::clicked);
        focused->setFocus();
        QTest::keyClick(focused, keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(pressed.size(), 1);
        if (window == "FrmTF")
            QCOMPARE(AppFixture::Text(window, "LblTrueFalse"), QString("Incorrect.  The correct answer was"));
        if (window == "FrmNTUnits") {
            QVERIFY(AppFixture::Window(window)); // no quiz began
            QVERIFY(AppFixture::Find<QCheckBox>(window, "ChkUnit(13)")->isChecked());
        }
    }

    // Enter where no button has the focus still presses the default button.
    void enterElsewherePressesTheDefault()
    {
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.Choose("MnuNTCCUnits");
        QVERIFY(Activate("FrmNTUnits"));
        auto* box = AppFixture::Find<QCheckBox>("FrmNTUnits", "ChkUnit(1)");
        box->setChecked(true);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(AppFixture::Window("FrmFlashcard") || AppFixture::Window("FrmMC"));
    }

    // Tab goes through what the window narrows, then the quiz type and order
    // at their checked options, then Select All, Unselect All and OK.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("units") << "MnuNTCCUnits" << "FrmNTUnits"
                               << Indexed("ChkUnit", 1, 13) + Indexed("CmdUnits", 1, 6)
                                      + QStringList{"OptQuiz(0)", "OptFlip(0)", "CmdSelectAll", "CmdUnselectAll",
                                                    "CmdOK", "ChkUnit(1)"};
        QTest::newRow("hebrew, stems after the group buttons")
            << "MnuHebrew" << "FrmHebrew"
            << Indexed("ChkHeb", 0, 40)
                   + QStringList{"CmdHebFunctionWords", "CmdHebVerbs", "CmdHebNouns", "CmdHebFirstSemester",
                                 "CmdHebSecondSemester", "CmdHebThirdSemester"}
                   + Indexed("ChkHebTheme", 0, 6)
                   + QStringList{"CmdHebThemesAll", "CmdHebThemesClear", "OptQuiz(0)", "OptFlip(1)",
                                 "CmdHebSelectAll", "CmdHebUnselectAll", "CmdHebOK"};
        QTest::newRow("module options") << "MnuChurchMusic" << "FrmChurchMusic"
                                        << QStringList{"Option(0)", "OptQuiz(0)", "OptFlip(0)", "CmdOK", "Option(0)"};
    }

    void tabOrder()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.Choose(entry);
        QWidget* shown = Activate(window);
        QVERIFY(shown);
        QCOMPARE(TabWalk(shown, static_cast<int>(order.size())), order);
    }

    // Alt+O presses OK on every book window; no group button shares its key.
    void altOPressesOk_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::newRow("detailed") << "MnuOTCCDetailed" << "FrmOTDetailed";
        QTest::newRow("simplified") << "OTCCSimplified" << "FrmOTSimplified";
        QTest::newRow("new testament") << "MnuNTCCBooks" << "FrmNTBooks";
    }

    void altOPressesOk()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        AppFixture fixture(Bank());
        QVERIFY(fixture.Start());
        fixture.Choose(entry);
        QWidget* shown = Activate(window);
        QVERIFY(shown);
        QSignalSpy pressed(AppFixture::Find<QPushButton>(window, "CmdOK"), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(pressed.size(), 1); // an access key presses its button with a short animation
    }
};

LUMENARY_GUI_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
