// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseLocation.h"

#include "BankUpgrade.h"
#include "InstallLayout.h"
#include "QuestionDatabase.h"
#include "StoreError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace lumenary {

namespace {

const QString DatabaseFileName = QString::fromLatin1(kQuestionDatabaseFileName.data(), kQuestionDatabaseFileName.size());

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// A file made under a name of its own, removed again unless it was put in place.
class PartialFile {
public:
    explicit PartialFile(const std::filesystem::path& folder)
    {
        std::string name = (folder / ".lm50data.db-XXXXXX").string();
        descriptor_ = ::mkstemp(name.data());
        if (descriptor_ >= 0)
            path_ = name;
    }
    ~PartialFile()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    int Descriptor() const { return descriptor_; }
    const std::filesystem::path& Path() const { return path_; }

private:
    int descriptor_ = -1;
    std::filesystem::path path_;
};

// Copies the bank whole, under a name of its own, and puts it in place only
// when no copy is there yet: an interrupted first start leaves no half copy
// that later starts would take for the user's database, and of two first
// starts at once neither replaces or removes what the other made. A copy
// made by another start meanwhile counts as made.
std::error_code MakeUserCopy(const std::filesystem::path& bank, const std::filesystem::path& userCopy)
{
    std::error_code error;
    std::filesystem::create_directories(userCopy.parent_path(), error);
    if (error)
        return error;
    const PartialFile partial(userCopy.parent_path());
    if (partial.Descriptor() < 0)
        return LastError();
    std::filesystem::copy_file(bank, partial.Path(), std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        return error;
    if (::fchmod(partial.Descriptor(), 0644) != 0 || ::fsync(partial.Descriptor()) != 0)
        return LastError();
    // A hard link is made only where no file of that name exists.
    if (::link(partial.Path().c_str(), userCopy.c_str()) == 0 || errno == EEXIST)
        return {};
    // A file system without hard links (FAT) still renames without replacing.
    if ((errno == EPERM || errno == EOPNOTSUPP)
        && (::renameat2(AT_FDCWD, partial.Path().c_str(), AT_FDCWD, userCopy.c_str(), RENAME_NOREPLACE) == 0
            || errno == EEXIST))
        return {};
    return LastError();
}

// Why the copy could not be made, in words for the user.
QString DescribeCopyFailure(const std::error_code& error)
{
    switch (error.value()) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("the disk is full");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("the folder cannot be written");
    case ENOTDIR:
    case EEXIST:
        return QStringLiteral("a file stands where that folder or one above it should be");
    case ENAMETOOLONG:
        return QStringLiteral("its path is too long");
    case ELOOP:
        return QStringLiteral("its symbolic links lead round in a loop");
    default:
        return QString::fromStdString(error.message());
    }
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

// The user's data folder by the XDG base-directory rules: XDG_DATA_HOME when
// it is an absolute path (a relative one is ignored), otherwise
// ~/.local/share; none when HOME is not an absolute path either.
QString UserDataFolder()
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome);
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share"));
    return {};
}

LocatedDatabase InstalledBank(const QString& bundledBank, const QString& why)
{
    return {bundledBank,
            why + QStringLiteral(" Lumenary runs on the installed question bank, and your results will not be kept."),
            true};
}

} // namespace

LocatedDatabase LocateQuestionDatabase(const QString& programFolder, const QString& userDataFolder,
                                       const QString& bundledBank)
{
    const QString besideProgram = programFolder + QLatin1Char('/') + DatabaseFileName;
    if (QFileInfo::exists(besideProgram))
        return {besideProgram, {}};
    const bool haveBank = !bundledBank.isEmpty() && QFileInfo::exists(bundledBank);
    if (userDataFolder.isEmpty())
        return haveBank ? InstalledBank(bundledBank, QStringLiteral("There is no folder for your copy of the question "
                                                                    "bank: HOME is not set to a folder."))
                        : LocatedDatabase{besideProgram, {}};
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
    const std::error_code failure = MakeUserCopy(bundledBank.toStdString(), userCopy.toStdString());
    if (!failure)
        return {userCopy, {}};
    return InstalledBank(bundledBank, QStringLiteral("Your copy of the question bank could not be made in \"%1\" (%2).")
                                          .arg(userDataFolder, DescribeCopyFailure(failure)));
}

LocatedDatabase QuestionDatabaseLocation(const QString& ownDatabase)
{
    if (!ownDatabase.isEmpty())
        return {ownDatabase, {}};
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString userData = UserDataFolder();
    return LocateQuestionDatabase(programFolder,
                                  userData.isEmpty() ? QString() : userData + QLatin1Char('/') + QLatin1String(ApplicationId),
                                  BundledBank(programFolder));
}

} // namespace lumenary
