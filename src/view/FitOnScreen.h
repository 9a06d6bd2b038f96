// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumenary {

// Sizes a window that lists much to the size it prefers, or less on a small
// or scaled screen, leaving room for a title bar and a panel.
inline void FitOnScreen(QWidget& window, QSize preferred)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableSize() - QSize(40, 90);
        preferred = preferred.boundedTo(room).expandedTo(window.minimumSizeHint());
    }
    window.resize(preferred);
}

} // namespace lumenary
