#include "data/CycleStatistics.h"

#include "data/PeriodLine.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr int yearsAhead = 10; // the two-digit years reach this far past today's

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Two digits at `at`, or -1.
int twoDigitsAt(QByteArrayView text, qsizetype at)
{
    if (at + 2 > text.size() || !isDigit(text[at]) || !isDigit(text[at + 1]))
        return -1;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// A reading entered this many days late still falls on its own day.
constexpr int daysLate = 7;

// A date as its parts, and its day in the cycle: the readings of a cycle are
// dated in whole days without a date's conversions.
struct CycleDate {
    int year;
    int month;
    int day;
    int cycleDay;
};

int daysIn(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && QDate::isLeapYear(year) ? 29 : days[month - 1];
}

void nextMonth(int &year, int &month)
{
    if (++month > 12) {
        month = 1;
        ++year;
    }
}

void previousMonth(int &year, int &month)
{
    if (--month < 1) {
        month = 12;
        --year;
    }
}

// The date with day number `day` on which a reading that follows one taken on
// `previous` was taken: the first such date on or after `previous`, or the
// last one before it when that lies within a week (a reading entered late);
// never before the cycle's first day.
std::optional<CycleDate> readingDate(int day, const CycleDate &previous)
{
    int year = previous.year;
    int month = previous.month;
    int back = 0; // days back to the last such date before `previous`
    if (day < previous.day) {
        back = previous.day - day;
    } else {
        previousMonth(year, month);
        if (day <= daysIn(year, month))
            back = previous.day + daysIn(year, month) - day;
    }
    if (back > 0 && back <= daysLate && previous.cycleDay - back >= 1)
        return CycleDate { year, month, day, previous.cycleDay - back };

    year = previous.year;
    month = previous.month;
    if (day >= previous.day && day <= daysIn(year, month))
        return CycleDate { year, month, day, previous.cycleDay + day - previous.day };
    // Two months on at most: a day 31 skips the months that have none.
    int ahead = daysIn(year, month) - previous.day; // to the end of the month
    for (int months = 0; months < 2; ++months) {
        nextMonth(year, month);
        if (day <= daysIn(year, month))
            return CycleDate { year, month, day, previous.cycleDay + ahead + day };
        ahead += daysIn(year, month);
    }
    return std::nullopt;
}

int storedReadingCount(QByteArrayView line)
{
    int count = 0;
    for (int k = 1; qsizetype(ReadingLength) * k < line.size(); ++k) {
        if (temperatureIndex(readingTemperatureView(line, k)))
            ++count;
    }
    return count;
}

std::optional<CycleRise> riseInCycleDays(QByteArrayView line, QDate start)
{
    const QList<ChartReading> readings = chartReadings(line);
    const std::optional<TemperatureRise> rise = evaluateRise(readings);
    if (!rise)
        return std::nullopt;
    const QList<std::optional<int>> days
        = readingCycleDays(line, start, readings[rise->confirming].column);
    const auto dayOf = [&](int reading) { return days[readings[reading].column - 1]; };
    return CycleRise { dayOf(rise->firstHigher), dayOf(rise->confirming) };
}

LengthFigures lengthFigures(std::vector<int> lengths)
{
    LengthFigures figures;
    const auto count = lengths.size();
    figures.cycles = int(count);
    std::sort(lengths.begin(), lengths.end());
    figures.shortest = lengths.front();
    figures.longest = lengths.back();
    figures.mean = std::accumulate(lengths.begin(), lengths.end(), 0.0) / double(count);
    figures.median
        = count % 2 == 1 ? lengths[count / 2] : (lengths[count / 2 - 1] + lengths[count / 2]) / 2.0;
    if (count >= 2) {
        double squares = 0;
        for (const int length : lengths)
            squares += (length - figures.mean) * (length - figures.mean);
        figures.deviation = std::sqrt(squares / double(count - 1));
    }
    return figures;
}

} // namespace

