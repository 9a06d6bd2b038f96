// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptText.h"

#include "FontResolver.h"
#include "FontRoles.h"

#include <QFontMetrics>

#include <algorithm>

namespace lumenary {

namespace {

// The script of the first letter; a word list's text is of one script.
QChar::Script ScriptOf(const QString& text)
{
    for (const QChar character : text)
        if (character.isLetter())
            return character.script();
    return QChar::Script_Common;
}

} // namespace

ScriptFonts::ScriptFonts(int pointSize)
    : greek_(ResolveFont(GreekFontRole, pointSize)), hebrew_(ResolveFont(HebrewFontRole, pointSize))
{
}

std::optional<QFont> ScriptFonts::FontOf(const QString& text) const
{
    switch (ScriptOf(text)) {
    case QChar::Script_Greek: return greek_;
    case QChar::Script_Hebrew: return hebrew_;
    default: return std::nullopt;
    }
}

int ScriptFonts::TallestLine() const
{
    return std::max(QFontMetrics(greek_).height(), QFontMetrics(hebrew_).height());
}

bool ScriptFonts::RightToLeft(const QString& text)
{
    return ScriptOf(text) == QChar::Script_Hebrew;
}

} // namespace lumenary
