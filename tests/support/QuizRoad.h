// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Working any quiz window as a user would: which controls answer and which
// goes on, and the right answer to the question on screen, read from the
// question file rather than taken from the window.

#include "AppFixture.h"
#include "Session.h"

#include <QLineEdit>
#include <QPushButton>

namespace lumenary::test {

// The window a quiz type runs in; "tense" is the Greek tense quiz.
inline QString QuizWindowOf(const QString& type)
{
    static const QMap<QString, QString> windows{
        {"Flashcard", "FrmFlashcard"}, {"TF", "FrmTF"}, {"SA", "FrmSA"}, {"MC", "FrmMC"}, {"tense", "FrmMCGrk"}};
    return windows.value(type);
}

inline QString AnswerBox(const QString& window)
{
    return window == "FrmSA" ? "TxtChapter" : "TxtAnswer";
}

// Asking: the controls that answer are enabled, the first of them is the
// default button, and nothing of the last verdict is left; answered: only the
// way on is enabled, and it is the default. The multiple-choice windows let
// "Next Question" skip the first question.
inline void ExpectAnswered(const QString& window, bool answered, bool nextWhileAsking = false)
{
    if (window == "FrmFlashcard") { // a card is revealed, then graded
        QCOMPARE(AppFixture::Find<QPushButton>(window, "CmdShowAnswer")->isEnabled(), !answered);
        QCOMPARE(AppFixture::Find<QPushButton>(window, "CmdCorrect")->isEnabled(), answered);
        QCOMPARE(AppFixture::Find<QPushButton>(window, "CmdIncorrect")->isEnabled(), answered);
        QVERIFY(answered || AppFixture::Text(window, "LblAnswer").isEmpty());
        return;
    }
    const bool tf = window == "FrmTF";
    const QStringList answering = tf ? QStringList{"CmdTrue", "CmdFalse"} : QStringList{"CmdOK", AnswerBox(window)};
    for (const QString& control : answering)
        QVERIFY2(AppFixture::Find<QWidget>(window, control)->isEnabled() != answered, qPrintable(control));
    const auto* next = AppFixture::Find<QPushButton>(window, "CmdNextQuestion");
    QCOMPARE(AppFixture::Find<QPushButton>(window, answering[0])->isDefault(), !answered);
    QCOMPARE(next->isEnabled(), answered || nextWhileAsking);
    QCOMPARE(next->isDefault(), answered);
    if (answered || nextWhileAsking) // the first question has no verdict before it
        return;
    QCOMPARE(AppFixture::Text(window, tf ? "LblTrueFalse" : "LblResponse"), QString());
    const auto* correction = AppFixture::Find<QLabel>(window, window == "FrmSA" ? "LblAnswer" : "LblCorrectAnswer");
    QVERIFY(correction->isHidden() || correction->text().isEmpty());
    if (tf)
        QVERIFY(!AppFixture::Find<QLabel>(window, "LblAnswer")->font().strikeOut());
    else
        QCOMPARE(AppFixture::Find<QLineEdit>(window, AnswerBox(window))->text(), QString());
}

// The file's text of a field of the question on screen; empty for null.
inline QString FieldOnScreen(const Session& session, const TemporaryBank& bank, const std::string& field)
{
    return QString::fromStdString(bank.Text("SELECT coalesce(" + field + ", '') FROM lm40data WHERE ID = "
                                            + std::to_string(session.CurrentQuestionID)));
}

// The line of the multiple-choice windows that shows that text; 0 for none.
inline int LineShowing(const QString& window, const QString& text)
{
    for (int line = 1; const auto* label = AppFixture::Find<QLabel>(window, QStringLiteral("LblChoice(%1)").arg(line));
         ++line)
        if (label->text() == text)
            return line;
    return 0;
}

// Answers the question on screen right or wrong, in whichever quiz window is up.
inline void Answer(const Session& session, const TemporaryBank& bank, bool right)
{
    const QString partA = session.UseFrench ? "French" : "English";
    const auto answerText = [&] {
        return FieldOnScreen(session, bank, (session.Flip ? partA : "Hebrew").toStdString());
    };
    if (AppFixture::Window("FrmFlashcard")) {
        AppFixture::Click("FrmFlashcard", "CmdShowAnswer");
        AppFixture::Click("FrmFlashcard", right ? "CmdCorrect" : "CmdIncorrect");
    } else if (AppFixture::Window("FrmTF")) {
        const bool statementTrue = AppFixture::Text("FrmTF", "LblAnswer") == answerText();
        AppFixture::Click("FrmTF", right == statementTrue ? "CmdTrue" : "CmdFalse");
    } else {
        const QString window = AppFixture::Window("FrmSA")   ? "FrmSA"
                             : AppFixture::Window("FrmMC") ? "FrmMC"
                                                           : "FrmMCGrk";
        QString typed = "0";
        if (right && window == "FrmSA")
            typed = FieldOnScreen(session, bank, "Chapter");
        else if (right) // the answer's line; in the tense quiz, the tense's
            typed = QString::number(
                LineShowing(window, window == "FrmMC" ? answerText() : FieldOnScreen(session, bank, "Theme")));
        AppFixture::Find<QLineEdit>(window, AnswerBox(window))->setText(typed);
        AppFixture::Click(window, "CmdOK");
    }
}

// Answers and goes on to the next question; a graded card goes on by itself.
inline void AnswerAndGoOn(const Session& session, const TemporaryBank& bank, bool right)
{
    Answer(session, bank, right);
    for (const char* window : {"FrmTF", "FrmSA", "FrmMC", "FrmMCGrk"})
        if (AppFixture::Window(window))
            AppFixture::Click(window, "CmdNextQuestion");
}

inline void AnswerAndGoOn(AppFixture& fixture, bool right)
{
    AnswerAndGoOn(fixture.app.State(), fixture.bank, right);
}

} // namespace lumenary::test
