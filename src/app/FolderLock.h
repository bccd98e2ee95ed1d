#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// Holds a data folder for the one program that works on it. A lock file in
// the folder tells every other start, also on another machine that shares the
// folder, that the folder is taken; a lock left by a program that no longer
// runs on this machine is taken over. Beside the lock a local server, named
// after the folder's real path and the user, lets a second start on this
// machine ask the running program to show itself.
class FolderLock : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        Held, // this program holds the folder
        Unlockable, // no lock can be made there (a read-only or full folder, or
                    // something that is no lock file under its name)
        ShownThere, // a program on this machine holds it and was asked to show itself
        HeldElsewhere, // a program that cannot be asked holds it; holder() names its machine
    };

    // The lock file's name; no save ever makes a file of that name.
    static constexpr char fileName[] = ".miravela.lock";

    explicit FolderLock(const QString &folder);
    ~FolderLock() override;

    // Takes the folder, or asks the program that holds it to show itself.
    // Waits a few seconds for a program on this machine that is starting or
    // ending: the folder is taken when it has ended, or the program asked
    // when it can answer.
    Outcome acquire();
    // The machine the program that holds the folder runs on.
    const QString &holder() const { return m_holder; }
    // It is this machine: a program here holds the folder but did not answer
    // (another user's, or one busy ending).
    bool heldHere() const;

Q_SIGNALS:
    // A second start on the folder asks this program to show itself.
    void showRequested();

private:
    bool askToShow(int waitMs) const;
    void listen();
    void answer();

    QString m_folder;
    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
    QString m_holder;
};
