// SPDX-License-Identifier: GPL-3.0-or-later
// Which question database a run uses, and what happens to the per-user copy
// on the way: made on first start, brought up to date from a newer bank,
// left alone when it is the user's own file beside the program.

#include "DatabaseLocation.h"
#include "TestBank.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

using namespace lumenary;
using namespace lumenary::test;

class TestDatabaseLocation : public QObject {
    Q_OBJECT

private slots:
    void locates_data()
    {
        QTest::addColumn<QString>("present"); // which files exist before the start
        QTest::addColumn<QString>("expected"); // the file the run uses
        QTest::addColumn<bool>("told");        // whether the user is told something
        QTest::addColumn<QString>("version");  // the bank the used file then matches
        QTest::newRow("first start makes the copy") << "" << "copy" << false << "new";
        QTest::newRow("an older copy is brought up to date") << "old copy" << "copy" << false << "new";
        QTest::newRow("a copy that cannot be brought up to date is used as it was")
            << "old copy,read-only" << "copy" << true << "old";
        QTest::newRow("beside the program wins and is never changed") << "beside,old copy" << "beside" << false << "old";
        QTest::newRow("no copy can be made: the installed bank") << "blocked" << "bank" << true << "new";
    }

    void locates()
    {
        QFETCH(QString, present);
        QFETCH(QString, expected);
        QFETCH(bool, told);
        QFETCH(QString, version);
        const TemporaryBank oldBank({Question(1, "Kings"), Question(2, "Kings")});
        const TemporaryBank newBank({Question(1, "Kings"), Question(3, "Kings")});
        QTemporaryDir folders;
        const QString program = folders.filePath("program");
        const QString user = folders.filePath("user");
        const QString bank = QString::fromStdString(newBank.Path().string());
        const QString old = QString::fromStdString(oldBank.Path().string());
        // The program's folder is given with a separator at its end: one is added all the same.
        const QString files[] = {program + "//lm50data.db", user + "/lm50data.db"};
        QDir().mkpath(program);
        if (present.contains("beside"))
            QVERIFY(QFile::copy(old, files[0]));
        if (present.contains("old copy")) {
            QDir().mkpath(user);
            QVERIFY(QFile::copy(old, files[1]));
        }
        if (present.contains("read-only"))
            ::chmod(files[1].toLocal8Bit().constData(), 0444);
        if (present.contains("blocked")) // a file where the user's folder should be
            QFile(user).open(QIODevice::WriteOnly);
        const QByteArray besideBefore = FileContent(files[0].toStdString());

        const LocatedDatabase located = LocateQuestionDatabase(program + "/", user, bank);

        const QString expectedFile = expected == "beside" ? files[0] : expected == "copy" ? files[1] : bank;
        QCOMPARE(located.file, expectedFile);
        QCOMPARE(located.installedBank, expected == "bank");
        QCOMPARE(!located.notice.isEmpty(), told);
        QCOMPARE(FileBankVersion(located.file.toStdString()), FileBankVersion((version == "new" ? bank : old).toStdString()));
        QCOMPARE(FileContent(files[0].toStdString()), besideBefore);
        QCOMPARE(QDir(user).entryList(QDir::Files | QDir::Hidden).filter(".lm50data.db-"), QStringList{}); // no half copy
    }
};

QTEST_GUILESS_MAIN(TestDatabaseLocation)
#include "tst_databaselocation.moc"
