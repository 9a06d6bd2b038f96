#include "DatabaseLocation.h"

#include "QuestionDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumenary {

namespace {

const QString DatabaseFileName = QString::fromLatin1(kQuestionDatabaseFileName.data(), kQuestionDatabaseFileName.size());

} // namespace

QString LocateQuestionDatabase(const QString& programFolder, const QString& userDataFolder,
                               const QString& bundledBank)
{
    const QString besideProgram = programFolder + QLatin1Char('/') + DatabaseFileName;
    if (QFileInfo::exists(besideProgram) || userDataFolder.isEmpty())
        return besideProgram;
    const QString userCopy = userDataFolder + QLatin1Char('/') + DatabaseFileName;
    if (QFileInfo::exists(userCopy))
        return userCopy;
    if (bundledBank.isEmpty() || !QFileInfo::exists(bundledBank))
        return besideProgram;
    QDir().mkpath(userDataFolder);
    if (!QFile::copy(bundledBank, userCopy))
        return besideProgram;
    QFile::setPermissions(userCopy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return userCopy;
}

QString QuestionDatabaseLocation()
{
    const QString bundled = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                   QStringLiteral("lumenary/") + DatabaseFileName);
    return LocateQuestionDatabase(QCoreApplication::applicationDirPath(),
                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), bundled);
}

} // namespace lumenary
