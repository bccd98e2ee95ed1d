// The fertile-day chart: the table of fertile panels, the dated panels, the
// inputs that close a stale chart, and printing it.

#include "app/TForm1.h"
#include "calendar/FertileDays.h"
#include "calendar/TForm2.h"
#include "support/PdfPages.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/MonthCalendar.h"
#include "ui/PrintDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QColor yellow(255, 255, 0);
const QColor fuchsia(255, 0, 255);

QColor colourOf(const QLabel *panel)
{
    return panel->palette().color(QPalette::Window);
}

// The panels painted fuchsia, as "first-last", or "none".
QString fuchsiaPanels(const TForm2 *chart)
{
    QList<int> marked;
    for (int k = 1; k <= chartDayPanels; ++k) {
        const QColor colour = colourOf(chart->DayPanels[k - 1]);
        if (colour == fuchsia)
            marked << k;
        else if (colour != yellow)
            return QStringLiteral("panel %1 has another colour").arg(k);
    }
    if (marked.isEmpty())
        return QStringLiteral("none");
    for (int i = 1; i < marked.size(); ++i) {
        if (marked[i] != marked[i - 1] + 1)
            return QStringLiteral("not consecutive");
    }
    return QStringLiteral("%1-%2").arg(marked.first()).arg(marked.last());
}

QRect dayCell(MonthCalendar *calendar, int day)
{
    auto *view = calendar->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    for (int row = 1; row <= 3; ++row) {
        for (int column = 0; column < 7; ++column) {
            const QModelIndex index = view->model()->index(row, column);
            if (index.data().toInt() == day && !(row == 1 && day > 20))
                return view->visualRect(index);
        }
    }
    return {};
}

int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/")
        + pdf.count("/Type /Page>"));
}

} // namespace

class TestFertileChart : public QObject {
    Q_OBJECT

    std::unique_ptr<PinnedClock> clock;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<ProgramFixture> fixture;
    TForm1 *form = nullptr;
    TForm2 *chart = nullptr;

    void pick(QDate start, const QString &cycleLength)
    {
        form->Calendar1->setDate(start);
        form->ComboBox1->setCurrentText(cycleLength);
    }

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void init()
    {
        clock = std::make_unique<PinnedClock>(QDate(2026, 12, 8));
        dialogs = std::make_unique<ScriptedDialogs>();
        fixture = std::make_unique<ProgramFixture>();
        form = fixture->forms().Form1;
        chart = fixture->forms().Form2;
        fixture->program().start();
    }

    void cleanup()
    {
        fixture.reset();
        dialogs.reset();
        clock.reset();
    }

