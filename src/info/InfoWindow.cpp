// SPDX-License-Identifier: GPL-3.0-or-later
#include "InfoWindow.h"

#include "CharacterKey.h"
#include "WindowRegistry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace lumenary {

InfoWindow::InfoWindow(const QString& objectName, const QString& title, Dismissal dismissal, WindowRegistry& windows)
    : LumenaryWindow(objectName, title), dismissal_(dismissal), windows_(windows)
{
}

void InfoWindow::mousePressEvent(QMouseEvent* event)
{
    // Labels pass their clicks on to the window; those are not clicks on its surface.
    if (event->button() != Qt::LeftButton || qobject_cast<QLabel*>(childAt(event->position().toPoint())))
        return;
    Dismiss();
}

void InfoWindow::keyPressEvent(QKeyEvent* event)
{
    if (dismissal_ == Dismissal::Unload && IsCharacterKey(*event))
        Dismiss();
    else
        LumenaryWindow::keyPressEvent(event);
}

void InfoWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Dismiss();
}

void InfoWindow::Dismiss()
{
    if (dismissal_ == Dismissal::Unload)
        windows_.Unload(this);
    else
        windows_.Hide(*this);
}

} // namespace lumenary
