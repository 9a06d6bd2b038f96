// SPDX-License-Identifier: GPL-3.0-or-later
// The study record in the file: what `lumenary-db study` and `lumenary-db
// check` make of it. (A bad --day: tst_lumenarydb's usage errors.)

#include "ProgramRun.h"
#include "ServiceQuiz.h"
#include "TestClock.h"

#include <QtTest>

using namespace lumenary;
using namespace lumenary::test;

namespace {

std::vector<BankQuestion> Bank()
{
    return {Question(1, "Kings"), Question(2, "Kings"), Question(3, "Kings"), Question(4, "Greek"),
            Question(5, "Greek")};
}

// A quiz of the module on 7 December, its first questions judged as the verdicts say.
void Quiz(const TemporaryBank& bank, const std::string& module, const std::vector<bool>& verdicts)
{
    SeededRandom random;
    TestClock clock;
    ServiceQuiz(bank.Path(), random, clock).Answer(module, verdicts);
}

QString File(const TemporaryBank& bank)
{
    return QString::fromStdString(bank.Path().string());
}

} // namespace

class TestStudyTool : public QObject {
    Q_OBJECT

private slots:
    // On 7 December: Kings 1 and 2 right, 3 missed; Greek 4 missed. On the
    // 8th the misses are due (interval 1), on the 9th the right ones too.
    void studyCommand_data()
    {
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("the day after") << QStringList{"--day", "2026-12-08"}
                                       << QStringList{"Greek: 1 answers, 1 cards, 1 due, 0 right in the last 30 days",
                                                      "Kings: 3 answers, 3 cards, 1 due, 2 right in the last 30 days",
                                                      "Total: 4 answers, 4 cards, 2 due, 2 right in the last 30 days"};
        QTest::newRow("two days after") << QStringList{"--day", "2026-12-09"}
                                        << QStringList{"Greek: 1 answers, 1 cards, 1 due, 0 right in the last 30 days",
                                                       "Kings: 3 answers, 3 cards, 3 due, 2 right in the last 30 days",
                                                       "Total: 4 answers, 4 cards, 4 due, 2 right in the last 30 days"};
        QTest::newRow("a month on, the answers too old")
            << QStringList{"--day", "2027-01-06"}
            << QStringList{"Greek: 1 answers, 1 cards, 1 due, 0 right in the last 30 days",
                           "Kings: 3 answers, 3 cards, 3 due, 0 right in the last 30 days",
                           "Total: 4 answers, 4 cards, 4 due, 0 right in the last 30 days"};
    }

    void studyCommand()
    {
        QFETCH(QStringList, day);
        QFETCH(QStringList, lines);
        const TemporaryBank bank(Bank());
        Quiz(bank, "Kings", {true, true, false});
        Quiz(bank, "Greek", {false});
        const Run tool = RunLumenaryDb(QStringList{"study", File(bank)} + day);
        QCOMPARE(tool.exitCode, 0);
        QCOMPARE(tool.Lines(), lines);
        QCOMPARE(RunLumenaryDb({"check", File(bank)}).Lines().filter("study").size(), 0);
    }

    // One file over time: never quizzed, it has no record, and totals of
    // nought; a question the bank no longer holds keeps its record, under a
    // line of its own; check names each fault put into the record.
    void recordOfOneFile()
    {
        const TemporaryBank bank(Bank());
        QCOMPARE(RunLumenaryDb({"study", File(bank)}).Lines(),
                 QStringList{"Total: 0 answers, 0 cards, 0 due, 0 right in the last 30 days"});
        Quiz(bank, "Kings", {true, true, true});
        bank.Execute("DELETE FROM lm40data WHERE ID = 3");
        QCOMPARE(RunLumenaryDb({"study", File(bank), "--day", "2026-12-07"}).Lines(),
                 (QStringList{"(questions no longer in the bank): 1 answers, 1 cards, 0 due, 1 right in the last 30 days",
                              "Kings: 2 answers, 2 cards, 0 due, 2 right in the last 30 days",
                              "Total: 3 answers, 3 cards, 0 due, 3 right in the last 30 days"}));

        bank.Execute("INSERT INTO StudyAnswer (RunID, QuestionID, Way, AnsweredAt, StudyDay, Correct, Millis) "
                     "VALUES (99, 1, 'A', '2026-12-07T10:00:00Z', '2026-12-07', 1, 5)");
        bank.Execute("INSERT INTO StudyCard VALUES (4, 'B', 0, 11, '2026-12-07', '2026-12-07', 1, 1)");
        bank.Execute("INSERT INTO StudyCard VALUES (5, 'B', 2.5, 5, '2026-12-07', 'soon', 0, 0)");
        // Difficulty runs from 1 to 10, both ends sound.
        bank.Execute("INSERT INTO StudyCard VALUES (6, 'A', 2.5, 10, '2026-12-06', '2026-12-08', 2, 1), "
                     "(7, 'A', 2.5, 1, '2026-12-06', '2026-12-08', 2, 0)");
        const Run tool = RunLumenaryDb({"check", File(bank)});
        QCOMPARE(tool.exitCode, 1);
        const QStringList faults = tool.Lines().filter("study");
        QCOMPARE(faults, (QStringList{
            "study answer " + QString::number(bank.Number("SELECT max(ID) FROM StudyAnswer")) + ": its run 99 does not exist",
            "study card of question 4 way B: stability 0 is not above zero",
            "study card of question 4 way B: difficulty 11 is outside 1 to 10",
            "study card of question 4 way B: due on 2026-12-07, not after its last answer on 2026-12-07",
            "study card of question 4 way B: 1 lapses in 1 answers",
            "study card of question 5 way B: LastDay \"2026-12-07\" or DueDay \"soon\" is not a date YYYY-MM-DD",
            "study card of question 5 way B: it has 0 answers"}));
    }
};

QTEST_GUILESS_MAIN(TestStudyTool)
#include "tst_studytool.moc"
