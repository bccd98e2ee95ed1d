// Times opening a big Daty.txt, changing one line and closing it, against a
// plain read and write of the same bytes, and against a copy that is just as
// durable as the record set's save: read, write a temporary file, sync it,
// rename it over the old copy, sync the folder. Against the durable copy the
// record set should stay within 1.10 times.

#include "data/TTextDataSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

namespace {

constexpr int entryCount = 1'000'000;
constexpr int rounds = 7;

// Entries like "07-03-15 15/36,6 16/36,7 17/37,0": a date, then 0..29 readings.
QByteArray makeEntries()
{
    static const char *const temperatures[]
        = { "36,6", "36,7", "36,8", "36,9", "37,0", "37,1", "37,2", "37,3", "37,4" };
    QRandomGenerator random(20070315);
    QByteArray bytes;
    bytes.reserve(qsizetype(entryCount) * 130);
    char buffer[16];
    for (int entry = 0; entry < entryCount; ++entry) {
        std::snprintf(buffer, sizeof buffer, "%02d-%02d-%02d", entry / 372 % 100,
            entry / 31 % 12 + 1, entry % 31 + 1);
        bytes.append(buffer);
        const int readings = int(random.bounded(30));
        for (int reading = 0; reading < readings; ++reading) {
            std::snprintf(buffer, sizeof buffer, " %02d/%s", int(random.bounded(31)) + 1,
                temperatures[random.bounded(9)]);
            bytes.append(buffer);
        }
        bytes.append("\r\n");
    }
    bytes.append("Miravela 2.0\r\n");
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Copies `from` to `to` as durably as the record set saves: a temporary file,
// synced, renamed over the old copy, the folder synced. A raw copy holds no
// more than a buffer's worth of the file at a time.
bool durableCopy(const QString &from, const QString &to)
{
    const QByteArray target = QFile::encodeName(to);
    const QByteArray temporary = target + ".tmp";
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool copied = in >= 0 && out >= 0;
    static char buffer[1 << 20];
    for (ssize_t read = 1; copied && read > 0;) {
        read = ::read(in, buffer, sizeof buffer);
        copied = read >= 0 && (read == 0 || ::write(out, buffer, size_t(read)) == read);
    }
    copied = copied && ::fsync(out) == 0;
    if (in >= 0)
        ::close(in);
    if (out >= 0 && ::close(out) != 0)
        copied = false;
    if (!copied || ::rename(temporary.constData(), target.constData()) != 0)
        return false;
    const QByteArray folder = QFile::encodeName(QFileInfo(to).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool folderSynced = dir >= 0 && ::fsync(dir) == 0;
    if (dir >= 0)
        ::close(dir);
    return folderSynced;
}

double milliseconds(const std::function<void()> &run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString dataPath = dir.filePath("Daty.txt");
    const QByteArray entries = makeEntries();
    if (!dir.isValid() || !writeFile(dataPath, entries)) {
        std::fprintf(stderr, "cannot prepare %s\n", qPrintable(dataPath));
        return 1;
    }
    std::printf("file: %d lines, %.1f MB\n", entryCount + 1, double(entries.size()) / 1e6);

    const QString copyPath = dir.filePath("Kopia.txt");
    const auto plain = [&] {
        QFile in(dataPath);
        if (!in.open(QIODevice::ReadOnly) || !writeFile(copyPath, in.readAll()))
            std::fprintf(stderr, "plain copy failed\n");
    };
    const QString durablePath = dir.filePath("Trwala.txt");
    const auto durable = [&] {
        if (!durableCopy(dataPath, durablePath))
            std::fprintf(stderr, "durable copy failed\n");
    };
    const auto dataSet = [&] {
        TTextDataSet set;
        set.setFileName(dataPath);
        set.open();
        set.insert();
        set.setLine("01-01-01 01/36,6");
        set.post();
        set.close();
    };

    try {
        plain(); // warm up every path once
        durable();
        dataSet();
        // Taken in turns, so that all see the same state of the disk cache.
        double plainMs = std::numeric_limits<double>::max();
        double durableMs = plainMs;
        double dataSetMs = plainMs;
        for (int round = 0; round < rounds; ++round) {
            plainMs = std::min(plainMs, milliseconds(plain));
            durableMs = std::min(durableMs, milliseconds(durable));
            dataSetMs = std::min(dataSetMs, milliseconds(dataSet));
        }
        std::printf("plain read+write: %.1f ms\n", plainMs);
        std::printf("durable copy (write, sync, rename, sync folder): %.1f ms\n", durableMs);
        std::printf("dataset open+close: %.1f ms\n", dataSetMs);
        std::printf("ratio to plain: %.2f   ratio to durable: %.2f\n", dataSetMs / plainMs,
            dataSetMs / durableMs);
    } catch (const DataSetError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
