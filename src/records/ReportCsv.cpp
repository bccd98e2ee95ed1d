#include "records/ReportCsv.h"

#include "data/Cp1250.h"
#include "data/PeriodLine.h"
#include "data/SaveFile.h"

#include <QDate>

#include <algorithm>

namespace reportcsv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int twoDigitValue(QByteArrayView text, qsizetype at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// A reading's beginning: " DD/" at `at`; on a full line also a space with at
// most two digits at its very end, a reading cut by the line's capacity.
bool readingBeginsAt(QByteArrayView rest, qsizetype at, bool full)
{
    if (rest[at] != ' ')
        return false;
    const qsizetype left = rest.size() - at - 1;
    if (left < 3 && !full)
        return false;
    for (qsizetype i = 1; i <= std::min<qsizetype>(left, 2); ++i) {
        if (!isDigit(rest[at + i]))
            return false;
    }
    return left < 3 || rest[at + 3] == '/';
}

// A CSV field: quoted when it holds the separator, a quote or a line end.
QByteArray field(QByteArrayView bytes)
{
    const QByteArray text = cp1250::decode(bytes).toUtf8();
    if (!text.contains(';') && !text.contains('"') && !text.contains('\r') && !text.contains('\n'))
        return text;
    QByteArray quoted = text;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

void appendRow(QByteArray &csv, const QByteArrayList &fields)
{
    csv += fields.join(';');
    csv += "\r\n";
}

} // namespace

bool isEntryLine(QByteArrayView line)
{
    if (line.size() < EntryStartLength)
        return false;
    for (qsizetype at : { 0, 3, 6 }) {
        if (!isDigit(line[at]) || !isDigit(line[at + 1]))
            return false;
    }
    if (line[2] != '-' || line[5] != '-')
        return false;
    // Every year 19YY or 20YY with a 29 February has one in 20YY.
    return QDate(2000 + twoDigitValue(line, 0), twoDigitValue(line, 3), twoDigitValue(line, 6))
        .isValid();
}

QList<Reading> entryReadings(QByteArrayView line)
{
    const bool full = line.size() >= EntryLineCapacity;
    const QByteArrayView rest = line.sliced(std::min<qsizetype>(EntryStartLength, line.size()));
    QList<Reading> readings;
    qsizetype begin = 0;
    while (begin < rest.size()) {
        qsizetype end = begin + 1;
        while (end < rest.size() && !readingBeginsAt(rest, end, full))
            ++end;
        const QByteArrayView piece = rest.sliced(begin, end - begin);
        if (readingBeginsAt(rest, begin, full)) {
            readings.append(
                { piece.sliced(1, std::min<qsizetype>(2, piece.size() - 1)).toByteArray(),
                    piece.size() > 4 ? piece.sliced(4).toByteArray() : QByteArray() });
        } else {
            readings.append({ {}, piece.toByteArray() });
        }
        begin = end;
    }
    return readings;
}

QByteArray build(const QByteArrayList &rows)
{
    QByteArray csv = "\xEF\xBB\xBF";
    appendRow(csv, { "Początek okresu", "Pomiar", "Dzień", "Temperatura" });
    for (const QByteArray &row : rows) {
        if (IsSentinelLine(row))
            continue;
        if (!isEntryLine(row)) {
            appendRow(csv, { field(row), {}, {}, {} });
            continue;
        }
        const QByteArray start = field(EntryStartText(row));
        const QList<Reading> readings = entryReadings(row);
        if (readings.isEmpty())
            appendRow(csv, { start, {}, {}, {} });
        for (qsizetype k = 0; k < readings.size(); ++k) {
            appendRow(csv,
                { start, QByteArray::number(k + 1), field(readings[k].day),
                    field(readings[k].temperature) });
        }
    }
    return csv;
}

void save(const QByteArrayList &rows, const QString &fileName)
{
    throwUnlessSaved(saveFile(fileName, build(rows)), fileName);
}

} // namespace reportcsv
