// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmSplash.h"

#include "CharacterKey.h"
#include "PictureWidget.h"
#include "QuizContext.h"
#include "QuizHost.h"
#include "WindowRegistry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace lumenary {

namespace {

QLabel* SplashLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

} // namespace

FrmSplash::FrmSplash(QuizContext& context)
    : LumenaryWindow(QStringLiteral("FrmSplash"), QStringLiteral("Lumenary")), context_(context)
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("SplashArea"));
    central->setStyleSheet(QStringLiteral("#SplashArea { background: #3e3e3e; } QLabel { color: #f4f1e8; }"));
    setCentralWidget(central);

    auto* title = SplashLabel(QStringLiteral("Label3"), QStringLiteral("Lumenary 4.5"), central);
    QFont titleFont(QStringLiteral("CentSchbook BT"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(title);
    layout->addWidget(SplashLabel(QStringLiteral("Label2"),
                                  QStringLiteral("For the perfecting of the saints, for the work of the ministry, for the "
                                                 "edification of the body of Christ"),
                                  central));
    layout->addWidget(new PictureWidget(QStringLiteral(":/images/portrait.svg"), central), 1);
    layout->addWidget(SplashLabel(QStringLiteral("Label1"), QStringLiteral("William Tyndale"), central));
    layout->addWidget(SplashLabel(QStringLiteral("Label5"), QStringLiteral("(c. 1494-1536)"), central));
    layout->addWidget(SplashLabel(QStringLiteral("Label4(0)"),
                                  QStringLiteral("Learn how to distribute copies of Lumenary from the About Lumenary menu option"),
                                  central));
    layout->addWidget(SplashLabel(QStringLiteral("Label4(1)"),
                                  QStringLiteral("Pictures drawn for Lumenary by its developers"), central));
    resize(520, 720);
}

void FrmSplash::mousePressEvent(QMouseEvent* event)
{
    // A click on one of the texts is not a click on the picture.
    if (qobject_cast<QLabel*>(childAt(event->position().toPoint())))
        return;
    Dismiss();
}

void FrmSplash::keyPressEvent(QKeyEvent* event)
{
    if (IsCharacterKey(*event))
        Dismiss();
}

void FrmSplash::Dismiss()
{
    context_.windows.Unload(this);
    context_.host.ShowMainWindow();
}

} // namespace lumenary
