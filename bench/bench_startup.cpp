// Start-up cost as users meet it: the whole program, from its launch to its
// main window on the screen (with the splash and everything start-up does),
// against an empty Qt main window with a menu and a status bar. Each start is
// a fresh child process of this run, the two kinds taken in turns. Prints the
// median times, the resident memory one second after the launch, and both
// ratios.
//
//   bench_startup [runs]
//
// The starts are measured on the offscreen platform, and also on the X server
// named by DISPLAY when one is given; run a window manager there, as on a
// desktop, for instance:
//
//   Xvfb :17 & DISPLAY=:17 openbox & DISPLAY=:17 bench_startup 9

#include "app/Program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {

constexpr char launchVariable[] = "MIRAVELA_BENCH_LAUNCH_NS";
constexpr qint64 memoryAfterMs = 1000;

qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Watches a child's first main window. When its first exposure has been
// handled (the window painted and put on the screen), notes the time since
// the launch; one second after the launch it notes the resident memory,
// prints both, and closes the window, which ends the program as a user would.
class ShownProbe final : public QObject {
public:
    ShownProbe(qint64 launchNs, QObject *application)
        : QObject(application)
        , m_launchNs(launchNs)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_shownMs >= 0 || m_delivering || event->type() != QEvent::Expose)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        auto *mainWindow = window ? qobject_cast<QMainWindow *>(topLevelOf(window)) : nullptr;
        if (!mainWindow)
            return false;
        // Delivered here and now, so that the time is taken once the window
        // has been painted, not when the window system merely announced it.
        m_delivering = true;
        QCoreApplication::sendEvent(watched, event);
        m_delivering = false;
        if (!window->isExposed())
            return true;
        m_shownMs = (monotonicNs() - m_launchNs) / 1e6;
        const bool framed = window->frameMargins() != QMargins();
        const qint64 wait = std::max<qint64>(0, memoryAfterMs - qint64(m_shownMs));
        QTimer::singleShot(wait, mainWindow, [this, mainWindow, framed] {
            std::printf("%.3f %ld %d\n", m_shownMs, residentKiB(), framed ? 1 : 0);
            std::fflush(stdout);
            mainWindow->close();
            QApplication::quit(); // for the empty window; the program quits on its own
        });
        return true;
    }

private:
    static QWidget *topLevelOf(QWindow *window)
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() == window)
                return widget;
        }
        return nullptr;
    }

    qint64 m_launchNs;
    double m_shownMs = -1;
    bool m_delivering = false;
};

// Installed as the application object is made, by whichever code makes it.
void installProbe()
{
    const qint64 launch = qEnvironmentVariable(launchVariable).toLongLong();
    if (launch > 0)
        qApp->installEventFilter(new ShownProbe(launch, qApp));
}
Q_COREAPP_STARTUP_FUNCTION(installProbe)

int emptyMainWindow(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Plik"));
    window.statusBar()->showMessage(QStringLiteral("Gotowe"));
    window.show();
    return QApplication::exec();
}

struct Sample {
    double ms = -1;
    long kib = -1;
    bool framed = false;
};

Sample runChild(
    const QString &self, const QString &mode, const QString &folder, const QString &platform)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QString::fromLatin1(launchVariable), QString::number(monotonicNs()));
    process.setProcessEnvironment(environment);
    process.start(self, { mode });
    process.waitForFinished(60000);
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 3)
        return {};
    return { fields[0].toDouble(), fields[1].toLong(), fields[2] == "1" };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// Times and memory of both kinds on one platform, the starts taken in turns.
void measure(const QString &self, const QString &folder, const QString &platform, int runs)
{
    std::vector<double> programMs, programKiB, emptyMs, emptyKiB;
    bool framed = true;
    int failed = 0;
    for (int i = 0; i < runs; ++i) {
        for (const QString &mode : { QStringLiteral("--program"), QStringLiteral("--empty") }) {
            const Sample sample = runChild(self, mode, folder, platform);
            if (sample.ms < 0) {
                ++failed;
                continue;
            }
            framed = framed && sample.framed;
            const bool program = mode == QLatin1String("--program");
            (program ? programMs : emptyMs).push_back(sample.ms);
            (program ? programKiB : emptyKiB).push_back(double(sample.kib));
        }
    }
    std::printf("platform %s: %d runs each, medians%s%s\n", qPrintable(platform), runs,
        platform == QLatin1String("xcb") && !framed ? " (no window manager framed the windows)"
                                                    : "",
        failed ? " (some starts failed)" : "");
    std::printf("  program, launch to main window shown: %7.1f ms, %6.0f KiB after 1 s\n",
        median(programMs), median(programKiB));
    std::printf("  empty main window with menu and status bar: %7.1f ms, %6.0f KiB after 1 s\n",
        median(emptyMs), median(emptyKiB));
    std::printf("  ratio: %.2f (start-up), %.2f (memory)\n", median(programMs) / median(emptyMs),
        median(programKiB) / median(emptyKiB));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--empty") == 0)
        return emptyMainWindow(1, argv);
    if (argc > 1 && qstrcmp(argv[1], "--program") == 0) {
        // The program as it is started, without the benchmark's own argument.
        static int programArgc = 1;
        return runMiravela(programArgc, argv);
    }

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
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
    measure(self, folder.path(), QStringLiteral("offscreen"), runs);
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        measure(self, folder.path(), QStringLiteral("xcb"), runs);
    return 0;
}
