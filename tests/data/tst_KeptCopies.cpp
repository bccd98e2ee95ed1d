// The backup copies as the restore window sees them: listed newest first
// across the files, read as untrusted files, and a Daty.txt judged from its bytes.

#include "data/KeptCopies.h"
#include "data/PeriodFile.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

QStringList listed(const QStringList &files)
{
    QStringList lines;
    for (const KeptCopy &copy : listKeptCopies(files, QStringLiteral("kopie")))
        lines << copy.path + QLatin1Char(' ') + copy.fileName + QLatin1Char(' ') + copy.madeText;
    return lines;
}

const QStringList dataFiles { "Daty.txt", "Notatki1.txt", "Notatki2.txt" };

} // namespace

class TestKeptCopies : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void noFolderOrAnEmptyOneListsNothing()
    {
        QCOMPARE(listed(dataFiles), QStringList());
        QCOMPARE(keptCopiesFolderProblem("kopie"), QString());
        QVERIFY(QDir().mkdir("kopie"));
        QCOMPARE(listed(dataFiles), QStringList());
        QCOMPARE(keptCopiesFolderProblem("kopie"), QString());
        QVERIFY(QDir().rmdir("kopie"));
        writeFileBytes("kopie", "a file in the folder's place");
        QVERIFY(!keptCopiesFolderProblem("kopie").isEmpty());
    }

    // Each file's copies in the order they were made, whatever their names
    // say; the files' copies merged by the moments in their names.
    void listsNewestFirstAcrossTheFiles()
    {
        QVERIFY(QDir().mkdir("kopie"));
        for (const char *name : { "Daty-2027-03-01-101500.txt", "Daty-2027-03-05-080000.txt",
                 "Notatki1-2027-03-03-120000.txt", "Notatki1-2027-03-03-120000-2.txt",
                 "Notatki2-2027-03-04-090000.txt", "Daty-notatka.txt",
                 "Inny-2027-03-09-090000.txt" })
            writeFileBytes(QStringLiteral("kopie/") + name, "x");
        // The clock was set back: the copy named 1 March was made last.
        writeFileBytes("kopie/.Daty.txt.kolejnosc",
            "Daty-2027-03-05-080000.txt\nDaty-2027-03-01-101500.txt\n");
        QVERIFY(QDir().mkdir("kopie/Notatki2-2027-03-06-070000.txt")); // a folder in a copy's place

        QCOMPARE(listed(dataFiles),
            QStringList({
                "./kopie/Notatki2-2027-03-06-070000.txt Notatki2.txt 06.03.2027 07:00:00",
                "./kopie/Notatki2-2027-03-04-090000.txt Notatki2.txt 04.03.2027 09:00:00",
                "./kopie/Notatki1-2027-03-03-120000-2.txt Notatki1.txt 03.03.2027 12:00:00",
                "./kopie/Notatki1-2027-03-03-120000.txt Notatki1.txt 03.03.2027 12:00:00",
                "./kopie/Daty-2027-03-01-101500.txt Daty.txt 01.03.2027 10:15:00",
                "./kopie/Daty-2027-03-05-080000.txt Daty.txt 05.03.2027 08:00:00",
            }));
    }

    void readsAPlainFileAndTellsWhyNothingElse()
    {
        QVERIFY(QDir().mkdir("kopie"));
        writeFileBytes("kopie/plain", "07-02-14\r\nMiravela 2.0\r\n");
        QVERIFY(QDir().mkdir("kopie/folder"));
        QVERIFY(QFile::link("plain", "kopie/link"));
        QCOMPARE(::mkfifo("kopie/pipe", 0600), 0); // nobody writes: a read would wait for ever
        writeFileBytes("kopie/big", QByteArray(101, 'x'));

        const CopyBytes plain = readKeptCopy("kopie/plain", 100);
        QCOMPARE(plain.bytes, QByteArray("07-02-14\r\nMiravela 2.0\r\n"));
        QCOMPARE(plain.problem, QString());
        QCOMPARE(readKeptCopy("kopie/folder", 100).problem,
            QStringLiteral("w miejscu kopii jest folder"));
        QCOMPARE(readKeptCopy("kopie/link", 100).problem,
            QStringLiteral("w miejscu kopii jest dowiązanie"));
        QCOMPARE(
            readKeptCopy("kopie/pipe", 100).problem, QStringLiteral("to nie jest zwykły plik"));
        QCOMPARE(readKeptCopy("kopie/big", 100).problem,
            QStringLiteral("plik jest za duży (101 bajty)"));
        QVERIFY(readKeptCopy("kopie/big", 100).bytes.isEmpty());
        QVERIFY(!readKeptCopy("kopie/missing", 100).problem.isEmpty());
    }

    void judgesDatyFromItsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("others");
        QTest::addColumn<bool>("sentinelLast");
        QTest::addColumn<QByteArray>("newest");
        QTest::addColumn<QString>("problem");
        QTest::newRow("entries") << QByteArray("07-03-15 15/36,6\r\n07-02-14\r\nMiravela 2.0\r\n")
                                 << 2 << 0 << true << QByteArray("07-03-15") << QString();
        QTest::newRow("no entry yet")
            << QByteArray("Miravela 2.0\r\n") << 0 << 0 << true << QByteArray() << QString();
        QTest::newRow("LF, no last break") << QByteArray("07-02-14\nMiravela 2.0") << 1 << 0 << true
                                           << QByteArray("07-02-14") << QString();
        QTest::newRow("empty") << QByteArray() << 0 << 0 << false << QByteArray()
                               << QStringLiteral("plik jest pusty");
        QTest::newRow("NUL") << QByteArray("07-02-14\r\n\0\0\0\0", 14) << 0 << 0 << false
                             << QByteArray()
                             << QStringLiteral("plik zawiera bajty zerowe, jest uszkodzony");
        // What the program reads and keeps as it is can be brought back: the
        // window tells what it is.
        QTest::newRow("no sentinel") << QByteArray("07-03-15 15/36,6\r\n07-02-1") << 1 << 1 << false
                                     << QByteArray("07-03-15") << QString();
        QTest::newRow("blank line at the end")
            << QByteArray("07-03-15\r\nMiravela 2.0\r\n\r\n") << 1 << 2 << false
            << QByteArray("07-03-15") << QString();
        QTest::newRow("lines written by hand")
            << QByteArray("\xff\xfe junk\r\n07-03-15\r\n7-2-14\r\n07-02-14\r\nMiravela 2.0\r\n")
            << 2 << 2 << true << QByteArray("07-03-15") << QString();
        QTest::newRow("two sentinels") << QByteArray("Miravela 2.0\r\nMiravela 2.0\r\n") << 0 << 1
                                       << true << QByteArray() << QString();
    }

    void judgesDatyFromItsBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        QFETCH(int, others);
        QFETCH(bool, sentinelLast);
        QFETCH(QByteArray, newest);
        QFETCH(QString, problem);
        const PeriodFileSummary summary = summarisePeriodFile(bytes);
        QCOMPARE(summary.problem, problem);
        QCOMPARE(summary.entries, entries);
        QCOMPARE(summary.otherLines, others);
        QCOMPARE(summary.sentinelLast, sentinelLast);
        QCOMPARE(summary.newestStart, newest);
    }
};

QTEST_GUILESS_MAIN(TestKeptCopies)
#include "tst_KeptCopies.moc"
