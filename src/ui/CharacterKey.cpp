// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharacterKey.h"

#include <QKeyEvent>

namespace lumenary {

bool IsCharacterKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        return true;
    default:
        return !event.text().isEmpty() && event.text().front().isPrint();
    }
}

} // namespace lumenary