int yearOfTwoDigits(int twoDigits, QDate today)
{
    const int lastYear = today.year() + yearsAhead;
    return lastYear - ((lastYear - twoDigits) % 100 + 100) % 100;
}

std::optional<QDate> entryStartDate(QByteArrayView line, QDate today)
{
    if (line.size() < EntryStartLength || line[2] != '-' || line[5] != '-')
        return std::nullopt;
    const int year = twoDigitsAt(line, 0);
    const int month = twoDigitsAt(line, 3);
    const int day = twoDigitsAt(line, 6);
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const QDate date(yearOfTwoDigits(year, today), month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

QList<std::optional<int>> readingCycleDays(QByteArrayView line, QDate start, int columns)
{
    QList<std::optional<int>> days;
    days.reserve(columns);
    CycleDate previous { start.year(), start.month(), start.day(), 1 };
    for (int column = 1; column <= columns; ++column) {
        const QByteArrayView text = readingDayView(line, column);
        const int day = text.size() == 2 ? twoDigitsAt(text, 0) : -1;
        const auto taken = day >= 1 && day <= 31 ? readingDate(day, previous) : std::nullopt;
        if (taken)
            previous = *taken;
        days.append(taken ? std::optional(taken->cycleDay) : std::nullopt);
    }
    return days;
}

int LengthFigures::firstFertileDay() const
{
    return std::max(shortest - 18, 1);
}

int LengthFigures::lastFertileDay() const
{
    return longest - 11;
}

int LengthFigures::roundedMean() const
{
    return int(std::lround(mean));
}

CycleStatistics cycleStatistics(
    qsizetype count, const std::function<QByteArrayView(qsizetype)> &lineAt, QDate today)
{
    struct Start {
        QDate date;
        qsizetype line;
    };
    CycleStatistics statistics;
    std::vector<Start> starts;
    starts.reserve(size_t(count));
    for (qsizetype index = 0; index < count; ++index) {
        const QByteArrayView line = lineAt(index);
        if (const auto date = entryStartDate(line, today))
            starts.push_back({ *date, index });
        else if (!IsSentinelLine(line))
            ++statistics.unreadableLines;
    }

    // In date order; of a date found twice, the line nearer the top stays.
    std::stable_sort(starts.begin(), starts.end(),
        [](const Start &a, const Start &b) { return a.date < b.date; });
    const auto repeated = std::unique(starts.begin(), starts.end(),
        [](const Start &a, const Start &b) { return a.date == b.date; });
    statistics.repeatedStarts = int(starts.end() - repeated);
    starts.erase(repeated, starts.end());

    statistics.cycles.reserve(qsizetype(starts.size()));
    for (size_t i = 0; i < starts.size(); ++i) {
        const QByteArrayView line = lineAt(starts[i].line);
        Cycle cycle;
        cycle.start = starts[i].date;
        cycle.line = starts[i].line;
        if (i + 1 < starts.size())
            cycle.length = int(cycle.start.daysTo(starts[i + 1].date));
        cycle.readings = storedReadingCount(line);
        cycle.rise = riseInCycleDays(line, cycle.start);
        statistics.leftOut += cycle.leftOut() ? 1 : 0;
        statistics.cycles.append(cycle);
    }

    // The newest kept completed cycles, up to twelve.
    std::vector<int> lengths;
    for (auto cycle = statistics.cycles.crbegin();
         cycle != statistics.cycles.crend() && lengths.size() < size_t(FigureCycles); ++cycle) {
        if (cycle->completed() && !cycle->leftOut())
            lengths.push_back(cycle->length);
    }
    if (!lengths.empty())
        statistics.figures = lengthFigures(std::move(lengths));
    return statistics;
}

CycleStatistics cycleStatistics(const QByteArrayList &lines, QDate today)
{
    return cycleStatistics(
        lines.size(), [&lines](qsizetype index) { return QByteArrayView(lines[index]); }, today);
}
