#include "data/SaveFile.h"

#include "data/BackupCopy.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include <dlfcn.h>
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

// What `action` wrote to the error output.
QByteArray errorOutputOf(const std::function<void()> &action)
{
    QTemporaryFile errorOutput;
    if (!errorOutput.open())
        return "<no file>";
    std::fflush(stderr);
    const int stderrCopy = ::dup(STDERR_FILENO);
    ::dup2(errorOutput.handle(), STDERR_FILENO);
    action();
    std::fflush(stderr);
    ::dup2(stderrCopy, STDERR_FILENO);
    ::close(stderrCopy);
    return readBytes(errorOutput.fileName());
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool folderSyncsFail = false;

} // namespace

// This program's own fsync stands in for the C library's, also in the save
// routine: while folderSyncsFail is set, syncing a folder fails.
extern "C" int fsync(int fd)
{
    struct stat status = {};
    if (folderSyncsFail && ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EIO;
        return -1;
    }
    static const auto next = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    return next(fd);
}

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
            QStringList({ ".Daty.txt.kolejnosc", "Daty-2027-03-01-101500-2.txt",
                "Daty-2027-03-01-101500.txt" }));
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
        QStringList expected = names.mid(8) + others
            + QStringList({ "Daty-2027-03-01-101500.txt", ".Daty.txt.kolejnosc" });
        kept.sort();
        expected.sort();
        QCOMPARE(kept, expected);
    }

    // 20 saves at 2030, then 5 with the clock set back to 2024: the copies of
    // the last 20 saves stay, and are listed in the order they were made.
    void keepsTheCopiesOfTheLastTwentySavesWhateverTheClockSaid()
    {
        QDateTime now;
        const BackupCopies byClock = BackupCopies::inKopie([&now] { return now; });
        QStringList made; // oldest first
        for (int save = 1; save <= 25; ++save) {
            now = save <= 20 ? QDateTime(QDate(2030, 1, 1), QTime(12, 0, save))
                             : QDateTime(QDate(2024, 5, 1), QTime(9, 0, save));
            if (save == 25) // one put there by hand: its place in the order is unknown
                writeBytes("kopie/Daty-2031-01-01-000000.txt", "x");
            QVERIFY(
                saveFile(QStringLiteral("Daty.txt"), QByteArray::number(save), byClock).saved());
            made.prepend(QStringLiteral("Daty-%1.txt").arg(now.toString("yyyy-MM-dd-HHmmss")));
        }
        QStringList listed;
        for (const QString &path : BackupCopy::listNewestFirst("Daty.txt", "kopie"))
            listed << QFileInfo(path).fileName();
        QCOMPARE(listed, made.mid(0, 20));
        QCOMPARE(readBytes("kopie/" + made.first()), QByteArray("24"));
    }

    // Under the order's name, a pipe would make every save wait for a writer.
    void aPipeInPlaceOfTheOrderOfCopiesIsNeverRead()
    {
        QVERIFY(QDir().mkdir("kopie"));
        QCOMPARE(::mkfifo("kopie/.Daty.txt.kolejnosc", 0600), 0);
        const BackupCopies backups
            = BackupCopies::inKopie([] { return QDateTime(QDate(2027, 3, 1), QTime(10, 15)); });
        QVERIFY(saveFile(QStringLiteral("Daty.txt"), QByteArray("nowe"), backups).saved());
        QCOMPARE(
            readBytes("kopie/.Daty.txt.kolejnosc"), QByteArray("Daty-2027-03-01-101500.txt\n"));
    }

    void aFileSheMayNotWriteIsNotReplaced()
    {
        QCOMPARE(::chmod("Daty.txt", 0444), 0); // root may write it all the same: she may not
        const SaveResult protectedFile = streamed("nowe");
        QCOMPARE(protectedFile.error, reason(EACCES));
        QCOMPARE(statusOf("Daty.txt").st_mode & 07777, mode_t(0444));

        // Another user's file in her folder; only root can make one.
        QCOMPARE(::chmod("Daty.txt", 0644), 0);
        if (::chown("Daty.txt", 4242, 4242) != 0)
            QSKIP("needs root, to give a file to another user");
        const SaveResult othersFile = streamed("nowe");
        QCOMPARE(othersFile.error, reason(EACCES));
        QCOMPARE(statusOf("Daty.txt").st_uid, uid_t(4242));
        QCOMPARE(readBytes("Daty.txt"), oldBytes);
        QCOMPARE(entries(), QStringList({ "Daty.txt" }));
    }

    // The new file is in place: a folder that cannot be synced after the
    // rename (such as one of mode 0333) makes no failed save of it.
    void aFolderSyncFailingAfterTheRenameIsOneLineNotAFailure()
    {
        SaveResult result;
        const QByteArray told = errorOutputOf([&] {
            folderSyncsFail = true;
            result = saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe"));
            folderSyncsFail = false;
        });
        QVERIFY(result.saved());
        QCOMPARE(readBytes("Daty.txt"), QByteArray("nowe"));
        QCOMPARE(told.count('\n'), 1);
        QVERIFY(told.contains("Daty.txt") && told.contains(reason(EIO).toLocal8Bit()));
    }

    void newFilesArePrivateWhenAskedAndOldOnesKeepTheirModes()
    {
        const mode_t umask = ::umask(022);
        QVERIFY(saveFile(QStringLiteral("Notatki1.txt"), QByteArrayView("x"), {}, NewFile::Private)
                    .saved());
        QVERIFY(saveFile(QStringLiteral("raport.csv"), QByteArrayView("x")).saved());
        QCOMPARE(::chmod("Daty.txt", 0640), 0);
        QVERIFY(
            saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe"), copies, NewFile::Private)
                .saved());
        ::umask(umask);
        QCOMPARE(statusOf("Notatki1.txt").st_mode & 07777, mode_t(0600));
        QCOMPARE(statusOf("raport.csv").st_mode & 07777, mode_t(0644));
        QCOMPARE(statusOf("Daty.txt").st_mode & 07777, mode_t(0640));
        QCOMPARE(statusOf("kopie").st_mode & 07777, mode_t(0700));
    }

    // Only the temporary files of saves of the names given, only plain files,
    // only in the folder given.
    void removesWhatInterruptedSavesLeftAndNothingElse()
    {
        QByteArray temporaryName; // as a save names it
        QVERIFY(!saveFile(QStringLiteral("Notatki2.txt"), [&](QIODevice &) {
            temporaryName = entries().filter(QStringLiteral(".Notatki2.txt.")).join("").toUtf8();
            return false;
        }).saved());
        const QStringList leftovers = { QString::fromUtf8(temporaryName), ".Daty.txt.Ab12Cd" };
        const QStringList others = { ".Daty.txt.Ab12C", ".Daty.txt.Ab-2Cd", "Daty.txt.Ab12Cd",
            ".Inny.txt.Ab12Cd", ".Daty.txt.kolejnosc", ".miravela.lock" };
        for (const QString &name : leftovers + others)
            writeBytes(name, "x");
        QVERIFY(QDir().mkpath(".Notatki1.txt.abcdef") && QDir().mkpath("kopie"));
        QVERIFY(QFile::link("Daty.txt", ".Notatki3.txt.abcdef"));
        writeBytes("kopie/.Daty.txt.Ab12Cd", "x");
        const QStringList before = entries();

        removeInterruptedSaves(
            QStringLiteral("."), { "Daty.txt", "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" });
        QStringList expected = before;
        for (const QString &name : leftovers)
            QVERIFY(expected.removeOne(name));
        QCOMPARE(entries(), expected);
        QCOMPARE(entries("kopie"), QStringList({ ".Daty.txt.Ab12Cd" }));
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
        SaveResult result;
        const QByteArray told = errorOutputOf([&] { result = streamed("nowe"); });
        QVERIFY(result.saved());
        QCOMPARE(readBytes("Daty.txt"), QByteArray("nowe"));
        QVERIFY(result.backupError.contains(QStringLiteral("Daty.txt")));
        QCOMPARE(told, result.backupError.toLocal8Bit() + '\n'); // one line
    }

    void aRequiredCopyThatCannotBeMadeStopsTheSave()
    {
        writeBytes("kopie", "not a folder");
        BackupCopies required = copies;
        required.required = true;
        const SaveResult result = saveFile("Daty.txt", QByteArray("nowe"), required);
        QVERIFY(!result.saved());
        QVERIFY(result.error.contains(QStringLiteral("Daty.txt")));
        QCOMPARE(readBytes("Daty.txt"), oldBytes);
        QCOMPARE(entries(), QStringList({ "Daty.txt", "kopie" }));
    }

    void copiesTheBytesWhereNoHardLinkCanBeMade()
    {
        QTemporaryDir elsewhere(QStringLiteral("/dev/shm/miravela-XXXXXX"));
        if (!elsewhere.isValid()
            || statusOf(".").st_dev == statusOf(qPrintable(elsewhere.path())).st_dev)
            QSKIP("needs a second file system at /dev/shm");
        QVERIFY(QFile::link(elsewhere.path(), "kopie"));
        QCOMPARE(::chmod("Daty.txt", 0644), 0); // a copy is private whatever the file's mode
        QVERIFY(streamed("nowe").saved());
        const QString copy = elsewhere.filePath("Daty-2027-03-01-101500.txt");
        QCOMPARE(readBytes(copy), oldBytes);
        QCOMPARE(statusOf(qPrintable(copy)).st_mode & 07777, mode_t(0600));
        QCOMPARE(entries(elsewhere.path()),
            QStringList({ ".Daty.txt.kolejnosc", "Daty-2027-03-01-101500.txt" }));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_SaveFile.moc"
