// SPDX-License-Identifier: GPL-3.0-or-later
// The program's real message boxes: text, title, icon, buttons, and which
// button Enter and Escape press.

#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace lumenary;

namespace {

// Runs `inspect` on the message box once it is on screen.
void WhenShown(std::function<void(QMessageBox&)> inspect)
{
    QTimer::singleShot(0, [inspect = std::move(inspect)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        inspect(*box);
    });
}

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void information()
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        WhenShown([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            buttons = box.buttons();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        MessageBoxPrompter().Information("No words match your criteria.  Please try again.", "No Matching Words Found");
        QCOMPARE(title, QString("No Matching Words Found"));
        QCOMPARE(text, QString("No words match your criteria.  Please try again."));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons.size(), 1);
    }

    void question_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Enter answers Yes") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape answers No") << int(Qt::Key_Escape) << false;
    }

    void question()
    {
        QFETCH(int, key);
        QFETCH(bool, yes);
        QMessageBox::Icon icon = QMessageBox::Information;
        QString title;
        bool yesIsDefault = false;
        int buttonCount = 0;
        WhenShown([&](QMessageBox& box) {
            icon = box.icon();
            title = box.windowTitle();
            yesIsDefault = box.defaultButton() == box.button(QMessageBox::Yes);
            buttonCount = int(box.buttons().size());
            QTest::keyClick(&box, Qt::Key(key));
        });
        const bool answer =
            MessageBoxPrompter().Question("Would you like to retry the questions you missed?", "Retry Missed Questions?");
        QCOMPARE(answer, yes);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(title, QString("Retry Missed Questions?"));
        QVERIFY(yesIsDefault);
        QCOMPARE(buttonCount, 2);
    }

    void typedLine_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Enter gives the line") << int(Qt::Key_Return) << "Latin \"verbs\"";
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << "";
    }

    // The line starts as given, takes what is typed, and Escape gives nothing.
    void typedLine()
    {
        QFETCH(int, key);
        QFETCH(QString, typed);
        QString title;
        QString label;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            label = dialog->labelText();
            auto* line = dialog->findChild<QLineEdit*>();
            QCOMPARE(line->text(), QString("Latin"));
            QTest::keyClick(line, Qt::Key_End); // the line starts selected, for typing anew
            QTest::keyClicks(line, " \"verbs\"");
            QTest::keyClick(line, Qt::Key(key));
        });
        const auto line = MessageBoxPrompter().TypedLine("The new name:", "Rename Subject", "Latin");
        QCOMPARE(title, QString("Rename Subject"));
        QCOMPARE(label, QString("The new name:"));
        QCOMPARE(line.has_value(), !typed.isEmpty());
        if (line)
            QCOMPARE(QString::fromStdString(*line), typed);
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
