// SPDX-License-Identifier: GPL-3.0-or-later
// The installed question bank is never written, and a full disk does not stop
// the program: the bank installed with `cmake --install` into a temporary
// prefix, the per-user copy on a real filesystem that fills up (a small
// tmpfs; the test runs in a mount namespace of its own, made by `unshare`),
// and a whole quiz with misses through the real windows.

#include "AppFixture.h"
#include "InstallTestSupport.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QCryptographicHash>
#include <QDirIterator>

#include <fstream>
#include <sys/mount.h>

using namespace lumenary;
using namespace lumenary::test;

namespace {

QByteArray Checksum(const QString& file)
{
    return QCryptographicHash::hash(FileContent(file.toStdString()), QCryptographicHash::Sha256).toHex();
}

// Writes a file until the filesystem has no room left.
void FillDisk(const QString& folder)
{
    std::ofstream filler((folder + "/filler").toStdString(), std::ios::binary);
    const std::string block(64 * 1024, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
        filler.flush();
}

// Every file under a folder, by its path in the folder.
QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator found(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << QDir(folder).relativeFilePath(found.next());
    files.sort();
    return files;
}

// The smallest module of a bank, so the quiz is short.
std::string SmallestModule(const QString& bank)
{
    SQLite::Database database(bank.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement query(database, "SELECT Module FROM lm40data GROUP BY Module ORDER BY count(*) LIMIT 1");
    query.executeStep();
    return query.getColumn(0).getString();
}

} // namespace

class TestInstalledBank : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root_;
    QString prefix_;
    QString smallDisk_;

    QString Bank() const { return prefix_ + "/share/lumenary/lm50data.db"; }

    // Starts the program as main() does and misses every question of one
    // flashcard quiz (not retried); returns the messages shown but the
    // quiz's own.
    std::vector<Message> RunQuizWithMisses(const QString& userFolder)
    {
        SeededRandom random;
        RecordingPrompter prompter;
        LumenaryApp app(prompter, random, [] {});
        const LocatedDatabase database = LocateQuestionDatabase(prefix_ + "/bin", userFolder, Bank());
        if (!app.Start(database))
            return prompter.messages;
        app.State().QuizFilter = "Module = '" + SmallestModule(Bank()) + "'";
        app.MainWindow().QuizType = "Flashcard";
        app.MainWindow().BeginQuiz();
        for (int asked = 0; AppFixture::Window("FrmFlashcard") && asked < 1000; ++asked) {
            AppFixture::Click("FrmFlashcard", "CmdShowAnswer");
            AppFixture::Click("FrmFlashcard", "CmdIncorrect");
        }
        [&] { QVERIFY2(!AppFixture::Window("FrmFlashcard"), "the quiz did not end"); }();
        app.MainWindow().EndProgram();
        std::erase_if(prompter.messages,
                      [](const Message& message) { return message.question || message.title == "Last Question"; });
        return prompter.messages;
    }

private slots:
    void initTestCase()
    {
        prefix_ = root_.path() + "/usr";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const Run install = RunProgram(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", prefix_}, environment);
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
        smallDisk_ = root_.path() + "/small-disk";
        QVERIFY(QDir().mkpath(smallDisk_));
        const auto room = std::to_string(QFileInfo(Bank()).size() + 2 * 1024 * 1024);
        QVERIFY2(::mount("tmpfs", smallDisk_.toLocal8Bit().constData(), "tmpfs", 0, ("size=" + room).c_str()) == 0,
                 "a tmpfs cannot be mounted: run this test in a mount namespace of its own (unshare -rm)");
    }

    void cleanupTestCase() { ::umount(smallDisk_.toLocal8Bit().constData()); }

    void init()
    {
        for (const QString& name : QDir(smallDisk_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            QVERIFY(QFileInfo(smallDisk_ + "/" + name).isDir() ? QDir(smallDisk_ + "/" + name).removeRecursively()
                                                                : QFile::remove(smallDisk_ + "/" + name));
    }

    // Whatever keeps the per-user copy from being made or written, the
    // quiz runs, its misses are kept in memory only, the user is told once,
    // and neither the installed bank nor the copy changes by a byte.
    void quizWithMissesChangesNoFileItMayNotWrite_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("told"); // a part of the one message
        QTest::addColumn<bool>("onCopy");  // the run uses the per-user copy
        QTest::newRow("a file where the user's folder should be")
            << "file in the way" << "Lumenary runs on the installed question bank" << false;
        QTest::newRow("disk full before the copy is made") << "full, no copy" << "(the disk is full)" << false;
        QTest::newRow("disk full with the copy there") << "full, copy" << "(the disk is full)" << true;
    }

    void quizWithMissesChangesNoFileItMayNotWrite()
    {
        QFETCH(QString, situation);
        QFETCH(QString, told);
        QFETCH(bool, onCopy);
        const QString user = smallDisk_ + "/lumenary";
        const QString copy = user + "/lm50data.db";
        if (situation == "file in the way")
            QVERIFY(QFile(user).open(QIODevice::WriteOnly));
        if (situation == "full, copy") { // a copy that has been used: in WAL mode
            QCOMPARE(LocateQuestionDatabase(prefix_ + "/bin", user, Bank()).file, copy);
            QuestionDatabase::Open(copy.toStdString());
        }
        if (situation.startsWith("full"))
            FillDisk(smallDisk_);
        const QByteArray bankBefore = Checksum(Bank());
        const QByteArray copyBefore = onCopy ? Checksum(copy) : QByteArray();
        const QStringList filesBefore = FilesUnder(smallDisk_);

        const std::vector<Message> messages = RunQuizWithMisses(user);

        QCOMPARE(messages.size(), std::size_t{1});
        QVERIFY2(QString::fromStdString(messages[0].text).contains(told), messages[0].text.c_str());
        QCOMPARE(Checksum(Bank()), bankBefore);
        QCOMPARE(FilesUnder(QFileInfo(Bank()).path()), QStringList{"lm50data.db"}); // no journal, no index
        if (onCopy)
            QCOMPARE(Checksum(copy), copyBefore);
        QCOMPARE(FilesUnder(smallDisk_), filesBefore); // nor a half copy
        // With room again, the file is a sound database for any other program.
        QFile::remove(smallDisk_ + "/filler");
        if (onCopy) {
            SQLite::Database database(copy.toStdString(), SQLite::OPEN_READONLY);
            QCOMPARE(database.execAndGet("PRAGMA integrity_check").getString(), std::string("ok"));
        }
    }
};

LUMENARY_GUI_TEST_MAIN(TestInstalledBank)
#include "tst_installedbank.moc"
