#include "ui/MonthCalendar.h"

#include "ui/Clock.h"
#include "ui/Controls.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolTip>

namespace {

// Weekday names that fit the narrow columns: the locale's short names
// when all seven fit, otherwise their first two letters.
QStringList weekdayNames(const QFontMetrics &metrics, int columnWidth)
{
    QStringList names;
    bool fit = true;
    for (int day = Qt::Sunday, n = 0; n < 7; day = day % 7 + 1, ++n) {
        QString name = QLocale().dayName(day, QLocale::ShortFormat);
        if (name.endsWith(QLatin1Char('.')))
            name.chop(1);
        fit = fit && metrics.horizontalAdvance(name) + 2 <= columnWidth;
        names << name;
    }
    if (!fit) {
        for (QString &name : names) {
            name = name.left(2);
            name[0] = name[0].toUpper();
        }
    }
    return names;
}

// Paints the weekday row with names that fit and leaves the day cells to the
// calendar's own delegate.
class WeekdayRowDelegate final : public QAbstractItemDelegate {
public:
    WeekdayRowDelegate(QAbstractItemDelegate *days, QWidget *view)
        : QAbstractItemDelegate(view)
        , m_days(days)
        , m_view(view)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        if (index.row() != 0) {
            m_days->paint(painter, option, index);
            return;
        }
        const QStringList &names = namesFor(option);
        painter->save();
        painter->fillRect(option.rect, m_view->palette().brush(QPalette::AlternateBase));
        painter->setPen(m_view->palette().color(QPalette::Text));
        painter->drawText(option.rect, Qt::AlignCenter, names.value(index.column()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return m_days->sizeHint(option, index);
    }

private:
    // The names for the row's cells, measured once for the seven of them.
    const QStringList &namesFor(const QStyleOptionViewItem &option) const
    {
        const QString locale = QLocale().name();
        if (option.rect.width() != m_namesWidth || option.font != m_namesFont
            || locale != m_namesLocale) {
            m_names = weekdayNames(option.fontMetrics, option.rect.width());
            m_namesWidth = option.rect.width();
            m_namesFont = option.font;
            m_namesLocale = locale;
        }
        return m_names;
    }

    QAbstractItemDelegate *m_days;
    QWidget *m_view;
    mutable QStringList m_names;
    mutable int m_namesWidth = -1;
    mutable QFont m_namesFont;
    mutable QString m_namesLocale;
};

} // namespace

MonthCalendar::MonthCalendar(const QString &objectName, const QColor &background, QWidget *parent)
    : QCalendarWidget(parent)
{
    setObjectName(objectName);
    setNavigationBarVisible(false);
    setFirstDayOfWeek(Qt::Sunday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setDateEditEnabled(false);
    setGridVisible(false);

    // Saturdays and Sundays look like any other day, as on a wall calendar.
    QTextCharFormat plain;
    plain.setForeground(palette().text());
    setWeekdayTextFormat(Qt::Saturday, plain);
    setWeekdayTextFormat(Qt::Sunday, plain);

    for (const auto role : { QPalette::Base, QPalette::AlternateBase, QPalette::Window })
        setColour(this, role, background);
    setAutoFillBackground(true);

    m_view = findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    if (!m_view)
        qFatal("MonthCalendar: this Qt has no calendar grid to drive");
    m_view->setItemDelegate(new WeekdayRowDelegate(m_view->itemDelegate(), m_view));
    // The smallest calendars are 145 × 104: let the cells shrink to fit.
    m_view->horizontalHeader()->setMinimumSectionSize(1);
    m_view->verticalHeader()->setMinimumSectionSize(1);
    setMinimumSize(1, 1);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);

    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_settingDate)
            Q_EMIT changed();
    });
}

void MonthCalendar::setDate(QDate date)
{
    m_settingDate = true;
    setSelectedDate(date);
    m_settingDate = false;
    Q_EMIT changed();
}

void MonthCalendar::stepMonth(int delta)
{
    setDate(steppedMonth(date(), delta));
}

void MonthCalendar::updateTodayTip()
{
    setToolTip(date() == Clock::today() ? tr("Kalendarz pokazuje aktualną datę.") : QString());
}

QDate MonthCalendar::steppedMonth(QDate date, int delta)
{
    const QDate edge = delta > 0 ? QDate(date.year(), date.month(), date.daysInMonth())
                                 : QDate(date.year(), date.month(), 1);
    const QDate target = edge.addDays(delta > 0 ? 1 : -1);
    const int day = std::min(date.day(), target.daysInMonth());
    return { target.year(), target.month(), day };
}

void MonthCalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    if (date.month() == monthShown() && date.year() == yearShown()) {
        QCalendarWidget::paintCell(painter, rect, date);
        return;
    }
    painter->fillRect(rect, palette().brush(QPalette::Base));
}

QDate MonthCalendar::dateAt(const QPoint &viewportPos) const
{
    const QModelIndex index = m_view->indexAt(viewportPos);
    if (!index.isValid() || index.row() == 0) // row 0 holds the weekday names
        return {};
    const int day = index.data().toInt();
    if (day <= 0)
        return {};
    // The grid starts in the previous month and ends in the next one; a day
    // number tells which, by the week it stands in.
    QDate date(yearShown(), monthShown(), 1);
    if (index.row() <= 2 && day > 20)
        return {};
    if (index.row() >= 5 && day < 15)
        return {};
    return date.addDays(day - 1);
}

bool MonthCalendar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return handleMouse(event);
        case QEvent::ToolTip:
            return handleToolTip(event);
        case QEvent::Wheel:
            return true; // it would page the month shown away from the date
        default:
            break;
        }
    } else if (watched == m_view && event->type() == QEvent::KeyPress) {
        return handleKey(event);
    }
    return QCalendarWidget::eventFilter(watched, event);
}

bool MonthCalendar::handleMouse(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton && !(mouse->buttons() & Qt::LeftButton))
        return false;
    const QDate picked = dateAt(mouse->position().toPoint());
    if (event->type() == QEvent::MouseButtonRelease)
        Q_EMIT dayPicked();
    // Blank cells and the weekday row take the click but change nothing;
    // double clicks and drags never change the date either.
    if (!picked.isValid() || event->type() == QEvent::MouseButtonDblClick
        || event->type() == QEvent::MouseMove) {
        return true;
    }
    return false;
}

bool MonthCalendar::handleKey(QEvent *event)
{
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        Q_EMIT dayPicked();
        return false;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true; // the month buttons step months
    default:
        return false;
    }
}

bool MonthCalendar::handleToolTip(QEvent *event)
{
    auto *help = static_cast<QHelpEvent *>(event);
    if (toolTip().isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), toolTip(), this);
    return true;
}

MonthButton::MonthButton(Direction direction, const QString &objectName, QWidget *parent)
    : QToolButton(parent)
    , m_direction(direction)
{
    setObjectName(objectName);
    setAutoRaise(true);
    setText(direction == Previous ? QStringLiteral("<<") : QStringLiteral(">>"));
    setToolTip(direction == Previous ? tr("Poprzedni miesiąc") : tr("Następny miesiąc"));
    setFocusPolicy(Qt::NoFocus);
    resize(25, 25);
}
