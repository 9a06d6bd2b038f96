// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmFlashcard.h"

#include "FontResolver.h"
#include "ModCommonQuiz.h"
#include "ModFlashcard.h"
#include "ProgressPanel.h"
#include "QuestionSides.h"
#include "QuizContext.h"
#include "Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr int FlashcardFontIncrement = 4;

} // namespace

FrmFlashcard::FrmFlashcard(ModFlashcard& engine, QuizContext& context)
    : QuizWindow({.objectName = QStringLiteral("FrmFlashcard"),
                  .caption = QStringLiteral("Lumenary"),
                  .heading = QStringLiteral("Flashcard"),
                  .menu = {QStringLiteral("MnuQuizFlashcard"), QStringLiteral("&Quiz"),
                           QStringLiteral("MnuEndQuizFlashcard"), QStringLiteral("MnuLine"),
                           QStringLiteral("MnuExitQuizFlashcard"), QStringLiteral("E&xit Quiz")},
                  .reformer = QStringLiteral("John Wycliffe"),
                  .reformerDates = QStringLiteral("(c. 1328-1384)")},
                 context),
      engine_(engine),
      lblQuestion_(MakeQuizLabel("LblQuestion", QuizGreen, centralWidget())),
      lblAnswer_(MakeQuizLabel("LblAnswer", QuizYellow, centralWidget())),
      cmdShowAnswer_(MakeQuizButton("CmdShowAnswer", QStringLiteral("&Show Answer"), centralWidget())),
      cmdCorrect_(MakeQuizButton("CmdCorrect", QStringLiteral("&Correct"), centralWidget())),
      cmdIncorrect_(MakeQuizButton("CmdIncorrect", QStringLiteral("&Incorrect"), centralWidget()))
{
    for (auto* side : {lblQuestion_, lblAnswer_}) {
        side->setAlignment(Qt::AlignCenter);
        side->setMinimumHeight(90);
        side->setTextInteractionFlags(Qt::NoTextInteraction);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* button : {cmdShowAnswer_, cmdCorrect_, cmdIncorrect_})
        buttons->addWidget(button);
    buttons->addStretch();
    Content().addStretch();
    Content().addWidget(lblQuestion_);
    Content().addWidget(lblAnswer_);
    Content().addStretch();
    Content().addLayout(buttons);
    setTabOrder(cmdShowAnswer_, cmdCorrect_);
    setTabOrder(cmdCorrect_, cmdIncorrect_);

    connect(cmdShowAnswer_, &QPushButton::clicked, this, &FrmFlashcard::CmdShowAnswer_Click);
    connect(cmdCorrect_, &QPushButton::clicked, this, &FrmFlashcard::CmdCorrect_Click);
    connect(cmdIncorrect_, &QPushButton::clicked, this, &FrmFlashcard::CmdIncorrect_Click);
    SetRevealed(false);
    Form_Load();
}

void FrmFlashcard::Form_Load()
{
    SetQuizFonts();
    SubTitle().setText(QString::fromStdString(FieldText(Context().session.QuizRecordset->Field("Module"))));
}

void FrmFlashcard::SetQuizFonts()
{
    const auto& session = Context().session;
    lblQuestion_->setFont(ResolveFont(session.QuestionFontName, session.QuestionFontSize + FlashcardFontIncrement, true));
    lblAnswer_->setFont(ResolveFont(session.AnswerFontName, session.AnswerFontSize + FlashcardFontIncrement, true));
}

void FrmFlashcard::ShowCard(const QString& theme, const QString& question)
{
    ShowTheme(theme);
    lblQuestion_->setText(question);
}

void FrmFlashcard::SetRevealed(bool revealed)
{
    cmdShowAnswer_->setEnabled(!revealed);
    cmdCorrect_->setEnabled(revealed);
    cmdIncorrect_->setEnabled(revealed);
    (revealed ? cmdCorrect_ : cmdShowAnswer_)->setFocus();
}

void FrmFlashcard::CmdShowAnswer_Click()
{
    SetRevealed(true);
    lblAnswer_->setText(AnswerSide(Context().session, *Context().session.QuizRecordset));
}

void FrmFlashcard::CmdCorrect_Click()
{
    Context().session.AnswerCorrect = true;
    Context().common.RecordAnswer("Flashcard");
    ContinueQuiz();
}

void FrmFlashcard::CmdIncorrect_Click()
{
    Context().session.AnswerCorrect = false;
    Context().common.RecordAnswer("Flashcard");
    ContinueQuiz();
}

void FrmFlashcard::ContinueQuiz()
{
    SetRevealed(false);
    lblAnswer_->clear();
    Context().common.CountCorrectAnswer();
    engine_.ShowFlashcardProgress();
    engine_.NextFlashcard();
}

} // namespace lumenary
