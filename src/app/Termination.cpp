#include "app/Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = { -1, -1 };

// Only async-signal-safe work here: the event loop does the rest.
void forwardSignal(int signalNumber)
{
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

bool requested = false;
bool startingUp = true;

// Start-up may wait on a message box before the program's own event loop
// runs. A signal then ends that box and every box start-up shows after it,
// and the program ends instead of starting its event loop.
void endStartUpBoxes()
{
    if (!startingUp || !requested)
        return;
    // quit() would do nothing before the program's own loop runs.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
    QTimer::singleShot(20, QCoreApplication::instance(), endStartUpBoxes);
}

// Quits the program's own event loop. Showing the main window handles some
// events before that loop runs, and a quit then would be lost: a signal that
// comes that early quits the loop as soon as it runs.
void quitOnceRunning()
{
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::quit();
    else
        QTimer::singleShot(0, QCoreApplication::instance(), quitOnceRunning);
}

void terminate()
{
    requested = true;
    if (startingUp)
        endStartUpBoxes();
    else
        quitOnceRunning();
}

} // namespace

void quitOnTerminationSignals()
{
    requested = false;
    startingUp = true;
    if (signalPipe[0] >= 0)
        return; // already listening
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier
        = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
        terminate();
    });

    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : { SIGTERM, SIGINT, SIGHUP })
        sigaction(signalNumber, &action, nullptr);
}

bool startUpEnded()
{
    startingUp = false;
    return requested;
}
