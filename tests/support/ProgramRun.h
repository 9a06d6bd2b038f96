// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Running one of the real programs as a user or a script would, and writing
// the files it is given.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace lumenary::test {

struct Run {
    int exitCode = -1; // -1 also when the program crashed or did not finish
    QString out;
    QString err;

    QStringList Lines() const { return out.split('\n', Qt::SkipEmptyParts); }
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

#ifdef LUMENARY_DB
inline Run RunLumenaryDb(const QStringList& arguments)
{
    return RunProgram(QStringLiteral(LUMENARY_DB), arguments);
}
#endif

inline bool WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace lumenary::test
