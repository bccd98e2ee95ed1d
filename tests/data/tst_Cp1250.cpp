#include "data/Cp1250.h"

#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCp1250 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void polishCharacters_data();
    void polishCharacters();
    void agreesWithSystemCodec();
    void everyByteSurvivesDecodeAndEncode();
    void unmappableCharactersBecomeQuestionMarks_data();
    void unmappableCharactersBecomeQuestionMarks();
};

void TestCp1250::polishCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("small letters")
        << u"ąćęłńóśźż"_s << QByteArray("\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf");
    QTest::newRow("capital letters")
        << u"ĄĆĘŁŃÓŚŹŻ"_s << QByteArray("\xa5\xc6\xca\xa3\xd1\xd3\x8c\x8f\xaf");
    QTest::newRow("quotes and euro") << u"„tak” 5 €"_s << QByteArray("\x84tak\x94 5 \x80");
    QTest::newRow("ascii with controls")
        << u"\t07-03-15 15/36,6\x7f"_s << QByteArray("\t07-03-15 15/36,6\x7f");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCp1250::polishCharacters()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp1250::decode(bytes), text);
    QCOMPARE(cp1250::encode(text), bytes);
}

void TestCp1250::agreesWithSystemCodec()
{
    QStringDecoder systemDecoder("windows-1250");
    if (!systemDecoder.isValid())
        QSKIP("No windows-1250 codec on this machine");
    const QByteArray undefined("\x81\x83\x88\x90\x98");
    for (int value = 0x20; value <= 0xff; ++value) {
        const QByteArray byte(1, char(value));
        if (undefined.contains(byte))
            continue;
        const QString expected = systemDecoder.decode(byte);
        QVERIFY2(cp1250::decode(byte) == expected, qPrintable(QString::number(value, 16)));
    }
}

void TestCp1250::everyByteSurvivesDecodeAndEncode()
{
    QByteArray all(256, Qt::Uninitialized);
    for (int value = 0; value < 256; ++value)
        all[value] = char(value);
    const QString text = cp1250::decode(all);
    QCOMPARE(text.size(), 256);
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QCOMPARE(cp1250::encode(text), all);
}

void TestCp1250::unmappableCharactersBecomeQuestionMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("cyrillic") << u"жу"_s << QByteArray("??");
    QTest::newRow("outside the BMP is one character") << u"a😀b"_s << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + u"ą"_s << QByteArray("?\xb9");
    QTest::newRow("latin-1 not in the code page") << u"ñ¿"_s << QByteArray("??");
}

void TestCp1250::unmappableCharactersBecomeQuestionMarks()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp1250::encode(text), bytes);
}

QTEST_GUILESS_MAIN(TestCp1250)
#include "tst_Cp1250.moc"
