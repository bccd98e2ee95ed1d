// What start-up tells the user, and when: the messages about the data files
// come while the program starts, before its main window, in the order of the
// files, however late the windows themselves are built. And a window built
// late opens as it would have opened at start-up.
//
// Start-up on a data folder: one program per folder, also when the built
// program is started twice; a private folder from the launcher; what
// interrupted saves left is cleared.

#include "app/FolderLock.h"
#include "app/Program.h"
#include "app/TForm1.h"
#include "calendar/TForm2.h"
#include "data/TTextDataSet.h"
#include "daycount/TFormLD.h"
#include "notebook/TFormN.h"
#include "records/TForm4.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DateTexts.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <functional>
#include <memory>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Notes in the message log when a window is first shown.
class ShowLogger final : public QObject {
public:
    explicit ShowLogger(QStringList &log)
        : m_log(log)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && window && window->isWindow() && !event->spontaneous())
            m_log << QStringLiteral("shown: ") + window->objectName();
        return false;
    }

private:
    QStringList &m_log;
};

template <typename Window> Window *topLevel(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return qobject_cast<Window *>(window);
    }
    return nullptr;
}

// Runs the whole program in `folder`, does `whileRunning` once the event loop
// runs, and ends the program. Returns the exit status.
int runIn(const QString &folder, const std::function<void(TForm1 *)> &whileRunning)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        poll.stop();
        if (auto *main = topLevel<TForm1>("Form1")) {
            whileRunning(main);
            main->close();
        }
    });
    poll.start(5);
    const int status = runProgram();
    QDir::setCurrent(previous);
    return status;
}

// Notes the event loop in the log, then opens the note pads.
std::function<void(TForm1 *)> openTheNotebook(QStringList &log)
{
    return [&log](TForm1 *main) {
        log << QStringLiteral("event loop");
        main->Button6->click();
    };
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A data folder as the launcher leaves it: Daty.txt and three empty pads.
void seed(const QString &folder)
{
    QVERIFY(QDir().mkpath(folder));
    writeFile(QDir(folder).filePath(QStringLiteral("Daty.txt")), "Miravela 2.0\r\n");
    for (const QString &pad : TFormN::padFileNames())
        writeFile(QDir(folder).filePath(pad), {});
}

// The built program, or its launcher, started as a user starts it (offscreen).
std::unique_ptr<QProcess> startProcess(const QString &program, const QStringList &arguments,
    const QString &workingFolder,
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(workingFolder);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, arguments);
    process->waitForStarted();
    return process;
}

std::unique_ptr<QProcess> startMiravela(const QString &folder, const QString &workingFolder)
{
    return startProcess(QStringLiteral(MIRAVELA_PROGRAM), { folder }, workingFolder);
}

// Waits until `process` holds `folder`: it has read its files then, or is about to.
bool holds(const QProcess &process, const QString &folder)
{
    QFile lock(QDir(folder).filePath(QLatin1String(FolderLock::fileName)));
    return QTest::qWaitFor(
        [&] {
            lock.close();
            return lock.open(QIODevice::ReadOnly)
                && lock.readLine().trimmed().toLongLong() == process.processId();
        },
        30000);
}

// Ends it as the end of a desktop session does; its exit status, or -1.
int endProcess(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

// Every entry of a folder with what tells a change: inode, size, time, mode.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    const QDir dir(folder);
    for (const QString &name :
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat status = {};
        ::lstat(QFile::encodeName(dir.filePath(name)).constData(), &status);
        entries << QStringLiteral("%1 %2 %3 %4.%5 %6")
                       .arg(name)
                       .arg(status.st_ino)
                       .arg(status.st_size)
                       .arg(status.st_mtim.tv_sec)
                       .arg(status.st_mtim.tv_nsec)
                       .arg(status.st_mode, 0, 8);
    }
    return entries;
}

