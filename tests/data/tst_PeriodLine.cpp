// The layout of a period entry line: making, appending and taking it apart
// at fixed positions, at the edges of the 240-character field.

#include "data/PeriodLine.h"

#include <QTest>

class TestPeriodLine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entryLine_data();
    void entryLine();
    void appendingAtTheFieldEnd_data();
    void appendingAtTheFieldEnd();
    void readingSlots();
    void sentinelIsExact();
    void temperatureScale();
};

void TestPeriodLine::entryLine_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("zero padded") << QDate(2008, 1, 5) << QByteArray("08-01-05");
    QTest::newRow("no century") << QDate(1999, 12, 31) << QByteArray("99-12-31");
    QTest::newRow("year 2000") << QDate(2000, 2, 29) << QByteArray("00-02-29");
    QTest::newRow("year 2107") << QDate(2107, 3, 15) << QByteArray("07-03-15");
}

void TestPeriodLine::entryLine()
{
    QFETCH(QDate, date);
    QFETCH(QByteArray, text);
    QCOMPARE(MakeEntryLine(date), text);
}

void TestPeriodLine::appendingAtTheFieldEnd_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<bool>("fits");
    QTest::newRow("232: the 29th reading fits") << 232 << QByteArray(" 09/36,6") << true;
    QTest::newRow("233") << 233 << QByteArray(" 09/36,") << false;
    QTest::newRow("236: space, day and slash") << 236 << QByteArray(" 09/") << false;
    QTest::newRow("239") << 239 << QByteArray(" ") << false;
    QTest::newRow("240: unchanged") << 240 << QByteArray() << false;
    QTest::newRow("250: cut to the field") << 250 << QByteArray() << false;
}

void TestPeriodLine::appendingAtTheFieldEnd()
{
    QFETCH(int, length);
    QFETCH(QByteArray, added);
    QFETCH(bool, fits);
    const QByteArray line = QByteArray("07-03-09").leftJustified(length, 'x');
    const QByteArray result = AppendReading(line, QDate(2007, 3, 9), "36,6");
    QCOMPARE(result, (line + added).left(EntryLineCapacity));
    QCOMPARE(readingFits(length), fits);

    QCOMPARE(AppendReading("07-03-09", QDate(2007, 3, 9), "36,6"), QByteArray("07-03-09 09/36,6"));
    QCOMPARE(AppendReading("07-03-28", QDate(2007, 4, 1), "37,0"), QByteArray("07-03-28 01/37,0"));
}

void TestPeriodLine::readingSlots()
{
    const QByteArray line = "07-03-15 15/36,6 16/36,7 17/37,0";
    QCOMPARE(EntryStartText(line), QByteArray("07-03-15"));
    QCOMPARE(EntryStartText("07-03"), QByteArray("07-03"));
    QCOMPARE(ReadingDayText(line, 1), QByteArray("15"));
    QCOMPARE(ReadingTemperatureText(line, 1), QByteArray("36,6"));
    QCOMPARE(ReadingDayText(line, 3), QByteArray("17"));
    QCOMPARE(ReadingTemperatureText(line, 3), QByteArray("37,0"));
    QCOMPARE(ReadingDayText(line, 4), QByteArray());
    QCOMPARE(ReadingTemperatureText(line, 4), QByteArray());
    QCOMPARE(ReadingTemperatureText(line.left(30), 3), QByteArray("37"));
    QCOMPARE(ReadingDayText(line.left(26), 3), QByteArray("1"));

    // Reading 29 of a full line stands at 233..240.
    QByteArray full = "07-03-15";
    for (int k = 1; k <= 29; ++k)
        full = AppendReading(full, QDate(2007, 3, k), TemperatureScale[k % 9]);
    QCOMPARE(full.size(), EntryLineCapacity);
    QCOMPARE(ReadingDayText(full, 28), QByteArray("28"));
    QCOMPARE(ReadingTemperatureText(full, 29), TemperatureScale[29 % 9].toByteArray());
    QCOMPARE(ReadingTemperatureText(full, 30), QByteArray());

    // An empty temperature makes a 4-character slot, a 3-character one shifts
    // every later slot.
    const QByteArray empty = AppendReading("07-03-15", QDate(2007, 3, 15), "");
    QCOMPARE(empty, QByteArray("07-03-15 15/"));
    QCOMPARE(ReadingTemperatureText(AppendReading(empty, QDate(2007, 3, 16), "36,7"), 1),
        QByteArray(" 16/"));
    const QByteArray shifted = "07-03-15 15/36, 16/36,7";
    QCOMPARE(ReadingTemperatureText(shifted, 2), QByteArray("6,7"));
    QCOMPARE(ReadingDayText(shifted, 2), QByteArray("6/"));
}

void TestPeriodLine::sentinelIsExact()
{
    QVERIFY(IsSentinelLine("Miravela 2.0"));
    QVERIFY(!IsSentinelLine("Miravela 2.0 "));
    QVERIFY(!IsSentinelLine("miravela 2.0"));
    QVERIFY(!IsSentinelLine("Miravela 2."));
    QVERIFY(!IsSentinelLine(QByteArrayView()));
}

void TestPeriodLine::temperatureScale()
{
    for (int level = 0; level < int(TemperatureScale.size()); ++level)
        QCOMPARE(temperatureIndex(TemperatureScale[size_t(level)]), std::optional<int>(level));
    for (const char *outside :
        { "36,5", "37,5", "36.6", "36,60", " 36,6", "", "37,", "46,6", "36;6", "37,:" })
        QVERIFY2(!temperatureIndex(outside), outside);
}

QTEST_APPLESS_MAIN(TestPeriodLine)
#include "tst_PeriodLine.moc"
