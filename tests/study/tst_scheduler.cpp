// SPDX-License-Identifier: GPL-3.0-or-later
// The FSRS-6 scheduler against the model's published check values, and the
// study day's 04:00 boundary.

#include "FsrsScheduler.h"
#include "StudyDay.h"

#include <QtTest>

#include <optional>
#include <utility>
#include <vector>

using namespace lumenary;

namespace {

using Answers = std::vector<std::pair<int, int>>; // (grade, study day)

Moment LocalMoment(int year, unsigned month, unsigned day, int hour, int minute, std::chrono::seconds offset)
{
    using namespace std::chrono;
    const auto local = sys_days(year_month_day{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)})
                     + hours(hour) + minutes(minute);
    return {time_point_cast<Milliseconds>(local - offset), offset};
}

} // namespace

Q_DECLARE_METATYPE(Answers)

class TestScheduler : public QObject {
    Q_OBJECT

private slots:
    void checkValues_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("difficulty");
        QTest::addColumn<int>("interval");
        QTest::newRow("good once") << Answers{{3, 0}} << 2.3065 << 2.1181 << 2;
        QTest::newRow("good four times") << Answers{{3, 0}, {3, 2}, {3, 13}, {3, 59}} << 162.8622 << 2.0975 << 163;
        QTest::newRow("again once") << Answers{{1, 0}} << 0.2120 << 6.4133 << 1;
        QTest::newRow("again twice the same day") << Answers{{1, 0}, {1, 0}} << 0.0834 << 8.8063 << 1;
        QTest::newRow("again then good the same day") << Answers{{1, 0}, {3, 0}} << 0.2467 << 6.4021 << 1;
        QTest::newRow("a lapse on day 3") << Answers{{3, 0}, {1, 3}, {3, 4}, {3, 9}} << 9.0017 << 7.3702 << 9;
        QTest::newRow("reference run") << Answers{{1, 0}, {3, 0}, {3, 1}, {3, 4}, {3, 12}, {3, 33}} << 53.6269
                                       << 6.3575 << 54;
    }

    void checkValues()
    {
        QFETCH(Answers, answers);
        QFETCH(double, stability);
        QFETCH(double, difficulty);
        QFETCH(int, interval);
        const FsrsScheduler scheduler;
        std::optional<MemoryState> state;
        int lastDay = 0;
        for (const auto& [grade, day] : answers) {
            state = scheduler.Review(state, day - lastDay, static_cast<Grade>(grade));
            lastDay = day;
        }
        QVERIFY2(std::abs(state->stability - stability) < 1e-4,
                 qPrintable(QString::number(state->stability, 'f', 6)));
        QVERIFY2(std::abs(state->difficulty - difficulty) < 1e-4,
                 qPrintable(QString::number(state->difficulty, 'f', 6)));
        QCOMPARE(scheduler.IntervalDays(state->stability), interval);
    }

    // The shortest interval is the check values' "again once".
    void retrievabilityAndLongestInterval()
    {
        QVERIFY(std::abs(FsrsScheduler().Retrievability(5, 10) - 0.940344) < 1e-6);
        QCOMPARE(FsrsScheduler().IntervalDays(1e9), FsrsScheduler::LongestInterval);
    }

    void studyDayBoundary_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("offsetHours");
        QTest::addColumn<QString>("studyDay");
        QTest::newRow("23:59") << 7 << 23 << 59 << 0 << "2026-12-07";
        QTest::newRow("03:59 the next morning") << 8 << 3 << 59 << 0 << "2026-12-07";
        QTest::newRow("04:00") << 8 << 4 << 0 << 0 << "2026-12-08";
        QTest::newRow("local 01:00 east of UTC, still yesterday in UTC") << 8 << 1 << 0 << 9 << "2026-12-07";
        QTest::newRow("local 04:30 west of UTC") << 8 << 4 << 30 << -5 << "2026-12-08";
        QTest::newRow("02:00 on the first, the month before") << 1 << 2 << 0 << 0 << "2026-11-30";
    }

    void studyDayBoundary()
    {
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(int, offsetHours);
        QFETCH(QString, studyDay);
        const auto moment = LocalMoment(2026, 12, static_cast<unsigned>(day), hour, minute,
                                        std::chrono::hours(offsetHours));
        QCOMPARE(QString::fromStdString(DayText(StudyDayOf(moment))), studyDay);
    }

    void dayText()
    {
        const auto day = ParseDay("2024-02-29");
        QVERIFY(day);
        QCOMPARE(DayText(*day), std::string("2024-02-29"));
        for (const char* bad : {"2023-02-29", "2024-2-29", "2024-02-29x", "", "abcd-ef-gh", "2024-13-01", "2024-1x-05"})
            QVERIFY2(!ParseDay(bad), bad);
        const Moment moment{std::chrono::sys_days(*day) + std::chrono::hours(13) + std::chrono::minutes(5)
                                + std::chrono::seconds(9) + Milliseconds(700),
                            std::chrono::hours(2)};
        QCOMPARE(UtcText(moment), std::string("2024-02-29T13:05:09Z"));
    }
};

QTEST_GUILESS_MAIN(TestScheduler)
#include "tst_scheduler.moc"
