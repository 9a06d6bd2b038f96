// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole program on a temporary question database, driven as a user
// would: windows found by objectName, messages answered by the test.

#include "FontResolver.h"
#include "FrmMain.h"
#include "LumenaryApp.h"
#include "TestBank.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QtTest>

#include <map>

namespace lumenary::test {

class AppFixture {
public:
    explicit AppFixture(const std::vector<BankQuestion>& questions) : AppFixture(questions, random) {}

    // The program drawing from a random source, and telling the time by a
    // clock, of the test's own.
    AppFixture(const std::vector<BankQuestion>& questions, RandomSource& source,
               const Clock& clock = ModCommonQuiz::SystemTime())
        : bank(questions), app(prompter, source, [this] { ++programEnds; }, clock)
    {
    }

    bool Start() { return app.Start(bank.Path()); }

    // The one loaded top-level window of that name, or nullptr.
    static QWidget* Window(const QString& name)
    {
        QWidget* found = nullptr;
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == name && !widget->testAttribute(Qt::WA_WState_Hidden)) {
                found = widget;
                ++count;
            }
        return count == 1 ? found : nullptr;
    }

    template <class Control = QWidget>
    static Control* Find(const QString& window, const QString& name)
    {
        QWidget* top = Window(window);
        return top ? top->findChild<Control*>(name) : nullptr;
    }

    static QString Text(const QString& window, const QString& label)
    {
        const auto* found = Find<QLabel>(window, label);
        return found ? found->text() : QStringLiteral("<no %1>").arg(label);
    }

    static void Click(const QString& window, const QString& button)
    {
        auto* found = Find<QAbstractButton>(window, button);
        QVERIFY2(found, qPrintable(window + "/" + button));
        QVERIFY2(found->isEnabled(), qPrintable(button + " is disabled"));
        found->click();
    }

    // Enter, where a user's key press goes: the window's focused control.
    static void PressEnter(const QString& window)
    {
        QWidget* top = Window(window);
        QVERIFY2(top, qPrintable(window));
        QTest::keyClick(top->focusWidget() ? top->focusWidget() : top, Qt::Key_Return);
    }

    // A key pressed on the window itself, by its name ("a", "Return", "F1"),
    // with the text a character key types.
    static void PressKey(QWidget* window, const QString& name)
    {
        static const std::map<QString, Qt::Key> keys{
            {"a", Qt::Key_A},       {"7", Qt::Key_7},   {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape},
            {"Backspace", Qt::Key_Backspace}, {"F1", Qt::Key_F1}, {"Left", Qt::Key_Left}, {"Shift", Qt::Key_Shift},
            {"PageDown", Qt::Key_PageDown}};
        QKeyEvent press(QEvent::KeyPress, keys.at(name), Qt::NoModifier, name.size() == 1 ? name : QString());
        QApplication::sendEvent(window, &press);
    }

    void Choose(const QString& entry)
    {
        auto* action = app.MainWindow().findChild<QAction*>(entry);
        QVERIFY2(action && action->isEnabled(), qPrintable(entry));
        action->trigger();
    }

    // A quiz of that type on that filter, begun as a selection window begins
    // it; "tense" is the Greek tense quiz, which its windows start themselves.
    void StartQuiz(const QString& type, const std::string& filter)
    {
        app.State().QuizFilter = filter;
        if (type == "tense") {
            app.MainWindow().QuizSelected();
            app.MainWindow().StartGreekTenseQuiz();
            return;
        }
        app.MainWindow().QuizType = type;
        app.MainWindow().BeginQuiz();
    }

    // How many questions the file holds marked as missed.
    long long Missed() const { return bank.Number("SELECT count(*) FROM lm40data WHERE Correct = 0"); }

    // The Correct mark the file holds for that question.
    long long Correct(std::int64_t id) const
    {
        return bank.Number("SELECT Correct FROM lm40data WHERE ID = " + std::to_string(id));
    }

    // Grabs a window to PNG when LUMENARY_SNAPSHOTS names a folder, for a
    // person to look at.
    static void Snapshot(QWidget* window, const QString& name)
    {
        const QString folder = qEnvironmentVariable("LUMENARY_SNAPSHOTS");
        if (folder.isEmpty() || !window)
            return;
        QDir().mkpath(folder);
        window->grab().save(folder + "/" + name + ".png");
    }

    TemporaryBank bank;
    RecordingPrompter prompter;
    SeededRandom random;
    int programEnds = 0;
    LumenaryApp app;
};

} // namespace lumenary::test

// main() of a test that drives the program's windows.
#define LUMENARY_GUI_TEST_MAIN(TestClass)                                                                             \
    int main(int argc, char* argv[])                                                                                  \
    {                                                                                                                 \
        QApplication application(argc, argv);                                                                         \
        QApplication::setQuitOnLastWindowClosed(false);                                                               \
        lumenary::RegisterBundledFonts();                                                                             \
        TestClass test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }
