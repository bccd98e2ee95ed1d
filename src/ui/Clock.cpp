#include "ui/Clock.h"

namespace {

class SystemClock final : public Clock {
public:
    QDate currentDate() const override { return QDate::currentDate(); }
};

SystemClock systemClock;
Clock *installedClock = &systemClock;

} // namespace

QDate Clock::today()
{
    return installedClock->currentDate();
}

void Clock::install(Clock *clock)
{
    installedClock = clock ? clock : &systemClock;
}
