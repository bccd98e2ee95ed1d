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
    int otherLines = 0; // lines before the sentinel that do not
    QByteArray newestStart; // "YY-MM-DD" of the first entry, the one saved last
    QString problem; // why these bytes are no sound Daty.txt; empty when they are
};

// A sound file is lines, the sentinel line last. Empty bytes, a NUL byte (what
// a crash leaves) or a missing sentinel line (a file cut short) make the bytes
// damaged, and the summary says why. A line that is no entry (one written by
// hand in another editor) is counted, not held against the file: the program
// reads and keeps such lines, so her own file, and every copy of it, may
// hold them.
PeriodFileSummary summarisePeriodFile(QByteArrayView bytes);
