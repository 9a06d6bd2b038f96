// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace lumenary {

// The font a text of the user's own shows in: the bundled Hebrew font for
// text with Hebrew in it, the bundled Greek font for Greek, `base` for
// anything else; the bundled fonts take the point size of `base`, Hebrew a
// little larger, as its points are small.
QFont FontForText(const QString& text, const QFont& base);

} // namespace lumenary
