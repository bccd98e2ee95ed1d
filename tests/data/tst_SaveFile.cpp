#include "data/SaveFile.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray oldBytes = "07-02-14 14/36,6\r\nMiravela 2.0\r\n";
const QDateTime moment(QDate(2027, 3, 1), QTime(10, 15, 0));

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString &folder = QStringLiteral("."))
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

int modeOf(const QString &path)
{
    struct stat status = {};
    return ::stat(qPrintable(path), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

BackupCopies copiesAt(const QDateTime &at)
{
    return { QStringLiteral("kopie"), [at] { return at; } };
}

QString text(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What the process writes to its error output while `action` runs.
QByteArray errorOutputOf(const std::function<void()> &action)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("stderr")));
    const int capture = ::open(path.constData(), O_WRONLY | O_CREAT, 0600);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture, STDERR_FILENO);
    action();
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    ::close(capture);
    return readBytes(QFile::decodeName(path));
}

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void cleanup()
    {
        QDir::setCurrent(m_previousDir);
        m_dir.reset();
    }

    void keepsTheOldModeAndGivesANewFileTheUmasks()
    {
        const mode_t previousMask = ::umask(027);
        QVERIFY(saveFile(QStringLiteral("new.txt"), QByteArrayView("nowy")).saved());
        ::umask(previousMask);
        QCOMPARE(modeOf("new.txt"), 0640);

        writeBytes("Daty.txt", oldBytes);
        QCOMPARE(::chmod("Daty.txt", 0604), 0);
        QVERIFY(saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe")).saved());
        QCOMPARE(readBytes("Daty.txt"), QByteArray("nowe"));
        QCOMPARE(modeOf("Daty.txt"), 0604);
        QCOMPARE(entries(), QStringList({ "Daty.txt", "new.txt" }));
    }

    void aFailureLeavesTheOldFileAndNothingElse_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("error");
        // The small write waits in the buffer: only the last flush meets the full disk.
        QTest::newRow("the last flush fails") << "small" << EFBIG;
        QTest::newRow("a big write fails") << "big" << EFBIG;
        QTest::newRow("the writer gives up") << "refused" << EIO;
        QTest::newRow("the writer throws") << "throws" << 0;
    }

    void aFailureLeavesTheOldFileAndNothingElse()
    {
        QFETCH(QString, how);
        QFETCH(int, error);
        writeBytes("Daty.txt", oldBytes);
        const auto write = [&](QIODevice &device) {
            if (how == "throws")
                throw std::runtime_error("przerwane");
            const QByteArray bytes(how == "big" ? 1 << 20 : 100, 'x');
            return device.write(bytes) == bytes.size() && how != "refused";
        };
        SaveResult result;
        try {
            std::optional<FileSizeLimit> limit;
            if (error == EFBIG)
                limit.emplace(64);
            result = saveFile(QStringLiteral("Daty.txt"), write, copiesAt(moment));
        } catch (const std::runtime_error &) {
            QCOMPARE(how, QStringLiteral("throws"));
        }
        if (error != 0)
            QCOMPARE(result.error, text(error));
        QCOMPARE(readBytes("Daty.txt"), oldBytes);
        QCOMPARE(entries(), QStringList({ "Daty.txt" })); // no temporary file, no copy
    }

    void aLinkIsWrittenWhereItPointsButNeverWhenDangling()
    {
        QVERIFY(QDir().mkdir("real"));
        writeBytes("real/Notatki1.txt", oldBytes);
        QVERIFY(QFile::link("real/Notatki1.txt", "Notatki1.txt"));
        QVERIFY(saveFile(QStringLiteral("Notatki1.txt"), QByteArrayView("nowe")).saved());
        QVERIFY(QFileInfo("Notatki1.txt").isSymLink());
        QCOMPARE(readBytes("real/Notatki1.txt"), QByteArray("nowe"));
        QCOMPARE(entries("real"), QStringList({ "Notatki1.txt" }));

        QVERIFY(QFile::link("nowhere/Notatki2.txt", "Notatki2.txt"));
        QVERIFY(QDir().mkdir("nowhere"));
        const SaveResult result = saveFile(QStringLiteral("Notatki2.txt"), QByteArrayView("x"));
        QCOMPARE(result.error, text(ENOENT));
        QVERIFY(entries("nowhere").isEmpty());
    }

    void copiesTheOldFileOnlyWhenTheContentsChange()
    {
        writeBytes("Daty.txt", oldBytes);
        const auto save = [](const QByteArray &bytes) {
            const SaveResult result
                = saveFile(QStringLiteral("Daty.txt"), QByteArrayView(bytes), copiesAt(moment));
            QVERIFY(result.saved() && result.backupError.isEmpty());
        };
        save(oldBytes); // the same bytes: nothing to keep
        QVERIFY(!QFileInfo::exists("kopie"));
        struct stat old = {};
        QCOMPARE(::stat("Daty.txt", &old), 0);

        QByteArray sameSize = oldBytes;
        sameSize[10] = '7';
        save(sameSize);
        save(sameSize + "07-03-15\r\n"); // within the same second
        QCOMPARE(entries("kopie"),
            QStringList({ "Daty-2027-03-01-101500-2.txt", "Daty-2027-03-01-101500.txt" }));
        QCOMPARE(readBytes("kopie/Daty-2027-03-01-101500.txt"), oldBytes);
        QCOMPARE(readBytes("kopie/Daty-2027-03-01-101500-2.txt"), sameSize);
        struct stat copy = {};
        QCOMPARE(::stat("kopie/Daty-2027-03-01-101500.txt", &copy), 0);
        QCOMPARE(copy.st_ino, old.st_ino); // a hard link to the old file, no copied bytes
    }

    void keepsTheTwentyNewestCopiesOfEachFile()
    {
        QVERIFY(QDir().mkdir("kopie"));
        QStringList names;
        for (int day = 1; day <= 9; ++day) {
            const QString stamp = QStringLiteral("Daty-2027-02-0%1-080000").arg(day);
            names << stamp + ".txt" << stamp + "-2.txt" << stamp + "-10.txt";
        }
        const QStringList others = { "Notatki1-2020-01-01-000000.txt", "Daty-stara.txt",
            "Daty-2020-01-01-000000.txt.bak" };
        for (const QString &name : names + others)
            writeBytes("kopie/" + name, name.toLatin1());
        writeBytes("Daty.txt", oldBytes);

        QVERIFY(
            saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe"), copiesAt(moment)).saved());
        const QStringList kept = entries("kopie");
        QCOMPARE(kept.size(), 20 + others.size());
        QVERIFY(kept.contains("Daty-2027-03-01-101500.txt"));
        for (const QString &name : others)
            QVERIFY(kept.contains(name));
        // The eight oldest of 28 go: days 1 and 2, then day 3 but its -10, which is its newest.
        for (const QString &gone : names.mid(0, 8))
            QVERIFY2(!kept.contains(gone), qPrintable(gone));
        for (const QString &stays : names.mid(8))
            QVERIFY2(kept.contains(stays), qPrintable(stays));
    }

    void aCopyThatCannotBeMadeDoesNotStopTheSave()
    {
        writeBytes("Daty.txt", oldBytes);
        writeBytes("kopie", "not a folder");
        SaveResult result;
        const QByteArray said = errorOutputOf([&] {
            result = saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe"), copiesAt(moment));
        });
        QVERIFY(result.saved());
        QCOMPARE(readBytes("Daty.txt"), QByteArray("nowe"));
        QVERIFY(!result.backupError.isEmpty());
        QCOMPARE(said, result.backupError.toLocal8Bit() + '\n');
        QCOMPARE(readBytes("kopie"), QByteArray("not a folder"));
    }

    void copiesTheBytesWhereNoHardLinkCanBeMade()
    {
        // A folder on another file system: no hard link can reach it.
        QTemporaryDir elsewhere(QStringLiteral("/dev/shm/miravela-XXXXXX"));
        struct stat here = {}, there = {};
        if (!elsewhere.isValid() || ::stat(".", &here) != 0
            || ::stat(qPrintable(elsewhere.path()), &there) != 0 || here.st_dev == there.st_dev)
            QSKIP("needs a second file system at /dev/shm");
        QVERIFY(QFile::link(elsewhere.path(), "kopie"));
        writeBytes("Daty.txt", oldBytes);
        QVERIFY(
            saveFile(QStringLiteral("Daty.txt"), QByteArrayView("nowe"), copiesAt(moment)).saved());
        QCOMPARE(entries(elsewhere.path()), QStringList({ "Daty-2027-03-01-101500.txt" }));
        QCOMPARE(readBytes(elsewhere.filePath("Daty-2027-03-01-101500.txt")), oldBytes);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_SaveFile.moc"
