// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared pieces of the install and package tests: running a program, and the
// files an installation must hold.

#include <QList>
#include <QProcess>
#include <QString>

namespace lumenary::test {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

inline Run RunProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, program + " did not finish: " + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

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
