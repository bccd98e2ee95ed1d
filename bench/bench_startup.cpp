// Start-up cost: creating all the program's windows and reaching the idle
// event loop, against an empty QMainWindow, each in a fresh child process of
// this run. Prints the median times, their ratio and the resident memory of
// each after start-up.
//
//   bench_startup [runs]      (QT_QPA_PLATFORM decides the display; offscreen
//                              is used when none is set)

#include "app/Program.h"
#include "ui/Appearance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// One measured start in this process: prints "<milliseconds> <KiB>".
int child(int argc, char *argv[], bool wholeProgram)
{
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    std::unique_ptr<Program> program;
    std::unique_ptr<QMainWindow> empty;
    if (wholeProgram) {
        applyAppearance(application);
        program = std::make_unique<Program>();
        program->start();
    } else {
        empty = std::make_unique<QMainWindow>();
        empty->show();
    }
    QTimer::singleShot(0, [&] {
        std::printf("%.3f %ld\n", clock.nsecsElapsed() / 1e6, residentKiB());
        std::fflush(stdout);
        QApplication::quit();
    });
    QApplication::exec();
    if (program)
        program->finish();
    return 0;
}

struct Sample {
    double ms;
    long kib;
};

Sample runChild(const QString &self, const QString &mode, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(self, { mode });
    process.waitForFinished(60000);
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    return fields.size() == 2 ? Sample { fields[0].toDouble(), fields[1].toLong() }
                              : Sample { -1, -1 };
}

Sample median(std::vector<Sample> samples)
{
    std::sort(samples.begin(), samples.end(), [](auto a, auto b) { return a.ms < b.ms; });
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && (qstrcmp(argv[1], "--program") == 0 || qstrcmp(argv[1], "--empty") == 0))
        return child(argc, argv, qstrcmp(argv[1], "--program") == 0);

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir folder;
    QFile daty(folder.filePath(QStringLiteral("Daty.txt")));
    if (!daty.open(QIODevice::WriteOnly))
        return 1;
    daty.write("07-03-15 15/36,6 16/36,7 17/37,0\r\n07-02-14 14/36,6 15/36,6\r\nMiravela 2.0\r\n");
    daty.close();
    for (const char *pad : { "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" }) {
        QFile file(folder.filePath(QString::fromLatin1(pad)));
        if (!file.open(QIODevice::WriteOnly)) // an empty pad
            return 1;
    }

    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    std::vector<Sample> programRuns, emptyRuns;
    for (int i = 0; i < runs; ++i) {
        programRuns.push_back(runChild(self, QStringLiteral("--program"), folder.path()));
        emptyRuns.push_back(runChild(self, QStringLiteral("--empty"), folder.path()));
    }
    const Sample program = median(programRuns);
    const Sample empty = median(emptyRuns);
    std::printf("runs: %d each (median), platform: %s\n", runs,
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("all windows to idle loop: %.1f ms, resident %ld KiB\n", program.ms, program.kib);
    std::printf("empty QMainWindow to idle loop: %.1f ms, resident %ld KiB\n", empty.ms, empty.kib);
    std::printf("ratio: %.2f (time), %.2f (memory)\n", program.ms / empty.ms,
        double(program.kib) / double(empty.kib));
    return 0;
}
