#include "notebook/RtfReader.h"
#include "notebook/RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace {

const QString polishLetters = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");

QString sourceFile(const QString &path)
{
    return QStringLiteral(MIRAVELA_SOURCE_DIR "/") + path;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// One line per paragraph: its alignment, then each run with its looks.
QStringList describe(const QTextDocument &document)
{
    const QFont font = document.defaultFont();
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment alignment = block.blockFormat().alignment();
        QString line = alignment & Qt::AlignHCenter ? "C:"
            : alignment & Qt::AlignJustify          ? "J:"
            : alignment & Qt::AlignRight            ? "R:"
                                                    : "L:";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString family = f.fontFamilies().toStringList().value(0, font.family());
            const double points = f.fontPointSize() > 0 ? f.fontPointSize() : font.pointSizeF();
            QString looks;
            looks += f.fontWeight() > QFont::Medium ? "b" : "";
            looks += f.fontItalic() ? "i" : "";
            looks += f.fontUnderline() ? "u" : "";
            looks += f.fontStrikeOut() ? "s" : "";
            const QString colour = f.foreground().style() == Qt::NoBrush
                ? QStringLiteral("auto")
                : f.foreground().color().name();
            line += "[" + QStringList({ family, looks, QString::number(points), colour }).join(' ')
                + " " + it.fragment().text() + "]";
        }
        lines << line;
    }
    return lines;
}

QString textOf(const QByteArray &rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    return document.toRawText();
}

// The first run of `document` whose text contains `text`.
QTextCharFormat formatOf(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    qWarning("no run holds %s", qPrintable(text));
    return {};
}

