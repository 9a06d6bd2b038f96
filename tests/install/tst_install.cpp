// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user gets it: installed into a temporary prefix with
// `cmake --install`, its installed programs run from there with a fresh home
// folder, and the desktop entry and metainfo put through Debian's validators.

#include "InstallTestSupport.h"
#include "TestBank.h"
#include "Version.h"

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using namespace lumenary::test;

namespace {

const QString AppId = QStringLiteral(LUMENARY_APP_ID);

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    QString prefix_;
    QString home_;

    QString Installed(const QString& path) const { return prefix_ + "/" + path; }

    // With no display: what these runs do must not need one.
    QProcessEnvironment Environment(const QString& home) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        for (const char* variable : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(variable);
        return environment;
    }

    Run RunInstalled(const QString& program, const QStringList& arguments) const
    {
        return RunProgram(Installed("bin/" + program), arguments, Environment(home_));
    }

private slots:
    void initTestCase()
    {
        // A prefix off the default data path: the program must find its bank from its own folder.
        prefix_ = root_.path() + "/opt/lumenary";
        home_ = root_.path() + "/home";
        QVERIFY(QDir().mkpath(home_));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", root_.path());
        const Run install = RunProgram(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", "/opt/lumenary"}, environment);
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    void installsEveryPiece_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("pixels");
        for (const auto& file : InstalledFiles(AppId))
            QTest::newRow(qPrintable(file.what)) << file.path << file.pixels;
    }

    void installsEveryPiece()
    {
        QFETCH(QString, file);
        QFETCH(int, pixels);
        QVERIFY2(QFileInfo(Installed(file)).isFile(), qPrintable(file));
        if (pixels > 0) {
            const QImage icon(Installed(file));
            QCOMPARE(icon.size(), QSize(pixels, pixels));
            QVERIFY(icon.hasAlphaChannel());
        }
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // the whole output when it ends a line, else a part of it
        QTest::addColumn<QString>("err");
        const QString version = QLatin1String(lumenary::ProgramVersion);
        QTest::newRow("version") << "lumenary" << QStringList{"--version"} << 0 << "lumenary " + version + "\n" << "";
        QTest::newRow("tool version") << "lumenary-db" << QStringList{"--version"} << 0
                                      << "lumenary-db " + version + "\n" << "";
        QTest::newRow("help") << "lumenary" << QStringList{"--help"} << 0 << "--database-path" << "";
        QTest::newRow("unknown option") << "lumenary" << QStringList{"--bogus"} << 1 << "" << "Unknown option 'bogus'";
        QTest::newRow("stray argument") << "lumenary" << QStringList{"quiz"} << 1 << ""
                                        << "unexpected argument 'quiz'";
        QTest::newRow("stray argument after the windowing system's options")
            << "lumenary" << QStringList{"-platform", "offscreen", "-reverse", "quiz"} << 1 << ""
            << "unexpected argument 'quiz'";
        QTest::newRow("database without a file") << "lumenary" << QStringList{"--database"} << 1 << "" << "database";
        QTest::newRow("own database that is not there")
            << "lumenary" << QStringList{"--database-path", "--database", "/nowhere/mine.db"} << 1
            << "/nowhere/mine.db\n" << "no question database";
        QTest::newRow("database path beside the windowing system's options")
            << "lumenary" << QStringList{"-platform", "offscreen", "--database-path", "--database", "/nowhere/mine.db"}
            << 1 << "/nowhere/mine.db\n" << "no question database";
    }

    void commandLine()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = RunInstalled(program, arguments);
        QVERIFY2(run.exitCode == exitCode, qPrintable(QString("exit %1: %2%3").arg(run.exitCode).arg(run.out, run.err)));
        QVERIFY2(out.endsWith('\n') ? run.out == out : run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
    }

    void firstStartCopiesTheInstalledBank()
    {
        const QString bank = Installed("share/lumenary/lm50data.db");
        const QString copy = home_ + "/.local/share/" + AppId + "/lm50data.db";
        const Run run = RunInstalled("lumenary", {"--database-path"});
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(run.out, copy + "\n");
        QVERIFY(FileContent(copy.toStdString()) == FileContent(bank.toStdString()));

        const Run check = RunInstalled("lumenary-db", {"check", bank});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    }

    // The XDG base-directory rules: a relative XDG_DATA_HOME is ignored;
    // without a home folder there is no place for the copy, and the program
    // runs on the installed bank, saying so.
    void dataFolderFollowsTheXdgRules_data()
    {
        QTest::addColumn<QString>("home");     // "-" for unset
        QTest::addColumn<QString>("dataHome"); // "-" for unset; "ROOT" stands for the test's folder
        QTest::addColumn<QString>("expected"); // the path printed, with HOME, ROOT and PREFIX standing for those
        QTest::addColumn<QString>("told");
        const QString copy = "/" + AppId + "/lm50data.db";
        QTest::newRow("absolute XDG_DATA_HOME") << "HOME" << "ROOT/data" << "ROOT/data" + copy << "";
        QTest::newRow("relative XDG_DATA_HOME is ignored") << "HOME" << "relative/data" << "HOME/.local/share" + copy << "";
        QTest::newRow("no HOME") << "-" << "-" << "PREFIX/share/lumenary/lm50data.db" << "HOME is not set";
        QTest::newRow("relative HOME") << "home" << "relative/data" << "PREFIX/share/lumenary/lm50data.db"
                                       << "HOME is not set";
    }

    void dataFolderFollowsTheXdgRules()
    {
        QFETCH(QString, home);
        QFETCH(QString, dataHome);
        QFETCH(QString, expected);
        QFETCH(QString, told);
        const QTemporaryDir folder;
        const auto place = [&](QString text) {
            return text.replace("HOME", folder.path() + "/home").replace("ROOT", folder.path()).replace("PREFIX", prefix_);
        };
        QProcessEnvironment environment = Environment(place(home));
        if (home == "-")
            environment.remove("HOME");
        if (dataHome != "-")
            environment.insert("XDG_DATA_HOME", place(dataHome));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        program.start(Installed("bin/lumenary"), {"--database-path"});
        QVERIFY(program.waitForFinished(60000));
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), place(expected) + "\n");
        QVERIFY2(told.isEmpty() ? err.isEmpty() : err.contains(told), qPrintable(err));
        QVERIFY2(!QFileInfo::exists(folder.path() + "/relative"), "a relative data folder was used");
    }

    // Two first starts at once, 50 times over: each process ends on the
    // per-user copy, whichever of the two made it.
    void firstStartsThatRaceBothEndOnTheCopy()
    {
        const QTemporaryDir homes;
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int pair = 0; pair < 50; ++pair)
            for (int side = 0; side < 2; ++side) {
                auto& process = *processes.emplace_back(std::make_unique<QProcess>());
                process.setProcessEnvironment(Environment(homes.filePath(QString::number(pair))));
                process.start(Installed("bin/lumenary"), {"--database-path"});
            }
        for (auto& process : processes)
            QVERIFY(process->waitForFinished(120000));
        for (std::size_t i = 0; i < processes.size(); ++i) {
            QProcess& process = *processes[i];
            const QString copy = homes.filePath(QString::number(i / 2)) + "/.local/share/" + AppId + "/lm50data.db";
            const QString err = QString::fromUtf8(process.readAllStandardError());
            QVERIFY2(process.exitCode() == 0 && err.isEmpty(), qPrintable(err));
            QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), copy + "\n");
            QCOMPARE(QDir(QFileInfo(copy).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"lm50data.db"});
        }
    }

    void validatorsAcceptTheDesktopFiles_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("menu entry") << "desktop-file-validate"
                                    << QStringList{Installed("share/applications/" + AppId + ".desktop")};
        QTest::newRow("software-centre entry")
            << "appstreamcli" << QStringList{"validate", "--no-net", Installed("share/metainfo/" + AppId + ".metainfo.xml")};
    }

    void validatorsAcceptTheDesktopFiles()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        const QString program = QStandardPaths::findExecutable(validator);
        QVERIFY2(!program.isEmpty(), qPrintable(validator + " is not installed (scripts/setup installs it)"));
        const Run run = RunProgram(program, arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        // A warning fails the check too.
        QVERIFY2(!run.out.contains("W:") && !run.out.contains("warning", Qt::CaseInsensitive), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
