// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellFonts.h"

#include "FontResolver.h"
#include "FontRoles.h"
#include "TextScript.h"

#include <QFontMetrics>

#include <algorithm>

namespace lumenary {

namespace {

// Hebrew points and accents need the larger size to be read.
constexpr int GreekCellSize = 12;
constexpr int HebrewCellSize = 15;

const QFont& GreekCellFont()
{
    static const QFont font = ResolveFont(GreekFontRole, GreekCellSize);
    return font;
}

const QFont& HebrewCellFont()
{
    static const QFont font = ResolveFont(HebrewFontRole, HebrewCellSize);
    return font;
}

} // namespace

std::optional<QFont> CellFont(std::string_view text)
{
    switch (custom::ScriptOf(text)) {
    case custom::Script::Greek:
        return GreekCellFont();
    case custom::Script::Hebrew:
        return HebrewCellFont();
    default:
        return std::nullopt;
    }
}

bool IsRightToLeft(std::string_view text)
{
    return custom::ScriptOf(text) == custom::Script::Hebrew;
}

int TallestCellLine()
{
    return std::max(QFontMetrics(GreekCellFont()).height(), QFontMetrics(HebrewCellFont()).height());
}

} // namespace lumenary
