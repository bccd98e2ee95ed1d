#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

// Small helpers over the system calls that the save routine and its backup
// copies share. Every call is repeated when a signal interrupts it.
namespace posixfile {

inline QString describe(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

template <typename Call> auto uninterrupted(Call call)
{
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

inline int openFile(const QByteArray &path, int flags, mode_t mode = 0)
{
    return uninterrupted([&] { return ::open(path.constData(), flags | O_CLOEXEC, mode); });
}

// Writes all of `size` bytes, going on after a short write; sets `error` on failure.
inline bool writeAll(int fd, const char *data, qint64 size, int &error)
{
    while (size > 0) {
        const auto chunk = size_t(std::min<qint64>(size, qint64(1) << 30));
        const ssize_t written = uninterrupted([&] { return ::write(fd, data, chunk); });
        if (written <= 0) {
            error = written < 0 ? errno : ENOSPC;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Makes the names in a folder (a rename, a new link) outlive a power cut.
// Returns 0 or the error; a file system that cannot sync a folder at all is
// no error, as there is nothing more to do there.
inline int syncFolder(const QByteArray &folder)
{
    const int fd = openFile(folder.isEmpty() ? QByteArray(".") : folder, O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    const int result = uninterrupted([fd] { return ::fsync(fd); });
    const int error = result == 0 ? 0 : errno;
    ::close(fd);
    return error == EINVAL || error == ENOTSUP ? 0 : error;
}

} // namespace posixfile
