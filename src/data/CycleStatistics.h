#pragma once

#include "data/TemperatureRise.h"

#include <QByteArrayList>
#include <QByteArrayView>
#include <QDate>
#include <QList>

#include <algorithm>
#include <functional>
#include <optional>

// What the period entries say about her cycles: the starts read from the
// lines, the cycles between them, the figures of their lengths and the
// calendar method's estimate from her own history.

// Completed cycles shorter or longer than this are most likely a missed or a
// doubled entry: they are listed, but left out of the figures.
inline constexpr int ShortestKeptLength = 15;
inline constexpr int LongestKeptLength = 60;
// The figures are taken over this many of the newest kept cycles.
inline constexpr int FigureCycles = 12;
// The calendar method wants at least this many cycles behind its estimate.
inline constexpr int EstimateCycles = 6;

// The year a stored two-digit year stands for: the one ending in those digits
// within the hundred years that end ten years after today's year (in 2027,
// 1938 to 2037).
int yearOfTwoDigits(int twoDigits, QDate today);
// The start date of a line whose first eight characters are a valid date
// "YY-MM-DD"; nothing for any other line (the sentinel, a damaged line).
std::optional<QDate> entryStartDate(QByteArrayView line, QDate today);

// The cycle day of each reading in columns 1 to `columns` of an entry started on
// `start`, worked out from the day texts: a reading was taken on the first
// date with its day number on or after the previous reading's date (the
// start's for the first), or on the last one before it when that lies within
// a week (a reading entered late), never before the start. So a cycle that
// starts on the 28th reads 28, 29, 30, 01 as days 1 to 4 and goes on into the
// months after. Nothing for a reading whose day text is no day number; the
// next one is then read from the last date known.
QList<std::optional<int>> readingCycleDays(
    QByteArrayView line, QDate start, int columns = ChartColumns);

// A confirmed temperature rise in cycle days: the first higher reading and
// the one that confirmed it; nothing where a day text is no day number.
struct CycleRise {
    std::optional<int> firstHigherDay;
    std::optional<int> confirmingDay;

    bool operator==(const CycleRise &) const = default;
};

struct Cycle {
    QDate start;
    qsizetype line = -1; // the entry's line in the record set
    int length = 0; // days from this start to the next; 0 for the current cycle
    int readings = 0; // the temperature readings stored with it
    std::optional<CycleRise> rise;

    bool completed() const { return length > 0; }
    bool leftOut() const
    {
        return completed() && (length < ShortestKeptLength || length > LongestKeptLength);
    }
};

struct LengthFigures {
    int cycles = 0; // how many completed cycles they are taken from
    int shortest = 0;
    int longest = 0;
    double mean = 0;
    double median = 0;
    std::optional<double> deviation; // sample (n − 1); nothing under two cycles

    // The calendar method's fertile days, in cycle days: shortest − 18, but at
    // least day 1, to longest − 11.
    int firstFertileDay() const;
    int lastFertileDay() const;
    // The mean rounded to whole days.
    int roundedMean() const;
};

struct CycleStatistics {
    QList<Cycle> cycles; // oldest first; the newest is the current cycle
    int unreadableLines = 0; // lines neither a period start nor the sentinel
    int repeatedStarts = 0; // starts found again on a later line, counted once
    int leftOut = 0; // completed cycles left out of the figures
    std::optional<LengthFigures> figures; // nothing without a kept completed cycle

    int completedCycles() const { return std::max(int(cycles.size()) - 1, 0); }
    const Cycle *current() const { return cycles.isEmpty() ? nullptr : &cycles.last(); }
};

// The statistics of `count` lines, the line with index i given by lineAt(i),
// on the day `today`. A date found on several lines counts once, with the
// first of those lines.
CycleStatistics cycleStatistics(
    qsizetype count, const std::function<QByteArrayView(qsizetype)> &lineAt, QDate today);
CycleStatistics cycleStatistics(const QByteArrayList &lines, QDate today);
