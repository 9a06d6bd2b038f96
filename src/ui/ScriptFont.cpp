// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptFont.h"

#include "FontResolver.h"
#include "FontRoles.h"

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

} // namespace

QFont FontForText(const QString& text, const QFont& base)
{
    const int size = std::max(base.pointSize(), 1);
    if (HasScript(text, QChar::Script_Hebrew))
        return ResolveFont(HebrewFontRole, size + HebrewSizeIncrement, base.bold());
    if (HasScript(text, QChar::Script_Greek))
        return ResolveFont(GreekFontRole, size + GreekSizeIncrement, base.bold());
    return base;
}

} // namespace lumenary
