#include "LumenaryWindow.h"

#include <QKeyEvent>
#include <QPushButton>

namespace lumenary {

LumenaryWindow::LumenaryWindow(const QString& objectName, const QString& title, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
}

void LumenaryWindow::SetDefaultButton(QPushButton* button)
{
    if (defaultButton_)
        defaultButton_->setDefault(false);
    defaultButton_ = button;
    if (defaultButton_)
        defaultButton_->setDefault(true);
}

void LumenaryWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && defaultButton_ && defaultButton_->isEnabled()
        && defaultButton_->isVisible()) {
        defaultButton_->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        EscapePressed();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace lumenary
