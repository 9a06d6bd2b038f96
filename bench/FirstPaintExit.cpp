// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into a program to end it as soon as its main window (a QMainWindow)
// has been painted for the first time: what bench_startup times, from the
// process started to that moment.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>

#include <cstdlib>

namespace {

class FirstPaintExit : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(object))
            // After this paint has reached the screen.
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(EXIT_SUCCESS); }, Qt::QueuedConnection);
        return false;
    }
};

void InstallFirstPaintExit()
{
    qApp->installEventFilter(new FirstPaintExit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintExit)
