#include "support/ProgramFixture.h"
#include "ui/MonthCalendar.h"

#include <QTableView>
#include <QTest>
#include <QWheelEvent>

// Finds the grid cell that shows `date` in the month on display.
static QRect cellOf(MonthCalendar &calendar, QDate date)
{
    auto *view = calendar.findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    for (int row = 1; row < view->model()->rowCount(); ++row) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QModelIndex index = view->model()->index(row, column);
            const bool sameMonthRows
                = !(row <= 2 && date.day() > 20) && !(row >= 5 && date.day() < 15);
            if (index.data().toInt() == date.day() && sameMonthRows)
                return view->visualRect(index);
        }
    }
    return {};
}

static QWidget *gridViewport(MonthCalendar &calendar)
{
    return calendar.findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"))->viewport();
}

class TestMonthCalendar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void stepsByMonthClampingTheDay_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QDate>("to");
        QTest::newRow("31 Jan to Feb, common year")
            << QDate(2027, 1, 31) << 1 << QDate(2027, 2, 28);
        QTest::newRow("31 Jan to Feb, leap year") << QDate(2028, 1, 31) << 1 << QDate(2028, 2, 29);
        QTest::newRow("31 Mar back to Feb") << QDate(2027, 3, 31) << -1 << QDate(2027, 2, 28);
        QTest::newRow("31 Mar back to leap Feb") << QDate(2028, 3, 31) << -1 << QDate(2028, 2, 29);
        QTest::newRow("January back to December")
            << QDate(2027, 1, 15) << -1 << QDate(2026, 12, 15);
        QTest::newRow("December on to January") << QDate(2026, 12, 15) << 1 << QDate(2027, 1, 15);
        QTest::newRow("30 Apr to 30 May") << QDate(2027, 4, 30) << 1 << QDate(2027, 5, 30);
        QTest::newRow("30 May to 30 Jun") << QDate(2027, 5, 30) << 1 << QDate(2027, 6, 30);
        QTest::newRow("31 Dec on to 31 Jan") << QDate(2026, 12, 31) << 1 << QDate(2027, 1, 31);
        QTest::newRow("1 Mar back to 1 Feb") << QDate(2027, 3, 1) << -1 << QDate(2027, 2, 1);
    }

    void stepsByMonthClampingTheDay()
    {
        QFETCH(QDate, from);
        QFETCH(int, delta);
        QFETCH(QDate, to);
        QCOMPARE(MonthCalendar::steppedMonth(from, delta), to);

        MonthCalendar calendar(QStringLiteral("Calendar1"), Qt::green, nullptr);
        calendar.setDate(from);
        int changes = 0;
        connect(&calendar, &MonthCalendar::changed, this, [&] { ++changes; });
        calendar.stepMonth(delta);
        QCOMPARE(calendar.date(), to);
        QCOMPARE(calendar.monthShown(), to.month());
        QCOMPARE(changes, 1);
    }

    void looksLikeAWallCalendar()
    {
        MonthCalendar calendar(QStringLiteral("Calendar1"), QColor(192, 220, 192), nullptr);
        QCOMPARE(calendar.objectName(), QStringLiteral("Calendar1"));
        QCOMPARE(calendar.firstDayOfWeek(), Qt::Sunday);
        QVERIFY(!calendar.isNavigationBarVisible());
        QCOMPARE(calendar.verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
        QCOMPARE(calendar.palette().color(QPalette::Base), QColor(192, 220, 192));
        auto *view = calendar.findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
        QCOMPARE(view->model()->index(0, 0).data().toString(),
            QLocale::system().dayName(Qt::Sunday, QLocale::ShortFormat));
    }

    void pickingADayRaisesClickBeforeChange()
    {
        MonthCalendar calendar(QStringLiteral("Calendar1"), Qt::green, nullptr);
        calendar.resize(185, 121);
        calendar.setDate(QDate(2027, 3, 7));
        calendar.show();
        QStringList events;
        connect(
            &calendar, &MonthCalendar::dayPicked, this, [&] { events << QStringLiteral("click"); });
        connect(&calendar, &MonthCalendar::changed, this,
            [&] { events << QStringLiteral("change ") + calendar.date().toString(Qt::ISODate); });

        QTest::mouseClick(gridViewport(calendar), Qt::LeftButton, {},
            cellOf(calendar, QDate(2027, 3, 12)).center());
        QCOMPARE(
            events, QStringList({ QStringLiteral("click"), QStringLiteral("change 2027-03-12") }));

        events.clear();
        QTest::mouseClick(gridViewport(calendar), Qt::LeftButton, {},
            cellOf(calendar, QDate(2027, 3, 12)).center());
        QCOMPARE(events, QStringList({ QStringLiteral("click") })); // same day: no change

        events.clear();
        QTest::keyClick(calendar.findChild<QTableView *>(), Qt::Key_Right);
        QCOMPARE(
            events, QStringList({ QStringLiteral("click"), QStringLiteral("change 2027-03-13") }));
    }

    void blankCellsTakeTheClickButKeepTheDate()
    {
        MonthCalendar calendar(QStringLiteral("Calendar1"), Qt::green, nullptr);
        calendar.resize(185, 121);
        calendar.setDate(QDate(2027, 3, 7)); // 1 March 2027 is a Monday: Sunday 28 Feb is blank
        calendar.show();
        int clicks = 0, changes = 0;
        connect(&calendar, &MonthCalendar::dayPicked, this, [&] { ++clicks; });
        connect(&calendar, &MonthCalendar::changed, this, [&] { ++changes; });

        auto *view = calendar.findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
        const QRect lastRowFirstCell = view->visualRect(view->model()->index(6, 0));
        const QRect firstRowFirstCell = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, firstRowFirstCell.center());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, lastRowFirstCell.center());
        QCOMPARE(clicks, 2);
        QCOMPARE(changes, 0);
        QCOMPARE(calendar.date(), QDate(2027, 3, 7));
        QCOMPARE(calendar.monthShown(), 3);
    }

    void theWheelDoesNotPageAwayFromTheDate()
    {
        MonthCalendar calendar(QStringLiteral("Calendar1"), Qt::green, nullptr);
        calendar.resize(185, 121);
        calendar.setDate(QDate(2027, 3, 10));
        calendar.show();
        QWidget *viewport = gridViewport(calendar);
        QWheelEvent wheel(QPointF(50, 50), QPointF(viewport->mapToGlobal(QPoint(50, 50))), QPoint(),
            QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        QCOMPARE(calendar.monthShown(), 3);
        QCOMPARE(calendar.date(), QDate(2027, 3, 10));
    }

    void settingTheDateAlwaysRaisesChange()
    {
        MonthCalendar calendar(QStringLiteral("Calendar1"), Qt::green, nullptr);
        calendar.setDate(QDate(2027, 3, 7));
        int changes = 0;
        connect(&calendar, &MonthCalendar::changed, this, [&] { ++changes; });
        calendar.setDate(QDate(2027, 3, 7));
        calendar.setDate(QDate(2027, 4, 1));
        QCOMPARE(changes, 2);
    }

    void monthButtonsAreFlatWithTooltips()
    {
        MonthButton back(MonthButton::Previous, QStringLiteral("SpeedButton1"), nullptr);
        MonthButton on(MonthButton::Next, QStringLiteral("SpeedButton2"), nullptr);
        QCOMPARE(back.text(), QStringLiteral("<<"));
        QCOMPARE(on.text(), QStringLiteral(">>"));
        QCOMPARE(back.toolTip(), QStringLiteral("Poprzedni miesiąc"));
        QCOMPARE(on.toolTip(), QStringLiteral("Następny miesiąc"));
        QVERIFY(back.autoRaise());
        QCOMPARE(back.size(), QSize(25, 25));
        QCOMPARE(back.objectName(), QStringLiteral("SpeedButton1"));
    }
};

QTEST_MAIN(TestMonthCalendar)
#include "tst_MonthCalendar.moc"
