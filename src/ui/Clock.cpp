#include "ui/Clock.h"

namespace {

class SystemClock final : public Clock {
public:
    QDate currentDate() const override { return QDate::currentDate(); }
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
};

SystemClock systemClock;
Clock *installedClock = &systemClock;

} // namespace

QDate Clock::today()
{
    return installedClock->currentDate();
}

QDateTime Clock::now()
{
    return installedClock->currentDateTime();
}

void Clock::install(Clock *clock)
{
    installedClock = clock ? clock : &systemClock;
}

ClockAt::ClockAt(const QDateTime &moment)
    : m_moment(moment)
    , m_previous(installedClock)
{
    installedClock = this;
}

ClockAt::~ClockAt()
{
    installedClock = m_previous;
}
