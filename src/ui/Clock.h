#pragma once

#include <QDate>

// The one source of "today" for every window. Tests pin it by installing a
// clock of their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate currentDate() const = 0;

    static QDate today();
    static void install(Clock *clock); // nullptr restores the system clock
};
