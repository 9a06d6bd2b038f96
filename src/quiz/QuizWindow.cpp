// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizWindow.h"

#include "PictureWidget.h"
#include "ProgressPanel.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumenary {

namespace {

constexpr char Background[] = "#1c2b4a";

} // namespace

QFont PointFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void StyleQuizLabel(QLabel& label, const QString& objectName, const QString& colour)
{
    label.setObjectName(objectName);
    label.setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    label.setWordWrap(true);
    QFont font = label.font();
    font.setBold(true);
    label.setFont(font);
}

QLabel* MakeQuizLabel(const char* objectName, const QString& colour, QWidget* parent)
{
    auto* label = new QLabel(parent);
    StyleQuizLabel(*label, QLatin1String(objectName), colour);
    return label;
}

QPushButton* MakeQuizButton(const char* objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setMinimumWidth(130);
    return button;
}

QuizWindow::QuizWindow(const QuizWindowDesign& design, QuizContext& context)
    : LumenaryWindow(design.objectName, design.caption), context_(context)
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("QuizArea"));
    central->setStyleSheet(QStringLiteral("#QuizArea { background: %1; }").arg(Background));
    setCentralWidget(central);

    auto* title = MakeQuizLabel("LblTitle", QuizYellow, central);
    title->setText(design.heading);
    title->setFont(PointFont(QStringLiteral("Arial"), 15.75, true));
    subTitle_ = MakeQuizLabel("LblSubTitle", QuizWhite, central);
    subTitle_->setFont(PointFont(subTitle_->font().family(), 12, true));
    if (design.themeLine) {
        theme_ = MakeQuizLabel("LblTheme", QuizWhite, central);
        theme_->setFont(subTitle_->font());
    }

    panel_ = new ProgressPanel(central);
    panel_->setStyleSheet(QStringLiteral("QGroupBox { color: %1; font-weight: bold; } QLabel { color: %1; }").arg(QuizWhite));

    auto* headings = new QVBoxLayout;
    headings->addWidget(title);
    headings->addWidget(subTitle_);
    if (theme_)
        headings->addWidget(theme_);
    headings->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(headings, 1);
    top->addWidget(panel_, 0, Qt::AlignTop);

    content_ = new QVBoxLayout;
    content_->setSpacing(12);

    auto* picture = new PictureWidget(QStringLiteral(":/images/reformer.svg"), central);
    picture->setObjectName(QStringLiteral("PicReformer"));
    picture->setFixedSize(96, 120);
    auto* reformer = MakeQuizLabel("LblReformer", QuizWhite, central);
    reformer->setText(design.reformer);
    reformer->setFont(PointFont(reformer->font().family(), 9.75, true));
    auto* reformerDates = MakeQuizLabel("LblReformerDates", QuizWhite, central);
    reformerDates->setText(design.reformerDates);
    reformerDates->setFont(reformer->font());
    reformer->setWordWrap(false);
    auto* caption = new QVBoxLayout;
    caption->addStretch();
    caption->addWidget(reformer);
    caption->addWidget(reformerDates);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture);
    bottom->addLayout(caption);
    bottom->addStretch();

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addLayout(top);
    layout->addLayout(content_, 1);
    layout->addLayout(bottom);

    BuildMenu(design.menu);
    resize(780, 560);
}

void QuizWindow::BuildMenu(const QuizMenuDesign& design)
{
    auto* menu = menuBar()->addMenu(design.caption);
    menu->setObjectName(design.name);
    menu->menuAction()->setObjectName(design.name);
    auto* end = menu->addAction(QStringLiteral("&End Quiz"), this, &QuizWindow::EndQuiz);
    end->setObjectName(design.endQuizName);
    menu->addSeparator()->setObjectName(design.separatorName);
    auto* exit = menu->addAction(design.exitCaption, this, &QuizWindow::ExitQuiz);
    exit->setObjectName(design.exitName);
}

void QuizWindow::ShowTheme(const QString& theme)
{
    if (theme_)
        theme_->setText(theme);
}

void QuizWindow::EndQuiz()
{
    context_.windows.Unload(this);
    context_.host.ShowMainWindow();
}

void QuizWindow::ExitQuiz()
{
    context_.windows.Unload(this);
    context_.host.EndProgram();
}

void QuizWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    EndQuiz();
}

} // namespace lumenary