    void fertileTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("panels");
        QTest::newRow("21") << QStringLiteral("21") << QStringLiteral("1-8");
        QTest::newRow("22") << QStringLiteral("22") << QStringLiteral("2-9");
        QTest::newRow("23") << QStringLiteral("23") << QStringLiteral("3-10");
        QTest::newRow("24") << QStringLiteral("24") << QStringLiteral("4-11");
        QTest::newRow("25") << QStringLiteral("25") << QStringLiteral("5-12");
        QTest::newRow("26") << QStringLiteral("26") << QStringLiteral("6-13");
        QTest::newRow("27") << QStringLiteral("27") << QStringLiteral("7-14");
        QTest::newRow("28") << QStringLiteral("28") << QStringLiteral("8-15");
        QTest::newRow("29") << QStringLiteral("29") << QStringLiteral("9-16");
        QTest::newRow("30") << QStringLiteral("30") << QStringLiteral("10-17");
        QTest::newRow("31") << QStringLiteral("31") << QStringLiteral("11-18");
        QTest::newRow("32") << QStringLiteral("32") << QStringLiteral("12-19");
        QTest::newRow("33") << QStringLiteral("33") << QStringLiteral("13-20");
        QTest::newRow("leading space") << " 28"
                                       << "none";
        QTest::newRow("trailing space") << "28 "
                                        << "none";
        QTest::newRow("leading zero") << "028"
                                      << "none";
        QTest::newRow("20") << "20"
                            << "none";
        QTest::newRow("34") << "34"
                            << "none";
        QTest::newRow("empty") << ""
                               << "none";
        QTest::newRow("letters") << "abc"
                                 << "none";
        QTest::newRow("plus sign") << "+28"
                                   << "none";
    }

    void fertileTable()
    {
        QFETCH(QString, text);
        QFETCH(QString, panels);
        const auto fertile = fertilePanels(text);
        QCOMPARE(fertile ? QStringLiteral("%1-%2").arg(fertile->first).arg(fertile->last)
                         : QStringLiteral("none"),
            panels);

        // The same through the window, from a freshly closed chart.
        pick(QDate(2027, 3, 1), text);
        form->Button1->click();
        QVERIFY(chart->isVisible());
        QCOMPARE(fuchsiaPanels(chart), panels);
        QCOMPARE(chart->Label5->text(), text);
    }

    void panelsAreDatedFromTheThirdCycleDay()
    {
        pick(QDate(2027, 3, 1), QStringLiteral("28"));
        form->Otw1->trigger();
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->Label3->text(), QStringLiteral("1 - marzec - 2027"));
        QCOMPARE(chart->DayPanels[0]->text(), QStringLiteral("3 - marzec - 2027"));
        QCOMPARE(chart->DayPanels[7]->text(), QStringLiteral("10 - marzec - 2027"));
        QCOMPARE(chart->DayPanels[14]->text(), QStringLiteral("17 - marzec - 2027"));
        QCOMPARE(chart->DayPanels[19]->text(), QStringLiteral("22 - marzec - 2027"));
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("8-15"));
        QCOMPARE(chart->Label4->text(), QStringLiteral("Cykl"));
        QCOMPARE(chart->Label6->text(), QStringLiteral("dniowy"));
    }

    void datesCrossMonthYearAndLeapDay_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("year end") << QDate(2026, 12, 31) << "2 - styczeń - 2027"
                                  << "21 - styczeń - 2027";
        QTest::newRow("leap day") << QDate(2028, 2, 27) << "29 - luty - 2028"
                                  << "19 - marzec - 2028";
        QTest::newRow("common February") << QDate(2027, 2, 27) << "1 - marzec - 2027"
                                         << "20 - marzec - 2027";
        QTest::newRow("month end") << QDate(2027, 4, 25) << "27 - kwiecień - 2027"
                                   << "16 - maj - 2027";
    }

    void datesCrossMonthYearAndLeapDay()
    {
        QFETCH(QDate, start);
        QFETCH(QString, first);
        QFETCH(QString, last);
        pick(start, QStringLiteral("28"));
        form->Button1->click();
        QCOMPARE(chart->DayPanels.first()->text(), first);
        QCOMPARE(chart->DayPanels.last()->text(), last);
    }

    void anyChangeOfTheInputsClosesTheChart_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("picking a day") << "pick";
        QTest::newRow("previous month") << "previous";
        QTest::newRow("next month") << "next";
        QTest::newRow("choosing a length") << "choose";
        QTest::newRow("typing a character") << "type";
        QTest::newRow("arrow key in the calendar") << "arrow";
    }

    void anyChangeOfTheInputsClosesTheChart()
    {
        QFETCH(QString, action);
        pick(QDate(2027, 3, 1), QStringLiteral("28"));
        form->Button1->click();
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("8-15"));

        auto *view
            = form->Calendar1->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
        if (action == QLatin1String("pick"))
            QTest::mouseClick(
                view->viewport(), Qt::LeftButton, {}, dayCell(form->Calendar1, 10).center());
        else if (action == QLatin1String("previous"))
            form->SpeedButton1->click();
        else if (action == QLatin1String("next"))
            form->SpeedButton2->click();
        else if (action == QLatin1String("choose"))
            form->ComboBox1->setCurrentIndex(form->ComboBox1->findText(QStringLiteral("30")));
        else if (action == QLatin1String("type"))
            QTest::keyClick(form->ComboBox1->lineEdit(), Qt::Key_1);
        else
            QTest::keyClick(view, Qt::Key_Down);

        QVERIFY(!chart->isVisible());
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("none"));
        QVERIFY(dialogs->log.isEmpty());
    }

    void pickingTheSameDayStillClosesTheChart()
    {
        pick(QDate(2027, 3, 10), QStringLiteral("28"));
        form->Button1->click();
        auto *view
            = form->Calendar1->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, {}, dayCell(form->Calendar1, 10).center());
        QVERIFY(!chart->isVisible());
        QCOMPARE(form->Calendar1->date(), QDate(2027, 3, 10));
    }

    void closingResetsAndRecomputingShowsOnlyTheNewLength()
    {
        pick(QDate(2027, 3, 1), QStringLiteral("21"));
        form->Button1->click();
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("1-8"));
        chart->close();
        QVERIFY(!chart->isVisible());
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("none"));
        QCOMPARE(chart->DayPanels[0]->text(), QStringLiteral("3 - marzec - 2027")); // dates stay
        QCOMPARE(colourOf(chart->Panel23), fuchsia); // the legend never changes

        form->ComboBox1->setCurrentText(QStringLiteral("33"));
        form->Button1->click();
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("13-20"));
        form->Button1->click(); // again without a change: the same picture
        QVERIFY(chart->isVisible());
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("13-20"));
    }

    void emptyingTheCycleLengthWarnsOncePerChange()
    {
        QLineEdit *edit = form->ComboBox1->lineEdit();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace); // "2"
        QVERIFY(dialogs->log.isEmpty());
        QTest::keyClick(edit, Qt::Key_Backspace); // ""
        QCOMPARE(dialogs->log,
            QStringList({ QStringLiteral("notice: Wybierz długość cyklu z listy !") }));
        QCOMPARE(form->ComboBox1->currentText(), QString()); // left empty
        QTest::keyClick(edit, Qt::Key_3);
        QCOMPARE(dialogs->log.size(), 1);
        QCOMPARE(form->ComboBox1->currentText(), QStringLiteral("3")); // as typed, not "30"

        form->Button1->click(); // an unlisted text marks nothing, without a word
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("none"));
        QCOMPARE(dialogs->log.size(), 1);
    }

    void labelAndTooltipFollowTheCalendar()
    {
        form->Calendar1->setDate(QDate(2028, 1, 31));
        QCOMPARE(form->Label4->text(), QStringLiteral("31 - styczeń - 2028"));
        QCOMPARE(form->Calendar1->toolTip(), QString());
        form->SpeedButton2->click();
        QCOMPARE(form->Calendar1->date(), QDate(2028, 2, 29));
        QCOMPARE(form->Label4->text(), QStringLiteral("29 - luty - 2028"));

        form->Calendar1->setDate(QDate(2026, 11, 8));
        QCOMPARE(form->Calendar1->toolTip(), QString());
        form->SpeedButton2->click(); // onto today
        QCOMPARE(form->Calendar1->date(), QDate(2026, 12, 8));
        QCOMPARE(form->Calendar1->toolTip(), QStringLiteral("Kalendarz pokazuje aktualną datę."));
        form->SpeedButton2->click();
        QCOMPARE(form->Calendar1->toolTip(), QString());
        QCOMPARE(form->Label4->text(), QStringLiteral("8 - styczeń - 2027"));
    }

    void chartWindowLayout()
    {
        QCOMPARE(chart->size(), QSize(167, 434));
        QCOMPARE(chart->minimumSize(), chart->maximumSize());
        QCOMPARE(chart->DayPanels.size(), 20);
        for (int k = 1; k <= 20; ++k) {
            QCOMPARE(chart->DayPanels[k - 1]->objectName(), QStringLiteral("Panel%1").arg(k));
            QCOMPARE(chart->DayPanels[k - 1]->geometry(), QRect(16, 64 + 16 * (k - 1), 137, 17));
        }
        QCOMPARE(chart->Panel23->geometry(), QRect(80, 392, 73, 17));
        QCOMPARE(chart->Label7->text(), QStringLiteral("Miravela 2.0"));
        QCOMPARE(chart->Label7->pos(), QPoint(72, 416));
        QCOMPARE(chart->Label1->text(), QStringLiteral("Dni płodne :"));
        QCOMPARE(chart->Label2->text(), QStringLiteral("Początek okresu :"));
        QCOMPARE(chart->Label4->font().pixelSize(), 13);
        QVERIFY(chart->Label4->font().bold());
    }

    void printingComputesShowsAndPrintsTheChart_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("300 dpi") << 300;
    }

    void printingComputesShowsAndPrintsTheChart()
    {
        QFETCH(int, dpi);
        ScriptedPrintService printing;
        printing.answerNext(true, dpi);
        pick(QDate(2027, 3, 1), QStringLiteral("28"));
        QVERIFY(!chart->isVisible());
        QString onScreenBehindTheDialog;
        printing.onShown = [&] {
            onScreenBehindTheDialog
                = chart->isVisible() ? fuchsiaPanels(chart) : QStringLiteral("hidden");
        };
        form->Button2->click();
        QCOMPARE(printing.dialogsShown, 1);
        QCOMPARE(onScreenBehindTheDialog, QStringLiteral("8-15"));
        QVERIFY(chart->isVisible()); // and left open after printing
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("8-15"));
        QVERIFY(printing.lastOptions & QAbstractPrintDialog::PrintToFile);
        QVERIFY(!(printing.lastOptions & QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!(printing.lastOptions & QAbstractPrintDialog::PrintSelection));
        QCOMPARE(pdfPages(printing.lastPdf()), 1);
        QVERIFY(dialogs->log.isEmpty());
    }

    void printingToAFileGivesEveryCopyOnThePageChosen()
    {
        ScriptedPrintService printing;
        printing.answerNextCopies(2, true, QPageLayout::Landscape);
        pick(QDate(2027, 3, 1), QStringLiteral("28"));
        form->Button2->click();
        QCOMPARE(pdfPageSizes(printing.lastPdf()), QList<QSize>(2, A4Landscape));
        QVERIFY(dialogs->log.isEmpty());
    }

    void cancellingThePrintClosesTheChart()
    {
        ScriptedPrintService printing;
        pick(QDate(2027, 3, 1), QStringLiteral("28"));
        form->Button1->click();
        printing.answerNext(false);
        form->Drukuj1->trigger();
        QCOMPARE(printing.dialogsShown, 1);
        QVERIFY(!chart->isVisible());
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("none"));
    }

    void printingAnUnlistedLengthPrintsYellowPanels()
    {
        ScriptedPrintService printing;
        printing.answerNext(true);
        pick(QDate(2027, 3, 1), QStringLiteral("34"));
        form->Button2->click();
        QVERIFY(chart->isVisible());
        QCOMPARE(fuchsiaPanels(chart), QStringLiteral("none"));
        QCOMPARE(chart->DayPanels[0]->text(), QStringLiteral("3 - marzec - 2027"));
        QCOMPARE(pdfPages(printing.lastPdf()), 1);
    }
};

QTEST_MAIN(TestFertileChart)
#include "tst_FertileChart.moc"
