#include "notebook/RtfWriter.h"

#include "data/Cp1250.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace {

constexpr double pixelsPerPoint = 96.0 / 72.0;

// Text with "\", "{" and "}" escaped, tabs and line breaks as control words,
// and every character beyond ASCII in the code page or as "\uN?".
QByteArray escaped(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\t') || c == QChar::ObjectReplacementCharacter) {
            continue; // no text: a stray control character or a pasted picture's place
        } else if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += char(code);
        } else if (code == u'\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (code == 0x00A0) {
            out += "\\~";
        } else if (code >= 0x20 && code < 0x7F) {
            out += char(code);
        } else if (const QByteArray byte = cp1250::encode(QStringView(&c, 1));
                   code >= 0x80 && byte != "?") {
            out += "\\'" + byte.toHex();
        } else {
            out += "\\u" + QByteArray::number(static_cast<qint16>(code)) + '?';
        }
    }
    return out;
}

// A font's name in the code page of its entry; ";" would end it early.
QByteArray fontName(const QString &family)
{
    QByteArray out;
    for (const char byte : cp1250::encode(family)) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '\\' || byte == '{' || byte == '}')
            out += QByteArray("\\") + byte;
        else if (code >= 0x80)
            out += "\\'" + QByteArray(1, byte).toHex();
        else if (code >= 0x20)
            out += byte == ';' ? ' ' : byte;
    }
    return out;
}

// The fonts and colours that the runs use, in order of first use: font 0 is
// the document's default font, colour 0 the automatic colour.
class Tables {
public:
    explicit Tables(const QString &defaultFamily) { m_fonts << fontName(defaultFamily); }

    int fontIndex(const QString &family)
    {
        const QByteArray name = fontName(family);
        if (name.isEmpty())
            return 0;
        if (!m_fonts.contains(name))
            m_fonts << name;
        return int(m_fonts.indexOf(name));
    }

    int colourIndex(const QColor &colour)
    {
        if (!m_colours.contains(colour.rgb()))
            m_colours << colour.rgb();
        return int(m_colours.indexOf(colour.rgb())) + 1;
    }

    QByteArray fontTable() const
    {
        QByteArray out = "{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset238 " + m_fonts[i] + ";}";
        }
        return out + '}';
    }

    QByteArray colourTable() const
    {
        if (m_colours.isEmpty())
            return {};
        QByteArray out = "{\\colortbl ;";
        for (const QRgb rgb : m_colours)
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green"
                + QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
        return out + "}\r\n";
    }

private:
    QList<QByteArray> m_fonts; // as written
    QList<QRgb> m_colours;
};

int halfPoints(double points)
{
    return std::max(1, int(std::lround(points * 2)));
}

double defaultPoints(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() > 0 ? font.pixelSize() / pixelsPerPoint : 8.0;
}

QByteArray runStart(const QTextCharFormat &format, Tables &tables, int defaultHalfPoints)
{
    QString family = format.fontFamilies().toStringList().value(0);
    QByteArray out = "{\\f" + QByteArray::number(tables.fontIndex(family));
    const double points = format.fontPointSize();
    out += "\\fs" + QByteArray::number(points > 0 ? halfPoints(points) : defaultHalfPoints);
    if (format.fontWeight() > QFont::Medium)
        out += "\\b";
    if (format.fontItalic())
        out += "\\i";
    if (format.fontUnderline())
        out += "\\ul";
    if (format.fontStrikeOut())
        out += "\\strike";
    if (format.foreground().style() != Qt::NoBrush)
        out += "\\cf" + QByteArray::number(tables.colourIndex(format.foreground().color()));
    return out + ' ';
}

QByteArray alignmentWord(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignHCenter)
        return "\\qc";
    if (alignment & Qt::AlignJustify)
        return "\\qj";
    if (alignment & (Qt::AlignRight))
        return "\\qr";
    return {};
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument &document)
{
    const QFont font = document.defaultFont();
    const QString defaultFamily
        = font.family().isEmpty() ? QStringLiteral("MS Sans Serif") : font.family();
    const int defaultHalfPoints = halfPoints(defaultPoints(font));
    const QByteArray paragraphStart = "\\pard\\f0\\fs" + QByteArray::number(defaultHalfPoints);

    Tables tables(defaultFamily);
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        body += paragraphStart + alignmentWord(block.blockFormat().alignment());
        // Neighbouring runs that look the same in the file are one run.
        QByteArray openRun;
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment run = fragment.fragment();
            const QByteArray start = runStart(run.charFormat(), tables, defaultHalfPoints);
            if (start != openRun) {
                if (!openRun.isEmpty())
                    body += '}';
                body += start;
                openRun = start;
            }
            body += escaped(run.text());
        }
        if (!openRun.isEmpty())
            body += '}';
        body += "\\par\r\n";
    }
    return "{\\rtf1\\ansi\\ansicpg1250\\deff0" + tables.fontTable() + "\r\n" + tables.colourTable()
        + "\\viewkind4\\uc1\r\n" + body + "}\r\n";
}
