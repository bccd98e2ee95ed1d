#include "notebook/DateEdit.h"

#include "ui/Clock.h"
#include "ui/DateDialog.h"
#include "ui/DateTexts.h"

#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QToolButton>

namespace {

constexpr int buttonWidth = 18;

// "99.99.9999; ": a digit or a blank in each place, the separators fixed.
QString inputMask(const QString &format)
{
    QString mask;
    for (const QChar c : format)
        mask += c.isLetter() ? QStringLiteral("9") : QStringLiteral("\\") + c;
    return mask + QStringLiteral("; ");
}

// A two-digit year is taken in the century that puts it nearest to today.
int fullYear(int twoDigits)
{
    const int thisYear = Clock::today().year();
    int year = thisYear - thisYear % 100 + twoDigits;
    if (year > thisYear + 50)
        year -= 100;
    else if (year <= thisYear - 50)
        year += 100;
    return year;
}

} // namespace

DateEdit::DateEdit(const QString &objectName, QWidget *parent)
    : QWidget(parent)
    , m_format(displayFormat(QLocale().dateFormat(QLocale::ShortFormat)))
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    setObjectName(objectName);
    m_edit->setObjectName(objectName + QStringLiteral("Text"));
    m_edit->setInputMask(inputMask(m_format));
    m_button->setObjectName(objectName + QStringLiteral("Button"));
    m_button->setText(QStringLiteral("…"));
    m_button->setFocusPolicy(Qt::NoFocus);
    connect(m_edit, &QLineEdit::textEdited, this, &DateEdit::typed);
    connect(m_button, &QToolButton::clicked, this, &DateEdit::openCalendar);
}

QString DateEdit::displayFormat(const QString &systemShortFormat)
{
    return numericDateFormat(systemShortFormat, systemShortFormat.contains(QStringLiteral("yyyy")));
}

QString DateEdit::text() const
{
    return m_edit->displayText();
}

QDate DateEdit::date() const
{
    const DateOrder order = dateOrder(m_format);
    const QStringList parts = text().split(order.separator);
    if (parts.size() != 3)
        return {};
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok);
        if (!ok || parts[i].contains(u' ') || parts[i].size() < 2)
            return {};
        const QChar field = order.fields[i];
        (field == u'd' ? day : field == u'M' ? month : year) = value;
        if (field == u'y' && parts[i].size() == 2)
            year = fullYear(value);
    }
    return QDate(year, month, day);
}

void DateEdit::setDate(QDate date)
{
    const QString text = QLocale::c().toString(date, m_format);
    if (text == this->text())
        return;
    m_edit->setText(text);
    m_lastEntered = text;
    Q_EMIT dateEntered();
}

void DateEdit::openCalendar()
{
    const QDate shown = date();
    if (const auto picked
        = DateDialog::instance().pick(this, shown.isValid() ? shown : Clock::today()))
        setDate(*picked);
}

void DateEdit::typed()
{
    if (!date().isValid() || text() == m_lastEntered)
        return;
    m_lastEntered = text();
    Q_EMIT dateEntered();
}

void DateEdit::resizeEvent(QResizeEvent *)
{
    m_edit->setGeometry(0, 0, width() - buttonWidth, height());
    m_button->setGeometry(width() - buttonWidth, 0, buttonWidth, height());
}
