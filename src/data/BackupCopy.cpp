#include "data/BackupCopy.h"

#include "data/PosixFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include <sys/stat.h>

using namespace posixfile;

namespace {

constexpr int maxCopiesPerSecond = 1000;

// The copies of one file: NAME-yyyy-MM-dd-HHmmss.SUFFIX, then -2, -3, … for
// further copies made within the same second.
class CopyNames {
public:
    struct Copy {
        QString stamp;
        int number = 1;
        QString fileName;

        bool newerThan(const Copy &other) const
        {
            return stamp != other.stamp ? stamp > other.stamp : number > other.number;
        }
    };

    explicit CopyNames(const QString &fileName)
    {
        const QFileInfo info(fileName);
        m_base = info.completeBaseName();
        m_suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        m_pattern.setPattern(QLatin1Char('^') + QRegularExpression::escape(m_base)
            + QStringLiteral("-(\\d{4}-\\d\\d-\\d\\d-\\d{6})(?:-(\\d{1,9}))?")
            + QRegularExpression::escape(m_suffix) + QLatin1Char('$'));
    }

    QString name(const QString &stamp, int number) const
    {
        const QString count = number > 1 ? QLatin1Char('-') + QString::number(number) : QString();
        return m_base + QLatin1Char('-') + stamp + count + m_suffix;
    }

