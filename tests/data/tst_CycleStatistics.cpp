// The cycle statistics: the two-digit year window, the starts read from the
// lines in date order, cycle lengths across month and year ends and a leap
// day, lengths left out, the figures over the newest twelve kept cycles, and
// the cycle days of the readings.

#include "data/CycleStatistics.h"

#include <QTest>

using Days = QList<std::optional<int>>;

namespace {

const QDate today(2027, 3, 10);

QList<int> lengths(const CycleStatistics &statistics)
{
    QList<int> lengths;
    for (const Cycle &cycle : statistics.cycles)
        lengths << cycle.length;
    return lengths;
}

// Entry lines, newest first as the program keeps them, one for each start:
// `first`, then each of `lengths` days after the one before.
QByteArrayList entriesFrom(QDate first, const QList<int> &lengths)
{
    QByteArrayList lines { first.toString(QStringLiteral("yy-MM-dd")).toLatin1() };
    QDate start = first;
    for (const int length : lengths) {
        start = start.addDays(length);
        lines.prepend(start.toString(QStringLiteral("yy-MM-dd")).toLatin1());
    }
    return lines << "Miravela 2.0";
}

} // namespace

class TestCycleStatistics : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yearWindow_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("twoDigits");
        QTest::addColumn<int>("year");
        QTest::newRow("2027: 38 is the first year") << today << 38 << 1938;
        QTest::newRow("2027: 37 is the last year") << today << 37 << 2037;
        QTest::newRow("2027: 00") << today << 0 << 2000;
        QTest::newRow("2027: 99") << today << 99 << 1999;
        QTest::newRow("2090: 00 is 2100") << QDate(2090, 1, 1) << 0 << 2100;
    }

    void yearWindow()
    {
        QFETCH(QDate, day);
        QFETCH(int, twoDigits);
        QFETCH(int, year);
        QCOMPARE(yearOfTwoDigits(twoDigits, day), year);
    }

    void startDates_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QDate>("start");
        QTest::newRow("with readings") << QByteArray("27-03-01 01/36,6") << QDate(2027, 3, 1);
        QTest::newRow("leap day") << QByteArray("28-02-29") << QDate(2028, 2, 29);
        QTest::newRow("no leap day in 2027") << QByteArray("27-02-29") << QDate();
        QTest::newRow("month 13") << QByteArray("27-13-01") << QDate();
        QTest::newRow("one-digit month") << QByteArray("27-3-01 ") << QDate();
        QTest::newRow("sign for a digit") << QByteArray("27-03-+1") << QDate();
        QTest::newRow("cut short") << QByteArray("27-03-0") << QDate();
        QTest::newRow("sentinel") << QByteArray("Miravela 2.0") << QDate();
    }

    void startDates()
    {
        QFETCH(QByteArray, line);
        QFETCH(QDate, start);
        QCOMPARE(entryStartDate(line, today).value_or(QDate()), start);
    }

    void startsInDateOrderEachDateOnce()
    {
        const CycleStatistics statistics
            = cycleStatistics({ "27-02-01", "27-03-01", "27-01-04 04/36,6", "damaged",
                                  "27-02-01 01/36,6 02/36,7", "", "Miravela 2.0" },
                today);
        QCOMPARE(lengths(statistics), QList<int>({ 28, 28, 0 }));
        QCOMPARE(statistics.cycles[1].start, QDate(2027, 2, 1));
        QCOMPARE(statistics.cycles[1].line, 0); // of a repeated date, the line nearer the top
        QCOMPARE(statistics.cycles[1].readings, 0);
        QCOMPARE(statistics.cycles[0].readings, 1);
        QCOMPARE(statistics.repeatedStarts, 1);
        QCOMPARE(statistics.unreadableLines, 2); // the damaged and the empty line
        QCOMPARE(statistics.current()->start, QDate(2027, 3, 1));
        QCOMPARE(statistics.completedCycles(), 2);
    }

    void lengthsAcrossYearEndAndLeapDay()
    {
        // 20 December 2027 to 17 January 2028 to 14 February to 13 March,
        // over 29 February.
        const CycleStatistics statistics
            = cycleStatistics({ "28-03-13", "28-02-14", "28-01-17", "27-12-20" }, today);
        QCOMPARE(lengths(statistics), QList<int>({ 28, 28, 28, 0 }));
    }

    void lengthsOutOfRangeAreListedButLeftOut()
    {
        const CycleStatistics statistics
            = cycleStatistics(entriesFrom(QDate(2025, 1, 1), { 14, 15, 60, 61, 30 }), today);
        QCOMPARE(lengths(statistics), QList<int>({ 14, 15, 60, 61, 30, 0 }));
        QVERIFY(statistics.cycles[0].leftOut() && statistics.cycles[3].leftOut());
        QVERIFY(!statistics.cycles[1].leftOut() && !statistics.cycles[5].leftOut());
        QCOMPARE(statistics.leftOut, 2);
        QCOMPARE(statistics.figures->cycles, 3);
        QCOMPARE(statistics.figures->shortest, 15);
        QCOMPARE(statistics.figures->longest, 60);
        QCOMPARE(statistics.figures->firstFertileDay(), 1); // 15 − 18, counted from day 1
        QCOMPARE(statistics.figures->lastFertileDay(), 49);
    }

    void fewerThanTwoStartsHaveNoFigures()
    {
        const CycleStatistics one = cycleStatistics({ "27-03-01", "Miravela 2.0" }, today);
        QCOMPARE(one.cycles.size(), 1);
        QCOMPARE(one.completedCycles(), 0);
        QVERIFY(!one.figures);
        const CycleStatistics none = cycleStatistics({ "Miravela 2.0" }, today);
        QVERIFY(none.cycles.isEmpty() && !none.current() && !none.figures);
        QCOMPARE(none.unreadableLines, 0);
        // Left out, every one: nothing to take figures from.
        QVERIFY(!cycleStatistics({ "27-03-01", "27-02-25", "26-10-01" }, today).figures);
    }

    void figuresOfTheNewestTwelveKept()
    {
        // Fifteen cycles; the two oldest fall outside the newest twelve kept,
        // and the left-out one among them takes no place.
        const QList<int> history { 40, 20, 26, 27, 28, 29, 30, 90, 31, 26, 27, 28, 29, 30, 31 };
        const CycleStatistics statistics
            = cycleStatistics(entriesFrom(QDate(2024, 1, 5), history), today);
        const LengthFigures &figures = *statistics.figures;
        QCOMPARE(figures.cycles, 12);
        QCOMPARE(figures.shortest, 26);
        QCOMPARE(figures.longest, 31);
        QCOMPARE(figures.mean, 342.0 / 12); // 28,5
        QCOMPARE(figures.roundedMean(), 29);
        QCOMPARE(figures.median, 28.5);
        QVERIFY(qAbs(*figures.deviation - 1.7837651) < 1e-6);
        QCOMPARE(figures.firstFertileDay(), 8);
        QCOMPARE(figures.lastFertileDay(), 20);
        QCOMPARE(statistics.leftOut, 1);
    }

    void fewerThanSixCycles()
    {
        const CycleStatistics statistics
            = cycleStatistics(entriesFrom(QDate(2026, 12, 1), { 27, 29, 25 }), today);
        QCOMPARE(statistics.figures->cycles, 3);
        QCOMPARE(statistics.figures->median, 27.0);
        QCOMPARE(statistics.figures->deviation, 2.0);
        const CycleStatistics single
            = cycleStatistics(entriesFrom(QDate(2026, 12, 1), { 27 }), today);
        QCOMPARE(single.figures->cycles, 1);
        QVERIFY(!single.figures->deviation);
    }

    void readingCycleDays_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QByteArray>("readings");
        QTest::addColumn<Days>("days");
        QTest::newRow("into the next month")
            << QDate(2027, 4, 28) << QByteArray(" 28/36,6 29/36,6 30/36,6 01/36,6 02/36,6")
            << Days { 1, 2, 3, 4, 5 };
        QTest::newRow("a reading entered late")
            << QDate(2027, 4, 10) << QByteArray(" 10/36,6 12/36,6 11/36,6 13/36,6")
            << Days { 1, 3, 2, 4 };
        QTest::newRow("over two month ends, with gaps")
            << QDate(2027, 1, 20) << QByteArray(" 20/36,6 05/36,6 25/36,6 10/36,6")
            << Days { 1, 17, 37, 50 };
        QTest::newRow("over the leap day")
            << QDate(2028, 2, 27) << QByteArray(" 28/36,6 29/36,6 01/36,6") << Days { 2, 3, 4 };
        QTest::newRow("a day text that is no day")
            << QDate(2027, 4, 28) << QByteArray(" 29/36,6 x1/36,6 01/36,6 00/36,6")
            << Days { 2, std::nullopt, 4, std::nullopt };
    }

    void readingCycleDays()
    {
        QFETCH(QDate, start);
        QFETCH(QByteArray, readings);
        QFETCH(Days, days);
        const QByteArray line = start.toString(QStringLiteral("yy-MM-dd")).toLatin1() + readings;
        Days expected = days;
        while (expected.size() < ChartColumns)
            expected << std::nullopt;
        QCOMPARE(::readingCycleDays(line, start), expected);
    }

    void riseInCycleDaysAcrossAMonthEnd()
    {
        // From 28 April: six readings at 36,6 and 36,7, then 36,9 from 4 May
        // (cycle day 7) on, confirmed on 6 May (day 9) by the rule.
        const QByteArray line = "27-04-28 28/36,6 29/36,7 30/36,6 01/36,7 02/36,6 03/36,7 "
                                "04/36,9 05/36,9 06/37,0";
        const CycleStatistics statistics = cycleStatistics({ line }, today);
        QCOMPARE(statistics.cycles[0].rise, CycleRise({ 7, 9 }));
        QCOMPARE(statistics.cycles[0].readings, 9);
        QVERIFY(!cycleStatistics({ "27-04-28 28/36,6 29/36,7" }, today).cycles[0].rise);
    }
};

QTEST_APPLESS_MAIN(TestCycleStatistics)
#include "tst_CycleStatistics.moc"
