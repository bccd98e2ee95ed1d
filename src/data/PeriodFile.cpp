#include "data/PeriodFile.h"

#include "data/LineSplitter.h"
#include "data/PeriodLine.h"

#include <QCoreApplication>

#include <utility>

namespace {

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

void countLine(PeriodFileSummary &summary, QByteArrayView line)
{
    if (!startsWithStartText(line)) {
        ++summary.otherLines;
        return;
    }
    if (summary.entries++ == 0)
        summary.newestStart = EntryStartText(line);
}

} // namespace

PeriodFileSummary summarisePeriodFile(QByteArrayView bytes)
{
    PeriodFileSummary summary;
    if (bytes.isEmpty()) {
        summary.problem = QCoreApplication::translate("PeriodFile", "plik jest pusty");
        return summary;
    }
    if (bytes.contains('\0')) {
        summary.problem = QCoreApplication::translate(
            "PeriodFile", "plik zawiera bajty zerowe, jest uszkodzony");
        return summary;
    }
    QByteArrayView last;
    bool any = false;
    for (LineSplitter lines(bytes); !lines.atEnd();) {
        // Each line is judged once the next one shows that it is not the last.
        if (std::exchange(any, true))
            countLine(summary, last);
        last = lines.next();
    }
    summary.sentinelLast = IsSentinelLine(last);
    if (!summary.sentinelLast)
        countLine(summary, last);
    return summary;
}
