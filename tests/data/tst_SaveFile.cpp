#include "data/SaveFile.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray oldBytes = "07-02-14 14/36,6\r\nMiravela 2.0\r\n";
const BackupCopies copies
    = BackupCopies::inKopie([] { return QDateTime(QDate(2027, 3, 1), QTime(10, 15)); });

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString &folder = QStringLiteral("."))
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct stat statusOf(const char *path)
{
    struct stat status = {};
    ::stat(path, &status);
    return status;
}

SaveResult streamed(const QByteArray &bytes) // as the record set writes
{
    return saveFile(
        QStringLiteral("Daty.txt"),
        [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); }, copies);
}

// A file that no rename may replace; false where that cannot be set (not root).
bool setImmutable(const char *path, bool immutable)
{
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool set = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    set = set && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return set;
}

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        writeBytes("Daty.txt", oldBytes);
    }

    void aFailureLeavesTheOldFileAndNothingElse_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("error");
        // A small write waits in the buffer: only the last flush meets the full disk.
        QTest::newRow("the last flush fails") << "small" << EFBIG;
        QTest::newRow("a big write fails") << "big" << EFBIG;
        QTest::newRow("the writer gives up") << "refused" << EIO;
        QTest::newRow("the writer throws") << "throws" << 0;
    }

    void aFailureLeavesTheOldFileAndNothingElse()
    {
        QFETCH(QString, how);
        QFETCH(int, error);
        SaveResult result;
        try {
            std::optional<FileSizeLimit> full;
            if (error == EFBIG)
                full.emplace(64);
            result = saveFile(
                QStringLiteral("Daty.txt"),
                [&](QIODevice &device) {
                    if (how == "throws")
                        throw std::runtime_error("przerwane");
                    const QByteArray bytes(how == "big" ? 1 << 20 : 100, 'x');
                    return device.write(bytes) == bytes.size() && how != "refused";
                },
                copies);
        } catch (const std::runtime_error &) {
            QCOMPARE(how, QStringLiteral("throws"));
        }
        if (error != 0)
            QCOMPARE(result.error, QString::fromLocal8Bit(std::strerror(error)));
        QCOMPARE(readBytes("Daty.txt"), oldBytes);
        QCOMPARE(entries(), QStringList({ "Daty.txt" })); // no temporary file, no copy
    }

    void writesThroughALinkWithTheOldModeButNeverThroughADanglingOne()
    {
        QVERIFY(QDir().mkdir("real") && QFile::rename("Daty.txt", "real/Daty.txt"));
        QCOMPARE(::chmod("real/Daty.txt", 0604), 0);
        QVERIFY(QFile::link("real/Daty.txt", "Daty.txt"));
        QVERIFY(saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe")).saved());
        QVERIFY(QFileInfo("Daty.txt").isSymLink());
        QCOMPARE(readBytes("real/Daty.txt"), QByteArray("nowe"));
        QCOMPARE(statusOf("real/Daty.txt").st_mode & 07777, mode_t(0604));

        QVERIFY(QFile::link("nowhere/Notatki2.txt", "Notatki2.txt") && QDir().mkdir("nowhere"));
        QVERIFY(!saveFile(QStringLiteral("Notatki2.txt"), QByteArrayView("x")).saved());
        QVERIFY(entries("nowhere").isEmpty());

        const mode_t umask = ::umask(027); // a new file: 0666 less the umask
        QVERIFY(saveFile(QStringLiteral("new.txt"), QByteArrayView("x")).saved());
        ::umask(umask);
        QCOMPARE(statusOf("new.txt").st_mode & 07777, mode_t(0640));
    }

    // The temporary file's name is made from the target's, which may be as
    // long as a name can be.
    void savesAFileWithTheLongestName()
    {
        const QString longest(255, u'n');
        QVERIFY(saveFile(longest, QByteArrayView("x")).saved());
        QCOMPARE(entries(), QStringList({ "Daty.txt", longest }));
    }

    void copiesTheOldFileOnlyWhenTheContentsChange()
    {
        const ino_t untouched = statusOf("Daty.txt").st_ino;
        QVERIFY(saveFile(QStringLiteral("Daty.txt"), QByteArrayView(oldBytes), copies).saved());
        QCOMPARE(statusOf("Daty.txt").st_ino, untouched); // the bytes it holds: not written again
        QVERIFY(streamed(oldBytes).saved());
        QVERIFY(!QFileInfo::exists("kopie"));

        const ino_t old = statusOf("Daty.txt").st_ino;
        QByteArray sameSize = oldBytes;
        sameSize[10] = '7';
        QVERIFY(streamed(sameSize).saved());
        QVERIFY(streamed(sameSize + "07-03-15\r\n").saved()); // within the same second
        QCOMPARE(entries("kopie"),
            QStringList({ "Daty-2027-03-01-101500-2.txt", "Daty-2027-03-01-101500.txt" }));
        QCOMPARE(readBytes("kopie/Daty-2027-03-01-101500-2.txt"), sameSize);
        // The first copy is the old file itself, linked: no bytes copied.
        QCOMPARE(statusOf("kopie/Daty-2027-03-01-101500.txt").st_ino, old);
    }

    void keepsTheTwentyNewestCopiesOfEachFile()
    {
        QVERIFY(QDir().mkdir("kopie"));
        QStringList names; // oldest first; within a second -10 is newer than -2
        for (int day = 1; day <= 9; ++day) {
            for (const char *count : { "", "-2", "-10" })
                names << QStringLiteral("Daty-2027-02-0%1-080000%2.txt").arg(day).arg(count);
        }
        const QStringList others = { "Notatki1-2020-01-01-000000.txt", "Daty-stara.txt",
            "Daty-2020-01-01-000000.txt.bak" };
        for (const QString &name : names + others)
            writeBytes("kopie/" + name, "x");
        QVERIFY(streamed("nowe").saved());
        QStringList kept = entries("kopie");
        QStringList expected = names.mid(8) + others + QStringList("Daty-2027-03-01-101500.txt");
        kept.sort();
        expected.sort();
        QCOMPARE(kept, expected);
    }

    // "Ponów" after a refused rename saves again and again: no copy of the
    // unchanged old file may push the older copies out.
    void aRefusedRenameKeepsTheCopiesAsTheyWere()
    {
        QVERIFY(QDir().mkdir("kopie"));
        for (int day = 1; day <= 20; ++day)
            writeBytes(
                QStringLiteral("kopie/Daty-2027-02-%1-080000.txt").arg(day, 2, 10, QChar('0')),
                "x");
        const QStringList before = entries("kopie");
        if (!setImmutable("Daty.txt", true))
            QSKIP("needs root, to make a file that no rename replaces");
        const auto result = streamed("nowe");
        const auto again = streamed("nowe");
        QVERIFY(setImmutable("Daty.txt", false));
        QVERIFY(!result.saved() && !again.saved());
        QCOMPARE(readBytes("Daty.txt"), oldBytes);
        QCOMPARE(entries("kopie"), before);
        QCOMPARE(entries(), QStringList({ "Daty.txt", "kopie" }));
    }

    void aCopyThatCannotBeMadeDoesNotStopTheSave()
    {
        writeBytes("kopie", "not a folder");
        QTemporaryFile errorOutput;
        QVERIFY(errorOutput.open());
        const int stderrCopy = ::dup(STDERR_FILENO);
        ::dup2(errorOutput.handle(), STDERR_FILENO);
        const SaveResult result = streamed("nowe");
        ::dup2(stderrCopy, STDERR_FILENO);
        ::close(stderrCopy);
        QVERIFY(result.saved());
        QCOMPARE(readBytes("Daty.txt"), QByteArray("nowe"));
        QVERIFY(result.backupError.contains(QStringLiteral("Daty.txt")));
        QCOMPARE(
            readBytes(errorOutput.fileName()), result.backupError.toLocal8Bit() + '\n'); // one line
    }

    void copiesTheBytesWhereNoHardLinkCanBeMade()
    {
        QTemporaryDir elsewhere(QStringLiteral("/dev/shm/miravela-XXXXXX"));
        if (!elsewhere.isValid()
            || statusOf(".").st_dev == statusOf(qPrintable(elsewhere.path())).st_dev)
            QSKIP("needs a second file system at /dev/shm");
        QVERIFY(QFile::link(elsewhere.path(), "kopie"));
        QCOMPARE(::chmod("Daty.txt", 0600), 0); // private, and so is its copy
        QVERIFY(streamed("nowe").saved());
        const QString copy = elsewhere.filePath("Daty-2027-03-01-101500.txt");
        QCOMPARE(readBytes(copy), oldBytes);
        QCOMPARE(statusOf(qPrintable(copy)).st_mode & 07777, mode_t(0600));
        QCOMPARE(entries(elsewhere.path()).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_SaveFile.moc"
