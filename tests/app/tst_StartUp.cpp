// What start-up tells the user, and when: the messages about the data files
// come while the program starts, before its main window, in the order of the
// files, however late the windows themselves are built. And a window built
// late opens as it would have opened at start-up.

#include "app/Program.h"
#include "app/TForm1.h"
#include "calendar/TForm2.h"
#include "daycount/TFormLD.h"
#include "notebook/TFormN.h"
#include "records/TForm4.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DateTexts.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

#include <functional>

#include <sys/stat.h>

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
