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