Qt::Alignment alignmentOf(const QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text().contains(text))
            return block.blockFormat().alignment();
    return {};
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writtenDocumentReadsBackUnchanged()
    {
        QTextDocument document;
        document.setDefaultFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        QTextCursor cursor(&document);
        QTextCharFormat plain;
        cursor.insertText(QStringLiteral("Zażółć gęślą jaźń ") + polishLetters, plain);
        QTextCharFormat rich;
        rich.setFontWeight(QFont::Bold);
        rich.setFontItalic(true);
        cursor.insertText(QStringLiteral(" {pogrubione\\pochyłe}"), rich);
        cursor.insertBlock();
        rich = {};
        rich.setFontUnderline(true);
        rich.setFontStrikeOut(true);
        rich.setFontFamilies({ QStringLiteral("Liberation Serif") });
        rich.setFontPointSize(15.5);
        rich.setForeground(QColor(200, 10, 30));
        cursor.insertText(QStringLiteral("czerwone\tpo tabie") + QChar::LineSeparator
                + QStringLiteral("nowa linia\u00a0twarda spacja"),
            rich);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        cursor.insertBlock(centred, plain);
        cursor.insertText(QStringLiteral("Ω € „” 😀 ü"), plain);
        cursor.insertBlock(QTextBlockFormat(), plain); // an empty paragraph in the middle
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        cursor.insertBlock(right);
        cursor.insertText(QStringLiteral("do prawej"));
        QTextBlockFormat justified;
        justified.setAlignment(Qt::AlignJustify);
        cursor.insertBlock(justified);
        cursor.insertText(QStringLiteral("wyjustowany"));

        const QByteArray rtf = RtfWriter::write(document);
        // The word processor read this very file with the same text (its plain
        // text export is kept beside it, see readByTheWordProcessorAsWritten).
        QCOMPARE(rtf, readBytes(sourceFile("tests/notebook/fixtures/written.rtf")));
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl"));
        QVERIFY(rtf.contains("\\'bf\\'f3\\'b3\\'e6")); // "żółć" in the code page
        QVERIFY(rtf.contains("\\u937?")); // Ω is not
        QVERIFY(rtf.contains("\\u-10179?\\u-8704?")); // 😀, a surrogate pair
        for (char c : rtf)
            QVERIFY(uchar(c) < 0x80);

        QTextDocument back;
        back.setDefaultFont(document.defaultFont());
        QVERIFY(RtfReader::read(rtf, back)); // read whole: not taken for a damaged file
        QCOMPARE(back.toRawText(), document.toRawText());
        QCOMPARE(describe(back), describe(document));
        QCOMPARE(RtfWriter::write(back), rtf);
    }

    void readByTheWordProcessorAsWritten()
    {
        QTextDocument document;
        RtfReader::read(readBytes(sourceFile("tests/notebook/fixtures/written.rtf")), document);
        QString text = document.toRawText() + QChar(0x2029);
        text.replace(QChar(0x2029), u'\n').replace(QChar::LineSeparator, u'\n');
        const QByteArray exported
            = readBytes(sourceFile("tests/notebook/fixtures/written-read-by-libreoffice.txt"));
        QCOMPARE(text, QString::fromUtf8(exported).remove(QChar::ByteOrderMark));
    }

    void emptyPadIsAMinimalDocument()
    {
        QTextDocument empty;
        empty.setDefaultFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        const QByteArray rtf = RtfWriter::write(empty);
        QCOMPARE(rtf,
            QByteArray("{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 MS "
                       "Sans Serif;}}\r\n\\viewkind4\\uc1\r\n\\pard\\f0\\fs16\\par\r\n}\r\n"));
        QTextDocument back;
        RtfReader::read(rtf, back);
        QVERIFY(back.isEmpty());
        QCOMPARE(back.blockCount(), 1);
    }

    void readsWhatWritersProduce_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("last \\par adds no paragraph") << QByteArray("{\\rtf1 abc\\par}") << "abc";
        QTest::newRow("two \\par, two paragraphs")
            << QByteArray("{\\rtf1 abc\\par\\par}") << "abc\u2029";
        QTest::newRow("\\par at the start of the next raw line")
            << QByteArray("{\\rtf1\\ansi a\r\n\\par b\r\n\\par }") << "a\u2029b";
        QTest::newRow("delimiting space eaten once")
            << QByteArray("{\\rtf1 \\b0  x\\b y}") << " xy";
        QTest::newRow("no \\ansicpg: Windows-1250")
            << QByteArray("{\\rtf1\\ansi \\'b9\\'9c\\'9f}") << "ąśź";
        QTest::newRow("\\ansicpg1252")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'e9\\'a3}") << "é£";
        QTest::newRow("font charset wins over the document code page") << QByteArray(
            "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset238 A;}{\\f1"
            "\\fcharset204 B;}}\\f0\\'b3\\f1\\'e4}") << "łд";
        QTest::newRow("symbol font") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symbol;}}"
                                                   "\\f0\\'b7}")
                                     << "\uf0b7";
        QTest::newRow("\\u with one fallback")
            << QByteArray("{\\rtf1 \\u380?\\u-3913?\\u380\\'3fx}") << "ż\uf0b7żx";
        QTest::newRow("\\uc2 and \\uc0, scoped by groups")
            << QByteArray("{\\rtf1 {\\uc2\\u322\\'b3\\'b3a}\\u322?b{\\uc0\\u322 c}}") << "łałbłc";
        QTest::newRow("a brace ends the fallback")
            << QByteArray("{\\rtf1\\uc3\\u322{x}y}") << "łxy";
        QTest::newRow("specials") << QByteArray("{\\rtf1 a\\~b\\_c\\-d\\emdash\\{\\}\\\\\\tab "
                                                "e\\line f}")
                                  << "a\u00a0b\u2011cd\u2014{}\\\te\u2028f";
        QTest::newRow("skipped destinations") << QByteArray(
            "{\\rtf1{\\fonttbl{\\f0 X;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
            "{\\*\\unknown {deep} text}{\\*\\generator G;}a{\\pict\\bin3 }}} x}b}")
                                              << "ab";
        QTest::newRow("field keeps its result")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}") << "link";
        QTest::newRow("raw 8-bit bytes and an unnumbered \\rtf")
            << QByteArray("{\\rtf\\ansi \xb3\xf3\xbf\x6b\x6f}") << "łóżko";
        QTest::newRow("bad hex stays text") << QByteArray("{\\rtf1 a\\'zzb\\'") << "azzb";
        QTest::newRow("huge numbers are clamped") << QByteArray(
            "{\\rtf1\\fs9999999999999999999999999 a\\u99999999999 b"
            "\\uc-5\\u322 c}") << "a\uffffłc"; // the "b" was the fallback
        QTest::newRow("control characters and NUL dropped") << QByteArray("{\\rtf1\\uc0 a\x01\x00"
                                                                          "b\\u10 \\u13 \\u8233 c}",
            34) << "ab\u2028c";
        QTest::newRow("truncated")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 abc{\\b d") << "abcd";
        QTest::newRow("word of 10000 letters") << "{\\rtf1 a\\" + QByteArray(10000, 'x') + " b}"
                                               << "ab";
        QTest::newRow("100000 nested groups")
            << "{\\rtf1 a" + QByteArray(100000, '{') + "lost" + QByteArray(100000, '}') + "b}"
            << "ab";
        QTest::newRow("\\bin past the end") << QByteArray("{\\rtf1 a\\bin999999999 xyz") << "a";
        QTest::newRow("\\rtf1 alone") << QByteArray("{\\rtf1") << "";
        QTest::newRow("after a UTF-8 byte-order mark")
            << QByteArray("\xef\xbb\xbf{\\rtf1{\\b abc}\\par}") << "abc";
    }

    void readsWhatWritersProduce()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QVERIFY(RtfReader::isRtf(rtf));
        QCOMPARE(textOf(rtf), text);
    }

    void damageNeverEndsTheReading_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("blanks, NUL and end-of-file mark after the end")
            << QByteArray("{\\rtf1 a\\par}\r\n\0\x1a", 15) << "a" << true;
        QTest::newRow("text after the closing brace")
            << QByteArray("{\\rtf1 a}b}c") << "abc" << false;
        // Its closing brace lost, a font table would hold the whole text.
        QTest::newRow("a font table open at the end")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}\\f0 abc\\par def}")
            << "Arial;abc\u2029def" << false;
        QTest::newRow("a picture open at the end holds no text")
            << QByteArray("{\\rtf1 a{\\pict 0a0b") << "a" << false;
        QTest::newRow("destinations amid the text")
            << QByteArray("{\\rtf1 a\\info b\\*\\x c\\fonttbl\\par d}") << "abc\u2029d" << false;
        QTest::newRow("raw control bytes") << QByteArray("{\\rtf1 a\x01\x1b"
                                                         "b}")
                                           << "ab" << false;
    }

    void damageNeverEndsTheReading()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QTextDocument document;
        QCOMPARE(RtfReader::read(rtf, document), whole);
        QCOMPARE(document.toRawText(), text);
    }

    void readsFormats()
    {
        QTextDocument document;
        RtfReader::read("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl ;\\red255"
                        "\\green0\\blue0;}\\f0 plain {\\b\\i\\ul\\strike\\f1\\fs31\\cf1 rich}"
                        "\\ul under\\ulnone  not\\b bold\\plain  reset\\cf9  bad\\par"
                        "\\qc centred\\par\\pard left}",
            document);
        QCOMPARE(describe(document),
            QStringList({ "L:[Arial  12 auto plain ][Courier New bius 15.5 #ff0000 rich]"
                          "[Arial u 12 auto under][Arial  12 auto  not][Arial b 12 auto bold]"
                          "[Arial  12 auto  reset bad]",
                "C:[Arial  12 auto centred]", "L:[Arial  12 auto left]" }));
    }

    void plainTextFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8 with BOM and CRLF")
            << QByteArray("\xef\xbb\xbf\xc5\xbc\xc3\xb3\xc5\x82w\r\ndrugi\rtrzeci\n")
            << "żółw\u2029drugi\u2029trzeci\u2029";
        QTest::newRow("Windows-1250") << QByteArray("\xbf\xf3\xb3w {\\rtf") << "żółw {\\rtf";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("NUL and controls") << QByteArray("a\0b\x1b\tc", 6) << "ab\tc";
    }

    void plainTextFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QVERIFY(!RtfReader::isRtf(bytes));
        QCOMPARE(textOf(bytes), text);
    }

    // The fuzzer's seeds, through the fuzzer's checks (fuzz/fuzz_rtf.cpp).
    void fuzzSeedsSurviveTheWriter()
    {
        const QDir seeds(sourceFile("fuzz/seeds-rtf"));
        const QStringList files = seeds.entryList(QDir::Files);
        QVERIFY(files.size() >= 5);
        for (const QString &name : files) {
            QTextDocument read;
            RtfReader::read(readBytes(seeds.filePath(name)), read);
            const QByteArray written = RtfWriter::write(read);
            QTextDocument reread;
            QVERIFY2(RtfReader::read(written, reread), qPrintable(name));
            QVERIFY2(reread.toRawText() == read.toRawText(), qPrintable(name));
            QVERIFY2(RtfWriter::write(reread) == written, qPrintable(name));
        }
    }

    void readsFilesOfOtherWriters_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("bold");
        QTest::addColumn<QString>("italic");
        QTest::newRow("rich edit") << "polish-richedit.rtf"
                                   << "Pogrubione"
                                   << "pochyłe";
        QTest::newRow("pandoc") << "polish-pandoc.rtf"
                                << "Pogrubione ąę"
                                << "pochyłe śź";
        QTest::newRow("word processor") << "polish-libreoffice.rtf"
                                        << "Pogrubione ąę"
                                        << "pochyłe śź";
    }

    void readsFilesOfOtherWriters()
    {
        QFETCH(QString, file);
        QFETCH(QString, bold);
        QFETCH(QString, italic);
        QTextDocument document;
        QVERIFY(
            RtfReader::read(readBytes(sourceFile("tests/notebook/fixtures/" + file)), document));
        const QString text = document.toRawText();
        QVERIFY2(
            text.startsWith(QStringLiteral("Zażółć gęślą jaźń: ") + polishLetters + QChar(0x2029)),
            qPrintable(text));
        QCOMPARE(formatOf(document, bold).fontWeight(), int(QFont::Bold));
        QVERIFY(!formatOf(document, bold).fontItalic());
        QVERIFY(formatOf(document, italic).fontItalic());
        QCOMPARE(formatOf(document, QStringLiteral("Zażółć")).fontWeight(), int(QFont::Normal));
        if (file == "polish-pandoc.rtf") {
            QVERIFY(formatOf(document, QStringLiteral("przekreślone")).fontStrikeOut());
            QVERIFY(text.endsWith(QStringLiteral("€ „cudzysłów”")));
            return;
        }
        QVERIFY(formatOf(document, QStringLiteral("podkreślone")).fontUnderline());
        QCOMPARE(alignmentOf(document, QStringLiteral("rod")), Qt::AlignHCenter);
        if (file == "polish-richedit.rtf") {
            QVERIFY(formatOf(document, QStringLiteral("przekreślone")).fontStrikeOut());
            QCOMPARE(formatOf(document, QStringLiteral("Niebieski")).foreground().color(),
                QColor(0, 0, 255));
            QCOMPARE(formatOf(document, QStringLiteral("Arial 14")).fontPointSize(), 14.0);
            QCOMPARE(formatOf(document, QStringLiteral("Arial 14")).fontFamilies(),
                QStringList({ "Arial" })); // not "Arial CE"
            QCOMPARE(formatOf(document, QStringLiteral("Zażółć")).fontPointSize(), 8.0);
            QVERIFY(
                text.endsWith(QStringLiteral("kodowej: Ω\uf0b7\tpo tabulatorze\u2028nowa linia")));
        } else {
            QCOMPARE(formatOf(document, QStringLiteral("Czerwony")).foreground().color(),
                QColor(255, 0, 0));
            QCOMPARE(formatOf(document, QStringLiteral("Duży")).fontPointSize(), 20.0);
            QVERIFY(text.endsWith(QStringLiteral("Ostatni akapit, € „cudzysłów”")));
        }
    }
};

QTEST_MAIN(TestRtf)
#include "tst_Rtf.moc"
