// Start-up, the main window's layout, date label, status panels and hints,
// and the normal end of the program writing Daty.txt back.

#include "app/TForm1.h"
#include "app/TForm5.h"
#include "calendar/TForm2.h"
#include "data/TTextDataSet.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DataViews.h"
#include "ui/Hints.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

namespace {

// A control's place in the main window's client area.
QRect placeOf(TForm1 *form, const QString &name)
{
    auto *control = form->findChild<QWidget *>(name);
    return control ? QRect(control->mapTo(form->ClientArea, QPoint(0, 0)), control->size())
                   : QRect();
}

QPoint centreOf(TForm1 *form, const QString &name)
{
    return placeOf(form, name).center();
}

TForm1 *liveMainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form1"))
            return qobject_cast<TForm1 *>(window);
    }
    return nullptr;
}

// Runs the whole program in a folder, doing `whileRunning` once the event
// loop has started.
int runIn(const QString &folder, const std::function<void()> &whileRunning)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder);
    for (const char *pad : { "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" }) {
        QFile file(QString::fromLatin1(pad)); // an empty pad, so that none is reported missing
        if (!file.exists())
            file.open(QIODevice::WriteOnly);
    }
    // Waits for the event loop itself: start-up may process posted events.
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QThread::currentThread()->loopLevel() > 0 && liveMainWindow()) {
            poll.stop();
            whileRunning();
        }
    });
    poll.start();
    const int status = runProgram();
    QDir::setCurrent(previous);
    return status;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Changes the entries, puts a folder where Daty.txt was, so that the file
