#include "DatabaseLocation.h"

#include "BankUpgrade.h"
#include "InstallLayout.h"
#include "QuestionDatabase.h"
#include "StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumenary {

namespace {

const QString DatabaseFileName = QString::fromLatin1(kQuestionDatabaseFileName.data(), kQuestionDatabaseFileName.size());

// Copies the bank whole or not at all, so an interrupted first start never
// leaves a half copy that later starts would take for the user's database.
bool MakeUserCopy(const QString& bundledBank, const QString& userCopy)
{
    const QString partial = userCopy + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(bundledBank, partial))
        return false;
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFile::rename(partial, userCopy))
        return true;
    QFile::remove(partial);
    return false;
}

// The bank installed with this program, found from the program's own folder
// first, so any prefix works; then on the data path.
QString BundledBank(const QString& programFolder)
{
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(BundledBankFromProgram));
    if (QFileInfo::exists(installed))
        return installed;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("lumenary/") + DatabaseFileName);
}

} // namespace

LocatedDatabase LocateQuestionDatabase(const QString& programFolder, const QString& userDataFolder,
                                       const QString& bundledBank)
{
    const QString besideProgram = programFolder + QLatin1Char('/') + DatabaseFileName;
    if (QFileInfo::exists(besideProgram) || userDataFolder.isEmpty())
        return {besideProgram, {}};
    const bool haveBank = !bundledBank.isEmpty() && QFileInfo::exists(bundledBank);
    const QString userCopy = userDataFolder + QLatin1Char('/') + DatabaseFileName;
    if (QFileInfo::exists(userCopy)) {
        if (!haveBank)
            return {userCopy, {}};
        try {
            UpgradeQuestionCopy(userCopy.toStdString(), bundledBank.toStdString());
        } catch (const StoreError& error) {
            return {userCopy, QString::fromStdString(error.what())
                                  + QStringLiteral(" Lumenary goes on with the copy as it was; your results are kept.")};
        }
        return {userCopy, {}};
    }
    if (!haveBank)
        return {besideProgram, {}};
    if (QDir().mkpath(userDataFolder) && MakeUserCopy(bundledBank, userCopy))
        return {userCopy, {}};
    // The installed bank cannot be written by a user, so quizzes run on it
    // without keeping results rather than not at all.
    return {bundledBank, QStringLiteral("Your copy of the question bank could not be made in \"%1\". Lumenary runs on "
                                        "the installed bank, and your results will not be kept.")
                             .arg(userDataFolder)};
}

LocatedDatabase QuestionDatabaseLocation(const QString& ownDatabase)
{
    if (!ownDatabase.isEmpty())
        return {ownDatabase, {}};
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return LocateQuestionDatabase(programFolder,
                                  userData.isEmpty() ? QString() : userData + QLatin1Char('/') + QLatin1String(ApplicationId),
                                  BundledBank(programFolder));
}

} // namespace lumenary
