#pragma once

#include <QByteArrayView>
#include <QString>

// A note pad's file, judged from its bytes.

// Far more than years of notes; a bigger file is not a note pad, and reading
// it whole could exhaust the memory.
inline constexpr qint64 largestPadFile = 64 * 1024 * 1024;

struct PadFileSummary {
    QString firstWords; // the start of its text, on one line
    QString problem; // why these bytes are no sound pad; empty when they are
};

// A pad is sound when it is an RTF document read whole, or plain text without
// NUL bytes (what a crash leaves). An empty file is an empty pad.
PadFileSummary summarisePadFile(QByteArrayView bytes);
