// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the question database: what is accepted, what is refused and with
// which message, and that nothing is created or changed in a refused file.

#include "QuestionDatabase.h"
#include "RecordSet.h"
#include "StoreError.h"
#include "TestBank.h"

#include <SQLiteCpp/Database.h>

#include <QtTest>

#include <fstream>
#include <optional>
#include <sys/stat.h>

using namespace lumenary;
using lumenary::test::Question;

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void refusesWithAClearMessage_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "missing" << "was not found";
        QTest::newRow("folder") << "folder" << "is a folder";
        QTest::newRow("not sqlite") << "garbage" << "is not a usable SQLite database";
        QTest::newRow("no question table") << "no table" << "has no table \"lm40data\"";
        QTest::newRow("missing fields") << "no fields" << "lacks the field(s) Chapter, Chosen";
        QTest::newRow("truncated") << "truncated" << "is damaged";
        QTest::newRow("garbage pages") << "garbage pages" << "is damaged";
        QTest::newRow("held by another program") << "locked" << "is in use by another program";
        QTest::newRow("named pipe") << "pipe" << "is not a regular file";
        QTest::newRow("symbolic link loop") << "loop" << "symbolic links lead round in a loop";
        QTest::newRow("path longer than SQLite takes") << "long path" << "Move it to a shorter path.";
    }

    void refusesWithAClearMessage()
    {
        QFETCH(QString, setup);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        const std::filesystem::path file =
            folder.filePath(setup == "long path" ? QString(250, 'x') + "/" + QString(250, 'y') + "/lm50data.db"
                                                : "lm50data.db")
                .toStdString();
        if (setup == "long path") {
            std::filesystem::create_directories(file.parent_path());
            std::ofstream(file) << "SQLite cannot make a file there, so any content will do.\n";
        }
        if (setup == "pipe")
            QCOMPARE(::mkfifo(file.c_str(), 0644), 0);
        if (setup == "loop")
            std::filesystem::create_symlink(file, file);
        if (setup == "folder")
            std::filesystem::create_directory(file);
        if (setup == "garbage")
            std::ofstream(file) << "This is not a database, only a text file that happens to be here.\n";
        if (setup == "no table")
            SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE).exec("CREATE TABLE other (x)");
        if (setup == "no fields")
            SQLite::Database(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE)
                .exec("CREATE TABLE lm40data (ID, Module, Category, Book, Theme, English, French, Hebrew,"
                      " QuestionUsed, Correct)");
        std::optional<SQLite::Database> otherProgram;
        if (setup == "truncated" || setup == "garbage pages" || setup == "locked") {
            test::WriteLargeBank(file);
            if (setup == "truncated")
                test::DamageFile(file, test::Damage::Truncated);
            if (setup == "garbage pages")
                test::DamageFile(file, test::Damage::GarbagePages);
            if (setup == "locked") {
                otherProgram.emplace(file.string(), SQLite::OPEN_READWRITE);
                otherProgram->exec("BEGIN EXCLUSIVE");
            }
        }
        std::error_code unreachable;
        const bool plainFile = std::filesystem::is_regular_file(file, unreachable);
        const auto before = plainFile ? std::filesystem::file_size(file) : 0;
        try {
            QuestionDatabase::Open(file);
            QFAIL("the file was accepted");
        } catch (const StoreError& error) {
            const QString message = QString::fromStdString(error.what());
            QVERIFY2(message.contains(expected), error.what());
            QVERIFY2(message.contains(QString::fromStdString(file.string())), error.what());
        }
        QCOMPARE(std::filesystem::exists(std::filesystem::symlink_status(file)), setup != "missing");
        if (plainFile)
            QCOMPARE(std::filesystem::file_size(file), before);
    }

    // A bank without the blacklist gets one, and a blacklist another program
    // made without its two fields gets them and keeps its rows. A doubled
    // separator in the path does not matter.
    void mendsTheBlacklist_data()
    {
        QTest::addColumn<QString>("left"); // the blacklist another program left
        QTest::newRow("none") << "";
        QTest::newRow("without its fields") << "CREATE TABLE Blacklist (Note TEXT); INSERT INTO Blacklist VALUES ('kept')";
    }

    void mendsTheBlacklist()
    {
        QFETCH(QString, left);
        const test::TemporaryBank bank({Question(1, "Kings")});
        bank.Execute("DROP TABLE Blacklist; " + left.toStdString());
        QuestionDatabase::Open(bank.Folder().string() + "//" + "lm50data.db");
        QCOMPARE(bank.Number("SELECT count(*) FROM pragma_table_info('Blacklist') WHERE name IN ('English', 'Hebrew')"), 2);
        QCOMPARE(bank.Number("SELECT count(*) FROM Blacklist"), left.isEmpty() ? 0 : 1);
    }

    // A file that is not written is worked on in memory. It is read through a
    // URI, in which the characters of the last row's folder name would
    // otherwise end the path.
    void readOnlyFileIsWorkedOnInMemory_data()
    {
        QTest::addColumn<QString>("what"); // what is read-only
        QTest::addColumn<QString>("folder"); // the file's own, "" for the bank's
        QTest::addColumn<QString>("reason");
        QTest::newRow("the file") << "file" << "" << "the file cannot be written";
        QTest::newRow("its folder") << "folder" << "" << "its folder \"";
        QTest::newRow("the file, in a folder named with URI characters")
            << "file" << "why? #1 100% sure" << "the file cannot be written";
    }

    void readOnlyFileIsWorkedOnInMemory()
    {
        QFETCH(QString, what);
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        const test::TemporaryBank bank({Question(1, "Kings"), Question(2, "Kings")});
        const auto file = bank.Folder() / folder.toStdString() / "lm50data.db";
        if (!folder.isEmpty()) {
            std::filesystem::create_directory(file.parent_path());
            std::filesystem::copy_file(bank.Path(), file);
        }
        ::chmod((what == "file" ? file : file.parent_path()).c_str(), 0555);
        const auto database = QuestionDatabase::Open(file);
        ::chmod(file.parent_path().c_str(), 0755);
        QVERIFY(database->ReadOnly());
        QVERIFY2(QString::fromStdString(database->NotSavedReason()).startsWith(reason), database->NotSavedReason().c_str());
        auto table = RecordSet::OpenTable(database, "lm40data");
        table.MoveFirst();
        table.Edit();
        table.SetField("Correct", std::int64_t{0});
        table.Update();
        QCOMPARE(FieldNumber(table.Field("Correct")), 0);
        QCOMPARE(SQLite::Database(file.string()).execAndGet("SELECT Correct FROM lm40data WHERE ID = 1").getInt(), 1);
    }

    void readOnlyUseChangesNothing()
    {
        const test::TemporaryBank bank({Question(1, "Kings")});
        bank.Execute("DROP TABLE Blacklist");
        const auto database = QuestionDatabase::Open(bank.Path(), QuestionDatabase::Use::ReadOnly);
        QCOMPARE(RecordSet::OpenTable(database, "lm40data").RecordCount(), std::size_t{1});
        QCOMPARE(bank.Number("SELECT count(*) FROM sqlite_master WHERE name = 'Blacklist'"), 0);
        QVERIFY(!std::filesystem::exists(bank.Folder() / "lm50data.db-wal"));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
