// Killed at any moment, nothing committed is lost: a quiz program on a real
// database file is ended with SIGKILL at random moments. After each kill the
// file must pass SQLite's integrity check, hold every marker the program
// reported committed (and the write it had begun, wholly or not at all), and
// the next start must run a quiz again. The quiz program lets another
// connection hold the file now and then: the writes it blocks are not saved,
// and the writes after them must be committed as before.

#include "TestBank.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <map>
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

struct FileState {
    QString integrity;
    FileMarks marks;
};

FileState ReadFile(const std::filesystem::path& file)
{
    SQLite::Database database(file.string(), SQLite::OPEN_READWRITE);
    FileState state{QString::fromStdString(database.execAndGet("PRAGMA integrity_check").getString()), {}};
    SQLite::Statement rows(database, "SELECT ID, QuestionUsed, Correct, Chosen FROM lm40data");
    while (rows.executeStep())
        state.marks[rows.getColumn(0).getInt64()] = {rows.getColumn(1).getInt64(), rows.getColumn(2).getInt64(),
                                                     rows.getColumn(3).getInt64()};
    return state;
}

// What the quiz program's writes do to the marks, as the program promises.
class Model {
public:
    Model(FileMarks marks, std::map<std::int64_t, std::string> moduleOf)
        : marks_(std::move(marks)), moduleOf_(std::move(moduleOf))
    {
    }

    const FileMarks& Current() const { return marks_; }
    void Reset(FileMarks marks) { marks_ = std::move(marks); }

    // Applies one write ("P K20 retry", "U 7", "M 7") to a copy of the marks.
    FileMarks After(const QString& write) const
    {
        FileMarks after = marks_;
        const QStringList words = write.split(' ');
        if (words[0] == "P") {
            const bool retry = words.size() > 2;
            for (auto& [id, marks] : after)
                if (moduleOf_.at(id) == words[1].toStdString() && (!retry || marks.correct == 0))
                    marks = {0, 1, 1};
        } else if (words[0] == "U") {
            after.at(words[1].toLongLong()).used = 1;
        } else if (words[0] == "M") {
            after.at(words[1].toLongLong()).correct = 0;
        }
        return after;
    }

    void Apply(const QString& write) { marks_ = After(write); }

private:
    FileMarks marks_;
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

QString Describe(const FileMarks& expected, const FileMarks& file)
{
    for (const auto& [id, marks] : expected)
        if (file.at(id) != marks)
            return QString("ID %1: expected used %2 correct %3 chosen %4, file has %5 %6 %7")
                .arg(id).arg(marks.used).arg(marks.correct).arg(marks.chosen)
                .arg(file.at(id).used).arg(file.at(id).correct).arg(file.at(id).chosen);
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
        Model model(ReadFile(bank.Path()).marks, moduleOf);
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
                    ++(line.startsWith("C P") ? poolsChecked : markersChecked);
                } else if (line.startsWith("S ")) {
                    pending.reset();
                    ++writesBlocked;
                }
            }

            const auto [integrity, file] = ReadFile(bank.Path());
            QCOMPARE(integrity, QString("ok"));
            bool matches = file == model.Current();
            if (!matches && pending) {
                ++pendingWrites;
                matches = *pending == "U" ? OneMoreDrawn(model.Current(), file) : file == model.After(*pending);
            }
            QVERIFY2(matches, qPrintable(QString("after kill %1 (writing: %2): ").arg(kill).arg(pending.value_or("-"))
                                         + Describe(model.Current(), file)));
            model.Reset(file);
        }
        qInfo("%d kills; %d markers and %d pool preparations reported committed, all found in the file; "
              "%d begun writes found done; %d writes blocked by the other connection",
              Kills, markersChecked, poolsChecked, pendingWrites, writesBlocked);
    }
};

QTEST_GUILESS_MAIN(TestKilled)
#include "tst_killed.moc"
