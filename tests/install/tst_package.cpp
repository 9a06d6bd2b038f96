// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package: built by CPack from the build tree, then its control
// fields, file list and changelog read back with dpkg-deb, put through
// lintian, and installed and removed again with dpkg in a root folder of its
// own.

#include "InstallTestSupport.h"
#include "Version.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumenary::test;

class TestPackage : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString package_;

    QString Field(const QString& name) const
    {
        return RunProgram("dpkg-deb", {"--field", package_, name}).out.trimmed();
    }

    // Every file under a folder, relative to it.
    static QStringList FilesUnder(const QString& folder)
    {
        QStringList files;
        QDirIterator found(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (found.hasNext())
            files << QDir(folder).relativeFilePath(found.next());
        return files;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        const Run cpack = RunProgram(CPACK_COMMAND, {"--config", BUILD_DIR "/CPackConfig.cmake", "-B", folder_.path()});
        QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.out + cpack.err));
        const QStringList built = QDir(folder_.path()).entryList({"*.deb"}, QDir::Files);
        QCOMPARE(built.size(), 1);
        package_ = folder_.filePath(built.first());
    }

    void controlFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("holds");
        QTest::newRow("name") << "Package" << "lumenary";
        QTest::newRow("version from the build") << "Version" << QString::fromLatin1(lumenary::ProgramVersion);
        QTest::newRow("section") << "Section" << "education";
        // Worked out from the linked libraries, so each of these shows up with its version.
        QTest::newRow("needs Qt Widgets") << "Depends" << "libqt6widgets6 (>=";
        QTest::newRow("needs Qt SVG") << "Depends" << "libqt6svg6 (>=";
        QTest::newRow("needs SQLite") << "Depends" << "libsqlite3-0 (>=";
        QTest::newRow("needs the C library") << "Depends" << "libc6 (>=";
    }

    void controlFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, holds);
        const QString value = Field(field);
        QVERIFY2(value == holds || (holds.endsWith("(>=") && value.contains(holds)), qPrintable(field + ": " + value));
    }

    // Debian's own checks of a binary package: not one error or warning.
    void passesLintian()
    {
        const Run lintian = RunProgram("lintian", {"--fail-on", "error,warning", package_});
        QVERIFY2(lintian.exitCode == 0, qPrintable(lintian.out + lintian.err));
        QVERIFY2(!QRegularExpression("^[EW]: ", QRegularExpression::MultilineOption).match(lintian.out).hasMatch(),
                 qPrintable(lintian.out));
    }

    // The changelog has one entry for each release the software-centre entry
    // lists, with the same version and date, newest first in both.
    void changelogFollowsTheReleases()
    {
        const QString root = folder_.filePath("unpacked");
        QCOMPARE(RunProgram("dpkg-deb", {"--extract", package_, root}).exitCode, 0);
        const Run changelog = RunProgram("gzip", {"-dc", root + "/usr/share/doc/lumenary/changelog.gz"});
        QCOMPARE(changelog.exitCode, 0);
        QStringList entries;
        const QRegularExpression heading("^lumenary \\(([^)]+)\\) ");
        const QRegularExpression signature("^ -- .+>  (.+)$");
        QString version;
        for (const QString& line : changelog.out.split('\n')) {
            if (const auto head = heading.match(line); head.hasMatch())
                version = head.captured(1);
            else if (const auto end = signature.match(line); end.hasMatch())
                entries << version + " "
                               + QDateTime::fromString(end.captured(1), Qt::RFC2822Date).toString("yyyy-MM-dd");
        }

        QFile metainfo(root + "/usr/share/metainfo/" LUMENARY_APP_ID ".metainfo.xml");
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QStringList releases;
        const QRegularExpression release("<release version=\"([^\"]+)\" date=\"([^\"]+)\"");
        for (auto found = release.globalMatch(QString::fromUtf8(metainfo.readAll())); found.hasNext();) {
            const auto match = found.next();
            releases << match.captured(1) + " " + match.captured(2);
        }
        QVERIFY(!releases.isEmpty());
        QCOMPARE(entries, releases);
    }

    void installsAndRemovesCleanly()
    {
        // A root folder with an empty package database: dpkg installs there
        // without touching this machine, and tells what removal leaves behind.
        const QString root = folder_.filePath("root");
        const QString admin = root + "/var/lib/dpkg";
        for (const char* sub : {"info", "updates", "triggers"})
            QVERIFY(QDir().mkpath(admin + "/" + sub));
        for (const char* file : {"status", "available"})
            QFile(admin + "/" + file).open(QIODevice::WriteOnly);
        const QStringList dpkg{"--root=" + root, "--force-not-root", "--force-depends", "--log=/dev/null"};

        const Run install = RunProgram("dpkg", QStringList(dpkg) << "--install" << package_);
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
        const QStringList installed = FilesUnder(root + "/usr");
        for (const auto& file : InstalledFiles(QStringLiteral(LUMENARY_APP_ID)))
            QVERIFY2(installed.contains(file.path), qPrintable(file.path));

        const Run remove = RunProgram("dpkg", QStringList(dpkg) << "--purge" << "lumenary");
        QVERIFY2(remove.exitCode == 0, qPrintable(remove.out + remove.err));
        QCOMPARE(FilesUnder(root + "/usr"), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
