#include "data/SaveFile.h"

#include "data/BackupCopy.h"
#include "data/PosixFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace posixfile;

// Writes into an open file, front to back. Small writes are gathered in a
// buffer, big ones go out as they come. The first failure sticks: every later
// write fails too, and error() tells why.
class DescriptorDevice final : public QIODevice {
public:
    explicit DescriptorDevice(int fd)
        : m_fd(fd)
    {
        m_buffer.reserve(bufferSize);
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool flushBuffer()
    {
        if (m_error == 0 && !m_buffer.isEmpty()
            && !writeAll(m_fd, m_buffer.constData(), m_buffer.size(), m_error))
            setErrorString(describe(m_error));
        m_buffer.resize(0);
        return m_error == 0;
    }

    // Written front to back: nothing goes back to change what was written.
    bool isSequential() const override { return true; }

    int error() const { return m_error; }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_error != 0)
            return -1;
        if (m_buffer.size() + size > bufferSize && !flushBuffer())
            return -1;
        if (size >= bufferSize) {
            if (!writeAll(m_fd, data, size, m_error)) {
                setErrorString(describe(m_error));
                return -1;
            }
        } else {
            m_buffer.append(data, size);
        }
        return size;
    }

private:
    static constexpr qsizetype bufferSize = 64 * 1024;

    int m_fd;
    int m_error = 0;
    QByteArray m_buffer;
};

// The temporary file of a save of NAME is ".NAME.xxxxxx": the name, cut so
// that the whole is no longer than the longest name a file may have, and six
// random letters or digits.
constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr int randomLetters = 6;

QByteArray temporaryStem(const QByteArray &name)
{
    return name.first(std::min<qsizetype>(name.size(), NAME_MAX - 2 - randomLetters));
}

bool isTemporaryName(QByteArrayView entry, const QByteArray &stem)
{
    const QByteArrayView letterSet(letters, sizeof letters - 1);
    return entry.size() == stem.size() + 2 + randomLetters && entry.startsWith('.')
        && entry.sliced(1, stem.size()) == stem && entry.at(stem.size() + 1) == '.'
        && std::all_of(entry.end() - randomLetters, entry.end(),
            [&](char c) { return letterSet.contains(c); });
}

// A hidden, uniquely named file beside the target, removed again unless it
// was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    ~TemporaryFile()
    {
        closeFile();
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }

    // Creates it with `mode` less the umask; false with errno set on failure.
    bool create(const QByteArray &folder, const QByteArray &name, mode_t mode)
    {
        const QByteArray stem = temporaryStem(name);
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray path = folder + '.' + stem + '.';
            for (int i = 0; i < randomLetters; ++i)
                path += letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))];
            m_fd = openFile(path, O_WRONLY | O_CREAT | O_EXCL, mode);
            if (m_fd >= 0) {
                m_path = path;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    int fd() const { return m_fd; }
    const QByteArray &path() const { return m_path; }

    // Closes the file; false with errno set when closing reports a failure.
    bool closeFile()
    {
        if (m_fd < 0)
            return true;
        const int result = ::close(std::exchange(m_fd, -1));
        // After EINTR the descriptor is gone all the same, and the data was synced.
        return result == 0 || errno == EINTR;
    }

    void renamed() { m_path.clear(); }

private:
    int m_fd = -1;
    QByteArray m_path;
};

// Where the file is really written, and what is there now.
struct Target {
    QByteArray path; // a link resolved
    QByteArray folder; // with a trailing '/', or empty for the current folder
    QByteArray name;
    std::optional<struct stat> existing;
};

