#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What a whole Daty.txt holds, judged from its bytes: the period entries, the
// newest first, then the sentinel line.

// Far more than a lifetime of entries: a bigger file is no Daty.txt.
inline constexpr qint64 largestPeriodFile = 64 * 1024 * 1024;

struct PeriodFileSummary {
    int entries = 0;
    QByteArray newestStart; // "YY-MM-DD" of the first line, the entry saved last
    QString problem; // why these bytes are no sound Daty.txt; empty when they are
};

// A sound file is lines of entries, each starting with its start text, and
// the sentinel line last. Empty bytes, a NUL byte (what a crash leaves), a
// missing sentinel line (a file cut short) or a line that is no entry make
// the bytes damaged, and the summary says where.
PeriodFileSummary summarisePeriodFile(QByteArrayView bytes);
