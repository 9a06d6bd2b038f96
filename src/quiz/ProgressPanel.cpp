// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressPanel.h"

#include "ProgressText.h"
#include "Session.h"

#include <QGridLayout>
#include <QLabel>

namespace lumenary {

namespace {

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

ProgressPanel::ProgressPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Progress Report"), parent),
      lblQsCorrect_(NamedLabel("LblQsCorrect", {}, this)),
      lblQsAsked_(NamedLabel("LblQsAsked", {}, this)),
      lblPercentage_(NamedLabel("LblPercentage", {}, this)),
      lblQsRemaining_(NamedLabel("LblQsRemaining", QStringLiteral("Questions Remaining:"), this))
{
    setObjectName(QStringLiteral("FrmProgressReport"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(NamedLabel("LblNumQsCorrect", QStringLiteral("# Correct"), this), 0, 0);
    layout->addWidget(NamedLabel("LblNumQsAsked", QStringLiteral("# Asked"), this), 0, 1);
    layout->addWidget(NamedLabel("LblNumPercentage", QStringLiteral("Percentage"), this), 0, 2);
    layout->addWidget(lblQsCorrect_, 1, 0);
    layout->addWidget(lblQsAsked_, 1, 1);
    layout->addWidget(lblPercentage_, 1, 2);
    layout->addWidget(lblQsRemaining_, 2, 0, 1, 3);
    for (int column = 0; column < 3; ++column)
        layout->setColumnMinimumWidth(column, fontMetrics().horizontalAdvance(QStringLiteral("Percentage__")));
}

void ProgressPanel::ShowStart(int questionCount)
{
    lblQsRemaining_->setText(StartText(questionCount));
}

void ProgressPanel::ShowProgress(const Session& session)
{
    lblQsCorrect_->setText(SignedForm(session.QuestionsCorrect));
    lblQsAsked_->setText(SignedForm(session.QuestionsAsked));
    lblQsRemaining_->setText(RemainingText(session.QuestionsRemaining));
    lblPercentage_->setText(PercentageText(session.QuestionsCorrect, session.QuestionsAsked));
}

void ProgressPanel::ClearValues()
{
    lblQsCorrect_->clear();
    lblQsAsked_->clear();
    lblPercentage_->clear();
}

QString ProgressPanel::CorrectCaption() const
{
    return lblQsCorrect_->text();
}

QString ProgressPanel::AskedCaption() const
{
    return lblQsAsked_->text();
}

} // namespace lumenary