mode_t modeOf(const QString &path)
{
    struct stat status = {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void unreadablePadsAreToldFirstInTheirOrder()
    {
        ScriptedDialogs dialogs;
        ShowLogger shows(dialogs.log);
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("Daty.txt")), "Miravela 2.0\r\n");
        // Notatki1.txt is missing, Notatki2.txt is a folder, Notatki3.txt a pipe.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Notatki2.txt")));
        QCOMPARE(mkfifo(qPrintable(folder.filePath(QStringLiteral("Notatki3.txt"))), 0600), 0);

        QCOMPARE(runIn(folder.path(), openTheNotebook(dialogs.log)), 0);
        QCOMPARE(dialogs.log,
            QStringList({ "error: Cannot open file Notatki1.txt",
                "error: Cannot open file Notatki2.txt", "error: Cannot open file Notatki3.txt",
                "shown: Form1", "shown: Form5", "event loop", "shown: FormN" }));
    }

    // Logging out while a start-up message waits for its answer: the box goes,
    // and so does the program, without showing its window or writing a file.
    void aSignalWhileAStartUpMessageWaitsEndsTheProgram()
    {
        // Each box waits in its own event loop, as a real one does, for at most 10 s.
        class WaitingBoxes final : public Dialogs {
        public:
            QStringList log;
            void notice(QWidget *, const QString &text) override { wait(QStringLiteral("notice: ") + text); }
            bool question(QWidget *, const QString &text) override
            {
                wait(QStringLiteral("question: ") + text);
                return false;
            }
            void error(QWidget *, const QString &text) override { wait(QStringLiteral("error: ") + text); }
            bool retry(QWidget *, const QString &text) override
            {
                wait(QStringLiteral("retry: ") + text);
                return false;
            }
            void beep() override { }

        private:
            void wait(const QString &entry)
            {
                if (log.isEmpty())
                    std::raise(SIGTERM);
                QEventLoop loop;
                QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
                log << entry + (loop.exec() == 1 ? QStringLiteral(" (answered after 10 s)") : QString());
            }
        } boxes;
        Dialogs::install(&boxes);
        ShowLogger shows(boxes.log);
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("Daty.txt")), "Miravela 2.0\r\n");
        const QStringList before = snapshot(folder.path());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QTimer runningOn; // ends the program if it ran on
        runningOn.callOnTimeout([] { QCoreApplication::exit(2); });
        runningOn.start(15000);
        const int status = runProgram();
        QDir::setCurrent(previous);
        Dialogs::install(nullptr);
        QCOMPARE(status, 0);
        QCOMPARE(boxes.log,
            QStringList({ "error: Cannot open file Notatki1.txt",
                "error: Cannot open file Notatki2.txt", "error: Cannot open file Notatki3.txt" }));
        QCOMPARE(snapshot(folder.path()), before);
    }

    void aMissingDatyIsTheOnlyMessage()
    {
        ScriptedDialogs dialogs;
        ShowLogger shows(dialogs.log);
        QTemporaryDir folder; // no Daty.txt, and no note pads either
        QCOMPARE(runIn(folder.path(), openTheNotebook(dialogs.log)), 1);
        QCOMPARE(dialogs.log, QStringList({ "error: Cannot open file Daty.txt" }));
    }

    void thePadsAreReadAtStartAndLaidOutWhenFirstShown()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("Daty.txt")), "Miravela 2.0\r\n");
        const QByteArray pad = "{\\rtf1\\ansi Pierwsza notatka\\par}";
        writeFile(folder.filePath(QStringLiteral("Notatki1.txt")), pad);
        for (const char *empty : { "Notatki2.txt", "Notatki3.txt" })
            writeFile(folder.filePath(QString::fromLatin1(empty)), {});
        bool checked = false;
        const int status = runIn(folder.path(), [&checked](TForm1 *main) {
            auto *notebook = topLevel<TFormN>("FormN");
            QVERIFY(notebook && !notebook->PageControl1);
            QCOMPARE(notebook->RichEdit1->toPlainText(), QStringLiteral("Pierwsza notatka"));
            main->Button6->click();
            QVERIFY(notebook->PageControl1);
            QCOMPARE(notebook->RichEdit1->parentWidget(), notebook->TabSheet1);
            QVERIFY(notebook->RichEdit1->isVisible());
            QCOMPARE(notebook->StatusBar1->panelText(0), shortDateText(Clock::today()));
            checked = true;
        });
        QCOMPARE(status, 0);
        QVERIFY(checked);
    }

    void aWindowIsBuiltWhenFirstOpenedAndThenKept()
    {
        ProgramFixture fixture;
        const Forms &forms = fixture.forms();
        TForm1 *main = forms.Form1;
        fixture.program().start();
        // Steps that only close the chart leave it unbuilt.
        main->SpeedButton2->click();
        main->ComboBox1->setCurrentIndex(0);
        QVERIFY(!forms.Form2.ifBuilt());
        QVERIFY(!forms.FormLD.ifBuilt());
        main->Button9->click();
        QWidget *counter = forms.FormLD.ifBuilt();
        QVERIFY(counter && counter->isVisible());
        counter->close();
        main->Button9->click();
        QCOMPARE(forms.FormLD.ifBuilt(), counter);
    }

    // The built program twice on one folder: the second start ends at once
    // with status 0 and writes nothing, whatever name it is given for the
    // folder, and the first goes on. A program on another folder runs beside them.
    void aSecondProgramOnAFolderEndsAtOnceAndWritesNothing()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("dane"));
        const QString other = scratch.filePath(QStringLiteral("inne"));
        seed(folder);
        seed(other);
        QVERIFY(QFile::link(folder, scratch.filePath(QStringLiteral("skrót"))));
        const auto first = startMiravela(folder, scratch.path());
        const auto beside = startMiravela(other, scratch.path());
        QVERIFY(holds(*first, folder) && holds(*beside, other));
        const QStringList before = snapshot(folder);

        for (const QString &name :
            { folder, QStringLiteral("skrót"), QStringLiteral("inne/../dane") }) {
            const auto second = startMiravela(name, scratch.path());
            QVERIFY2(second->waitForFinished(20000), qPrintable(name));
            QCOMPARE(second->exitStatus(), QProcess::NormalExit);
            QCOMPARE(second->exitCode(), 0);
        }
        QCOMPARE(snapshot(folder), before);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(endProcess(*first), 0);
        QCOMPARE(endProcess(*beside), 0);
        QVERIFY(!QFileInfo::exists(QDir(folder).filePath(QLatin1String(FolderLock::fileName))));
    }

    // Asked by a second start, here through a link to the folder, the program
    // that has the folder comes to the front, also from the task bar; what it
    // saves later holds what was done in it.
    void theProgramThatHasTheFolderComesToTheFrontAndKeepsItsChanges()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("dane"));
        seed(folder);
        QVERIFY(QFile::link(folder, scratch.filePath(QStringLiteral("skrót"))));
        int secondStatus = -1;
        const int status = runIn(folder, [&](TForm1 *main) {
            main->Button6->click(); // the note pads in front
            QTRY_VERIFY(QApplication::activeWindow() != main);
            main->showMinimized();
            const auto second = startMiravela(QStringLiteral("skrót"), scratch.path());
            QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 20000);
            secondStatus = second->exitCode();
            QVERIFY(!main->isMinimized() && main->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), main);
            main->TextDataSet1->insert();
            main->TextDataSet1->setLine("24-05-01");
            main->TextDataSet1->post();
        });
        QCOMPARE(status, 0);
        QCOMPARE(secondStatus, 0);
        QFile daty(QDir(folder).filePath(QStringLiteral("Daty.txt")));
        QVERIFY(daty.open(QIODevice::ReadOnly));
        QCOMPARE(daty.readAll(), QByteArray("24-05-01\r\nMiravela 2.0\r\n"));
    }

    // A program killed (kill -9, a power cut) leaves its lock behind: the next
    // start takes it over without a word.
    void aLockLeftByAProgramThatIsGoneIsTakenOver()
    {
        QTemporaryDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("dane"));
        seed(folder);
        const auto killed = startMiravela(folder, scratch.path());
        QVERIFY(holds(*killed, folder));
        killed->kill();
        QVERIFY(killed->waitForFinished());
        const auto next = startMiravela(folder, scratch.path());
        QVERIFY(holds(*next, folder));
        QCOMPARE(endProcess(*next), 0);
    }

    // Held by a program on another machine that shares the folder: one box
    // that names that machine, then status 0, and nothing written.
    void aFolderInUseOnAnotherMachineIsSaidSoAndLeftAlone()
    {
        ScriptedDialogs dialogs;
        ShowLogger shows(dialogs.log);
        QTemporaryDir folder;
        seed(folder.path());
        writeFile(
            folder.filePath(QLatin1String(FolderLock::fileName)), "4242\nmiravela\nlaptop-ani\n");
        const QStringList before = snapshot(folder.path());
        QCOMPARE(runIn(folder.path(), [](TForm1 *) { QFAIL("the program ran"); }), 0);
        QCOMPARE(dialogs.log.size(), 1);
        QVERIFY(dialogs.log.first().startsWith(QStringLiteral("notice: Folder z danymi „")
            + QDir(folder.path()).canonicalPath() + QStringLiteral("”")));
        QVERIFY(dialogs.log.first().contains(QStringLiteral("na komputerze „laptop-ani”")));
        QCOMPARE(snapshot(folder.path()), before);
    }

    // Held by another user's program on this machine, which cannot be asked
    // to show itself: the box says so, and names no other machine.
    void aFolderHeldByAnotherUserHereIsSaidSo()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir folder;
        seed(folder.path());
        const QString lock = folder.filePath(QLatin1String(FolderLock::fileName));
        writeFile(lock,
            QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                + QCoreApplication::applicationName().toUtf8() + '\n'
                + QSysInfo::machineHostName().toUtf8() + '\n');
        if (::chown(QFile::encodeName(lock).constData(), 4242, 4242) != 0)
            QSKIP("needs root, to give the lock to another user");
        QCOMPARE(runIn(folder.path(), [](TForm1 *) { QFAIL("the program ran"); }), 0);
        QCOMPARE(dialogs.log,
            QStringList({ QStringLiteral("notice: Folder z danymi „")
                + QDir(folder.path()).canonicalPath()
                + QStringLiteral("” jest używany przez inny program Miravela na tym komputerze.\n\n"
                                 "Zakończ tamten program i uruchom go ponownie.") }));
    }

    void aFolderWhereNoLockCanBeMadeStartsAsBefore()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir folder;
        seed(folder.path());
        std::optional<FileSizeLimit> full(std::in_place, 16); // the lock's few bytes do not fit
        bool locked = true;
        const int status = runIn(folder.path(), [&](TForm1 *) {
            full.reset();
            locked = QFileInfo::exists(QLatin1String(FolderLock::fileName));
        });
        QCOMPARE(status, 0);
        QVERIFY(!locked);
        QVERIFY(dialogs.log.isEmpty());
    }

    // Something else under the lock's name is never opened: a pipe would
    // wait for a writer and a device could be read for ever.
    void somethingElseUnderTheLocksNameIsNoLock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << QStringLiteral("pipe");
        QTest::newRow("link to a device") << QStringLiteral("link");
        QTest::newRow("huge file") << QStringLiteral("huge");
    }

    void somethingElseUnderTheLocksNameIsNoLock()
    {
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QByteArray lock
            = QFile::encodeName(folder.filePath(QLatin1String(FolderLock::fileName)));
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(lock.constData(), 0600), 0);
        } else if (kind == QLatin1String("link")) {
            QCOMPARE(::symlink("/dev/zero", lock.constData()), 0);
        } else {
            writeFile(QFile::decodeName(lock), "4242\n");
            QVERIFY(QFile::resize(QFile::decodeName(lock), qint64(1) << 30)); // sparse
        }
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(FolderLock(folder.path()).acquire(), FolderLock::Outcome::Unlockable);
        QVERIFY(clock.elapsed() < 2000);
    }

    // As the menu starts it on a fresh home: the launcher makes the data
    // folder and its files private. A folder that is there keeps its modes,
    // and the program clears what interrupted saves left in it, only that.
    void theLauncherMakesAPrivateFolderAndTheProgramClearsLeftovers()
    {
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("MIRAVELA_BINARY"), QStringLiteral(MIRAVELA_PROGRAM));
        environment.insert(QStringLiteral("MIRAVELA_DEFAULT_DATA"),
            QStringLiteral(MIRAVELA_SOURCE_DIR "/resources/data"));
        const QString launcher = QStringLiteral(MIRAVELA_LAUNCHER);
        const mode_t umask = ::umask(022);
        const auto fresh = startProcess(launcher, {}, home.path(), environment);
        const QString data = home.filePath(QStringLiteral("Miravela"));
        const bool freshHolds = holds(*fresh, data);
        QCOMPARE(endProcess(*fresh), 0);

        const QString own = home.filePath(QStringLiteral("moje"));
        seed(own); // 0755 and 0644, as her umask made them
        const QStringList leftovers = { ".Daty.txt.Ab12Cd", ".Notatki2.txt.x0X9zZ" };
        const QStringList others = { ".Daty.txt.bak", "notatka.txt" };
        for (const QString &name : leftovers + others)
            writeFile(QDir(own).filePath(name), "x");
        const auto again = startProcess(launcher, { own }, home.path(), environment);
        ::umask(umask);
        QVERIFY(freshHolds);
        QCOMPARE(modeOf(data), mode_t(0700));
        for (const QString &file : Program::dataFileNames())
            QCOMPARE(modeOf(QDir(data).filePath(file)), mode_t(0600));

        QVERIFY(holds(*again, own));
        QStringList expected = QStringList { QLatin1String(FolderLock::fileName) } + others
            + Program::dataFileNames();
        expected.sort();
        const auto kept = [&own] {
            QStringList names
                = QDir(own).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            names.sort();
            return names;
        };
        QTRY_COMPARE(kept(), expected); // just after the lock is taken
        QCOMPARE(modeOf(own), mode_t(0755));
        QCOMPARE(modeOf(QDir(own).filePath(QStringLiteral("Daty.txt"))), mode_t(0644));

        // A second start through the launcher copies nothing into the folder
        // held, not even a pad that went missing meanwhile. (A first second
        // start returns once the program answers: its files are read by then.)
        const auto answered = startMiravela(own, home.path());
        QVERIFY(answered->waitForFinished(20000));
        QVERIFY(QFile::remove(QDir(own).filePath(QStringLiteral("Notatki3.txt"))));
        const QStringList held = snapshot(own);
        const auto second = startProcess(launcher, { own }, home.path(), environment);
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(snapshot(own), held);
        QCOMPARE(endProcess(*again), 0);
    }

    void aWindowBuiltAfterMidnightOpensOnTheStartUpDay()
    {
        const QDate startDay(2027, 3, 7);
        PinnedClock clock(startDay);
        ProgramFixture fixture;
        clock.setToday(startDay.addDays(1));
        fixture.forms().Form1->Button9->click();
        fixture.forms().Form1->Button7->click();
        auto *counter = static_cast<TFormLD *>(fixture.forms().FormLD.get());
        QCOMPARE(counter->Calendar2->date(), startDay);
        QCOMPARE(counter->StatusBar1->panelText(0), QStringLiteral("7.03.2027"));
        QCOMPARE(fixture.forms().Form4->Calendar1->date(), startDay);
        QCOMPARE(Clock::today(), startDay.addDays(1)); // the clock goes on afterwards
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_StartUp.moc"
