#include "FontResolver.h"

#include "FontRoles.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace lumenary {

namespace {

QString FamilyFor(const std::string& role)
{
    if (role == GreekFontRole || role == "Bwgrkl")
        return QStringLiteral("Gentium Plus");
    if (role == HebrewFontRole)
        return QStringLiteral("Ezra SIL");
    if (role == EnglishFontRole)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return QString::fromStdString(role);
}

} // namespace

void RegisterBundledFonts()
{
    for (const char* file : {":/fonts/GentiumPlus-Regular.ttf", ":/fonts/GentiumPlus-Bold.ttf", ":/fonts/SILEOT.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

QFont ResolveFont(const std::string& role, int pointSize, bool bold)
{
    QFont font(FamilyFor(role));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace lumenary
