#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What a whole Daty.txt holds, judged from its bytes: the period entries, the
// newest first, then the sentinel line.

// Far more than a lifetime of entries: a bigger file is no Daty.txt.
inline constexpr qint64 largestPeriodFile = 64 * 1024 * 1024;

struct PeriodFileSummary {
    int entries = 0; // lines that start with a start text
    int otherLines = 0; // lines that do not, but for the sentinel line last
    bool sentinelLast = false; // the file ends with the sentinel line, as the program writes it
    QByteArray newestStart; // "YY-MM-DD" of the first entry, the one saved last
    QString problem; // why these bytes are no Daty.txt; empty when they are
};

// Empty bytes or a NUL byte (what a crash leaves) make the bytes damaged, and
// the summary says why. Anything else the program reads, keeps and writes back
// as it is, so it is counted, not held against the file: lines that are no
// entry (written by hand in another editor), a missing or misplaced sentinel
// line, blank lines at the end.
PeriodFileSummary summarisePeriodFile(QByteArrayView bytes);
