// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace lumenary {

// The script a text of the user's or the bank's is shown in. The fonts built
// into the program for Greek and Hebrew carry Latin letters too, so one Greek
// or Hebrew letter decides, and Hebrew wins over Greek.
enum class Script { Other, Greek, Hebrew };
Script ScriptOf(const QString& text);

// Hebrew text reads from the right.
bool ReadsRightToLeft(const QString& text);

// The font a text shows in among others of another script: the bundled
// Hebrew font for Hebrew, the bundled Greek font for Greek, `base` for
// anything else; the bundled fonts a little larger than `base`, as their
// letters are small for their point size.
QFont FontForText(const QString& text, const QFont& base);

// The height of the taller line the bundled fonts make beside `base`.
int TallestScriptLine(const QFont& base);

} // namespace lumenary
