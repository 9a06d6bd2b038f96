// SPDX-License-Identifier: GPL-3.0-or-later
// "Study History" on records written by the study record's own writer at
// hours the test chooses: the day series (first answers only, the 04:00
// boundary, retries left out, an empty period), then the window itself: its
// summary line, its runs with a retry under its run, the chart grabbed, and
// the CSV and PNG files it saves.

#include "AppFixture.h"
#include "FrmHistory.h"
#include "HistoryChart.h"
#include "SaveDialogs.h"
#include "StudyHistory.h"
#include "StudyRecord.h"
#include "TestClock.h"

#include <QComboBox>
#include <QImage>
#include <QStackedWidget>
#include <QTreeWidget>

#include <map>

#include <ctime>

using namespace lumenary;
using namespace lumenary::test;

namespace {

const QString History = QStringLiteral("FrmHistory");

std::vector<BankQuestion> Bank()
{
    auto questions = UnitQuestions("Kings", 1, 4);
    questions.push_back(Question(5, "Greek"));
    return questions;
}

Moment At(const QString& monthDayTime)
{
    TestClock clock;
    const auto parts = monthDayTime.split(QRegularExpression("[- :]"));
    clock.Set(2026, parts[0].toUInt(), parts[1].toUInt(), parts[2].toInt(), parts[3].toInt());
    return clock.Now();
}

// Writes answers as quizzes do, each "run retried-run MM-DD HH:MM question
// way right" (retried-run "-" for none); a run is begun with its first answer.
void Record(const std::filesystem::path& bank, const QStringList& answers)
{
    const auto database = QuestionDatabase::Open(bank);
    StudyRecord record(*database);
    std::map<QString, std::int64_t> runs;
    for (const QString& answer : answers) {
        const auto field = answer.split(' ');
        const Moment when = At(field[2] + ' ' + field[3]);
        if (!runs.contains(field[0])) {
            const auto parent = field[1] == "-" ? std::nullopt : std::optional(runs.at(field[1]));
            runs[field[0]] = record.BeginRun({"Flashcard", field[5].toStdString(), "Kings", "Module = 'Kings'", parent},
                                             when);
        }
        record.RecordAnswer({runs[field[0]], field[4].toInt(), field[5].toStdString(), field[6] == "1", when, 900});
    }
}

// "MM-DD answers/first answers/first right" of each day with answers.
QString Series(const std::vector<DayTotals>& days)
{
    QStringList texts;
    for (const auto& day : days)
        texts << QStringLiteral("%1 %2/%3/%4")
                     .arg(QString::fromStdString(DayText(day.day)).mid(5))
                     .arg(day.answers)
                     .arg(day.firstAnswers)
                     .arg(day.firstRight);
    return texts.join(", ");
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void daySeries_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("series");
        QTest::newRow("a card's first answer of the day counts")
            << QStringList{"1 - 12-01 10:00 1 A 0", "1 - 12-01 10:01 1 A 1", "1 - 12-01 10:02 2 A 1"}
            << "12-01 3/2/1";
        QTest::newRow("two ways are two cards")
            << QStringList{"1 - 12-01 10:00 1 A 0", "2 - 12-01 10:05 1 B 1"} << "12-01 2/2/1";
        QTest::newRow("the day begins at 04:00")
            << QStringList{"1 - 12-01 23:30 1 A 1", "1 - 12-02 01:00 1 A 0", "2 - 12-02 03:59 1 A 0",
                           "3 - 12-02 04:00 1 A 0"}
            << "12-01 3/1/1, 12-02 1/1/0";
        QTest::newRow("a retry the same day")
            << QStringList{"1 - 12-01 10:00 2 A 0", "1 - 12-01 10:01 3 A 1", "2 1 12-01 10:05 2 A 1"}
            << "12-01 3/2/1";
        QTest::newRow("a retry past 04:00 is no first answer")
            << QStringList{"1 - 12-01 03:00 1 A 0", "2 1 12-01 04:30 1 A 1"} << "11-30 1/1/0, 12-01 1/0/0";
        QTest::newRow("before the period") << QStringList{"1 - 11-07 12:00 1 A 1"} << "";
        QTest::newRow("the period's first day") << QStringList{"1 - 11-08 04:00 1 A 1"} << "11-08 1/1/1";
    }

