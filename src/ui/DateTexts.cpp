#include "ui/DateTexts.h"

#include <QLocale>
#include <QStringList>

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

DateOrder dateOrder(const QString &format)
{
    DateOrder order { QString(), QChar() };
    for (const QChar c : format) {
        if ((c == u'd' || c == u'M' || c == u'y') && !order.fields.contains(c))
            order.fields += c;
        else if (!c.isLetter() && !order.fields.isEmpty() && order.separator.isNull())
            order.separator = c;
    }
    if (order.fields.size() != 3)
        order.fields = QStringLiteral("dMy");
    if (order.separator.isNull() || order.separator.isSpace())
        order.separator = u'.';
    return order;
}

QString numericDateFormat(const QString &shortFormat, bool fourDigitYear)
{
    const DateOrder order = dateOrder(shortFormat);
    QStringList fields;
    for (const QChar field : order.fields)
        fields << (field == u'd' ? QStringLiteral("dd")
                : field == u'M'  ? QStringLiteral("MM")
                : fourDigitYear  ? QStringLiteral("yyyy")
                                 : QStringLiteral("yy"));
    return fields.join(order.separator);
}

QString numericDateText(QDate date)
{
    // The digits as they are everywhere, whatever the locale's own.
    return QLocale::c().toString(
        date, numericDateFormat(QLocale().dateFormat(QLocale::ShortFormat), true));
}
