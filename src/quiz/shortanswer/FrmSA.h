// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizWindow.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumenary {

class ModSA;

// The short-answer window: a book and a chapter's content; the user types
// the chapter number, Enter submits it and Enter again goes on.
class FrmSA : public QuizWindow {
    Q_OBJECT
public:
    FrmSA(ModSA& engine, QuizContext& context);

    // A new question: the book in the subtitle and the content description.
    void ShowQuestion(const QString& book, const QString& description);
    QString TypedChapter() const;
    // The outcome; after a wrong answer the right chapter, if one is recorded.
    void ShowVerdict(bool right, const std::optional<QString>& chapter);

private:
    void CmdOK_Click();
    void CmdNextQuestion_Click();
    void SetAnswered(bool answered);

    ModSA& engine_;
    QLabel* lblQuestion_;
    QLineEdit* txtChapter_;
    QPushButton* cmdOK_;
    QPushButton* cmdNextQuestion_;
    QLabel* lblResponse_;
    QLabel* lblAnswer_;
};

} // namespace lumenary
