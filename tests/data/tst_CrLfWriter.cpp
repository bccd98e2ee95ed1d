#include "data/CrLfWriter.h"
#include "data/LineSplitter.h"

#include <QBuffer>
#include <QTest>

namespace {

// Lines given as an index into the source lines, or -1 for the next foreign line.
QByteArray writeThrough(
    const QByteArray &source, const QList<int> &picks, const QList<QByteArray> &foreign)
{
    QList<QByteArrayView> sourceLines;
    for (LineSplitter splitter(source); !splitter.atEnd();)
        sourceLines.append(splitter.next());

    QByteArray written;
    QBuffer device(&written);
    device.open(QIODevice::WriteOnly);
    CrLfWriter writer(device, source);
    qsizetype nextForeign = 0;
    for (const int pick : picks) {
        const QByteArrayView line
            = pick < 0 ? QByteArrayView(foreign.at(nextForeign++)) : sourceLines.at(pick);
        if (!writer.write(line))
            return "<write failed>";
    }
    return writer.finish() ? written : "<finish failed>";
}

} // namespace

class TestCrLfWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesEveryLineWithCrLf_data();
    void writesEveryLineWithCrLf();
    void manyGatheredLines();
    void reportsDeviceFailure();
};

void TestCrLfWriter::writesEveryLineWithCrLf_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QList<QByteArray>>("foreign");
    QTest::addColumn<QByteArray>("expected");

    using P = QList<int>;
    using F = QList<QByteArray>;
    const QByteArray abc("a\r\nb\r\nc\r\n");
    QTest::newRow("whole source") << abc << P { 0, 1, 2 } << F {} << abc;
    QTest::newRow("reordered") << abc << P { 2, 0, 1 } << F {} << QByteArray("c\r\na\r\nb\r\n");
    QTest::newRow("gap") << abc << P { 0, 2 } << F {} << QByteArray("a\r\nc\r\n");
    QTest::newRow("repeated") << abc << P { 1, 1 } << F {} << QByteArray("b\r\nb\r\n");
    QTest::newRow("foreign between")
        << abc << P { 0, -1, 1, 2, -1 } << F { "x", "" } << QByteArray("a\r\nx\r\nb\r\nc\r\n\r\n");
    QTest::newRow("other breaks in source") << QByteArray("a\nb\rc\r\nd") << P { 0, 1, 2, 3 }
                                            << F {} << QByteArray("a\r\nb\r\nc\r\nd\r\n");
    QTest::newRow("CR at the very end")
        << QByteArray("a\r\nb\r") << P { 0, 1 } << F {} << QByteArray("a\r\nb\r\n");
    QTest::newRow("empty lines in source")
        << QByteArray("\r\n\r\na\r\n") << P { 0, 1, 2 } << F {} << QByteArray("\r\n\r\na\r\n");
    QTest::newRow("foreign text equal to source")
        << abc << P { 0, -1 } << F { "b" } << QByteArray("a\r\nb\r\n");
    QTest::newRow("nothing") << abc << P {} << F {} << QByteArray();
}

void TestCrLfWriter::writesEveryLineWithCrLf()
{
    QFETCH(QByteArray, source);
    QFETCH(QList<int>, picks);
    QFETCH(QList<QByteArray>, foreign);
    QFETCH(QByteArray, expected);
    QCOMPARE(writeThrough(source, picks, foreign), expected);
}

void TestCrLfWriter::manyGatheredLines()
{
    const QByteArray source("head\r\ntail\r\n");
    QList<int> picks { 0 };
    QList<QByteArray> foreign;
    QByteArray expected("head\r\n");
    for (int i = 0; i < 200000; ++i) { // several times the gathering buffer
        picks.append(-1);
        foreign.append(QByteArray::number(i));
        expected += QByteArray::number(i) + "\r\n";
    }
    picks.append(1);
    expected += "tail\r\n";
    QCOMPARE(writeThrough(source, picks, foreign), expected);
}

void TestCrLfWriter::reportsDeviceFailure()
{
    QBuffer closed;
    const QByteArray source("a\r\n");
    CrLfWriter blockFirst(closed, source);
    QVERIFY(blockFirst.write(QByteArrayView(source).first(1))); // kept back as a block
    QVERIFY(!blockFirst.write("foreign"));

    CrLfWriter gatheredFirst(closed, source);
    QVERIFY(gatheredFirst.write("foreign"));
    QVERIFY(!gatheredFirst.finish());
}

QTEST_GUILESS_MAIN(TestCrLfWriter)
#include "tst_CrLfWriter.moc"
