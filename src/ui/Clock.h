#pragma once

#include <QDate>
#include <QDateTime>

// The one source of "today" and "now" for every window. Tests pin it by installing a
// clock of their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate currentDate() const = 0;
    // A clock that knows only the date stands at its midnight.
    virtual QDateTime currentDateTime() const { return QDateTime(currentDate(), QTime(0, 0)); }

    static QDate today();
    static QDateTime now();
    static void install(Clock *clock); // nullptr restores the system clock
};

// While it lives, today() and now() read as a moment gone by; then the clock
// installed before comes back. A window built after start-up is built under
// the start-up moment, so that it opens exactly as it would have opened then.
class ClockAt final : public Clock {
public:
    explicit ClockAt(const QDateTime &moment);
    ~ClockAt() override;
    ClockAt(const ClockAt &) = delete;
    ClockAt &operator=(const ClockAt &) = delete;

    QDate currentDate() const override { return m_moment.date(); }
    QDateTime currentDateTime() const override { return m_moment; }

private:
    QDateTime m_moment;
    Clock *m_previous;
};
