#pragma once

#include <QChar>
#include <QDate>
#include <QString>

// "7 - marzec - 2007": the day without a leading zero, the full month name of
// the interface's locale (ui/Language) in its nominative form, the four-digit
// year.
QString longDateText(QDate date);
// "07 - marzec - 2007": the same with a two-digit day.
QString longDateTextTwoDigitDay(QDate date);
// The interface locale's short date, "7.03.2007" under a Polish locale.
QString shortDateText(QDate date);

// The order of day, month and year in a date format ("dMy", "Mdy", "yMd")
// and the separator between them.
struct DateOrder {
    QString fields;
    QChar separator;
};
DateOrder dateOrder(const QString &format);
// A format in the order of the short date format `shortFormat`, with a
// two-digit day and month: "dd.MM.yyyy" for "d.MM.yyyy", "MM/dd/yy" for
// "M/d/yy", or "MM/dd/yyyy" with `fourDigitYear`.
QString numericDateFormat(const QString &shortFormat, bool fourDigitYear);
// The interface locale's short date with a two-digit day and month and the
// four-digit year: "07.03.2007" under a Polish locale, "03/07/2007" under an
// American one.
QString numericDateText(QDate date);
