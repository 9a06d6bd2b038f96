// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace lumenary {

// The font a text of the user's own shows in: the bundled Hebrew font for
// text with Hebrew in it, the bundled Greek font for Greek, `base` for
// anything else; the bundled fonts a little larger than `base`, as their
// letters are small for their point size.
QFont FontForText(const QString& text, const QFont& base);

} // namespace lumenary
