// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmTF.h"

#include "FontResolver.h"
#include "ModCommonQuiz.h"
#include "ModTF.h"
#include "ProgressPanel.h"
#include "QuizContext.h"
#include "Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr int TrueFalseFontIncrement = 2;
constexpr char CorrectText[] = "Correct!";
constexpr char IncorrectText[] = "Incorrect.  The correct answer was";

} // namespace

FrmTF::FrmTF(ModTF& engine, QuizContext& context)
    : QuizWindow({.objectName = QStringLiteral("FrmTF"),
                  .caption = QStringLiteral("Lumenary"),
                  .heading = QStringLiteral("True / False"),
                  .menu = {QStringLiteral("MnuProgram"), QStringLiteral("&Program"), QStringLiteral("MnuEndQuiz"),
                           QStringLiteral("MnuDash"), QStringLiteral("MnuExitLumenary"),
                           QStringLiteral("E&xit Lumenary")},
                  .reformer = QStringLiteral("Martin Luther"),
                  .reformerDates = QStringLiteral("(1483-1546)")},
                 context),
      engine_(engine),
      lblQuestion_(MakeQuizLabel("LblQuestion", QuizGreen, centralWidget())),
      lblAnswer_(MakeQuizLabel("LblAnswer", QuizYellow, centralWidget())),
      lblTrueFalse_(MakeQuizLabel("LblTrueFalse", QuizWhite, centralWidget())),
      lblCorrectAnswer_(MakeQuizLabel("LblCorrectAnswer", QuizGreen, centralWidget())),
      cmdTrue_(MakeQuizButton("CmdTrue", QStringLiteral("&True"), centralWidget())),
      cmdFalse_(MakeQuizButton("CmdFalse", QStringLiteral("&False"), centralWidget())),
      cmdNextQuestion_(MakeQuizButton("CmdNextQuestion", QStringLiteral("&Next Question"), centralWidget()))
{
    const QFont twelveBold = PointFont(lblTrueFalse_->font().family(), 12, true);
    for (auto* label : {lblAnswer_, lblTrueFalse_, lblCorrectAnswer_})
        label->setFont(twelveBold);
    for (auto* label : {lblQuestion_, lblAnswer_, lblTrueFalse_, lblCorrectAnswer_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
    }
    lblQuestion_->setMinimumHeight(70);
    // The verdict lines keep their room while empty or hidden, so the buttons
    // stay where they are when the verdict appears.
    lblTrueFalse_->setMinimumHeight(QFontMetrics(twelveBold).lineSpacing());
    QSizePolicy keepRoom = lblCorrectAnswer_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    lblCorrectAnswer_->setSizePolicy(keepRoom);
    lblCorrectAnswer_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* button : {cmdTrue_, cmdFalse_, cmdNextQuestion_})
        buttons->addWidget(button);
    buttons->addStretch();
    Content().addStretch();
    Content().addWidget(lblQuestion_);
    Content().addLayout(buttons);
    Content().addWidget(lblAnswer_);
    Content().addWidget(lblTrueFalse_);
    Content().addWidget(lblCorrectAnswer_);
    Content().addStretch();

    connect(cmdTrue_, &QPushButton::clicked, this, &FrmTF::CmdTrue_Click);
    connect(cmdFalse_, &QPushButton::clicked, this, &FrmTF::CmdFalse_Click);
    connect(cmdNextQuestion_, &QPushButton::clicked, this, &FrmTF::CmdNextQuestion_Click);
    SetAnswered(false);
    Form_Load();
}

void FrmTF::Form_Load()
{
    SetQuizFonts();
    engine_.CloneQuizRecordset();
    lblTrueFalse_->clear();
    SubTitle().setText(QString::fromStdString(FieldText(Context().session.QuizRecordset->Field("Module"))));
}

void FrmTF::SetQuizFonts()
{
    const auto& session = Context().session;
    lblQuestion_->setFont(ResolveFont(session.QuestionFontName, session.QuestionFontSize + TrueFalseFontIncrement, true));
    lblAnswer_->setFont(ResolveFont(session.AnswerFontName, session.AnswerFontSize + TrueFalseFontIncrement, true));
    lblCorrectAnswer_->setFont(lblAnswer_->font());
}

void FrmTF::ShowQuestion(const QString& theme, const QString& question, const QString& correctAnswer)
{
    ShowTheme(theme);
    lblQuestion_->setText(question);
    lblCorrectAnswer_->setText(correctAnswer);
}

void FrmTF::ShowStatement(const QString& answer)
{
    lblAnswer_->setText(answer);
}

void FrmTF::ShowVerdict(bool right)
{
    if (right) {
        lblTrueFalse_->setText(QLatin1String(CorrectText));
        return;
    }
    lblTrueFalse_->setText(QLatin1String(IncorrectText));
    QFont struck = lblAnswer_->font();
    struck.setStrikeOut(true);
    lblAnswer_->setFont(struck);
    lblCorrectAnswer_->show();
}

void FrmTF::CmdTrue_Click()
{
    engine_.TFResponse = true;
    ScoreAnswer();
}

void FrmTF::CmdFalse_Click()
{
    engine_.TFResponse = false;
    ScoreAnswer();
}

void FrmTF::ScoreAnswer()
{
    engine_.CheckTrueFalseAnswer();
    Context().common.CountCorrectAnswer();
    Panel().ShowProgress(Context().session);
    SetAnswered(true);
}

void FrmTF::CmdNextQuestion_Click()
{
    engine_.NextTrueFalseQuestion();
    SetAnswered(false);
    QFont plain = lblAnswer_->font();
    plain.setStrikeOut(false);
    lblAnswer_->setFont(plain);
    lblTrueFalse_->clear();
    lblCorrectAnswer_->hide();
}

void FrmTF::SetAnswered(bool answered)
{
    cmdTrue_->setEnabled(!answered);
    cmdFalse_->setEnabled(!answered);
    cmdNextQuestion_->setEnabled(answered);
    QPushButton* const next = answered ? cmdNextQuestion_ : cmdTrue_;
    SetDefaultButton(next);
    next->setFocus();
}

} // namespace lumenary
