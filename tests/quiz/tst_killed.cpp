// SPDX-License-Identifier: GPL-3.0-or-later
// Killed at any moment, nothing committed is lost: a quiz program on a real
// database file is ended with SIGKILL at random moments. After each kill the
// file must pass SQLite's integrity check, hold every marker and every answer
// the program reported committed (and the write it had begun, wholly or not
// at all: a miss's marker never without its answer, nor the answer without
// its marker), every answer must have its card and its run, and the next
// start must run a quiz again. The quiz program lets another
// connection hold the file now and then: the writes it blocks are not saved,
// and the writes after them must be committed as before.

#include "QuestionDatabase.h"
#include "TestBank.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <map>
#include <numeric>
#include <optional>

using namespace lumenary;

namespace {

constexpr int Kills = 120;

struct Marks {
    std::int64_t used = 0;
    std::int64_t correct = 0;
    std::int64_t chosen = 0;
    bool operator==(const Marks&) const = default;
};

using FileMarks = std::map<std::int64_t, Marks>;

// Modules of several pool sizes, so kills land in preparations and draws.
std::vector<BankQuestion> Bank(std::map<std::int64_t, std::string>& moduleOf)
{
    std::vector<BankQuestion> questions;
    std::int64_t id = 0;
    for (const int size : {20, 60, 150, 300})
        for (int i = 0; i < size; ++i) {
            questions.push_back(test::Question(++id, "K" + std::to_string(size)));
            moduleOf[id] = "K" + std::to_string(size);
        }
    return questions;
}

// The marks of every question and the number of answers recorded for it.
struct Record {
    FileMarks marks;
    std::map<std::int64_t, std::int64_t> answers;
    bool operator==(const Record&) const = default;
};

struct FileState {
    QString integrity;
    Record record;
    QString recordFault; // an answer without its card or run, a card without its answers
};

std::int64_t Count(SQLite::Database& database, const char* sql)
{
    return database.execAndGet(sql).getInt64();
}

FileState ReadFile(const std::filesystem::path& file)
{
    SQLite::Database database(file.string(), SQLite::OPEN_READWRITE);
    FileState state{QString::fromStdString(database.execAndGet("PRAGMA integrity_check").getString()), {}, {}};
    SQLite::Statement rows(database, "SELECT ID, QuestionUsed, Correct, Chosen FROM lm40data");
    while (rows.executeStep())
        state.record.marks[rows.getColumn(0).getInt64()] = {rows.getColumn(1).getInt64(),
                                                            rows.getColumn(2).getInt64(), rows.getColumn(3).getInt64()};
    SQLite::Statement answers(database, "SELECT QuestionID, count(*) FROM StudyAnswer GROUP BY QuestionID");
    while (answers.executeStep())
        state.record.answers[answers.getColumn(0).getInt64()] = answers.getColumn(1).getInt64();
    if (Count(database, "SELECT count(*) FROM StudyAnswer a LEFT JOIN StudyCard c ON c.QuestionID = a.QuestionID "
                        "AND c.Way = a.Way WHERE c.QuestionID IS NULL") != 0)
        state.recordFault = "an answer has no card";
    else if (Count(database, "SELECT count(*) FROM StudyCard c WHERE Answers != (SELECT count(*) FROM StudyAnswer a "
                             "WHERE a.QuestionID = c.QuestionID AND a.Way = c.Way)") != 0)
        state.recordFault = "a card's count of answers differs from its answers";
    else if (Count(database, "SELECT count(*) FROM StudyAnswer WHERE RunID NOT IN (SELECT ID FROM StudyRun)") != 0)
        state.recordFault = "an answer has no run";
    else if (Count(database, "SELECT (SELECT count(*) FROM StudyAnswer) - (SELECT coalesce(sum(Asked), 0) FROM "
                             "StudyRun)") != 0)
        state.recordFault = "the runs' counts of questions asked differ from their answers";
    return state;
}

// What the quiz program's writes do to the marks and answers, as the program promises.
class Model {
public:
    Model(Record record, std::map<std::int64_t, std::string> moduleOf)
        : record_(std::move(record)), moduleOf_(std::move(moduleOf))
    {
    }

    const Record& Current() const { return record_; }
    void Reset(Record record) { record_ = std::move(record); }

    // Applies one write ("P K20 retry", "U 7", "A 7 0" for a miss, "A 7 1") to a copy.
    Record After(const QString& write) const
    {
        Record after = record_;
        const QStringList words = write.split(' ');
        if (words[0] == "P") {
            const bool retry = words.size() > 2;
            for (auto& [id, marks] : after.marks)
                if (moduleOf_.at(id) == words[1].toStdString() && (!retry || marks.correct == 0))
                    marks = {0, 1, 1};
        } else if (words[0] == "U") {
            after.marks.at(words[1].toLongLong()).used = 1;
        } else if (words[0] == "A") {
            const auto id = words[1].toLongLong();
            ++after.answers[id];
            if (words[2] == "0")
                after.marks.at(id).correct = 0;
        }
        return after;
    }

