#include "data/PeriodLine.h"

#include <algorithm>

namespace {

// Up to `count` characters from 1-based position `from`; none past the end.
QByteArrayView characterView(QByteArrayView line, qsizetype from, qsizetype count)
{
    const qsizetype start = from - 1;
    if (start < 0 || start >= line.size())
        return {};
    return line.sliced(start, std::min(count, line.size() - start));
}

QByteArray characters(QByteArrayView line, qsizetype from, qsizetype count)
{
    const QByteArrayView view = characterView(line, from, count);
    return view.isEmpty() ? QByteArray() : view.toByteArray();
}

QByteArray twoDigits(int value)
{
    return QByteArray::number(value).rightJustified(2, '0');
}

} // namespace

std::optional<int> temperatureIndex(QByteArrayView text)
{
    // Read by its characters rather than looked up: the statistics ask this
    // of every reading of every line.
    if (text.size() != 4 || text[0] != '3' || text[2] != ',')
        return std::nullopt;
    const char whole = text[1];
    const char tenth = text[3];
    if (whole == '6' && tenth >= '6' && tenth <= '9')
        return tenth - '6';
    if (whole == '7' && tenth >= '0' && tenth <= '4')
        return 4 + (tenth - '0');
    return std::nullopt;
}

QByteArray MakeEntryLine(QDate date)
{
    // QDate counts years before 1 as negative; the stored text has no sign.
    const int year = ((date.year() % 100) + 100) % 100;
    return twoDigits(year) + '-' + twoDigits(date.month()) + '-' + twoDigits(date.day());
}

QByteArray AppendReading(QByteArrayView line, QDate measured, QByteArrayView temperature)
{
    QByteArray result = line.toByteArray();
    result += ' ' + twoDigits(measured.day()) + '/' + temperature.toByteArray();
    result.truncate(EntryLineCapacity);
    return result;
}

bool IsSentinelLine(QByteArrayView line)
{
    return line == SentinelText;
}

QByteArray EntryStartText(QByteArrayView line)
{
    return characters(line, 1, EntryStartLength);
}

QByteArray ReadingDayText(QByteArrayView line, int k)
{
    return characters(line, qsizetype(ReadingLength) * k + 2, 2);
}

QByteArray ReadingTemperatureText(QByteArrayView line, int k)
{
    return characters(line, qsizetype(ReadingLength) * k + 5, 4);
}

QByteArrayView readingDayView(QByteArrayView line, int k)
{
    return characterView(line, qsizetype(ReadingLength) * k + 2, 2);
}

QByteArrayView readingTemperatureView(QByteArrayView line, int k)
{
    return characterView(line, qsizetype(ReadingLength) * k + 5, 4);
}
