#pragma once

#include <QtGlobal>

#include <sys/resource.h>

// Caps the size of the files this process may write, the way a full disk
// stops a write, without root: a write past the cap fails with EFBIG (SIGXFSZ
// is ignored meanwhile). The cap also applies to the test's own log, so lift
// it as soon as the write under test is done; the destructor lifts it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    void lift();

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
    bool m_active = false;
};
