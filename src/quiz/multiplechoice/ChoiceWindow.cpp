// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceWindow.h"

#include "ClickableLabel.h"
#include "ModCommonQuiz.h"
#include "ProgressPanel.h"
#include "QuizContext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr char White[] = "#ffffff";
constexpr char Yellow[] = "#ffd84d";
constexpr char Green[] = "#8ff08f";
constexpr char VerdictFamily[] = "Arial";

ClickableLabel* MakeLine(const QString& name, const QString& colour, QWidget* parent)
{
    auto* label = new ClickableLabel(parent);
    StyleQuizLabel(*label, name, colour);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setCursor(Qt::PointingHandCursor);
    // Hebrew answers too start beside their number.
    label->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    return label;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(120);
    return button;
}

} // namespace

std::optional<double> ChoiceNumber(const QString& text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

ChoiceWindow::ChoiceWindow(const ChoiceWindowDesign& design, QuizContext& context)
    : QuizWindow(design.frame, context),
      choiceClickSubmits_(design.choiceClickSubmits),
      txtAnswer_(new QLineEdit(centralWidget())),
      cmdOK_(MakeButton("CmdOK", QStringLiteral("OK"), centralWidget())),
      cmdNextQuestion_(MakeButton("CmdNextQuestion", QStringLiteral("Next Question"), centralWidget())),
      lblResponse_(MakeQuizLabel("LblResponse", Yellow, centralWidget())),
      lblCorrectAnswer_(MakeQuizLabel("LblCorrectAnswer", Yellow, centralWidget()))
{
    QWidget* area = centralWidget();
    auto* question = MakeLine(QStringLiteral("LblChoice(0)"), Green, area);
    question->setCursor(Qt::ArrowCursor);
    question->setMinimumHeight(48);
    lines_.push_back(question);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    for (int i = 1; i <= design.choices; ++i) {
        auto* number = MakeLine(QStringLiteral("Lbl(%1)").arg(i), Yellow, area);
        number->setText(QStringLiteral("%1.").arg(i));
        number->setFont(PointFont(number->font().family(), 9.75, true));
        number->setWordWrap(false);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* line = MakeLine(QStringLiteral("LblChoice(%1)").arg(i), White, area);
        line->setMinimumHeight(24);
        grid->addWidget(number, i - 1, 0);
        grid->addWidget(line, i - 1, 1);
        lines_.push_back(line);
        connect(number, &ClickableLabel::clicked, this, [this, i] { Lbl_Click(i); });
        connect(number, &ClickableLabel::doubleClicked, this, [this, i] { Lbl_DblClick(i); });
    }
    for (int i = 0; i <= design.choices; ++i) {
        connect(lines_[i], &ClickableLabel::clicked, this, [this, i] { LblChoice_Click(i); });
        connect(lines_[i], &ClickableLabel::doubleClicked, this, [this, i] { LblChoice_DblClick(i); });
    }

    txtAnswer_->setObjectName(QStringLiteral("TxtAnswer"));
    txtAnswer_->setFixedWidth(48);
    txtAnswer_->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addWidget(txtAnswer_);
    buttons->addWidget(cmdNextQuestion_);
    buttons->addStretch();

    auto* verdict = new QHBoxLayout;
    for (auto* label : {lblResponse_, lblCorrectAnswer_}) {
        label->setFont(PointFont(QLatin1String(VerdictFamily), 9.75, true));
        label->setWordWrap(false);
        verdict->addWidget(label);
    }
    verdict->addStretch();

    Content().addWidget(question);
    Content().addLayout(grid);
    Content().addLayout(buttons);
    Content().addLayout(verdict);
    Content().addStretch();

    connect(cmdOK_, &QPushButton::clicked, this, &ChoiceWindow::CmdOK_Click);
    connect(cmdNextQuestion_, &QPushButton::clicked, this, &ChoiceWindow::CmdNextQuestion_Click);
    // The design state: asking, with "Next Question" enabled too until the
    // first answer or the first press of it.
    SetDefaultButton(cmdOK_);
    txtAnswer_->setFocus();
    resize(820, 720); // room for six answers of two lines each in the language fonts
}

QLabel& ChoiceWindow::Choice(int index)
{
    return *lines_.at(static_cast<std::size_t>(index));
}

QString ChoiceWindow::AnswerText() const
{
    return txtAnswer_->text();
}

void ChoiceWindow::ShowCorrect()
{
    lblResponse_->setText(QStringLiteral("Correct!"));
}

void ChoiceWindow::ShowIncorrect(const QString& answer)
{
    lblResponse_->setText(QStringLiteral("Incorrect.  The answer was"));
    lblCorrectAnswer_->setText(answer);
}

void ChoiceWindow::CmdOK_Click()
{
    if (txtAnswer_->text().isEmpty())
        txtAnswer_->setText(QStringLiteral("0"));
    txtAnswer_->setEnabled(false);
    CheckAnswer();
    Context().common.CountCorrectAnswer();
    ShowProgress();
    SetAnswered(true);
}

void ChoiceWindow::ShowProgress()
{
    Panel().ShowProgress(Context().session);
}

void ChoiceWindow::CmdNextQuestion_Click()
{
    NextQuestion();
    txtAnswer_->clear();
    lblResponse_->clear();
    lblCorrectAnswer_->clear();
    SetAnswered(false);
}

void ChoiceWindow::SetAnswered(bool answered)
{
    txtAnswer_->setEnabled(!answered);
    cmdNextQuestion_->setEnabled(answered);
    cmdOK_->setEnabled(!answered);
    SetDefaultButton(answered ? cmdNextQuestion_ : cmdOK_);
    if (answered)
        cmdNextQuestion_->setFocus();
    else
        txtAnswer_->setFocus();
}

void ChoiceWindow::Lbl_Click(int index)
{
    txtAnswer_->setText(QString::number(index));
}

void ChoiceWindow::Lbl_DblClick(int index)
{
    Lbl_Click(index);
    SubmitIfAwaited();
}

void ChoiceWindow::LblChoice_Click(int index)
{
    if (index == 0)
        return;
    txtAnswer_->setText(QString::number(index));
    if (choiceClickSubmits_)
        SubmitIfAwaited();
}

void ChoiceWindow::LblChoice_DblClick(int index)
{
    if (index == 0)
        return;
    txtAnswer_->setText(QString::number(index));
    SubmitIfAwaited();
}

void ChoiceWindow::SubmitIfAwaited()
{
    if (cmdOK_->isEnabled())
        CmdOK_Click();
}

} // namespace lumenary
