#pragma once

#include <QtGlobal>

#include <csignal>

#include <sys/resource.h>

// Caps the size of the files this process may write, as a full disk would: a
// write past the cap fails with EFBIG (SIGXFSZ is ignored from then on),
// without root. The cap applies to the test's own log too: lift it as soon as
// the write under test is done.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        const rlimit capped = { rlim_t(bytes), m_previous.rlim_max };
        if (setrlimit(RLIMIT_FSIZE, &capped) != 0)
            qFatal("setrlimit failed");
    }
    ~FileSizeLimit() { lift(); }
    void lift() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous = {};
};
