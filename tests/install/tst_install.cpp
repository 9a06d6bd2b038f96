// The program as a user gets it: installed into a temporary prefix with
// `cmake --install`, then its installed programs run from there with a fresh
// home folder, and the desktop entry and metainfo put through Debian's
// validators.

#include "InstalledFiles.h"
#include "Version.h"

#include <SQLiteCpp/Database.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString AppId = QStringLiteral(LUMENARY_APP_ID);

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    QString prefix_;
    QString home_;

    QString Installed(const QString& path) const { return prefix_ + "/" + path; }
    QString UserCopy() const { return home_ + "/.local/share/" + AppId + "/lm50data.db"; }

    Run RunInstalled(const QString& program, const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home_);
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS"})
            environment.remove(variable);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        return RunProgram(program.contains('/') ? program : Installed("bin/" + program), arguments, environment);
    }

    static Run RunProgram(const QString& program, const QStringList& arguments,
                          const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            return {-1, {}, program + " did not finish: " + process.errorString()};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

    static QByteArray Content(const QString& file)
    {
        QFile content(file);
        return content.open(QIODevice::ReadOnly) ? content.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root_.isValid());
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
        QTest::addColumn<int>("pixels"); // the side of a square icon; 0 for other files
        for (const auto& file : lumenary::test::InstalledFiles(AppId))
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
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString version = QLatin1String(lumenary::ProgramVersion);
        QTest::newRow("version") << "lumenary" << QStringList{"--version"} << 0 << "lumenary " + version + "\n" << "";
        QTest::newRow("tool version") << "lumenary-db" << QStringList{"--version"} << 0
                                      << "lumenary-db " + version + "\n" << "";
        QTest::newRow("help") << "lumenary" << QStringList{"--help"} << 0 << "--database-path" << "";
        QTest::newRow("unknown option") << "lumenary" << QStringList{"--colour"} << 1 << "" << "colour";
        QTest::newRow("stray argument") << "lumenary" << QStringList{"quiz"} << 1 << ""
                                        << "unexpected argument 'quiz'";
        QTest::newRow("database without a file") << "lumenary" << QStringList{"--database"} << 1 << "" << "database";
        QTest::newRow("own database that is not there")
            << "lumenary" << QStringList{"--database-path", "--database", "/nowhere/mine.db"} << 1
            << "/nowhere/mine.db\n" << "no question database";
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
        const Run run = RunInstalled("lumenary", {"--database-path"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, UserCopy() + "\n");
        QCOMPARE(run.err, QString());
        QCOMPARE(Content(UserCopy()), Content(Installed("share/lumenary/lm50data.db")));

        const Run check = RunInstalled("lumenary-db", {"check", Installed("share/lumenary/lm50data.db")});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    }

    // Continues from the copy the first start made: an older copy with a miss
    // marked is brought up to the installed bank, and one that cannot be
    // written is left as it was with one message.
    void startBringsAnOlderCopyUpToDate()
    {
        QVERIFY(QFile::exists(UserCopy()));
        std::int64_t dropped = 0;
        std::int64_t missed = 0;
        {
            SQLite::Database copy(UserCopy().toStdString(), SQLite::OPEN_READWRITE);
            dropped = copy.execAndGet("SELECT min(ID) FROM lm40data").getInt64();
            missed = copy.execAndGet("SELECT max(ID) FROM lm40data").getInt64();
            copy.exec("DELETE FROM lm40data WHERE ID = " + std::to_string(dropped));
            copy.exec("UPDATE lm40data SET Correct = 0, Chosen = 1 WHERE ID = " + std::to_string(missed));
            copy.exec("UPDATE BankInfo SET Value = '0.1+0000' WHERE Name = 'Version'");
        }
        ::chmod(UserCopy().toLocal8Bit().constData(), 0444);
        const QByteArray before = Content(UserCopy());
        const Run refused = RunInstalled("lumenary", {"--database-path"});
        QCOMPARE(refused.exitCode, 0);
        QCOMPARE(refused.out, UserCopy() + "\n");
        QCOMPARE(refused.err.count("could not be brought up to date"), 1);
        QCOMPARE(refused.err.count('\n'), 1);
        QVERIFY(Content(UserCopy()) == before);

        ::chmod(UserCopy().toLocal8Bit().constData(), 0644);
        const Run upgraded = RunInstalled("lumenary", {"--database-path"});
        QVERIFY2(upgraded.exitCode == 0 && upgraded.err.isEmpty(), qPrintable(upgraded.err));
        SQLite::Database copy(UserCopy().toStdString(), SQLite::OPEN_READONLY);
        const auto number = [&](const std::string& sql) { return copy.execAndGet(sql).getInt64(); };
        QCOMPARE(number("SELECT count(*) FROM lm40data WHERE ID = " + std::to_string(dropped)), 1);
        QCOMPARE(number("SELECT Correct + 10 * Chosen FROM lm40data WHERE ID = " + std::to_string(missed)), 10);
        SQLite::Database bank(Installed("share/lumenary/lm50data.db").toStdString(), SQLite::OPEN_READONLY);
        QCOMPARE(copy.execAndGet("SELECT Value FROM BankInfo").getString(),
                 bank.execAndGet("SELECT Value FROM BankInfo").getString());
    }

    void validatorsAcceptTheDesktopFiles_data()
    {
        QTest::addColumn<QString>("validator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::newRow("menu entry") << "desktop-file-validate" << QStringList{}
                                    << "share/applications/" + AppId + ".desktop";
        QTest::newRow("software-centre entry") << "appstreamcli" << QStringList{"validate", "--no-net"}
                                               << "share/metainfo/" + AppId + ".metainfo.xml";
    }

    void validatorsAcceptTheDesktopFiles()
    {
        QFETCH(QString, validator);
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const QString program = QStandardPaths::findExecutable(validator);
        QVERIFY2(!program.isEmpty(), qPrintable(validator + " is not installed (scripts/setup installs it)"));
        const Run run = RunProgram(program, arguments << Installed(file));
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        // Warnings fail the check too; desktop-file-validate prints nothing for a clean file.
        QVERIFY2(!run.out.contains("W:") && !run.out.contains("warning", Qt::CaseInsensitive),
                 qPrintable(run.out + run.err));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
