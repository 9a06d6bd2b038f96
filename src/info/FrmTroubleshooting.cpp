// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmTroubleshooting.h"

#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <map>

namespace lumenary {

FrmTroubleshooting::FrmTroubleshooting(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmTroubleshooting"), QStringLiteral("Lumenary"), Dismissal::Unload, windows,
                   {{"Label1", QStringLiteral("Troubleshooting Lumenary"), NoticeStyle::Heading}})
{
    QFile text(QStringLiteral(":/texts/troubleshooting.html"));
    text.open(QIODevice::ReadOnly);
    document_ = new QTextBrowser(centralWidget());
    document_->setObjectName(QStringLiteral("TxtTroubleshooting"));
    document_->setHtml(QString::fromUtf8(text.readAll()));
    // Keys belong to the window, which closes on any character key.
    document_->setFocusPolicy(Qt::NoFocus);
    document_->setOpenLinks(false);
    document_->setFixedSize(500, 440);
    Page().addWidget(document_);
}

void FrmTroubleshooting::keyPressEvent(QKeyEvent* event)
{
    using Scroll = QAbstractSlider::SliderAction;
    static const std::map<int, Scroll> scrolls{
        {Qt::Key_Up, Scroll::SliderSingleStepSub}, {Qt::Key_Down, Scroll::SliderSingleStepAdd},
        {Qt::Key_PageUp, Scroll::SliderPageStepSub}, {Qt::Key_PageDown, Scroll::SliderPageStepAdd},
        {Qt::Key_Home, Scroll::SliderToMinimum},     {Qt::Key_End, Scroll::SliderToMaximum}};
    const auto scroll = scrolls.find(event->key());
    if (scroll == scrolls.end()) {
        NoticeWindow::keyPressEvent(event);
        return;
    }
    document_->verticalScrollBar()->triggerAction(scroll->second);
}

} // namespace lumenary
