// The "3 over 6" evaluation of the temperature rise: the rule, each of its
// exceptions, exceptions that would have to be combined, candidates that fail
// before one holds, and the readings the chart takes.

#include "data/PeriodLine.h"
#include "data/TemperatureRise.h"

#include <QTest>

using Levels = QList<int>;
Q_DECLARE_METATYPE(std::optional<TemperatureRise>)

namespace {

std::optional<TemperatureRise> rise(int first, int confirming, int cover, RiseRule rule)
{
    return TemperatureRise { first, confirming, cover, rule };
}

} // namespace

class TestTemperatureRise : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void evaluation_data()
    {
        QTest::addColumn<Levels>("levels");
        QTest::addColumn<std::optional<TemperatureRise>>("expected");
        const std::optional<TemperatureRise> none;
        const Levels six { 1, 0, 1, 0, 1, 0 }; // the cover line at level 1

        QTest::newRow("rule") << six + Levels { 3, 3, 3 } << rise(6, 8, 1, RiseRule::Rule);
        QTest::newRow("rule, third exactly 0,2 above")
            << six + Levels { 2, 2, 3 } << rise(6, 8, 1, RiseRule::Rule);
        QTest::newRow("first exception")
            << six + Levels { 3, 3, 2, 2 } << rise(6, 9, 1, RiseRule::FirstException);
        QTest::newRow("first exception, fourth on the cover line")
            << six + Levels { 3, 3, 2, 1 } << none;
        QTest::newRow("first exception, fourth still to come") << six + Levels { 2, 2, 2 } << none;
        QTest::newRow("second exception, second low")
            << six + Levels { 3, 1, 3, 3 } << rise(6, 9, 1, RiseRule::SecondException);
        QTest::newRow("second exception, third low")
            << six + Levels { 3, 3, 0, 4 } << rise(6, 9, 1, RiseRule::SecondException);
        // A low reading and a fourth only 0,1 above would need both exceptions.
        QTest::newRow("exceptions never combined") << six + Levels { 3, 1, 3, 2 } << none;
        QTest::newRow("second and third both low") << six + Levels { 3, 1, 1, 4 } << none;
        QTest::newRow("a candidate fails, a later one holds")
            << six + Levels { 2, 0, 1, 0, 1, 0, 4, 4, 5 } << rise(12, 14, 2, RiseRule::Rule);
        QTest::newRow("equal to the highest of six is not higher")
            << Levels { 1, 1, 1, 1, 1, 1, 1, 3, 3, 3 } << rise(7, 9, 1, RiseRule::Rule);
        QTest::newRow("fewer than six before") << Levels { 0, 0, 0, 0, 0, 3, 3, 3, 3 } << none;
        QTest::newRow("second and third still to come") << six + Levels { 3, 3 } << none;
        QTest::newRow("no readings") << Levels {} << none;
    }

    void evaluation()
    {
        QFETCH(Levels, levels);
        QFETCH(std::optional<TemperatureRise>, expected);
        QCOMPARE(
            evaluateRise(std::span<const int>(levels.data(), size_t(levels.size()))), expected);
    }

    void chartReadingsSkipUnrecognisedAndStopAtColumn28()
    {
        QByteArray line = "27-04-28 28/36,7 29/36.6 30/36,6";
        QCOMPARE(chartReadings(line), QList<ChartReading>({ { 1, 1 }, { 3, 0 } }));
        for (int day = 1; day <= 26; ++day) // columns 4 to 29
            line = AppendReading(line, QDate(2027, 5, day), "37,4");
        const QList<ChartReading> readings = chartReadings(line);
        QCOMPARE(readings.size(), 27);
        QCOMPARE(readings.last(), (ChartReading { 28, 8 }));
    }

    void unrecognisedReadingsDoNotCount()
    {
        // Six readings with "36.9" among them, which the evaluation does not
        // see: the first higher reading is the eighth in the line.
        const QByteArray line = "27-04-01 01/36,6 02/36,7 03/36,6 04/36.9 05/36,7 06/36,6 "
                                "07/36,7 08/36,9 09/36,9 10/37,0";
        const QList<ChartReading> readings = chartReadings(line);
        const auto found = evaluateRise(readings);
        QVERIFY(found);
        QCOMPARE(readings[found->firstHigher].column, 8);
        QCOMPARE(readings[found->confirming].column, 10);
        QCOMPARE(found->coverLevel, 1);
    }
};

QTEST_APPLESS_MAIN(TestTemperatureRise)
#include "tst_TemperatureRise.moc"
