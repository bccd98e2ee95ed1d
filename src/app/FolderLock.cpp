#include "app/FolderLock.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr QByteArrayView showRequest = "show\n";
constexpr QByteArrayView shownAnswer = "shown\n";
// Long enough for a program that is still starting or already ending, and
// for one busy with a long print, to answer or to let the folder go.
constexpr int waitForHolderMs = 10000;
constexpr int pollMs = 100;
// A lock file that says nothing that long is no lock being written: it was
// cut short (a power cut between making it and writing it) and goes.
constexpr int silentLockLooks = 3;

// The real path, so that a link or a relative name finds the same server; the
// user, so that two users' programs never meet. In the user's own runtime
// folder where there is one.
QString serverNameFor(const QString &folder)
{
    QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty())
        real = QDir(folder).absolutePath();
    const QByteArray key = QFile::encodeName(real) + '\0' + QByteArray::number(::geteuid());
    const QByteArray hash
        = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(32);
    QString place = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (place.isEmpty() || !QFileInfo(place).isDir())
        place = QDir::tempPath();
    return place + QStringLiteral("/miravela-") + QString::fromLatin1(hash);
}

// Far more than a lock's process, program and machine take.
constexpr qint64 largestLockFile = 4096;

// A lock file is opened and read whole to judge it: something else under its
// name (a pipe, a device, a link, a huge file) could make that wait or read
// for ever, and is no lock of a program's.
bool oddLockFile(const QString &path)
{
    struct stat status = {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false; // none yet, or none to judge
    return !S_ISREG(status.st_mode) || status.st_size > largestLockFile;
}

bool ownedByAnotherUser(const QString &path)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0
        && status.st_uid != ::geteuid();
}

} // namespace

FolderLock::FolderLock(const QString &folder)
    : m_folder(folder)
    , m_serverName(serverNameFor(folder))
    , m_lock(QDir(folder).filePath(QLatin1String(fileName)))
{
    // A lock is judged by its process alone: one of another machine is never
    // taken over however old it is, as that program may still run.
    m_lock.setStaleLockTime(0);
}

FolderLock::~FolderLock()
{
    m_server.reset(); // no start may ask a program that is gone
}

FolderLock::Outcome FolderLock::acquire()
{
    const QString lockPath = QDir(m_folder).filePath(QLatin1String(fileName));
    const QDeadlineTimer deadline(waitForHolderMs);
    int silentLooks = 0;
    for (;;) {
        if (oddLockFile(lockPath))
            return Outcome::Unlockable;
        if (m_lock.tryLock(0)) {
            listen();
            return Outcome::Held;
        }
        if (m_lock.error() != QLockFile::LockFailedError)
            return Outcome::Unlockable;
        qint64 pid = 0;
        QString application;
        if (m_lock.getLockInfo(&pid, &m_holder, &application)) {
            silentLooks = 0;
            if (!heldHere() || ownedByAnotherUser(lockPath))
                return Outcome::HeldElsewhere;
            if (askToShow(int(deadline.remainingTime())))
                return Outcome::ShownThere;
        } else if (++silentLooks >= silentLockLooks) {
            // Gone only when no program holds it: a running holder keeps it locked.
            m_lock.removeStaleLockFile();
            silentLooks = 0;
        }
        if (deadline.hasExpired()) {
            if (m_holder.isEmpty())
                return Outcome::Unlockable; // a lock that cannot be read or removed
            return Outcome::HeldElsewhere;
        }
        QThread::msleep(pollMs);
    }
}

bool FolderLock::heldHere() const
{
    return m_holder == QSysInfo::machineHostName();
}

bool FolderLock::askToShow(int waitMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(pollMs))
        return false; // not serving yet, or no longer
    socket.write(showRequest.data(), showRequest.size());
    const QDeadlineTimer deadline(std::max(waitMs, pollMs));
    QByteArray answer;
    while (!answer.endsWith('\n') && answer.size() < shownAnswer.size()
        && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    return answer == shownAnswer;
}

void FolderLock::listen()
{
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_serverName)) {
        // What is there was left by a program that ended without closing
        // it: this one holds the folder, so no other serves it here.
        QLocalServer::removeServer(m_serverName);
        if (!server->listen(m_serverName))
            return; // a second start then says the folder is in use
    }
    connect(server.get(), &QLocalServer::newConnection, this, &FolderLock::answer);
    m_server = std::move(server);
}

void FolderLock::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < qint64(showRequest.size()))
                return;
            if (socket->read(showRequest.size()) == showRequest) {
                Q_EMIT showRequested();
                socket->write(shownAnswer.data(), shownAnswer.size());
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}
