// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmSA.h"

#include "FontResolver.h"
#include "FontRoles.h"
#include "ModCommonQuiz.h"
#include "ModSA.h"
#include "ProgressPanel.h"
#include "QuizContext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr char CorrectText[] = "Correct!";
constexpr char IncorrectText[] = "Incorrect.  The answer was chapter";
// Beneath the verdict when the question bank holds no chapter for the question.
constexpr char NoChapterText[] = "(no chapter is recorded for this question)";

} // namespace

FrmSA::FrmSA(ModSA& engine, QuizContext& context)
    : QuizWindow({.objectName = QStringLiteral("FrmSA"),
                  .caption = QStringLiteral("Lumenary "),
                  .heading = QStringLiteral("Short Answer"),
                  .menu = {QStringLiteral("MnuQuizSA"), QStringLiteral("&Quiz"), QStringLiteral("MnuEndQuiz"),
                           QStringLiteral("line2"), QStringLiteral("MnuExit"), QStringLiteral("E&xit Lumenary")},
                  .reformer = QStringLiteral("John Calvin"),
                  .reformerDates = QStringLiteral("(1509-1564)"),
                  .themeLine = false},
                 context),
      engine_(engine),
      lblQuestion_(MakeQuizLabel("LblQuestion", QuizGreen, centralWidget())),
      txtChapter_(new QLineEdit(centralWidget())),
      cmdOK_(MakeQuizButton("CmdOK", QStringLiteral("&OK"), centralWidget())),
      cmdNextQuestion_(MakeQuizButton("CmdNextQuestion", QStringLiteral("&Next Question"), centralWidget())),
      lblResponse_(MakeQuizLabel("LblResponse", QuizWhite, centralWidget())),
      lblAnswer_(MakeQuizLabel("LblAnswer", QuizYellow, centralWidget()))
{
    QFont sansSerif = ResolveFont(EnglishFontRole, 10, true);
    sansSerif.setPointSizeF(9.75);
    lblQuestion_->setFont(sansSerif);
    lblQuestion_->setMinimumHeight(60);
    const QFont arial = PointFont(QStringLiteral("Arial"), 9.75, true);
    lblResponse_->setFont(arial);
    lblAnswer_->setFont(arial);
    txtChapter_->setObjectName(QStringLiteral("TxtChapter"));
    txtChapter_->setFixedWidth(txtChapter_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);

    auto* chapterRow = new QHBoxLayout;
    chapterRow->addStretch();
    chapterRow->addWidget(txtChapter_);
    chapterRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdNextQuestion_);
    buttons->addStretch();
    for (auto* label : {lblQuestion_, lblResponse_, lblAnswer_})
        label->setAlignment(Qt::AlignCenter);
    Content().addStretch();
    Content().addWidget(lblQuestion_);
    Content().addLayout(chapterRow);
    Content().addLayout(buttons);
    Content().addWidget(lblResponse_);
    Content().addWidget(lblAnswer_);
    Content().addStretch();

    connect(cmdOK_, &QPushButton::clicked, this, &FrmSA::CmdOK_Click);
    connect(cmdNextQuestion_, &QPushButton::clicked, this, &FrmSA::CmdNextQuestion_Click);
    SetAnswered(false);
}

void FrmSA::ShowQuestion(const QString& book, const QString& description)
{
    lblQuestion_->setText(description);
    SubTitle().setText(book);
}

QString FrmSA::TypedChapter() const
{
    return txtChapter_->text();
}

void FrmSA::ShowVerdict(bool right, const std::optional<QString>& chapter)
{
    if (right) {
        lblResponse_->setText(QLatin1String(CorrectText));
        return;
    }
    lblResponse_->setText(QLatin1String(IncorrectText));
    lblAnswer_->setText(chapter.value_or(QLatin1String(NoChapterText)));
}

void FrmSA::CmdOK_Click()
{
    engine_.CheckChapterAnswer();
    Context().common.CountCorrectAnswer();
    Panel().ShowProgress(Context().session);
    SetAnswered(true);
}

void FrmSA::CmdNextQuestion_Click()
{
    engine_.NextShortAnswerQuestion();
    txtChapter_->clear();
    lblResponse_->clear();
    lblAnswer_->clear();
    SetAnswered(false);
}

void FrmSA::SetAnswered(bool answered)
{
    txtChapter_->setEnabled(!answered);
    cmdOK_->setEnabled(!answered);
    cmdNextQuestion_->setEnabled(answered);
    SetDefaultButton(answered ? cmdNextQuestion_ : cmdOK_);
    if (answered)
        cmdNextQuestion_->setFocus();
    else
        txtChapter_->setFocus();
}

} // namespace lumenary
