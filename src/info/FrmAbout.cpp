// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmAbout.h"

#include "ProjectContact.h"
#include "Version.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumenary {

using enum NoticeStyle;

FrmAbout::FrmAbout(WindowRegistry& windows, const std::filesystem::path& databaseFile)
    : NoticeWindow(
          QStringLiteral("FrmAbout"), QStringLiteral("About Lumenary"), Dismissal::Unload, windows,
          {{"LblProgram", QStringLiteral("Lumenary"), Heading},
           {"LblVersion", QStringLiteral("Version ") + QLatin1String(ProgramVersion), Note},
           {"LblPurpose", QStringLiteral("A study program for the Bible, theology, church history and the biblical "
                                         "languages.")},
           {"LblLicence", QStringLiteral("Lumenary is free software under the GNU General Public License, version 3 or "
                                         "later (GPL-3.0-or-later); its question bank is under Creative Commons "
                                         "Attribution-ShareAlike 4.0 (CC-BY-SA-4.0).")},
           {"LblLicences(0)", QStringLiteral("Greek and Hebrew fonts: Gentium Plus and Ezra SIL, by SIL International, "
                                             "under the SIL Open Font License, version 1.1.")},
           {"LblLicences(1)", QStringLiteral("Windows and menus: Qt 6, under the GNU Lesser General Public License, "
                                             "version 3 (LGPL-3.0).")},
           {"LblLicences(2)", QStringLiteral("Question database: SQLite, in the public domain, through SQLiteCpp, "
                                             "under the MIT License.")},
           {"LblUpdates", QStringLiteral("Downloads and upgrades:  ") + ProjectContact::WebSite},
           {"LblDatabase", QStringLiteral("The question database on this computer:")}})
{
    // A path has no spaces to wrap at: a read-only line shows the whole of it
    // and lets it be copied.
    const QString file = QFileInfo(QString::fromStdString(databaseFile.string())).absoluteFilePath();
    auto* path = new QLineEdit(QDir::toNativeSeparators(file), centralWidget());
    path->setObjectName(QStringLiteral("TxtDatabase"));
    path->setReadOnly(true);
    path->setFocusPolicy(Qt::NoFocus);
    path->setCursorPosition(0);
    Page().addWidget(path);
}

} // namespace lumenary
