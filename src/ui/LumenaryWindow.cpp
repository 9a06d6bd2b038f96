// SPDX-License-Identifier: GPL-3.0-or-later
#include "LumenaryWindow.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

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

namespace {

// Tab reaches an option group at its checked option, as on every desktop, so
// the arrow keys then move the choice itself. Qt keeps Tab on the option that
// last had the focus, which need not be the checked one.
void TabToCheckedOption(QRadioButton& checked)
{
    if (!checked.isChecked() || !checked.autoExclusive() || !checked.parentWidget())
        return;
    for (auto* option : checked.parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (option->autoExclusive())
            option->setFocusPolicy(Qt::FocusPolicy(option == &checked ? option->focusPolicy() | Qt::TabFocus
                                                                       : option->focusPolicy() & ~Qt::TabFocus));
}

bool Pressable(const QPushButton* button)
{
    return button && button->isEnabled() && button->isVisible();
}

} // namespace

QPushButton* LumenaryWindow::NamedButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    return button;
}

void LumenaryWindow::showEvent(QShowEvent* event)
{
    if (!std::exchange(shown_, true))
        for (auto* option : findChildren<QRadioButton*>()) {
            TabToCheckedOption(*option);
            connect(option, &QRadioButton::toggled, this, [option] { TabToCheckedOption(*option); });
        }
    QMainWindow::showEvent(event);
}

void LumenaryWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                       && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter) {
        // A push button that has the keyboard focus takes Enter itself, as in
        // every dialog of the desktop; elsewhere Enter presses the default.
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        auto* target = Pressable(focused) ? focused : defaultButton_.data();
        if (Pressable(target)) {
            target->click();
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        EscapePressed();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace lumenary
