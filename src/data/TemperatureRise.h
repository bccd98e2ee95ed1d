#pragma once

#include <QByteArrayView>
#include <QList>

#include <optional>
#include <span>

// The temperature evaluation "3 over 6" of the symptothermal method, on the
// readings of one entry as the temperature chart draws them. Levels are in
// tenths of a degree above 36,6 (the index of the text on TemperatureScale).

// The chart's columns: readings 29 and later are never drawn nor evaluated.
inline constexpr int ChartColumns = 28;
// A first higher reading is higher than each of this many readings before it.
inline constexpr int CoverReadings = 6;
// How far above the cover line the confirming reading of the rule and of the
// second exception must be, in tenths.
inline constexpr int ClearRise = 2;

// A reading the chart draws: its column, from 1, and its level.
struct ChartReading {
    int column;
    int level;

    bool operator==(const ChartReading &) const = default;
};

// The recognised readings of an entry line in column order: columns 1 to 28,
// those whose temperature text is not one of the nine scale texts skipped.
QList<ChartReading> chartReadings(QByteArrayView line);

enum class RiseRule {
    Rule, // the third higher reading at least 0,2 above the cover line
    FirstException, // the third less than 0,2 above: a fourth above confirms
    SecondException, // one of the second and third not above: a fourth 0,2 above confirms
};

// A confirmed rise: positions in the list of readings evaluated, from 0.
struct TemperatureRise {
    int firstHigher;
    int confirming;
    int coverLevel; // the highest of the six readings before the first higher one
    RiseRule rule;

    bool operator==(const TemperatureRise &) const = default;
};

// The first candidate from the left that the rule or one of its exceptions
// confirms (the exceptions are never combined); nothing when none is, or when
// no reading has six before it.
std::optional<TemperatureRise> evaluateRise(std::span<const int> levels);
std::optional<TemperatureRise> evaluateRise(const QList<ChartReading> &readings);
