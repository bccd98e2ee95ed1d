#include "app/TForm1.h"
#include "daycount/TFormLD.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DateTexts.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QDate startDay(2027, 3, 7);

// The controls of one of the two dates.
struct Side {
    const char *calendar, *back, *on, *today, *above, *result;
};
const Side sides[]
    = { { "Calendar1", "SpeedButton2", "SpeedButton3", "Button2", "Label1", "Label7" },
          { "Calendar2", "SpeedButton6", "SpeedButton7", "Button3", "Label2", "Label9" } };

template <typename T = QWidget> T *part(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QString textOf(QWidget *window, const char *name)
{
    return part<QLabel>(window, name)->text();
}

void click(QWidget *window, const char *name)
{
    QTest::mouseClick(part(window, name), Qt::LeftButton);
}

bool enabled(QWidget *window, const char *name)
{
    return part(window, name)->isEnabled();
}

} // namespace

class TestDayCounter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void freshWindowShowsTodayTwiceAndZero()
    {
        PinnedClock clock(startDay);
        TFormLD form;
        QCOMPARE(form.windowTitle(), QStringLiteral("LiczDni"));
        QCOMPARE(form.size(), QSize(346, 315));
        for (const char *name : { "Label1", "Label2", "Label7", "Label9" })
            QCOMPARE(textOf(&form, name), QStringLiteral("07 - marzec - 2027"));
        QCOMPARE(textOf(&form, "Label3"), QStringLiteral("0"));
        QVERIFY(!enabled(&form, "Button2") && !enabled(&form, "Button3"));
        QCOMPARE(form.StatusBar1->panelText(0), QStringLiteral("7.03.2027"));
        QCOMPARE(form.StatusBar1->panelRect(0).width(), 70);
        QCOMPARE(form.StatusBar1->panelText(1), QString());
        click(&form, "Button1");
        QCOMPARE(textOf(&form, "Label3"), QStringLiteral("0"));

        QStringList withTooltips;
        for (const QWidget *widget : form.findChildren<QWidget *>())
            if (!widget->toolTip().isEmpty())
                withTooltips << widget->objectName();
        withTooltips.sort();
        QCOMPARE(withTooltips,
            QStringList({ "SpeedButton2", "SpeedButton3", "SpeedButton6", "SpeedButton7" }));
    }

    void countsTheDaysFromFirstToSecond_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("second");
        QTest::addColumn<QString>("count");
        QTest::newRow("February 2027") << QDate(2027, 2, 1) << QDate(2027, 3, 1) << "28";
        QTest::newRow("leap February") << QDate(2028, 2, 1) << QDate(2028, 3, 1) << "29";
        QTest::newRow("one day back") << QDate(2027, 3, 7) << QDate(2027, 3, 6) << "-1";
        QTest::newRow("over the new year") << QDate(2026, 12, 31) << QDate(2027, 1, 1) << "1";
        QTest::newRow("1st to 29th") << QDate(2027, 4, 1) << QDate(2027, 4, 29) << "28";
        QTest::newRow("no thousands separator")
            << QDate(2000, 1, 1) << QDate(2030, 1, 1) << "10958";
        QTest::newRow("back over a leap year") << QDate(2029, 1, 1) << QDate(2028, 1, 1) << "-366";
    }

    void countsTheDaysFromFirstToSecond()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, second);
        QFETCH(QString, count);
        PinnedClock clock(startDay);
        TFormLD form;
        form.Calendar1->setDate(first);
        form.Calendar2->setDate(second);
        click(&form, "Button1");
        QCOMPARE(textOf(&form, "Label3"), count);

        // "dni" keeps its place for short counts and makes way for long ones.
        const QRect number = form.Label3->geometry();
        const QRect days = form.Label11->geometry();
        QCOMPARE(number.left(), 280);
        QVERIFY(days.left() > number.right());
        if (count.size() <= 2)
            QCOMPARE(days.left(), 304);
        if (count.size() <= 4) // a year's worth, either way, stays inside the window
            QVERIFY(days.right() < form.width());
    }

    void countWaitsForObliczWhileTheDatesFollowAtOnce()
    {
        PinnedClock clock(startDay);
        TFormLD form;
        form.Calendar1->setDate(QDate(2027, 2, 1));
        form.Calendar2->setDate(QDate(2027, 3, 1));
        click(&form, "Button1");
        form.Calendar2->setDate(QDate(2027, 3, 15));
        click(&form, "SpeedButton3");
        QCOMPARE(textOf(&form, "Label7"), QStringLiteral("01 - marzec - 2027"));
        QCOMPARE(textOf(&form, "Label1"), QStringLiteral("01 - marzec - 2027"));
        QCOMPARE(textOf(&form, "Label9"), QStringLiteral("15 - marzec - 2027"));
        QCOMPARE(textOf(&form, "Label3"), QStringLiteral("28"));
        click(&form, "Button1");
        QCOMPARE(textOf(&form, "Label3"), QStringLiteral("14"));
    }

    void monthStepFromTheEndOfJanuary_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<QDate>("todayLater"); // today when ">>" is pressed
        QTest::addColumn<QDate>("stepped");
        QTest::addColumn<bool>("buttonEnabled");
        QTest::newRow("first, 2027") << 0 << QDate(2027, 1, 31) << QDate(2027, 2, 28) << true;
        QTest::newRow("second, 2028") << 1 << QDate(2028, 1, 31) << QDate(2028, 2, 29) << true;
        QTest::newRow("onto today a month on")
            << 0 << QDate(2027, 2, 28) << QDate(2027, 2, 28) << false;
    }

    void monthStepFromTheEndOfJanuary()
    {
        QFETCH(int, side);
        QFETCH(QDate, todayLater);
        QFETCH(QDate, stepped);
        QFETCH(bool, buttonEnabled);
        PinnedClock clock(QDate(stepped.year(), 1, 31));
        TFormLD form;
        clock.setToday(todayLater);
        click(&form, sides[side].on);
        QCOMPARE(part<MonthCalendar>(&form, sides[side].calendar)->date(), stepped);
        QCOMPARE(textOf(&form, sides[side].above), longDateTextTwoDigitDay(stepped));
        QCOMPARE(enabled(&form, sides[side].today), buttonEnabled);
    }

    void todayButton_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("first date") << 0;
        QTest::newRow("second date") << 1;
    }

    void todayButton()
    {
        QFETCH(int, side);
        const Side &names = sides[side];
        PinnedClock clock(startDay);
        TFormLD form;
        auto *calendar = part<MonthCalendar>(&form, names.calendar);
        click(&form, names.on);
        click(&form, names.back);
        QCOMPARE(calendar->date(), startDay);
        QVERIFY(enabled(&form, names.today)); // back on today by hand: still enabled

        click(&form, names.on);
        clock.setToday(startDay.addDays(1));
        click(&form, names.today);
        QCOMPARE(calendar->date(), startDay.addDays(1));
        QCOMPARE(textOf(&form, names.above), QStringLiteral("08 - marzec - 2027"));
        QCOMPARE(textOf(&form, names.result), QStringLiteral("08 - marzec - 2027"));
        QVERIFY(!enabled(&form, names.today));
    }

    void enablingComparesWithTodayAtThatMoment()
    {
        PinnedClock clock(startDay);
        TFormLD form;
        clock.setToday(startDay.addDays(1));
        auto *grid = form.Calendar1->findChild<QTableView *>();
        QTest::keyClick(grid, Qt::Key_Right); // the user picks the new today
        QCOMPARE(form.Calendar1->date(), startDay.addDays(1));
        QVERIFY(!form.Button2->isEnabled());
        QTest::keyClick(grid, Qt::Key_Left); // back to the start-up day, no longer today
        QVERIFY(form.Button2->isEnabled());
    }

    void hintsInTheSecondPanel()
    {
        PinnedClock clock(startDay);
        TFormLD form;
        form.show();
        const auto panelAfterHover = [&](QPoint pos) {
            hover(&form, pos);
            return form.StatusBar1->panelText(1);
        };
        const QString first = QStringLiteral("Data pierwszego dnia poprzedniego okresu.");
        QCOMPARE(panelAfterHover({ 8 + 150, 8 + 186 }), first);
        QCOMPARE(panelAfterHover({ 8 + 80, 8 + 100 }), first); // over Calendar1
        QCOMPARE(panelAfterHover({ 8 + 80, 8 + 30 }), first); // over the word "od"
        QCOMPARE(panelAfterHover({ 172, 100 }), QString()); // between the panels
        QCOMPARE(panelAfterHover({ 176 + 150, 8 + 186 }),
            QStringLiteral("Data pierwszego dnia teraźniejszego okresu."));
        QCOMPARE(panelAfterHover({ 168, 276 }),
            QStringLiteral("Oblicza liczbę dni pomiędzy wybranymi datami."));
        QCOMPARE(panelAfterHover({ 250, 246 }), QString()); // inside the frame of the result
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Panel1") << "Panel1"
                                << "FormLD" << QRect(8, 8, 161, 193);
        QTest::newRow("Panel2") << "Panel2"
                                << "FormLD" << QRect(176, 8, 161, 193);
        QTest::newRow("Calendar1") << "Calendar1"
                                   << "Panel1" << QRect(8, 48, 145, 104);
        QTest::newRow("Calendar2") << "Calendar2"
                                   << "Panel2" << QRect(8, 48, 145, 105);
        QTest::newRow("Button2") << "Button2"
                                 << "Panel1" << QRect(32, 160, 97, 20);
        QTest::newRow("SpeedButton7") << "SpeedButton7"
                                      << "Panel2" << QRect(128, 24, 25, 25);
        QTest::newRow("Bevel1") << "Bevel1"
                                << "FormLD" << QRect(8, 208, 329, 44);
        QTest::newRow("Button1") << "Button1"
                                 << "FormLD" << QRect(128, 264, 81, 25);
        QTest::newRow("StatusBar1") << "StatusBar1"
                                    << "FormLD" << QRect(0, 296, 346, 19);
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, place);
        PinnedClock clock(startDay);
        TFormLD form;
        QWidget *widget = part(&form, name.toLatin1().constData());
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), place);
    }

    void openedFromTheMainWindow_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("button Otwórz") << "Button9";
        QTest::newRow("menu LiczDni") << "Liczdni1";
    }

    void openedFromTheMainWindow()
    {
        QFETCH(QString, opener);
        PinnedClock clock(startDay);
        ProgramFixture program;
        QWidget *main = program.forms().Form1;
        QWidget *counter = program.forms().FormLD;
        const auto open = [&] {
            if (auto *action = main->findChild<QAction *>(opener))
                action->trigger();
            else
                main->findChild<QPushButton *>(opener)->click();
        };
        QVERIFY(counter && !counter->isVisible());
        QCOMPARE(counter->objectName(), QStringLiteral("FormLD"));
        open();
        QVERIFY(counter->isVisible());
        click(counter, "SpeedButton3");
        counter->close();
        QVERIFY(!counter->isVisible());
        open();
        open();
        QVERIFY(counter->isVisible());
        QCOMPARE(textOf(counter, "Label1"), QStringLiteral("07 - kwiecień - 2027"));
    }
};

QTEST_MAIN(TestDayCounter)
#include "tst_DayCounter.moc"
