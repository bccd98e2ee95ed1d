#include "ui/DateTexts.h"

#include <QLocale>

namespace {

QString joined(const QString &day, QDate date)
{
    const QString month = QLocale().standaloneMonthName(date.month(), QLocale::LongFormat);
    return day + QStringLiteral(" - ") + month + QStringLiteral(" - ")
        + QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
}

} // namespace

QString longDateText(QDate date)
{
    return joined(QString::number(date.day()), date);
}

QString longDateTextTwoDigitDay(QDate date)
{
    return joined(QString::number(date.day()).rightJustified(2, QLatin1Char('0')), date);
}

QString shortDateText(QDate date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}
