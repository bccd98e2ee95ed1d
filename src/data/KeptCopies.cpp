#include "data/KeptCopies.h"

#include "data/BackupCopy.h"
#include "data/PosixFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

using namespace posixfile;

namespace {

// "yyyy-MM-dd-HHmmss" as "dd.MM.yyyy HH:mm:ss", whatever the digits say.
QString madeText(const QString &stamp)
{
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(stamp.mid(8, 2), stamp.mid(5, 2), stamp.first(4), stamp.mid(11, 2), stamp.mid(13, 2),
            stamp.mid(15, 2));
}

// The copies of one file, newest first, and the moments in their names.
struct FileCopies {
    QString fileName;
    QStringList paths;
    QStringList stamps;
    qsizetype next = 0;

    FileCopies(const QString &path, const QString &folderName)
        : fileName(QFileInfo(path).fileName())
        , paths(BackupCopy::listNewestFirst(path, folderName, BackupCopy::Entries::Any))
    {
        for (const QString &copy : paths)
            stamps << BackupCopy::madeStamp(path, QFileInfo(copy).fileName());
    }

    bool done() const { return next == paths.size(); }
};

QString tooLarge(qint64 size)
{
    return QCoreApplication::translate("KeptCopies", "plik jest za duży (%1)")
        .arg(QLocale().formattedDataSize(size, 1, QLocale::DataSizeTraditionalFormat));
}

} // namespace

QList<KeptCopy> listKeptCopies(const QStringList &paths, const QString &folderName)
{
    std::vector<FileCopies> files;
    for (const QString &path : paths)
        files.emplace_back(path, folderName);
    // Each file's copies keep their order; of the copies next in line, the
    // one named after the latest moment comes first.
    QList<KeptCopy> copies;
    for (;;) {
        FileCopies *newest = nullptr;
        for (FileCopies &file : files) {
            if (!file.done()
                && (!newest || file.stamps.at(file.next) > newest->stamps.at(newest->next)))
                newest = &file;
        }
        if (!newest)
            return copies;
        const qsizetype at = newest->next++;
        copies.append({ newest->paths.at(at), newest->fileName, madeText(newest->stamps.at(at)) });
    }
}

QString keptCopiesFolderProblem(const QString &folder)
{
    DIR *entries = ::opendir(QFile::encodeName(folder).constData());
    if (entries) {
        ::closedir(entries);
        return {};
    }
    return errno == ENOENT ? QString() : describe(errno);
}

CopyBytes readKeptCopy(const QString &path, qint64 largest)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0)
        return { {}, describe(errno) };
    if (S_ISDIR(status.st_mode))
        return { {}, QCoreApplication::translate("KeptCopies", "w miejscu kopii jest folder") };
    if (S_ISLNK(status.st_mode))
        return { {}, QCoreApplication::translate("KeptCopies", "w miejscu kopii jest dowiązanie") };
    if (!S_ISREG(status.st_mode))
        return { {}, QCoreApplication::translate("KeptCopies", "to nie jest zwykły plik") };

    // Without waiting: what stands there now may no longer be that file.
    const int fd = openFile(name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return { {}, describe(errno) };
    CopyBytes copy;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        copy.problem = QCoreApplication::translate("KeptCopies", "to nie jest zwykły plik");
    } else if (status.st_size > largest) {
        copy.problem = tooLarge(status.st_size);
    } else {
        // One byte more than the largest tells a file that has grown since.
        copy.bytes.resize(qsizetype(status.st_size) + 1);
        qsizetype total = 0;
        ssize_t read = 0;
        while (total < copy.bytes.size() && (read = uninterrupted([&] {
            return ::read(fd, copy.bytes.data() + total, size_t(copy.bytes.size() - total));
        })) > 0)
            total += read;
        if (read < 0)
            copy.problem = describe(errno);
        else if (total > largest)
            copy.problem = tooLarge(total);
        else if (total == copy.bytes.size())
            copy.problem
                = QCoreApplication::translate("KeptCopies", "plik zmienia się w czasie odczytu");
        copy.bytes.truncate(total);
    }
    ::close(fd);
    if (!copy.problem.isEmpty())
        copy.bytes.clear();
    return copy;
}
