#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The report's rows as a spreadsheet: one row per reading, in the CSV that
// spreadsheets read under a Polish locale (UTF-8 with a byte-order mark, ';'
// between fields, CR LF after every row, fields quoted as RFC 4180 says).
namespace reportcsv {

// One reading of an entry line, as stored: the two day characters and the
// temperature text. A reading of a damaged line may hold other characters.
struct Reading {
    QByteArray day;
    QByteArray temperature;

    bool operator==(const Reading &) const = default;
};

// True when the line is an entry: at least 8 characters, the first of them a
// start date "YY-MM-DD" that names a day of the calendar.
bool isEntryLine(QByteArrayView line);

// The readings after an entry's start date. Each appended reading is " DD/"
// followed by its temperature text, whatever its length, so a reading begins
// at every space followed by two digits and a slash, and the text up to the
// next such place is its temperature: a reading with an empty or a longer
// temperature text does not shift the ones after it. A reading cut short at
// the end of a full line keeps the characters that are there; characters
// after the date that begin no reading make a reading of their own with no
// day, so nothing stored is left out.
QList<Reading> entryReadings(QByteArrayView line);

// The whole file for rows of Daty.txt (Windows-1250 bytes), in their order:
// the header row, then for an entry a row per reading (start text, number
// from 1, day, temperature) or one row with the start text alone when it has
// no readings, and for any other line but the sentinel a row with the whole
// line in the first field.
QByteArray build(const QByteArrayList &rows);

// Writes build(rows) through the one save routine: an older file of that name
// stays whole when writing fails. Throws std::runtime_error with a message
// for the user.
void save(const QByteArrayList &rows, const QString &fileName);

} // namespace reportcsv
