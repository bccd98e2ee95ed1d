#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>

#include <array>
#include <optional>

// The layout of one line of Daty.txt. Apart from the sentinel line, which
// stands last, every line is a period entry: the start date "YY-MM-DD" in
// characters 1 to 8, then the readings in the order they were appended, each
// eight characters " DD/T,TT" (a space, the day of the measurement, a slash,
// the temperature text). Reading k thus has its day at characters 8k+2..8k+3
// and its temperature at 8k+5..8k+8, counted from 1.
//
// Lines are the exact bytes of the file; entry lines are plain ASCII.

// The marker line "Miravela 2.0": when it is the first line, no entry has
// been saved yet.
inline constexpr QByteArrayView SentinelText = "Miravela 2.0";

// The most characters a line's Line field holds; a longer value is cut.
inline constexpr int EntryLineCapacity = 240;
inline constexpr int EntryStartLength = 8;
inline constexpr int ReadingLength = 8;

// The nine temperature texts, "36,6" to "37,4", in ascending order.
inline constexpr std::array<QByteArrayView, 9> TemperatureScale
    = { "36,6", "36,7", "36,8", "36,9", "37,0", "37,1", "37,2", "37,3", "37,4" };

// Index 0..8 of a temperature text on the scale; nothing for any other text.
// The comparison is exact: " 36,6", "36.6" and "36,60" are not on the scale.
std::optional<int> temperatureIndex(QByteArrayView text);

// The start text "YY-MM-DD" of a date: the year modulo 100, hyphens always.
QByteArray MakeEntryLine(QDate date);
// The line followed by " DD/" and the temperature text, cut to
// EntryLineCapacity characters.
QByteArray AppendReading(QByteArrayView line, QDate measured, QByteArrayView temperature);
// True when the line is exactly the sentinel text.
bool IsSentinelLine(QByteArrayView line);
// Characters 1 to 8, fewer when the line is shorter.
QByteArray EntryStartText(QByteArrayView line);
// Characters 8k+2 and 8k+3: the day written with reading k (k from 1); fewer
// or none past the end of the line.
QByteArray ReadingDayText(QByteArrayView line, int k);
// Characters 8k+5 to 8k+8: the temperature text of reading k (k from 1);
// fewer or none past the end of the line.
QByteArray ReadingTemperatureText(QByteArrayView line, int k);
// The same two as views into the line, for readers that go through many lines.
QByteArrayView readingDayView(QByteArrayView line, int k);
QByteArrayView readingTemperatureView(QByteArrayView line, int k);

// True when one more well-formed reading fits whole into a line of this many
// characters (the full text, which may be longer than the field).
constexpr bool readingFits(qsizetype lineLength)
{
    return lineLength + ReadingLength <= EntryLineCapacity;
}