    // The 30 days to 7 December.
    void daySeries()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, series);
        TemporaryBank bank(Bank());
        Record(bank.Path(), answers);
        const auto database = QuestionDatabase::Open(bank.Path());
        const StudyDay today = StudyDayOf(At("12-07 10:00"));
        QCOMPARE(Series(ReadHistory(*database, {today - std::chrono::days(29), today, std::nullopt}).days), series);
    }

    void window()
    {
        // Times show in the user's zone: here an hour east of UTC.
        qputenv("TZ", "CET-1");
        tzset();
        TestClock clock(2026, 12, 7, 10);
        SeededRandom random;
        AppFixture fixture(Bank(), random, clock);
        Record(fixture.bank.Path(), {"1 - 11-20 10:00 5 A 1", "2 - 12-04 10:00 1 B 0", "2 - 12-04 10:01 2 B 1",
                                     "3 - 12-05 10:00 1 B 1", "4 - 12-06 10:00 1 B 0", "4 - 12-06 10:01 3 B 0",
                                     "5 4 12-06 10:05 1 B 1", "5 4 12-06 10:06 3 B 0", "6 5 12-06 10:10 3 B 1",
                                     "7 - 12-07 09:00 4 B 1"});
        fixture.bank.Execute("UPDATE StudyRun SET Completed = 1 WHERE ID <> 7");
        QVERIFY(fixture.Start());
        fixture.Choose("MnuStudyHistory");
        QVERIFY(AppFixture::Window(History));
        QCOMPARE(AppFixture::Window(History)->windowTitle(), QString("Study History"));
        QCOMPARE(AppFixture::Find<QComboBox>(History, "CboPeriod")->currentText(), QString("Last 30 days"));
        QCOMPARE(AppFixture::Text(History, "LblSummary"),
                 QString("10 answers on 5 days \u00B7 57 % right on first answers \u00B7 4-day streak"));

        auto* runs = AppFixture::Find<QTreeWidget>(History, "TblRuns");
        QCOMPARE(runs->topLevelItemCount(), 5);
        const QTreeWidgetItem* latest = runs->topLevelItem(0);
        QCOMPARE(latest->text(0), QString("2026-12-07 10:00"));
        QCOMPARE(latest->text(7), QString("ended early"));
        QCOMPARE(latest->text(2), QString("Flashcard"));
        QCOMPARE(latest->text(3), QString("Part B to Part A"));
        const QTreeWidgetItem* retried = runs->topLevelItem(1);
        QCOMPARE(retried->text(4) + " " + retried->text(6), QString("2 0 %"));
        QCOMPARE(retried->childCount(), 1);
        QCOMPARE(retried->child(0)->text(4) + " " + retried->child(0)->text(6), QString("2 50 %"));
        QCOMPARE(retried->child(0)->child(0)->text(5), QString("1"));
        QCOMPARE(retried->child(0)->text(7), QString());

        // The chart: bars, a line and the labels of both axes on its edges.
        auto* chart = AppFixture::Find<HistoryChart>(History, "ChtHistory");
        const QImage image = chart->grab().toImage();
        const QRgb background = image.pixel(1, 1);
        const auto inked = [&](int fromX, int toX) {
            int count = 0;
            for (int x = fromX; x < toX; ++x)
                for (int y = 0; y < image.height(); ++y)
                    count += image.pixel(x, y) != background ? 1 : 0;
            return count;
        };
        QVERIFY(inked(0, 20) > 20);                             // 0 ... 4 answers
        QVERIFY(inked(image.width() - 30, image.width()) > 20); // 0 % ... 100 %
        QVERIFY(inked(image.width() / 2, image.width() - 60) > 200);
        QVERIFY(chart->DayTextAt({chart->width() - 70, chart->height() / 2}).contains("\n1 answer\n100 % right"));
        AppFixture::Snapshot(AppFixture::Window(History), "FrmHistory");

        const QString csv = QString::fromStdString((fixture.bank.Folder() / "runs.csv").string());
        SaveThrough(History, "CmdSaveCsv", "DlgSaveCsv", csv);
        std::vector<QStringList> shown{FrmHistory::RunHeaders()};
        for (QTreeWidgetItemIterator item(runs); *item; ++item) {
            QStringList cells;
            for (int column = 0; column < runs->columnCount(); ++column)
                cells << (*item)->text(column);
            shown.push_back(cells);
        }
        QCOMPARE(CsvLines(csv), shown);
        const QString png = QString::fromStdString((fixture.bank.Folder() / "chart.png").string());
        SaveThrough(History, "CmdSaveChart", "DlgSaveChart", png);
        QCOMPARE(QImage(png).size(), image.size());

        // Greek was studied before this week only.
        AppFixture::Find<QComboBox>(History, "CboSubject")->setCurrentText("Greek");
        AppFixture::Find<QComboBox>(History, "CboPeriod")->setCurrentText("Last 7 days");
        auto* shownPage = AppFixture::Window(History)->findChild<QStackedWidget*>()->currentWidget();
        QCOMPARE(shownPage->objectName(), QString("LblNoQuizzes"));
        QCOMPARE(AppFixture::Text(History, "LblNoQuizzes"), QString("No quizzes in this period."));
        AppFixture::Find<QComboBox>(History, "CboPeriod")->setCurrentText("All time");
        QCOMPARE(AppFixture::Text(History, "LblSummary"),
                 QString("1 answer on 1 day \u00B7 100 % right on first answers \u00B7 0-day streak"));

        QTest::keyClick(AppFixture::Window(History), Qt::Key_Escape);
        QVERIFY(!AppFixture::Window(History));
    }
};

LUMENARY_GUI_TEST_MAIN(TestHistory)
#include "tst_history.moc"