// Empty error when the target could be found; a dangling link is an error.
std::optional<Target> resolveTarget(const QString &path, int &error)
{
    Target target;
    target.path = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(target.path.constData(), &status) == 0) {
        if (S_ISLNK(status.st_mode)) {
            char resolved[PATH_MAX];
            if (!::realpath(target.path.constData(), resolved)) {
                error = errno;
                return std::nullopt;
            }
            target.path = resolved;
            if (::stat(resolved, &status) != 0) {
                error = errno;
                return std::nullopt;
            }
        }
        target.existing = status;
    } else if (errno != ENOENT) {
        error = errno;
        return std::nullopt;
    }
    const qsizetype slash = target.path.lastIndexOf('/');
    target.folder = target.path.first(slash + 1);
    target.name = target.path.sliced(slash + 1);
    return target;
}

bool sameContents(const QByteArray &first, const QByteArray &second)
{
    const int a = openFile(first, O_RDONLY);
    const int b = openFile(second, O_RDONLY);
    bool same = a >= 0 && b >= 0;
    constexpr size_t chunk = 256 * 1024;
    const std::unique_ptr<char[]> bufferA(new char[chunk]), bufferB(new char[chunk]);
    while (same) {
        const ssize_t readA = uninterrupted([&] { return ::read(a, bufferA.get(), chunk); });
        const ssize_t readB = uninterrupted([&] { return ::read(b, bufferB.get(), chunk); });
        same = readA == readB && readA >= 0
            && std::memcmp(bufferA.get(), bufferB.get(), size_t(std::max<ssize_t>(readA, 0))) == 0;
        if (readA <= 0)
            break;
    }
    for (const int fd : { a, b }) {
        if (fd >= 0)
            ::close(fd);
    }
    return same;
}

// The new contents differ from the old file: sizes first, bytes only when the
// sizes agree, so that the common case costs one stat.
bool contentsChanged(const Target &target, const TemporaryFile &temporary)
{
    struct stat written = {};
    if (::stat(temporary.path().constData(), &written) != 0)
        return true;
    return written.st_size != target.existing->st_size
        || !sameContents(target.path, temporary.path());
}

// Reads all of `path`, handing it to `take` a piece at a time; `take` returns
// false to stop. True when the file was read to its end and every piece taken.
bool readPieces(const QByteArray &path, const std::function<bool(QByteArrayView)> &take)
{
    const int fd = openFile(path, O_RDONLY);
    if (fd < 0)
        return false;
    constexpr qsizetype pieceSize = 1 << 20;
    const std::unique_ptr<char[]> buffer(new char[pieceSize]);
    ssize_t read = 0;
    bool taken = true;
    while (taken && (read = uninterrupted([&] { return ::read(fd, buffer.get(), pieceSize); })) > 0)
        taken = take(QByteArrayView(buffer.get(), read));
    ::close(fd);
    return taken && read == 0;
}

bool fileHolds(const QByteArray &path, QByteArrayView bytes)
{
    struct stat status = {};
    if (::stat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size != bytes.size())
        return false;
    qsizetype compared = 0;
    const bool read = readPieces(path, [&](QByteArrayView piece) {
        if (piece != bytes.sliced(compared, std::min(piece.size(), bytes.size() - compared)))
            return false;
        compared += piece.size();
        return true;
    });
    return read && compared == bytes.size();
}

// She may replace only a file of her own that she may write: the file of
// another user would become hers, and a file she protected would be written.
bool mayReplace(const struct stat &old)
{
    return old.st_uid == ::geteuid() && (old.st_mode & S_IWUSR) != 0;
}

// Gives the new file the old one's group where that is allowed.
void keepGroup(int fd, const struct stat &old)
{
    if (old.st_gid == ::getegid())
        return;
    if (::fchown(fd, uid_t(-1), old.st_gid) != 0) {
        // Only a group she belongs to may be given: the file then gets her
        // own group, and she reads and writes it as before.
    }
}

SaveResult failure(int error)
{
    return { describe(error), {} };
}

// One line on the error output, for what does not stop a save.
void tell(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

// All of `file` into `device`; false when it could not be read to its end.
bool copyFileInto(const QByteArray &file, QIODevice &device)
{
    return readPieces(file, [&device](QByteArrayView piece) {
        return device.write(piece.data(), piece.size()) == piece.size();
    });
}

} // namespace

