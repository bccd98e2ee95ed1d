#include "data/TemperatureRise.h"

#include "data/PeriodLine.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

// The reading at `index` confirms, or nothing when the readings end sooner.
std::optional<TemperatureRise> confirmedOn(std::span<const int> levels, int firstHigher, int index,
    int cover, RiseRule rule, bool confirms)
{
    if (index >= int(levels.size()) || !confirms)
        return std::nullopt;
    return TemperatureRise { firstHigher, index, cover, rule };
}

// The rule or exactly one of its exceptions, for one candidate.
std::optional<TemperatureRise> evaluateCandidate(std::span<const int> levels, int first, int cover)
{
    const int count = int(levels.size());
    if (first + 2 >= count)
        return std::nullopt; // the second and third readings are still to come
    const auto above = [&](int index, int margin) {
        return index < count && levels[size_t(index)] >= cover + margin;
    };
    const bool secondAbove = above(first + 1, 1);
    const bool thirdAbove = above(first + 2, 1);
    if (secondAbove && thirdAbove) {
        if (above(first + 2, ClearRise))
            return TemperatureRise { first, first + 2, cover, RiseRule::Rule };
        return confirmedOn(
            levels, first, first + 3, cover, RiseRule::FirstException, above(first + 3, 1));
    }
    if (secondAbove != thirdAbove) {
        return confirmedOn(levels, first, first + 3, cover, RiseRule::SecondException,
            above(first + 3, ClearRise));
    }
    return std::nullopt;
}

} // namespace

QList<ChartReading> chartReadings(QByteArrayView line)
{
    QList<ChartReading> readings;
    for (int column = 1; column <= ChartColumns; ++column) {
        if (const auto level = temperatureIndex(readingTemperatureView(line, column)))
            readings.append({ column, *level });
    }
    return readings;
}

std::optional<TemperatureRise> evaluateRise(std::span<const int> levels)
{
    for (int first = CoverReadings; first < int(levels.size()); ++first) {
        const auto six = levels.subspan(size_t(first - CoverReadings), CoverReadings);
        const int cover = *std::max_element(six.begin(), six.end());
        if (levels[size_t(first)] <= cover)
            continue;
        if (auto rise = evaluateCandidate(levels, first, cover))
            return rise;
    }
    return std::nullopt;
}

std::optional<TemperatureRise> evaluateRise(const QList<ChartReading> &readings)
{
    QVarLengthArray<int, ChartColumns> levels;
    for (const ChartReading &reading : readings)
        levels.append(reading.level);
    return evaluateRise(std::span<const int>(levels.data(), size_t(levels.size())));
}
