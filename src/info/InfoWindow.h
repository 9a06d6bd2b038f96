// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LumenaryWindow.h"

namespace lumenary {

class WindowRegistry;

// How an information window goes away when the user dismisses it.
enum class Dismissal {
    Unload,        // a click on its surface or a character key destroys it
    HideOnClick,   // a click on its surface hides it; keys do nothing
};

// The frame of every information window: shown modeless, one instance, and
// dismissed by a click on its own surface (never on one of its texts) or, when
// it unloads, by any character key. A double click starts with a click, so it
// dismisses the same way.
class InfoWindow : public LumenaryWindow {
    Q_OBJECT
public:
    InfoWindow(const QString& objectName, const QString& title, Dismissal dismissal, WindowRegistry& windows);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The title bar's close box dismisses the window the same way.
    void closeEvent(QCloseEvent* event) override;

private:
    void Dismiss();

    Dismissal dismissal_;
    WindowRegistry& windows_;
};

} // namespace lumenary