// cannot be replaced, and closes the main window.
void deleteFirstThenBlockAndClose(const QTemporaryDir &folder)
{
    TForm1 *form = liveMainWindow();
    form->TextDataSet1->first();
    form->TextDataSet1->deleteRecord();
    QFile::remove(folder.filePath(QStringLiteral("Daty.txt")));
    QDir(folder.path()).mkpath(QStringLiteral("Daty.txt/blocker"));
    form->close();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QByteArray twoEntries = QByteArrayLiteral("07-03-15 15/36,6\r\n07-02-14\r\nMiravela 2.0\r\n");

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void startsOnTodaysDate()
    {
        PinnedClock clock(QDate(2007, 3, 7));
        ProgramFixture fixture;
        TForm1 *form = fixture.forms().Form1;
        QCOMPARE(form->Calendar1->date(), QDate(2007, 3, 7));
        QCOMPARE(form->Label4->text(), QStringLiteral("7 - marzec - 2007"));
        QCOMPARE(form->StatusBar1->panelText(0), QStringLiteral("7.03.2007"));
        QCOMPARE(form->StatusBar1->panelText(1), QString());
        QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("28"));
        QCOMPARE(form->Calendar1->toolTip(), QStringLiteral("Kalendarz pokazuje aktualną datę."));

        QCOMPARE(form->ComboBox1->currentIndex(), form->ComboBox1->findText(QStringLiteral("28")));

        // Panel 0 keeps the start-up date when the program runs past midnight,
        // through the showing of the window and the calendar's changes.
        clock.setToday(QDate(2007, 3, 8));
        fixture.program().start();
        form->Calendar1->setDate(QDate(2007, 3, 8));
        QCOMPARE(form->StatusBar1->panelText(0), QStringLiteral("7.03.2007"));
    }

    void createsEveryWindowHiddenInOrder()
    {
        ProgramFixture fixture;
        const Forms &forms = fixture.forms();
        QStringList order;
        for (QWidget *window : fixture.program().windowsInCreationOrder()) {
            order << window->objectName();
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
        // The main window first, the splash last; the rest as they are built.
        QCOMPARE(order,
            QStringList({ QStringLiteral("Form1"), QStringLiteral("Form2"), QStringLiteral("FormA"),
                QStringLiteral("FormL"), QStringLiteral("Form3"), QStringLiteral("FormLD"),
                QStringLiteral("Form4"), QStringLiteral("FormR"), QStringLiteral("FormWT"),
                QStringLiteral("FormST"), QStringLiteral("FormN"), QStringLiteral("FormK"),
                QStringLiteral("Form5") }));
        QCOMPARE(forms.Form1->windowTitle(), QStringLiteral("Miravela 2.0"));
        QCOMPARE(forms.Form2->windowTitle(), QStringLiteral("Wykres"));
        QVERIFY(forms.Form5->Timer1->isActive()); // running from its creation
        QCOMPARE(forms.Form5->Timer1->interval(), 4000);
    }

    void layoutMatchesTheDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("GroupBox5") << "GroupBox5" << QRect(16, 8, 217, 41);
        QTest::newRow("GroupBox6") << "GroupBox6" << QRect(16, 56, 217, 169);
        QTest::newRow("GroupBox7") << "GroupBox7" << QRect(16, 232, 217, 89);
        QTest::newRow("DBGrid1") << "DBGrid1" << QRect(24, 256, 201, 57);
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(248, 8, 89, 89);
        QTest::newRow("Button1") << "Button1" << QRect(256, 32, 75, 25);
        QTest::newRow("Button2") << "Button2" << QRect(256, 64, 75, 25);
        QTest::newRow("GroupBox8") << "GroupBox8" << QRect(248, 104, 89, 89);
        QTest::newRow("Button7") << "Button7" << QRect(256, 128, 75, 25);
        QTest::newRow("Button8") << "Button8" << QRect(256, 160, 75, 25);
        QTest::newRow("GroupBox2") << "GroupBox2" << QRect(248, 200, 89, 121);
        QTest::newRow("Button3") << "Button3" << QRect(256, 224, 75, 25);
        QTest::newRow("Button4") << "Button4" << QRect(256, 256, 75, 25);
        QTest::newRow("Button5") << "Button5" << QRect(256, 288, 75, 25);
        QTest::newRow("GroupBox9") << "GroupBox9" << QRect(352, 8, 89, 57);
        QTest::newRow("Button9") << "Button9" << QRect(360, 32, 75, 25);
        QTest::newRow("GroupBox3") << "GroupBox3" << QRect(352, 72, 89, 57);
        QTest::newRow("Button6") << "Button6" << QRect(360, 96, 75, 25);
        QTest::newRow("GroupBox4") << "GroupBox4" << QRect(352, 136, 89, 185);
        QTest::newRow("DBMemo1") << "DBMemo1" << QRect(360, 160, 73, 153);
        QTest::newRow("Calendar1") << "Calendar1" << QRect(32, 96, 185, 121);
        QTest::newRow("SpeedButton1") << "SpeedButton1" << QRect(32, 72, 25, 25);
        QTest::newRow("SpeedButton2") << "SpeedButton2" << QRect(192, 72, 25, 25);
        QTest::newRow("StatusBar1") << "StatusBar1" << QRect(0, 333, 458, 24);
        QTest::newRow("Bevel2") << "Bevel2" << QRect(0, 0, 457, 1);
    }

    void layoutMatchesTheDesign()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        ProgramFixture fixture;
        QCOMPARE(placeOf(fixture.forms().Form1, name), place);
    }

    void clientAreaAndColours()
    {
        ProgramFixture fixture;
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        QCOMPARE(form->ClientArea->size(), QSize(458, 357));
        QCOMPARE(form->ClientArea->y(), form->menuBar()->height()); // client area is below the menu
        QCOMPARE(form->size(), QSize(458, 357 + form->menuBar()->height()));
        QCOMPARE(form->minimumSize(), form->maximumSize()); // fixed border
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(placeOf(form, QStringLiteral("ComboBox1")).topLeft(), QPoint(136, 21));
        QCOMPARE(form->ComboBox1->width(), 41);
        QStringList lengths;
        for (int i = 0; i < form->ComboBox1->count(); ++i)
            lengths << form->ComboBox1->itemText(i);
        QCOMPARE(lengths.size(), 13);
        QCOMPARE(lengths.first(), QStringLiteral("21"));
        QCOMPARE(lengths.last(), QStringLiteral("33"));
        QCOMPARE(form->ComboBox1->palette().color(QPalette::Base), QColor(192, 220, 192));
        QCOMPARE(form->Calendar1->palette().color(QPalette::Base), QColor(192, 220, 192));
        QCOMPARE(form->DBGrid1->palette().color(QPalette::Base), QColor(240, 202, 166));
        QCOMPARE(form->DBMemo1->palette().color(QPalette::Base), QColor(240, 202, 166));
        QCOMPARE(form->StatusBar1->panelRect(0).width(), 70);
    }

    void menuMatchesTheDesign()
    {
        ProgramFixture fixture;
        TForm1 *form = fixture.forms().Form1;
        QStringList menu;
        for (QAction *action : form->menuBar()->actions()) {
            QString entry = action->text();
            if (QMenu *sub = action->menu()) {
                for (QAction *item : sub->actions())
                    entry += QLatin1Char('|')
                        + (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
            menu << entry;
        }
        QCOMPARE(menu,
            QStringList({ QStringLiteral("LiczDni"),
                QStringLiteral("Kalendarzyk|Wykres|-|Drukuj|-|Statystyka cykli"),
                QStringLiteral("Dane|Zapisz|Usuń|-|Zestawienie|-|Przywróć kopię…"),
                QStringLiteral("Temperatura|Edycja|-|Wykres|-|Ocena temperatury (3 nad 6)"),
                QStringLiteral("Notatnik"),
                QStringLiteral("Pomoc|O programie|-|Licencja|-|About") }));
        for (const char *name : { "Liczdni1", "Otw1", "Drukuj1", "Zapisz1", "Usu1", "Zestawienie1",
                 "Edycja1", "Wykres1", "Notatnik1", "Oprogramie1", "Licencja1", "About1",
                 "Statystyka1", "Ocena1", "Przywroc1" })
            QVERIFY2(form->findChild<QAction *>(QLatin1String(name)), name);
    }

    void splashShowsOnceAboveTheMainWindowForFourSeconds()
    {
        ProgramFixture fixture;
        const Forms &forms = fixture.forms();
        fixture.program().start();
        QVERIFY(forms.Form1->isVisible());
        QVERIFY(forms.Form5->isVisible());
        QVERIFY(forms.Form5->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(forms.Form5->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(forms.Form5->size(), QSize(289, 129));
        QTest::mouseClick(forms.Form5, Qt::LeftButton); // clicking does not close it
        QVERIFY(forms.Form5->isVisible());
        QMetaObject::invokeMethod(forms.Form5->Timer1, "timeout");
        QVERIFY(!forms.Form5->isVisible());

        forms.Form1->hide();
        forms.Form1->show();
        QVERIFY(!forms.Form5->isVisible()); // shown once, at the first showing
    }

    void hintsFollowTheMouse_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Button1")
            << "Button1"
            << "Na podstawie długości cyklu i pierwszego dnia okresu oblicza dni płodne.";
        QTest::newRow("Button2") << "Button2"
                                 << "Drukuje \"Kalendarzyk małżeński\".";
        QTest::newRow("Button3")
            << "Button3"
            << "Zapisuje pierwszy dzień okresu (dzień zaznaczony w kalendarzu).";
        QTest::newRow("Button4") << "Button4"
                                 << "Bezpowrotnie usuwa zaznaczony wpis z bazy danych.";
        QTest::newRow("Button5")
            << "Button5"
            << "Tworzy wielomiesięczne zestawienie pierwszych dni okresu i pomiarów temp.";
        QTest::newRow("Button6") << "Button6"
                                 << "Otwiera notatnik.";
        QTest::newRow("Button7")
            << "Button7"
            << "Umożliwia dopisanie do bazy danych nowych pomiarów temperatury.";
        QTest::newRow("Button8") << "Button8"
                                 << "Tworzy wykres pomiarów temperatury dla zaznaczonego cyklu.";
        QTest::newRow("Button9") << "Button9"
                                 << "Otwiera program.";
        QTest::newRow("GroupBox1") << "GroupBox1"
                                   << "Oblicza dni płodne przy pomocy metody Knausa i Ogino.";
        QTest::newRow("GroupBox2")
            << "GroupBox2"
            << "Obsługuje dane związane z pierwszym dniem okresu i pomiarami temp.";
        QTest::newRow("GroupBox3")
            << "GroupBox3"
            << "Trzy niezależne tablice umożliwiające notowanie uwag i obserwacji.";
        QTest::newRow("GroupBox4") << "GroupBox4"
                                   << "Wyniki pomarów temperatury dla zaznaczonego cyklu.";
        QTest::newRow("GroupBox5")
            << "GroupBox5"
            << "Z rozwijanej listy należy wybrać długość cyklu miesiączkowego.";
        QTest::newRow("GroupBox6") << "GroupBox6"
                                   << "W kalendarzu należy zaznaczyć pierwszy dzień okresu.";
        QTest::newRow("GroupBox7") << "GroupBox7"
                                   << "Lista wszystkich wpisów znajdujących się w bazie danych.";
        QTest::newRow("GroupBox8") << "GroupBox8"
                                   << "Obsługuje dane związane z pomiarami temperatury.";
        QTest::newRow("GroupBox9") << "GroupBox9"
                                   << "Oblicza liczbę dni pomiędzy dwoma datami.";
    }

    void hintsFollowTheMouse()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        ProgramFixture fixture;
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        // A group box's bare area: just inside its bottom-right corner.
        const QRect place = placeOf(form, control);
        const QPoint spot = control.startsWith(QLatin1String("GroupBox"))
            ? place.bottomRight() - QPoint(3, 3)
            : place.center();
        hover(form->ClientArea, spot);
        QCOMPARE(form->StatusBar1->panelText(1), hint);
    }

    void controlsOnAGroupBoxTakeTheMouse()
    {
        ProgramFixture fixture;
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        hover(form->ClientArea, centreOf(form, QStringLiteral("Button3")));
        QCOMPARE(form->StatusBar1->panelText(1), hintOf(form->Button3));
        hover(form->ClientArea,
            placeOf(form, QStringLiteral("GroupBox2")).bottomLeft() + QPoint(3, -3));
        QCOMPARE(form->StatusBar1->panelText(1), hintOf(form->GroupBox2));
        for (const char *silent :
            { "Calendar1", "ComboBox1", "DBGrid1", "DBMemo1", "Label4", "SpeedButton1" }) {
            hover(form->ClientArea, centreOf(form, QLatin1String(silent)));
            QCOMPARE(form->StatusBar1->panelText(1), hintOf(form->GroupBox2));
        }
        hover(form->ClientArea, { 445, 200 }); // the window's bare background
        QCOMPARE(form->StatusBar1->panelText(1), hintOf(form->GroupBox2));
    }

    void gridAndMemoShowTheEntries()
    {
        ProgramFixture fixture(twoEntries);
        TForm1 *form = fixture.forms().Form1;
        QCOMPARE(form->DBGrid1->model()->rowCount(), 3);
        QCOMPARE(
            form->DBGrid1->model()->index(2, 0).data().toString(), QStringLiteral("Miravela 2.0"));
        QCOMPARE(form->DBMemo1->toPlainText(), QStringLiteral("07-03-15 15/36,6"));
        QVERIFY(form->DBMemo1->isReadOnly());
        QTest::keyClick(form->DBGrid1, Qt::Key_Down);
        QCOMPARE(form->TextDataSet1->recNo(), 2);
        QCOMPARE(form->DBMemo1->toPlainText(), QStringLiteral("07-02-14"));
        form->TextDataSet1->last();
        QCOMPARE(form->DBGrid1->currentIndex().row(), 2);
    }

    void missingDatyEndsBeforeAnyWindow()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir empty;
        bool eventLoopRan = false;
        const int status = runIn(empty.path(), [&] { eventLoopRan = true; });
        QCOMPARE(status, 1);
        QCOMPARE(dialogs.log, QStringList({ QStringLiteral("error: Cannot open file Daty.txt") }));
        QVERIFY(!eventLoopRan);
        QVERIFY(!QFileInfo::exists(empty.filePath(QStringLiteral("Daty.txt")))); // never created
        QVERIFY(!liveMainWindow());
    }

    void unchangedDataIsNotRewritten()
    {
        QTemporaryDir folder;
        const QString daty = folder.filePath(QStringLiteral("Daty.txt"));
        writeFile(daty, QByteArrayLiteral("07-02-14\nMiravela 2.0")); // LF, no final break
        const int status = runIn(folder.path(), [] { liveMainWindow()->close(); });
        QCOMPARE(status, 0);
        QFile file(daty);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("07-02-14\nMiravela 2.0"));
    }

    void endingTheProgramWritesTheChanges_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("closing the main window") << "close";
        QTest::newRow("SIGTERM") << "term";
        QTest::newRow("SIGINT") << "int";
        QTest::newRow("SIGHUP") << "hup";
    }

    void endingTheProgramWritesTheChanges()
    {
        QFETCH(QString, how);
        QTemporaryDir folder;
        const QString daty = folder.filePath(QStringLiteral("Daty.txt"));
        writeFile(daty, QByteArrayLiteral("07-02-14\nMiravela 2.0"));
        const int status = runIn(folder.path(), [how] {
            TForm1 *form = liveMainWindow();
            form->TextDataSet1->first();
            form->TextDataSet1->insert();
            form->TextDataSet1->setLine(QByteArrayLiteral("07-03-15"));
            form->TextDataSet1->post();
            if (how == QLatin1String("close"))
                form->close();
            else
                std::raise(how == QLatin1String("term") ? SIGTERM
                        : how == QLatin1String("int")   ? SIGINT
                                                        : SIGHUP);
        });
        QCOMPARE(status, 0);
        QFile file(daty);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("07-03-15\r\n07-02-14\r\nMiravela 2.0\r\n"));
    }

    void aFailedWriteAtTheEndCanBeRetried()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir folder;
        const QString daty = folder.filePath(QStringLiteral("Daty.txt"));
        writeFile(daty, twoEntries);
        // Something else takes the file's place, so that it cannot be replaced ...
        const int status = runIn(folder.path(), [&] { deleteFirstThenBlockAndClose(folder); });
        // ... the user is asked and gives up (the scripted default): the program says so.
        QCOMPARE(status, 1);
        QCOMPARE(dialogs.log.size(), 1);
        const QStringList message = dialogs.log.first().split(QLatin1Char('\n'));
        QCOMPARE(message.first(),
            QStringLiteral("retry: Cannot create file Daty.txt: ")
                + QString::fromLocal8Bit(std::strerror(EISDIR)));
        QVERIFY(message.last().contains(QStringLiteral("utratę tych zmian")));
    }

    void aFullDiskAtTheEndKeepsDatyWholeUntilARetrySaves()
    {
        PinnedClock clock(QDate(2027, 3, 1));
        clock.setNow(QDateTime(QDate(2027, 3, 1), QTime(10, 15)));
        ScriptedDialogs dialogs;
        QTemporaryDir folder;
        const QString daty = folder.filePath(QStringLiteral("Daty.txt"));
        writeFile(daty, twoEntries);
        std::optional<FileSizeLimit> full;
        QStringList filesWhileFull;
        QByteArray datyWhileFull;
        dialogs.answerNext(true); // "Ponów", once there is room again
        dialogs.onRetry = [&] {
            filesWhileFull = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
            datyWhileFull = readAll(daty);
            full.reset();
        };
        const int status = runIn(folder.path(), [&] {
            TTextDataSet *entries = liveMainWindow()->TextDataSet1;
            entries->insert();
            entries->setLine(QByteArrayLiteral("07-04-12"));
            entries->post();
            full.emplace(16); // the disk fills up before the program ends
            liveMainWindow()->close();
        });
        QCOMPARE(datyWhileFull, twoEntries);
        QCOMPARE(filesWhileFull,
            QStringList(
                { ".miravela.lock", "Daty.txt", "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" }));
        QCOMPARE(dialogs.log.size(), 1);
        QVERIFY(dialogs.log.first().startsWith("retry: Cannot create file Daty.txt: "));
        QCOMPARE(status, 0);
        QCOMPARE(readAll(daty), "07-04-12\r\n" + twoEntries);
        QCOMPARE(readAll(folder.filePath("kopie/Daty-2027-03-01-101500.txt")), twoEntries);
    }

    void retryingAfterTheCauseIsGoneSavesEverything()
    {
        ScriptedDialogs dialogs;
        QTemporaryDir folder;
        const QString daty = folder.filePath(QStringLiteral("Daty.txt"));
        writeFile(daty, twoEntries);
        dialogs.answerNext(true);
        dialogs.answerNext(true);
        int shown = 0;
        dialogs.onRetry = [&] {
            if (++shown == 2) // the user frees the place, then retries
                QDir(daty).removeRecursively();
        };
        const int status = runIn(folder.path(), [&] { deleteFirstThenBlockAndClose(folder); });
        QCOMPARE(status, 0);
        QCOMPARE(shown, 2);
        QFile file(daty);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArrayLiteral("07-02-14\r\nMiravela 2.0\r\n"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
