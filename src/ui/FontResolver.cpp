// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontResolver.h"

#include "FontRoles.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace lumenary {

namespace {

const QString GreekFamily = QStringLiteral("Gentium Plus");
const QString HebrewFamily = QStringLiteral("Ezra SIL");

QString FamilyFor(const std::string& role)
{
    if (role == GreekFontRole || role == "Bwgrkl")
        return GreekFamily;
    if (role == HebrewFontRole)
        return HebrewFamily;
    if (role == EnglishFontRole)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return QString::fromStdString(role);
}

} // namespace

void RegisterBundledFonts()
{
    static const bool registered = [] {
        for (const char* file : {":/fonts/GentiumPlus-Regular.ttf", ":/fonts/GentiumPlus-Bold.ttf", ":/fonts/SILEOT.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    (void)registered;
}

QFont ResolveFont(const std::string& role, int pointSize, bool bold)
{
    const QString family = FamilyFor(role);
    if (family == GreekFamily || family == HebrewFamily)
        RegisterBundledFonts();
    QFont font(family);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace lumenary
