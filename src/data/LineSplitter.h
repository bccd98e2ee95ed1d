#pragma once

#include <QByteArrayView>

// Splits text into lines. A line ends at CR, at LF or at CR LF; a last line
// without a break still counts, and a break at the very end adds no empty
// line. The lines are views into the text.
class LineSplitter {
public:
    explicit LineSplitter(QByteArrayView text);

    bool atEnd() const;
    QByteArrayView next(); // only while !atEnd()

private:
    qsizetype indexOrEnd(char byte) const;

    QByteArrayView m_text;
    qsizetype m_position = 0;
    // The next CR and LF at or after m_position (or the end): remembered, so
    // that a file with only one kind of break is still searched just once.
    qsizetype m_nextCr = -1;
    qsizetype m_nextLf = -1;
};
