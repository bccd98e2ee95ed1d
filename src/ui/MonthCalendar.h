#pragma once

#include <QCalendarWidget>
#include <QToolButton>

// The month calendar of every window: the day numbers of one month under a
// row of short weekday names, weeks starting on Sunday, no month or year
// title, days of the neighbouring months left blank.
//
// Two events: dayPicked() when the user picks a day (mouse or arrow keys),
// raised before the picked day becomes the date; changed() every time the
// date is set, by the user, by a month step or by the program.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT

public:
    MonthCalendar(const QString &objectName, const QColor &background, QWidget *parent);

    QDate date() const { return selectedDate(); }
    // Sets the date; raises changed() even when the date stays the same.
    void setDate(QDate date);
    // One month back (delta -1) or forward (+1), keeping the day number.
    void stepMonth(int delta);
    // The tooltip says so when the calendar shows today's date, and is empty
    // otherwise.
    void updateTodayTip();

    // The day `date` would step to: the same day number, clamped to the end of
    // the target month, the year rolling over between December and January.
    static QDate steppedMonth(QDate date, int delta);

Q_SIGNALS:
    void dayPicked();
    void changed();

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QDate dateAt(const QPoint &viewportPos) const;
    bool handleMouse(QEvent *event);
    bool handleKey(QEvent *event);
    bool handleToolTip(QEvent *event);

    class QTableView *m_view = nullptr;
    bool m_settingDate = false;
};

// A flat "<<" or ">>" button that steps a month calendar, with its tooltip
// "Poprzedni miesiąc" or "Następny miesiąc".
class MonthButton : public QToolButton {
    Q_OBJECT

public:
    enum Direction { Previous = -1, Next = +1 };

    MonthButton(Direction direction, const QString &objectName, QWidget *parent);
    Direction direction() const { return m_direction; }

private:
    Direction m_direction;
};
