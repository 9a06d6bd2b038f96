// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

namespace lumenary {

// The base of every Lumenary window: its object name and title, and a
// default button that Enter presses (Qt does that by itself only in dialogs).
class LumenaryWindow : public QMainWindow {
    Q_OBJECT
public:
    LumenaryWindow(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    // The button Enter presses, drawn as the default; nullptr for none.
    void SetDefaultButton(QPushButton* button);

protected:
    // A push button of this window, found by its name.
    QPushButton* NamedButton(const QString& name, const QString& caption);
    // Enter on a focused push button presses it; elsewhere the default button.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape; nothing by default.
    virtual void EscapePressed() {}

private:
    QPointer<QPushButton> defaultButton_;
    bool shown_ = false;
};

} // namespace lumenary
