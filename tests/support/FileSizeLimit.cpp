#include "support/FileSizeLimit.h"

#include <csignal>

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (::getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
        qFatal("getrlimit failed");
    rlimit capped = m_previous;
    capped.rlim_cur = rlim_t(bytes);
    if (::setrlimit(RLIMIT_FSIZE, &capped) != 0)
        qFatal("setrlimit failed");
    m_active = true;
}

FileSizeLimit::~FileSizeLimit()
{
    lift();
}

void FileSizeLimit::lift()
{
    if (!m_active)
        return;
    m_active = false;
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}