SaveResult saveFile(const QString &path, const std::function<bool(QIODevice &)> &write,
    const BackupCopies &backups, NewFile newFile)
{
    int error = 0;
    const std::optional<Target> target = resolveTarget(path, error);
    if (!target)
        return failure(error);
    if (target->existing && !mayReplace(*target->existing))
        return failure(EACCES);

    // Over an existing file the temporary one is private until it has that
    // file's mode: whoever opens a file keeps reading it, whatever mode follows.
    TemporaryFile temporary;
    const mode_t mode = target->existing || newFile == NewFile::Private ? 0600 : 0666;
    if (!temporary.create(target->folder, target->name, mode))
        return failure(errno);
    if (target->existing) {
        // The group before the mode: changing it clears the set-group-ID bit.
        keepGroup(temporary.fd(), *target->existing);
        if (::fchmod(temporary.fd(), target->existing->st_mode & 07777) != 0)
            return failure(errno);
    }

    {
        DescriptorDevice device(temporary.fd());
        const bool written = write(device);
        if (!device.flushBuffer())
            return failure(device.error());
        if (!written)
            return failure(EIO);
    }
    if (uninterrupted([&] { return ::fsync(temporary.fd()); }) != 0 || !temporary.closeFile())
        return failure(errno);

    BackupCopy backup;
    if (!backups.folderName.isEmpty() && target->existing && S_ISREG(target->existing->st_mode)
        && contentsChanged(*target, temporary)) {
        backup = BackupCopy::make(path, QFile::decodeName(target->path), backups);
        if (!backup.error().isEmpty() && backups.required)
            return { backup.error(), backup.error() };
        if (!backup.error().isEmpty())
            tell(backup.error());
    }

    if (::rename(temporary.path().constData(), target->path.constData()) != 0) {
        const int renameError = errno;
        backup.discard();
        return { describe(renameError), backup.error() };
    }
    temporary.renamed();
    // The new file is in place: whatever follows, it is saved.
    if (const int syncError = syncFolder(target->folder); syncError != 0)
        tell(QCoreApplication::translate(
            "SaveFile", "Zapisano plik %1, ale nie można utrwalić zmiany w folderze %2: %3")
                 .arg(QFile::decodeName(target->name),
                     QFile::decodeName(target->folder.isEmpty() ? "." : target->folder),
                     describe(syncError)));
    const QString pruneError = backup.keep();
    if (!pruneError.isEmpty())
        tell(pruneError);
    return { {}, backup.error().isEmpty() ? pruneError : backup.error() };
}

SaveResult saveFile(
    const QString &path, QByteArrayView bytes, const BackupCopies &backups, NewFile newFile)
{
    if (fileHolds(QFile::encodeName(path), bytes))
        return {};
    return saveFile(
        path,
        [bytes](
            QIODevice &device) { return device.write(bytes.data(), bytes.size()) == bytes.size(); },
        backups, newFile);
}

SaveResult saveCopy(const QString &from, const QString &path)
{
    const QByteArray source = QFile::encodeName(from);
    return saveFile(path, [&source](QIODevice &device) { return copyFileInto(source, device); });
}

void removeInterruptedSaves(const QString &folder, const QStringList &fileNames)
{
    std::vector<QByteArray> stems;
    for (const QString &name : fileNames)
        stems.push_back(temporaryStem(QFile::encodeName(name)));
    DIR *entries = ::opendir(QFile::encodeName(folder).constData());
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArrayView name(entry->d_name);
        if (std::none_of(stems.begin(), stems.end(),
                [&](const QByteArray &stem) { return isTemporaryName(name, stem); }))
            continue;
        struct stat status = {};
        if (::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode))
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
    }
    ::closedir(entries);
}

void throwUnlessSaved(const SaveResult &result, const QString &shownName)
{
    if (!result.saved())
        throw std::runtime_error(
            QCoreApplication::translate("SaveFile", "Nie można zapisać pliku „%1”: %2")
                .arg(shownName, result.error)
                .toStdString());
}
