// The temperature entry window: its layout, date and temperature inputs,
// hints, and "Dopisz" appending a reading to the entry saved last, or
// refusing when nothing sound can be appended.

#include "app/TForm1.h"
#include "data/TTextDataSet.h"
#include "records/TForm4.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DataViews.h"
#include "ui/Hints.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QDate today(2007, 3, 15);
const QByteArray twoEntries = QByteArrayLiteral("07-03-15 15/36,6\r\n07-02-14\r\nMiravela 2.0\r\n");
const QString noEntry
    = QStringLiteral("notice: W kalendarzu zaznacz pierwszy dzień\nokresu i wciśnij przycisk "
                     "\"Zapisz\".");
const QString chooseTemperature = QStringLiteral("notice: Wybierz temperaturę z listy !");
const QString entryFull
    = QStringLiteral("notice: Wpis jest pełny – nie można dopisać kolejnego pomiaru.");
const QStringList confirmation
    = { "beep", "question: Czy na pewno wprowadzone dane są prawidłowe ???" };

// An entry line of exactly `length` characters.
QByteArray entryOfLength(int length)
{
    return QByteArray("07-03-01").leftJustified(length, '7');
}

QRect placeIn(QWidget *window, const QWidget *control)
{
    return { control->mapTo(window, QPoint(0, 0)), control->size() };
}

// The named controls that keyboard focus visits, in order, from the one that
// has it when the window opens.
QStringList tabStops(QWidget *window, const QStringList &named)
{
    QStringList order;
    QWidget *start = window->focusWidget();
    QWidget *widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window)) {
            for (QWidget *owner = widget; owner && owner != window; owner = owner->parentWidget()) {
                if (named.contains(owner->objectName())) {
                    if (!order.contains(owner->objectName()))
                        order << owner->objectName();
                    break;
                }
            }
        }
        widget = widget->nextInFocusChain();
    } while (widget && widget != start);
    return order;
}

// "Dopisz" with the given inputs, the log starting empty.
void pressDopisz(TForm4 *form, ScriptedDialogs &dialogs, QDate measured, const QString &temperature)
{
    form->Calendar1->setDate(measured);
    form->ComboBox1->setEditText(temperature);
    dialogs.log.clear();
    form->Button1->click();
}

} // namespace

class TestTemperatureEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void layoutMatchesTheDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place"); // an empty size compares only the corner
        QTest::newRow("GroupBox2") << "GroupBox2" << QRect(24, 0, 185, 49);
        QTest::newRow("Label1") << "Label1" << QRect(40, 18, 0, 0);
        QTest::newRow("Label4") << "Label4" << QRect(168, 14, 0, 0);
        QTest::newRow("Label5") << "Label5" << QRect(176, 16, 0, 0);
        QTest::newRow("ComboBox1") << "ComboBox1" << QRect(112, 16, 49, 21);
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(8, 56, 217, 169);
        QTest::newRow("SpeedButton2") << "SpeedButton2" << QRect(24, 72, 25, 25);
        QTest::newRow("Label3") << "Label3" << QRect(56, 72, 0, 0);
        QTest::newRow("SpeedButton1") << "SpeedButton1" << QRect(184, 72, 25, 25);
        QTest::newRow("Calendar1") << "Calendar1" << QRect(24, 96, 185, 121);
        QTest::newRow("Button1") << "Button1" << QRect(88, 234, 75, 25);
        QTest::newRow("StatusBar1") << "StatusBar1" << QRect(0, 264, 233, 19);
    }

    void layoutMatchesTheDesign()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        ProgramFixture fixture;
        TForm4 *form = fixture.forms().Form4;
        const QRect actual = placeIn(form, ProgramFixture::find(form, name));
        if (place.isEmpty())
            QCOMPARE(actual.topLeft(), place.topLeft());
        else
            QCOMPARE(actual, place);
    }

    void freshWindow()
    {
        PinnedClock clock(today);
        ProgramFixture fixture;
        TForm4 *form = fixture.forms().Form4;
        QVERIFY(!form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Pomiar temperatury"));
        QCOMPARE(form->pos(), QPoint(283, 139));
        QCOMPARE(form->size(), QSize(233, 283));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);

        QCOMPARE(form->Label5->font().pixelSize(), 16);
        QCOMPARE(form->Label3->text(), QStringLiteral("15 - marzec - 2007"));
        QCOMPARE(form->Calendar1->date(), today);

        QStringList scale;
        for (int i = 0; i < form->ComboBox1->count(); ++i)
            scale << form->ComboBox1->itemText(i);
        QCOMPARE(scale,
            QStringList(
                { "36,6", "36,7", "36,8", "36,9", "37,0", "37,1", "37,2", "37,3", "37,4" }));
        QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("36,6"));
        QVERIFY(form->ComboBox1->isEditable());
        QVERIFY(!form->ComboBox1->completer()); // "36," is not completed to "36,6"
        QCOMPARE(form->ComboBox1->palette().color(QPalette::Base), QColor(192, 220, 192));
        QCOMPARE(form->Calendar1->palette().color(QPalette::Base), QColor(192, 220, 192));

        QCOMPARE(form->StatusBar1->panelCount(), 1);
        QCOMPARE(form->StatusBar1->panelRect(0).width(), 233);
        QCOMPARE(form->StatusBar1->panelText(0), QString());

        QStringList withTooltips;
        for (const QWidget *widget : form->findChildren<QWidget *>())
            if (!widget->toolTip().isEmpty())
                withTooltips << widget->objectName();
        withTooltips.sort();
        QCOMPARE(withTooltips, QStringList({ "Calendar1", "SpeedButton1", "SpeedButton2" }));

        const QStringList named { "Calendar1", "Button1", "ComboBox1" };
        QCOMPARE(tabStops(form, named), named);
    }

    void monthButtonsAndTheTodayTooltip()
    {
        PinnedClock clock(today);
        ProgramFixture fixture;
        TForm4 *form = fixture.forms().Form4;
        const QString tip = QStringLiteral("Kalendarz pokazuje aktualną datę.");
        QCOMPARE(form->Calendar1->toolTip(), tip);

        form->Calendar1->setDate(QDate(2008, 1, 31));
        QCOMPARE(form->Calendar1->toolTip(), QString());
        form->SpeedButton1->click();
        QCOMPARE(form->Calendar1->date(), QDate(2008, 2, 29));
        QCOMPARE(form->Label3->text(), QStringLiteral("29 - luty - 2008"));
        form->Calendar1->setDate(QDate(2008, 1, 15));
        form->SpeedButton2->click();
        QCOMPARE(form->Calendar1->date(), QDate(2007, 12, 15));
        QCOMPARE(form->Label3->text(), QStringLiteral("15 - grudzień - 2007"));

        form->Calendar1->setDate(today);
        QCOMPARE(form->Calendar1->toolTip(), tip);
    }

    void hintsInTheOnePanel()
    {
        ProgramFixture fixture;
        TForm4 *form = fixture.forms().Form4;
        showOrRaise(form);
        const auto hintAt = [form](QPoint pos) {
            hover(form, pos);
            return form->StatusBar1->panelText(0);
        };
        const auto centreOf = [form](const char *name) {
            return placeIn(form, ProgramFixture::find(form, QLatin1String(name))).center();
        };
        QCOMPARE(hintAt(centreOf("Button1")), QStringLiteral("Dopisuje wybrane wartości."));
        QCOMPARE(hintAt({ 30, 40 }), QStringLiteral("Temperatura wybrana z listy."));
        // The list, the labels, the calendar and the month buttons leave the text as it is.
        for (const char *silent : { "ComboBox1", "Label1", "Label5" })
            QCOMPARE(hintAt(centreOf(silent)), QStringLiteral("Temperatura wybrana z listy."));
        QCOMPARE(hintAt({ 14, 220 }), QStringLiteral("Dzień pomiaru."));
        for (const char *silent : { "Calendar1", "SpeedButton1", "Label3" })
            QCOMPARE(hintAt(centreOf(silent)), QStringLiteral("Dzień pomiaru."));
        QCOMPARE(hintAt({ 4, 250 }), QString()); // the window's bare area clears it
    }

    void anEmptiedTemperatureWarnsOnce()
    {
        ScriptedDialogs dialogs;
        ProgramFixture fixture;
        TForm4 *form = fixture.forms().Form4;
        form->ComboBox1->setEditText(QStringLiteral("37,45"));
        QCOMPARE(dialogs.log, QStringList());
        form->ComboBox1->setEditText(QString());
        QCOMPARE(dialogs.log, QStringList { chooseTemperature });
        QTest::keyClicks(form->ComboBox1->lineEdit(), QStringLiteral("3"));
        QCOMPARE(dialogs.log.size(), 1);
    }

    void confirmedReadingGoesToTheFirstLine_data()
    {
        QTest::addColumn<QByteArray>("daty");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QByteArray>("secondLine"); // selected, and left as it was
        QTest::newRow("second row selected")
            << twoEntries << QByteArray("07-03-15 15/36,6 02/37,4") << QByteArray("07-02-14");
        QTest::newRow("232 characters: the 29th reading fills the field")
            << entryOfLength(232) + "\r\nMiravela 2.0\r\n"
            << entryOfLength(232) + " 02/37,4" << QByteArray("Miravela 2.0");
    }

    void confirmedReadingGoesToTheFirstLine()
    {
        QFETCH(QByteArray, daty);
        QFETCH(QByteArray, firstLine);
        QFETCH(QByteArray, secondLine);
        PinnedClock clock(today);
        ScriptedDialogs dialogs;
        ProgramFixture fixture(daty);
        TForm1 *main = fixture.forms().Form1;
        TForm4 *form = fixture.forms().Form4;
        main->TextDataSet1->setRecNo(2);
        main->Button7->click();
        QVERIFY(form->isVisible());

        // No: nothing is written, the window stays, the list is on the first row.
        dialogs.answerNext(false);
        pressDopisz(form, dialogs, QDate(2007, 4, 2), QStringLiteral("37,4"));
        QCOMPARE(dialogs.log, confirmation);
        QVERIFY(form->isVisible());
        QVERIFY(!main->TextDataSet1->modified());
        QCOMPARE(main->DBGrid1->currentIndex().row(), 0);

        main->TextDataSet1->setRecNo(2);
        dialogs.answerNext(true);
        pressDopisz(form, dialogs, QDate(2007, 4, 2), QStringLiteral("37,4"));
        QCOMPARE(dialogs.log, confirmation);
        QVERIFY(!form->isVisible());
        QCOMPARE(main->TextDataSet1->fullTextAt(0), firstLine);
        QCOMPARE(main->TextDataSet1->fullTextAt(1), secondLine);
        QCOMPARE(main->TextDataSet1->currentIndex(), 0);
        QCOMPARE(main->DBGrid1->currentIndex().row(), 0);
        QCOMPARE(main->DBMemo1->toPlainText(), QString::fromLatin1(firstLine));
    }

    void nothingSoundToAppend_data()
    {
        QTest::addColumn<QByteArray>("daty");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        const QByteArray tail = "\r\nMiravela 2.0\r\n";
        QTest::newRow("no entry yet")
            << QByteArray("Miravela 2.0\r\n") << "36,6" << noEntry << true;
        QTest::newRow("no entry, and off the scale")
            << QByteArray("Miravela 2.0\r\n") << "36.6" << noEntry << true;
        QTest::newRow("no line at all") << QByteArray() << "36,6" << noEntry << true;
        QTest::newRow("empty temperature") << twoEntries << "" << chooseTemperature << false;
        QTest::newRow("37,45") << twoEntries << "37,45" << chooseTemperature << false;
        QTest::newRow("36.6") << twoEntries << "36.6" << chooseTemperature << false;
        QTest::newRow("36,5 below the scale") << twoEntries << "36,5" << chooseTemperature << false;
        QTest::newRow("233 characters")
            << entryOfLength(233) + tail << "36,6" << entryFull << false;
        QTest::newRow("full, and off the scale")
            << entryOfLength(240) + tail << "" << entryFull << false;
        QTest::newRow("longer than the field")
            << entryOfLength(250) + tail << "36,6" << entryFull << false;
    }

    void nothingSoundToAppend()
    {
        QFETCH(QByteArray, daty);
        QFETCH(QString, temperature);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        ScriptedDialogs dialogs;
        dialogs.answerNext(true);
        ProgramFixture fixture(daty);
        TTextDataSet *entries = fixture.forms().Form1->TextDataSet1;
        TForm4 *form = fixture.forms().Form4;
        fixture.forms().Form1->Edycja1->trigger();
        pressDopisz(form, dialogs, today, temperature);
        QCOMPARE(dialogs.log, QStringList { message }); // never asked
        QCOMPARE(form->isVisible(), !closes);
        QVERIFY(!entries->modified());
        QVERIFY(fixture.program().finish());
        QCOMPARE(fixture.fileBytes(QStringLiteral("Daty.txt")), daty); // not a byte changed
    }

    void savePeriodAppendReadingsRestartAndSeeThem()
    {
        PinnedClock clock(today);
        ScriptedDialogs dialogs;
        QByteArray written;
        {
            ProgramFixture fixture(QByteArrayLiteral("07-02-14 14/36,6 15/36,6\r\nMiravela 2.0"));
            TForm1 *main = fixture.forms().Form1;
            TForm4 *form = fixture.forms().Form4;
            main->Button3->click(); // the calendar shows today, 15 March
            const struct {
                int day;
                const char *temperature;
            } mornings[] = { { 15, "36,6" }, { 16, "36,7" }, { 17, "37,0" } };
            for (const auto &morning : mornings) {
                clock.setToday(QDate(2007, 3, morning.day));
                main->Edycja1->trigger();
                form->Calendar1->setDate(clock.today());
                form->ComboBox1->setCurrentIndex(
                    form->ComboBox1->findText(QLatin1String(morning.temperature)));
                dialogs.answerNext(true);
                form->Button1->click();
                QVERIFY(!form->isVisible());
            }
            // A period saved by mistake and deleted again leaves no trace.
            main->Calendar1->setDate(QDate(2007, 3, 20));
            main->Zapisz1->trigger();
            dialogs.answerNext(true);
            main->Usu1->trigger();
            QVERIFY(fixture.program().finish());
            written = fixture.fileBytes(QStringLiteral("Daty.txt"));
        }
        QCOMPARE(written,
            QByteArrayLiteral("07-03-15 15/36,6 16/36,7 17/37,0\r\n"
                              "07-02-14 14/36,6 15/36,6\r\n"
                              "Miravela 2.0\r\n"));

        ProgramFixture restarted(written);
        TForm1 *main = restarted.forms().Form1;
        QCOMPARE(main->DBGrid1->model()->rowCount(), 3);
        QCOMPARE(main->DBGrid1->model()->index(0, 0).data().toString(),
            QStringLiteral("07-03-15 15/36,6 16/36,7 17/37,0"));
        QCOMPARE(main->DBMemo1->toPlainText(), QStringLiteral("07-03-15 15/36,6 16/36,7 17/37,0"));
    }
};

QTEST_MAIN(TestTemperatureEntry)
#include "tst_TemperatureEntry.moc"
