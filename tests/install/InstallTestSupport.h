// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files an installation must hold, for the install and package tests.

#include "ProgramRun.h"

#include <QList>

namespace lumenary::test {

struct InstalledFile {
    QString what;
    QString path; // relative to the prefix
    int pixels = 0; // the side of a square PNG icon; 0 for other files
};

inline QList<InstalledFile> InstalledFiles(const QString& appId)
{
    QList<InstalledFile> files{
        {"program", "bin/lumenary"},
        {"bank tool", "bin/lumenary-db"},
        {"question bank", "share/lumenary/lm50data.db"},
        {"menu entry", "share/applications/" + appId + ".desktop"},
        {"software-centre entry", "share/metainfo/" + appId + ".metainfo.xml"},
        {"scalable icon", "share/icons/hicolor/scalable/apps/" + appId + ".svg"},
        {"program manual", "share/man/man1/lumenary.1.gz"},
        {"bank tool manual", "share/man/man1/lumenary-db.1.gz"},
        {"copyright and licences", "share/doc/lumenary/copyright"},
        {"changelog", "share/doc/lumenary/changelog.gz"},
    };
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        files.append({QStringLiteral("%1 pixel icon").arg(size),
                      QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId), size});
    return files;
}

} // namespace lumenary::test
