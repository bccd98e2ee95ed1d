// A note pad's file judged from its bytes, as the restore window lists its copies.

#include "notebook/PadFile.h"

#include <QTest>

class TestPadFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void judgesAPadFromItsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstWords");
        QTest::addColumn<QString>("problem");
        const QByteArray head
            = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "
              "MS Sans Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 ";
        QTest::newRow("rtf") << head
                + "Pomiar \\b rano\\b0 ,\\par\r\nbez gor\\'b9czki\\par\r\n}\r\n"
                             << QStringLiteral("Pomiar rano, bez gorączki") << QString();
        QTest::newRow("many words")
            << head
                + "jeden dwa trzy cztery pi\\'ea\\'e6 sze\\'9c\\'e6 siedem osiem "
                  "dziewi\\'ea\\'e6\\par}"
            << QStringLiteral("jeden dwa trzy cztery pięć sześć siedem osiem…") << QString();
        QTest::newRow("empty rtf") << head + "\\par\r\n}\r\n" << QString() << QString();
        QTest::newRow("empty file") << QByteArray() << QString() << QString();
        QTest::newRow("plain text") << QByteArray("Zwykły tekst\nw dwóch liniach")
                                    << QStringLiteral("Zwykły tekst w dwóch liniach") << QString();
        QTest::newRow("long word")
            << QByteArray(100, 'a') << QString(60, u'a') + QChar(0x2026) << QString();
        QTest::newRow("cut short") << head + "Pomiar rano" << QString()
                                   << QStringLiteral("dokument RTF jest uszkodzony albo niepełny");
        QTest::newRow("zeros") << QByteArray("Notatka\0\0\0\0", 11) << QString()
                               << QStringLiteral("plik zawiera bajty zerowe, jest uszkodzony");
    }

    void judgesAPadFromItsBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstWords);
        QFETCH(QString, problem);
        const PadFileSummary summary = summarisePadFile(bytes);
        QCOMPARE(summary.problem, problem);
        QCOMPARE(summary.firstWords, firstWords);
    }
};

QTEST_MAIN(TestPadFile)
#include "tst_PadFile.moc"
