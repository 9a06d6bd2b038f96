// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptFont.h"

#include "FontResolver.h"
#include "FontRoles.h"

#include <QFontMetrics>

#include <algorithm>

namespace lumenary {

namespace {

// Both bundled fonts draw small for their point size beside the system's sans-serif.
constexpr int GreekSizeIncrement = 2;
constexpr int HebrewSizeIncrement = 3;

bool HasScript(const QString& text, QChar::Script script)
{
    return std::ranges::any_of(text, [script](QChar c) { return c.script() == script; });
}

QFont ScriptFont(Script script, const QFont& base)
{
    const int size = std::max(base.pointSize(), 1);
    switch (script) {
    case Script::Hebrew: return ResolveFont(HebrewFontRole, size + HebrewSizeIncrement, base.bold());
    case Script::Greek: return ResolveFont(GreekFontRole, size + GreekSizeIncrement, base.bold());
    case Script::Other: break;
    }
    return base;
}

} // namespace

Script ScriptOf(const QString& text)
{
    if (HasScript(text, QChar::Script_Hebrew))
        return Script::Hebrew;
    return HasScript(text, QChar::Script_Greek) ? Script::Greek : Script::Other;
}

bool ReadsRightToLeft(const QString& text)
{
    return ScriptOf(text) == Script::Hebrew;
}

QFont FontForText(const QString& text, const QFont& base)
{
    return ScriptFont(ScriptOf(text), base);
}

int TallestScriptLine(const QFont& base)
{
    return std::max(QFontMetrics(ScriptFont(Script::Greek, base)).height(),
                    QFontMetrics(ScriptFont(Script::Hebrew, base)).height());
}

} // namespace lumenary