    std::optional<Copy> parse(const QString &fileName) const
    {
        const QRegularExpressionMatch match = m_pattern.match(fileName);
        if (!match.hasMatch())
            return std::nullopt;
        const int number = match.hasCaptured(2) ? match.captured(2).toInt() : 1;
        return Copy { match.captured(1), number, fileName };
    }

private:
    QString m_base;
    QString m_suffix;
    QRegularExpression m_pattern;
};

// A hard link costs nothing even for a big file; where the file system has
// none, a copy. Returns why no copy was made, or the copy's name in `made`.
QString makeCopy(const QByteArray &file, const QString &folder, const CopyNames &names,
    const QString &stamp, QString &made)
{
    for (int number = 1; number <= maxCopiesPerSecond; ++number) {
        const QString name = names.name(stamp, number);
        const QString copy = folder + QLatin1Char('/') + name;
        const QByteArray copyPath = QFile::encodeName(copy);
        if (::link(file.constData(), copyPath.constData()) == 0) {
            syncFolder(QFile::encodeName(folder)); // the link outlives a power cut
            made = name;
            return {};
        }
        if (errno == EEXIST)
            continue;
        // No link here: the name is taken first, private, and the save
        // routine keeps that mode for the bytes copied.
        const int placeholder = openFile(copyPath, O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (placeholder < 0 && errno == EEXIST)
            continue;
        if (placeholder < 0)
            return describe(errno);
        ::close(placeholder);
        const SaveResult copied = saveCopy(QFile::decodeName(file), copy);
        if (!copied.saved()) {
            ::unlink(copyPath.constData());
            return copied.error;
        }
        made = name;
        return {};
    }
    return describe(EEXIST);
}

// The order in which the copies of one file were made, written down in the
// backup folder as ".NAME.kolejnosc": their names, oldest first, one a line.
class CopyOrder {
public:
    CopyOrder(const QString &folder, const QString &fileName)
        : m_folder(folder)
        , m_fileName(fileName)
        , m_names(fileName)
        , m_path(folder + QStringLiteral("/.") + fileName + QStringLiteral(".kolejnosc"))
    {
    }

    // The names of the copies there are, oldest first; those not written
    // down before all others, in the order of their names.
    QStringList oldestFirst(BackupCopy::Entries entries = BackupCopy::Entries::Files) const
    {
        std::vector<CopyNames::Copy> unknown;
        QSet<QString> present;
        const QDir::Filters kinds = entries == BackupCopy::Entries::Files
            ? QDir::Files | QDir::NoSymLinks
            : QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
        const QStringList files = QDir(m_folder).entryList(kinds | QDir::Hidden);
        for (const QString &fileName : files) {
            if (std::optional<CopyNames::Copy> copy = m_names.parse(fileName)) {
                present.insert(fileName);
                unknown.push_back(std::move(*copy));
            }
        }
        QStringList known; // a name written down twice counts where it stands last
        const QStringList written = writtenDown();
        for (auto name = written.rbegin(); name != written.rend(); ++name) {
            if (present.remove(*name))
                known.prepend(*name);
        }
        std::erase_if(
            unknown, [&](const CopyNames::Copy &copy) { return !present.contains(copy.fileName); });
        std::sort(unknown.begin(), unknown.end(),
            [](const CopyNames::Copy &a, const CopyNames::Copy &b) { return b.newerThan(a); });
        QStringList names;
        for (const CopyNames::Copy &copy : unknown)
            names << copy.fileName;
        return names + known;
    }

    // Returns the line to tell when the order could not be written; empty when it was.
    QString write(const QStringList &oldestFirst) const
    {
        const QByteArray lines = oldestFirst.isEmpty()
            ? QByteArray()
            : (oldestFirst.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        const SaveResult saved = saveFile(m_path, lines, {}, NewFile::Private);
        if (saved.saved())
            return {};
        return QCoreApplication::translate("BackupCopy",
            "Nie można zapisać kolejności kopii zapasowych pliku %1 w folderze %2: %3")
            .arg(m_fileName, QFileInfo(m_folder).fileName(), saved.error);
    }

private:
    QStringList writtenDown() const
    {
        // Twenty names take a kilobyte: a bigger file is no order of ours.
        constexpr qint64 largest = 1 << 20;
        // Only a regular file: a pipe or a device under its name could make
        // every save wait, or read for ever.
        const QFileInfo info(m_path);
        if (!info.isFile() || info.size() > largest)
            return {};
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString m_folder;
    QString m_fileName;
    CopyNames m_names;
    QString m_path;
};

} // namespace

BackupCopy BackupCopy::make(const QString &path, const QString &file, const BackupCopies &backups)
{
    const QFileInfo given(path);
    BackupCopy copy;
    copy.m_folder = given.dir().filePath(backups.folderName);
    copy.m_fileName = given.fileName();
    copy.m_keep = backups.keep;
    const auto problem = [&](const QString &reason) {
        copy.m_error = QCoreApplication::translate(
            "BackupCopy", "Nie można zrobić kopii zapasowej pliku %1 w folderze %2: %3")
                           .arg(given.fileName(), backups.folderName, reason);
        return copy;
    };
    // Private, as the data folder is: a folder that is there keeps its mode.
    if (::mkdir(QFile::encodeName(copy.m_folder).constData(), 0700) != 0 && errno != EEXIST)
        return problem(describe(errno));
    QDateTime moment = backups.now ? backups.now() : QDateTime();
    if (!moment.isValid())
        moment = QDateTime::currentDateTime();
    const QString error
        = makeCopy(QFile::encodeName(file), copy.m_folder, CopyNames(copy.m_fileName),
            moment.toString(QStringLiteral("yyyy-MM-dd-HHmmss")), copy.m_made);
    return copy.m_made.isEmpty() ? problem(error) : copy;
}

QString BackupCopy::keepBytes(
    const QString &path, QByteArrayView bytes, const BackupCopies &backups)
{
    const QFileInfo given(path);
    const QString folder = given.dir().filePath(backups.folderName);
    if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
        return describe(errno);
    // The bytes reach the disk whole under a name no copy has, and become a
    // copy as the old version of a file does.
    const QString staged
        = folder + QStringLiteral("/.") + given.fileName() + QStringLiteral(".niezapisane");
    const SaveResult written = saveFile(staged, bytes, {}, NewFile::Private);
    if (!written.saved())
        return written.error;
    const BackupCopy copy = make(path, staged, backups);
    QFile::remove(staged);
    if (!copy.error().isEmpty())
        return copy.error();
    if (const QString orderError = copy.keep(); !orderError.isEmpty())
        std::fprintf(stderr, "%s\n", orderError.toLocal8Bit().constData());
    return {};
}

QStringList BackupCopy::listNewestFirst(
    const QString &path, const QString &folderName, Entries entries)
{
    const QFileInfo given(path);
    const QString folder = given.dir().filePath(folderName);
    QStringList paths;
    for (const QString &name : CopyOrder(folder, given.fileName()).oldestFirst(entries))
        paths.prepend(folder + QLatin1Char('/') + name);
    return paths;
}

QString BackupCopy::madeStamp(const QString &path, const QString &copyFileName)
{
    const std::optional<CopyNames::Copy> copy
        = CopyNames(QFileInfo(path).fileName()).parse(copyFileName);
    return copy ? copy->stamp : QString();
}

QString BackupCopy::keep() const
{
    if (m_made.isEmpty())
        return {};
    const CopyOrder order(m_folder, m_fileName);
    QStringList copies = order.oldestFirst();
    copies.removeAll(m_made);
    copies.append(m_made);
    while (m_keep > 0 && copies.size() > m_keep)
        QFile::remove(m_folder + QLatin1Char('/') + copies.takeFirst());
    return order.write(copies);
}

void BackupCopy::discard() const
{
    if (!m_made.isEmpty())
        QFile::remove(m_folder + QLatin1Char('/') + m_made);
}
