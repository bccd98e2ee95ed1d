#include "notebook/PadFile.h"

#include "notebook/RtfReader.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextDocument>

namespace {

constexpr int wordsShown = 8;
constexpr int charactersShown = 60;

// The first words of a text, on one line, with "…" when there is more.
QString firstWords(const QString &text)
{
    QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool more = words.size() > wordsShown;
    QString start = words.mid(0, wordsShown).join(QLatin1Char(' '));
    if (start.size() > charactersShown) {
        start.truncate(start.at(charactersShown - 1).isHighSurrogate() ? charactersShown - 1
                                                                       : charactersShown);
        return start + QChar(0x2026);
    }
    return more ? start + QChar(0x2026) : start;
}

} // namespace

PadFileSummary summarisePadFile(QByteArrayView bytes)
{
    PadFileSummary summary;
    const bool rtf = RtfReader::isRtf(bytes);
    if (!rtf && bytes.contains('\0')) {
        summary.problem
            = QCoreApplication::translate("PadFile", "plik zawiera bajty zerowe, jest uszkodzony");
        return summary;
    }
    QTextDocument document;
    if (!RtfReader::read(bytes, document)) {
        summary.problem
            = QCoreApplication::translate("PadFile", "dokument RTF jest uszkodzony albo niepełny");
        return summary;
    }
    summary.firstWords = firstWords(document.toPlainText());
    return summary;
}
