#include "records/ReportCsv.h"

#include <QTest>

using reportcsv::Reading;

class TestReportCsv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeFile()
    {
        const QByteArrayList rows = {
            "07-03-15 15/36,6 16/36,7 17/37,0",
            "07-02-14",
            "Notatka: \xA3\xF3\x64\x9F; \"wa\xBFne\"", // Łódź and ważne in Windows-1250
            "07-01-1",
            "Miravela 2.0",
        };
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "Początek okresu;Pomiar;Dzień;Temperatura\r\n"
                                    "07-03-15;1;15;36,6\r\n"
                                    "07-03-15;2;16;36,7\r\n"
                                    "07-03-15;3;17;37,0\r\n"
                                    "07-02-14;;;\r\n"
                                    "\"Notatka: Łódź; \"\"ważne\"\"\";;;\r\n"
                                    "07-01-1;;;\r\n";
        QCOMPARE(reportcsv::build(rows), expected);
        // No lines at all, or the sentinel alone: the header only.
        QCOMPARE(reportcsv::build({ "Miravela 2.0" }),
            QByteArray("\xEF\xBB\xBFPoczątek okresu;Pomiar;Dzień;Temperatura\r\n"));
    }

    void entryLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("entry");
        QTest::newRow("date alone") << QByteArray("96-02-29") << true;
        QTest::newRow("no such day") << QByteArray("07-02-29 01/36,6") << false;
        QTest::newRow("seven characters") << QByteArray("07-03-1") << false;
        QTest::newRow("sentinel") << QByteArray("Miravela 2.0") << false;
    }

    void entryLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, entry);
        QCOMPARE(reportcsv::isEntryLine(line), entry);
    }

    // Readings are found where they were appended, not at fixed places: a
    // damaged one never carries its neighbours' characters.
    void readings_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QList<Reading>>("readings");
        QTest::newRow("well formed") << QByteArray("07-03-15 15/36,6 16/37,4")
                                     << QList<Reading> { { "15", "36,6" }, { "16", "37,4" } };
        QTest::newRow("empty and longer temperatures")
            << QByteArray("07-03-15 15/ 16/36,65 17/abc 1/2 18/36,6")
            << QList<Reading> { { "15", "" }, { "16", "36,65" }, { "17", "abc 1/2" },
                   { "18", "36,6" } };
        QTest::newRow("text after the date")
            << QByteArray("07-03-15x 15/36,6 ab/36,7")
            << QList<Reading> { { "", "x" }, { "15", "36,6 ab/36,7" } };
        QTest::newRow("space at the end")
            << QByteArray("07-03-15 15/36,6 1") << QList<Reading> { { "15", "36,6 1" } };

        // Readings of other lengths before them leave a last reading cut by
        // the capacity of 240 characters.
        QByteArray middle;
        for (int k = 0; k < 27; ++k)
            middle += " 01/36,6";
        const QList<Reading> ones(27, { "01", "36,6" });
        QTest::newRow("full line, last reading cut after its day")
            << "07-03-15 15/36,65 16/" + middle + " 02"
            << QList<Reading> { { "15", "36,65" }, { "16", "" } } + ones
                + QList<Reading> { { "02", "" } };
        QTest::newRow("full line, last reading cut in its temperature")
            << "07-03-15 15/36,65" + middle + " 02/36,"
            << QList<Reading> { { "15", "36,65" } } + ones + QList<Reading> { { "02", "36," } };
    }

    void readings()
    {
        QFETCH(QByteArray, line);
        QFETCH(QList<Reading>, readings);
        const QList<Reading> found = reportcsv::entryReadings(line);
        QCOMPARE(found.size(), readings.size());
        for (qsizetype k = 0; k < found.size(); ++k) {
            QCOMPARE(found[k].day, readings[k].day);
            QCOMPARE(found[k].temperature, readings[k].temperature);
        }
    }
};

QTEST_MAIN(TestReportCsv)
#include "tst_ReportCsv.moc"