    void Apply(const QString& write) { record_ = After(write); }

private:
    Record record_;
    std::map<std::int64_t, std::string> moduleOf_;
};

// A draw reports its question only once committed: a begun draw may have
// marked exactly one question used that was not.
bool OneMoreDrawn(const FileMarks& before, const FileMarks& file)
{
    int drawn = 0;
    for (const auto& [id, marks] : before) {
        const auto& now = file.at(id);
        if (now == marks)
            continue;
        if (marks.used != 0 || now != Marks{1, marks.correct, marks.chosen})
            return false;
        ++drawn;
    }
    return drawn == 1;
}

QString Describe(const Record& expected, const Record& file)
{
    for (const auto& [id, marks] : expected.marks)
        if (file.marks.at(id) != marks)
            return QString("ID %1: expected used %2 correct %3 chosen %4, file has %5 %6 %7")
                .arg(id).arg(marks.used).arg(marks.correct).arg(marks.chosen)
                .arg(file.marks.at(id).used).arg(file.marks.at(id).correct).arg(file.marks.at(id).chosen);
    if (expected.answers != file.answers)
        return QString("answers: expected %1 in all, the file has %2")
            .arg(std::accumulate(expected.answers.begin(), expected.answers.end(), 0LL,
                                 [](long long sum, const auto& entry) { return sum + entry.second; }))
            .arg(std::accumulate(file.answers.begin(), file.answers.end(), 0LL,
                                 [](long long sum, const auto& entry) { return sum + entry.second; }));
    return "no difference";
}

} // namespace

class TestKilled : public QObject {
    Q_OBJECT

private slots:
    void nothingCommittedIsLost()
    {
        std::map<std::int64_t, std::string> moduleOf;
        const test::TemporaryBank bank(Bank(moduleOf));
        QuestionDatabase::Open(bank.Path()); // the record's tables, as every opening makes them
        Model model(ReadFile(bank.Path()).record, moduleOf);
        int answersChecked = 0;
        int markersChecked = 0;
        int poolsChecked = 0;
        int pendingWrites = 0;
        int writesBlocked = 0;

        for (int kill = 1; kill <= Kills; ++kill) {
            QProcess quiz;
            quiz.start(QStringLiteral(QUIZ_UNTIL_KILLED),
                       {QString::fromStdString(bank.Path().string()), QString::number(kill)});
            QVERIFY2(quiz.waitForStarted(), "the quiz program does not start");

            // The start must reach a drawn question; then the kill comes at a
            // random moment of the quiz.
            QByteArray output;
            while (!output.contains("C U ") && quiz.state() == QProcess::Running) {
                quiz.waitForReadyRead(10000);
                output += quiz.readAllStandardOutput();
            }
            QVERIFY2(output.contains("C U "), qPrintable("start " + QString::number(kill) + " ran no quiz: "
                                                          + output + quiz.readAllStandardError()));
            QThread::usleep(QRandomGenerator::global()->bounded(30000));
            quiz.kill();
            QVERIFY(quiz.waitForFinished(10000));
            output += quiz.readAllStandardOutput();
            QVERIFY2(quiz.exitStatus() == QProcess::CrashExit,
                     qPrintable("the quiz program ended by itself: " + output.right(300)));

            std::optional<QString> pending;
            for (const QString& line : QString::fromUtf8(output).split('\n', Qt::SkipEmptyParts)) {
                QVERIFY2(!line.startsWith("F "), qPrintable(line));
                if (line.startsWith("B ")) {
                    pending = line.mid(2);
                } else if (line.startsWith("C ")) {
                    model.Apply(line.mid(2));
                    pending.reset();
                    ++(line.startsWith("C P") ? poolsChecked : line.startsWith("C A") ? answersChecked : markersChecked);
                } else if (line.startsWith("S ")) {
                    pending.reset();
                    ++writesBlocked;
                }
            }

            const auto [integrity, file, recordFault] = ReadFile(bank.Path());
            QCOMPARE(integrity, QString("ok"));
            QVERIFY2(recordFault.isEmpty(), qPrintable(QString("after kill %1: ").arg(kill) + recordFault));
            bool matches = file == model.Current();
            if (!matches && pending) {
                ++pendingWrites;
                matches = *pending == "U" ? file.answers == model.Current().answers
                                                && OneMoreDrawn(model.Current().marks, file.marks)
                                          : file == model.After(*pending);
            }
            QVERIFY2(matches, qPrintable(QString("after kill %1 (writing: %2): ").arg(kill).arg(pending.value_or("-"))
                                         + Describe(model.Current(), file)));
            model.Reset(file);
        }
        qInfo("%d kills; %d draws, %d answers and %d pool preparations reported committed, all found in the file; "
              "%d begun writes found done; %d writes blocked by the other connection",
              Kills, markersChecked, answersChecked, poolsChecked, pendingWrites, writesBlocked);
        QVERIFY(answersChecked > 0);
    }
};

QTEST_GUILESS_MAIN(TestKilled)
#include "tst_killed.moc"
