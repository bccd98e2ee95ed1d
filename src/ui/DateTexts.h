#pragma once

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
