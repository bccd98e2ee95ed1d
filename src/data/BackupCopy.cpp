#include "data/BackupCopy.h"

#include "data/PosixFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
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
        // No link here: the name is taken first, private until it has the old
        // file's mode, which the save routine then keeps for the bytes copied.
        const int placeholder = openFile(copyPath, O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (placeholder < 0 && errno == EEXIST)
            continue;
        if (placeholder < 0)
            return describe(errno);
        struct stat old = {};
        if (::stat(file.constData(), &old) == 0)
            ::fchmod(placeholder, old.st_mode & 0777);
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

void removeOldCopies(const QString &folder, const CopyNames &names, int keep, const QString &made)
{
    std::vector<CopyNames::Copy> copies;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::NoSymLinks | QDir::Hidden);
    for (const QString &fileName : files) {
        if (std::optional<CopyNames::Copy> copy = names.parse(fileName))
            copies.push_back(std::move(*copy));
    }
    if (keep < 1 || copies.size() <= size_t(keep))
        return;
    std::sort(copies.begin(), copies.end(),
        [](const CopyNames::Copy &a, const CopyNames::Copy &b) { return a.newerThan(b); });
    for (auto copy = copies.begin() + keep; copy != copies.end(); ++copy) {
        // A clock set back names a new copy as older; it stays all the same.
        if (copy->fileName != made)
            QFile::remove(folder + QLatin1Char('/') + copy->fileName);
    }
}

} // namespace

BackupCopy BackupCopy::make(const QString &path, const QString &file, const BackupCopies &backups)
{
    const QFileInfo given(path);
    BackupCopy copy;
    copy.m_folder = given.dir().filePath(backups.folderName);
    copy.m_fileName = given.fileName();
    copy.m_keep = backups.keep;
    const auto problem = [&](const QString &reason) {
        copy.m_error = QStringLiteral("Nie można zrobić kopii zapasowej pliku %1 w folderze %2: %3")
                           .arg(given.fileName(), backups.folderName, reason);
        return copy;
    };
    if (::mkdir(QFile::encodeName(copy.m_folder).constData(), 0777) != 0 && errno != EEXIST)
        return problem(describe(errno));
    QDateTime moment = backups.now ? backups.now() : QDateTime();
    if (!moment.isValid())
        moment = QDateTime::currentDateTime();
    const QString error
        = makeCopy(QFile::encodeName(file), copy.m_folder, CopyNames(copy.m_fileName),
            moment.toString(QStringLiteral("yyyy-MM-dd-HHmmss")), copy.m_made);
    return copy.m_made.isEmpty() ? problem(error) : copy;
}

void BackupCopy::keep() const
{
    if (!m_made.isEmpty())
        removeOldCopies(m_folder, CopyNames(m_fileName), m_keep, m_made);
}

void BackupCopy::discard() const
{
    if (!m_made.isEmpty())
        QFile::remove(m_folder + QLatin1Char('/') + m_made);
}
