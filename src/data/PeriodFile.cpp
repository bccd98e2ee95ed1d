#include "data/PeriodFile.h"

#include "data/LineSplitter.h"
#include "data/PeriodLine.h"

#include <QCoreApplication>

#include <optional>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("PeriodFile", text);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "YY-MM-DD" at the start: digits and hyphens in their places.
bool startsWithStartText(QByteArrayView line)
{
    if (line.size() < EntryStartLength)
        return false;
    for (int i = 0; i < EntryStartLength; ++i) {
        if (i % 3 == 2 ? line[i] != '-' : !isDigit(line[i]))
            return false;
    }
    return true;
}

} // namespace

PeriodFileSummary summarisePeriodFile(QByteArrayView bytes)
{
    PeriodFileSummary summary;
    if (bytes.isEmpty()) {
        summary.problem = translated("plik jest pusty");
        return summary;
    }
    if (bytes.contains('\0')) {
        summary.problem = translated("plik zawiera bajty zerowe, jest uszkodzony");
        return summary;
    }
    int count = 0;
    QByteArrayView first;
    std::optional<QByteArrayView> previous;
    for (LineSplitter lines(bytes); !lines.atEnd();) {
        const QByteArrayView line = lines.next();
        if (previous && !startsWithStartText(*previous)) { // only the last line is no entry
            summary.problem = translated("wiersz %1 nie jest wpisem").arg(count);
            return summary;
        }
        if (count++ == 0)
            first = line;
        previous = line;
    }
    if (!previous || !IsSentinelLine(*previous)) {
        summary.problem
            = translated("brak ostatniego wiersza „%1”: plik jest niepełny albo to nie Daty.txt")
                  .arg(QString::fromLatin1(SentinelText));
        return summary;
    }
    summary.entries = count - 1;
    if (summary.entries > 0)
        summary.newestStart = EntryStartText(first);
    return summary;
}
