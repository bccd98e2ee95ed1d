// The temperature chart: its layout, drawing the current entry's readings,
// the refresh on activation, and printing.

#include "app/TForm1.h"
#include "data/PeriodLine.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "support/PdfPages.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "tempchart/ChartMarker.h"
#include "tempchart/TFormWT.h"
#include "ui/DataViews.h"

#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor yellow(255, 255, 0);
const QColor aqua(0, 255, 255);
const QByteArray threeReadings = "07-03-15 15/36,6 16/36,7 17/37,0";
// A rise over the end of November: first higher on 3 December, confirmed on
// the 5th, over a cover line at 36,8.
const QByteArray risingEntry
    = "26-11-19 19/36,8 20/36,7 21/36,7 22/36,6 23/36,7 24/36,6 25/36,7 26/36,8 27/36,7 28/36,6 "
      "29/36,7 30/36,7 01/36,8 02/36,7 03/37,0 04/37,1 05/37,2 06/37,1 07/37,2 08/37,1 09/37,2";
const QColor red(255, 0, 0);

int redPixelsInRow(const QImage &image, int y)
{
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        count += image.pixelColor(x, y) == red ? 1 : 0;
    return count;
}

bool anyRed(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        if (redPixelsInRow(image, y) > 0)
            return true;
    }
    return false;
}

QPoint restingPlace(int column)
{
    return { 160 + 16 * (column - 1), 64 };
}

int columnOf(QPoint point)
{
    return (point.x() - 60) / 20 + 1;
}

// An entry of 29 readings on days 1 to 29, climbing the scale and starting over.
QByteArray fullEntry()
{
    QByteArray line = "07-03-01";
    for (int k = 1; k <= 29; ++k)
        line = AppendReading(line, QDate(2007, 3, k), TemperatureScale[(k - 1) % 9]);
    return line;
}

QStringList dayTexts(const TFormWT *chart)
{
    QStringList texts;
    for (const QLabel *label : chart->DayLabels)
        texts << label->text();
    return texts;
}

// Whether any pixel within one pixel of `at` is dark, as a thin black line is.
bool darkNear(const QImage &image, QPoint at)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (qGray(image.pixel(at + QPoint(dx, dy))) < 100)
                return true;
        }
    }
    return false;
}

// Within the few levels by which the printed JPEG picture may shift a flat colour.
bool nearColour(const QColor &colour, const QColor &expected)
{
    return qAbs(colour.red() - expected.red()) < 8 && qAbs(colour.green() - expected.green()) < 8
        && qAbs(colour.blue() - expected.blue()) < 8;
}

// The single picture on the page of a PDF printed by the window print: the
// PDF engine keeps it at its own size, as a JPEG stream.
QImage printedPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray pdf = file.readAll();
    const qsizetype image = pdf.indexOf("/Subtype /Image");
    if (image < 0 || pdf.indexOf("/Subtype /Image", image + 1) >= 0)
        return {};
    const qsizetype begin = pdf.indexOf("stream\n", image) + 7;
    if (!pdf.mid(image, begin - image).contains("/DCTDecode"))
        return {};
    return QImage::fromData(pdf.mid(begin, pdf.indexOf("endstream", begin) - begin), "JPEG");
}

// Confirms the print dialog with a printer that cannot start its job: it has
// nowhere to print.
class BrokenPrinter final : public PrintService {
public:
    BrokenPrinter() { PrintService::install(this); }
    ~BrokenPrinter() override { PrintService::install(nullptr); }
    bool exec(PrintDialog &dialog, QWidget *) override
    {
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(QString());
        return true;
    }
};

} // namespace

class TestTemperatureChart : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<ProgramFixture> fixture;
    TForm1 *form = nullptr;
    TFormWT *chart = nullptr;

    // Starts the program on these entries (the sentinel follows) and opens
    // the chart from the main window.
    void open(const QByteArrayList &entries, const QString &settingsFolder = {})
    {
        fixture = std::make_unique<ProgramFixture>(
            entries.join("\r\n") + (entries.isEmpty() ? "" : "\r\n") + "Miravela 2.0\r\n",
            settingsFolder);
        form = fixture->forms().Form1;
        chart = fixture->forms().FormWT;
        fixture->program().start();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Button8->click();
        QVERIFY(QTest::qWaitForWindowActive(chart));
    }

    void switchTo(QWidget *window)
    {
        window->activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
    }

    void verifyAtRest()
    {
        QVERIFY(chart->drawnCharts().isEmpty());
        for (int column = 1; column <= TFormWT::Columns; ++column) {
            QCOMPARE(chart->Shapes[column - 1]->fill(), yellow);
            QCOMPARE(chart->Shapes[column - 1]->pos(), restingPlace(column));
        }
    }

private Q_SLOTS:
    void init() { dialogs = std::make_unique<ScriptedDialogs>(); }

    void cleanup()
    {
        fixture.reset();
        dialogs.reset();
    }

    void controls_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *parent, QRect place, const char *text) {
            QTest::newRow(name) << QString::fromUtf8(parent) << place << QString::fromUtf8(text);
        };
        row("Panel1", "FormWT", { 0, 0, 627, 41 }, "");
        row("DBGrid1", "Panel1", { 24, 8, 321, 25 }, "");
        row("Button1", "Panel1", { 360, 8, 75, 25 }, "Rysuj");
        row("Button2", "Panel1", { 536, 8, 75, 25 }, "Drukuj");
        row("Button3", "FormWT", { 448, 8, 75, 25 }, "Odśwież");
        row("Panel2", "FormWT", { 0, 41, 41, 183 }, "");
        row("Panel3", "FormWT", { 0, 224, 627, 33 }, "");
        row("Bevel1", "FormWT", { 48, 56, 569, 161 }, "");
        row("Label1", "Panel2", { 12, 30, 21, 13 }, "37,4");
        row("Label2", "Panel2", { 12, 153, 21, 13 }, "36,6");
        row("Label3", "Panel2", { 12, 136, 21, 13 }, "36,7");
        row("Label9", "Panel2", { 12, 45, 21, 13 }, "37,3");
        row("Label10", "Panel3", { 55, 12, 12, 13 }, "00");
        row("Label27", "Panel3", { 395, 12, 12, 13 }, "00");
        row("Label28", "Panel3", { 416, 12, 12, 13 }, "00"); // a pixel off its step
        row("Label37", "Panel3", { 595, 12, 12, 13 }, "00");
    }

    void controls()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        open({});
        QCOMPARE(chart->size(), QSize(627, 257));
        QCOMPARE(chart->minimumSize(), chart->maximumSize());
        QCOMPARE(chart->windowTitle(), QStringLiteral("Wykres pomiarów temperatury"));
        auto *control = chart->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), place);
        QVERIFY(control->isVisible());
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
        if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), caption);
    }

    void firstOpening()
    {
        open({ threeReadings });
        verifyAtRest();
        for (const ChartMarker *marker : chart->Shapes)
            QVERIFY(marker->isVisible() && !marker->accessibleName().isEmpty());
        QCOMPARE(dayTexts(chart), QStringList(TFormWT::Columns, QStringLiteral("00")));
        QVERIFY(!chart->Label39->isVisible());
        QCOMPARE(chart->Panel2->palette().color(QPalette::Window), QColor(240, 202, 166));
        QCOMPARE(chart->Panel3->palette().color(QPalette::Window), QColor(192, 220, 192));
        // The one-row grid shows the main window's entries and current entry.
        QCOMPARE(chart->DBGrid1->model(), static_cast<QAbstractItemModel *>(form->DataSource1));
        QCOMPARE(chart->DataSource1, form->DataSource1);
    }

    void theGridShowsTheMainWindowsCurrentEntry()
    {
        const auto shownRow
            = [this] { return chart->DBGrid1->rowAt(chart->DBGrid1->viewport()->height() / 2); };
        open({ threeReadings, "07-02-14", "07-01-16" });
        chart->close();
        form->TextDataSet1->last(); // the sentinel
        form->Button8->click();
        QCOMPARE(shownRow(), 3);
        QCOMPARE(chart->DBGrid1->columnViewportPosition(0), 0);
        chart->DBGrid1->setFocus();
        QTest::keyClick(chart->DBGrid1, Qt::Key_Up);
        QCOMPARE(form->TextDataSet1->recNo(), 3);
        QCOMPARE(shownRow(), 2);
    }

    void drawing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QPolygon>("points");
        QTest::addColumn<QStringList>("days"); // the first day labels; the rest are blank

        QTest::newRow("three readings")
            << threeReadings << QPolygon({ { 60, 200 }, { 80, 185 }, { 100, 140 } })
            << QStringList { "15", "16", "17" };

        QPolygon all;
        QStringList days;
        for (int k = 1; k <= 28; ++k) {
            all << QPoint(60 + 20 * (k - 1), 200 - 15 * ((k - 1) % 9));
            days << QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        }
        QTest::newRow("28 readings, the 29th ignored") << fullEntry() << all << days;

        QTest::newRow("middle reading off the scale")
            << QByteArray("07-03-15 15/36,6 16/37,5 17/37,0")
            << QPolygon({ { 60, 200 }, { 100, 140 } }) << QStringList { "15", "16", "17" };
        QTest::newRow("middle reading with a decimal point")
            << QByteArray("07-03-15 15/36,6 16/36.7 17/37,0")
            << QPolygon({ { 60, 200 }, { 100, 140 } }) << QStringList { "15", "16", "17" };
        // "36,70" still reads as 36,7, but pushes the later readings one
        // character right of where the chart looks.
        QTest::newRow("five-character temperature")
            << QByteArray("07-03-15 15/36,6 16/36,70 17/37,0 18/37,1")
            << QPolygon({ { 60, 200 }, { 80, 185 } }) << QStringList { "15", "16", " 1", " 1" };
        QTest::newRow("empty temperature")
            << QByteArray("07-03-15 15/ 16/36,7") << QPolygon() << QStringList { "15", "6," };
        QTest::newRow("first reading off the scale")
            << QByteArray("07-03-15 15/36,5 16/36,7 17/37,4")
            << QPolygon({ { 80, 185 }, { 100, 80 } }) << QStringList { "15", "16", "17" };
        QTest::newRow("no readings") << QByteArray("07-03-15") << QPolygon() << QStringList();
        QTest::newRow("sentinel") << QByteArray("Miravela 2.0") << QPolygon()
                                  << QStringList { "2." };
    }

    void drawing()
    {
        QFETCH(QByteArray, line);
        QFETCH(QPolygon, points);
        QFETCH(QStringList, days);
        open(IsSentinelLine(line) ? QByteArrayList() : QByteArrayList { line });
        QCOMPARE(form->TextDataSet1->line(), line);

        chart->Button1->click();
        QCOMPARE(chart->drawnCharts(),
            points.isEmpty() ? QList<QPolygon>() : QList<QPolygon> { points });
        for (int column = 1; column <= TFormWT::Columns; ++column) {
            const ChartMarker *marker = chart->Shapes[column - 1];
            QCOMPARE(marker->fill(), aqua);
            const auto point = std::find_if(points.cbegin(), points.cend(),
                [column](QPoint p) { return columnOf(p) == column; });
            QCOMPARE(marker->pos(),
                point == points.cend() ? restingPlace(column) : *point - QPoint(5, 5));
        }
        QStringList expectedDays = days;
        while (expectedDays.size() < TFormWT::Columns)
            expectedDays << QString();
        QCOMPARE(dayTexts(chart), expectedDays);
        QCOMPARE(dialogs->log, QStringList());

        chart->Button1->click(); // the same picture again
        QCOMPARE(chart->drawnCharts().size(), points.isEmpty() ? 0 : 1);
    }

    void linesStayUntilRefreshAndChartsOverlay()
    {
        open({ threeReadings, "07-02-14 14/37,4 15/37,4 16/37,4 17/37,4" });
        chart->Button1->click();
        const QPoint firstSegment(70, 192); // between (60, 200) and (80, 185)
        chart->repaint();
        QVERIFY(darkNear(chart->grab().toImage(), firstSegment));

        // The next entry, picked in the chart's own grid, drawn over the first.
        chart->DBGrid1->setFocus();
        QTest::keyClick(chart->DBGrid1, Qt::Key_Down);
        QCOMPARE(form->TextDataSet1->recNo(), 2);
        chart->Button1->click();
        QCOMPARE(chart->drawnCharts().size(), 2);
        QCOMPARE(chart->drawnCharts().last(),
            QPolygon({ { 60, 80 }, { 80, 80 }, { 100, 80 }, { 120, 80 } }));
        const QImage overlaid = chart->grab().toImage();
        QVERIFY(darkNear(overlaid, firstSegment));
        QVERIFY(darkNear(overlaid, { 70, 80 }));
        QCOMPARE(chart->DayLabels[0]->text(), QStringLiteral("14"));

        chart->Button3->click();
        verifyAtRest();
        QVERIFY(!darkNear(chart->grab().toImage(), firstSegment));
        QCOMPARE(chart->DayLabels[0]->text(), QStringLiteral("14")); // the days stay
    }

    void switchingToTheMainWindowAndBackRefreshes()
    {
        open({ threeReadings });
        chart->Button1->click();
        switchTo(form);
        QCOMPARE(chart->drawnCharts().size(), 1); // leaving the chart is no activation
        switchTo(chart);
        verifyAtRest();
        QCOMPARE(chart->DayLabels[2]->text(), QStringLiteral("17"));
        QVERIFY(!darkNear(chart->grab().toImage(), { 70, 192 }));

        // Closing and opening it again is an activation as well.
        chart->Button1->click();
        chart->close();
        form->Wykres1->trigger();
        QVERIFY(chart->isVisible());
        verifyAtRest();
    }

    void otherFocusChangesKeepTheChart_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("repaint") << "repaint";
        QTest::newRow("another application and back") << "application";
        QTest::newRow("a dialog of the chart closing") << "dialog";
        QTest::newRow("opening it again while open") << "reopen";
        QTest::newRow("minimised, the main window used, restored") << "minimise";
    }

    void otherFocusChangesKeepTheChart()
    {
        QFETCH(QString, change);
        open({ threeReadings });
        chart->Button1->click();
        if (change == QLatin1String("repaint")) {
            chart->repaint();
            QVERIFY(darkNear(chart->grab().toImage(), { 70, 192 }));
        } else if (change == QLatin1String("application")) {
            // The offscreen platform has no other application to give the focus
            // to; this is what the window system reports on the way there and back.
            Q_EMIT qGuiApp->focusWindowChanged(nullptr);
            Q_EMIT qGuiApp->focusWindowChanged(chart->windowHandle());
        } else if (change == QLatin1String("dialog")) {
            QDialog dialog(chart);
            dialog.show();
            switchTo(&dialog);
            dialog.close();
            switchTo(chart);
        } else if (change == QLatin1String("reopen")) {
            form->Button8->click();
        } else {
            chart->showMinimized();
            switchTo(form);
            chart->showNormal();
            switchTo(chart);
        }
        QCOMPARE(chart->drawnCharts().size(), 1);
        QCOMPARE(chart->Shapes[0]->pos(), QPoint(55, 195));
        QCOMPARE(chart->Shapes[0]->fill(), aqua);
    }

    void cancellingThePrintChangesNothing()
    {
        ScriptedPrintService printing;
        printing.answerNext(false);
        open({ threeReadings });
        chart->Button1->click();
        chart->Button2->click();
        QCOMPARE(printing.dialogsShown, 1);
        QVERIFY(printing.lastPdf().isEmpty());
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->drawnCharts().size(), 1);
        QVERIFY(chart->Button1->isVisible() && chart->DBGrid1->isVisible());
        QVERIFY(!chart->Label39->isVisible());
    }

    void printingPrintsTheChartWithItsTitle()
    {
        ScriptedPrintService printing;
        printing.answerNext(true, 300);
        open({ threeReadings });
        chart->Button1->click();
        const QColor face = chart->palette().color(QPalette::Window);
        QVERIFY(!nearColour(face, Qt::white));
        chart->Button2->click();
        QCOMPARE(printing.dialogsShown, 1);
        QCOMPARE(dialogs->log, QStringList());
        QCOMPARE(chart->Label39->text(),
            QStringLiteral("Wykres pomiarów temperatury  -  Początek okresu  07-03-15"));
        QCOMPARE(chart->Label39->font().pixelSize(), 13); // 10 points

        const QImage picture = printedPicture(printing.lastPdf());
        QCOMPARE(picture.size(), QSize(627, 257));
        // The white strip with the title where the grid and the buttons were.
        const QRect title(chart->Label39->pos(), chart->Label39->size());
        QVERIFY(title.width() > 300);
        bool titleInk = false;
        for (int x = title.left(); x <= title.right(); ++x)
            titleInk = titleInk || darkNear(picture, { x, title.center().y() });
        QVERIFY(titleInk);
        for (const QPoint at :
            { QPoint(30, 12), QPoint(400, 30), QPoint(480, 30), QPoint(560, 30) })
            QVERIFY2(nearColour(picture.pixelColor(at), Qt::white),
                qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
        // The curve and its markers, and the strips in their colours.
        QVERIFY(darkNear(picture, { 70, 192 }));
        QVERIFY(darkNear(picture, { 90, 162 }));
        QVERIFY(nearColour(picture.pixelColor(60, 200), aqua));
        QVERIFY(nearColour(picture.pixelColor(20, 100), QColor(240, 202, 166)));
        QVERIFY(nearColour(picture.pixelColor(300, 250), QColor(192, 220, 192)));

        // The window closes and returns to its normal layout.
        QVERIFY(!chart->isVisible());
        QVERIFY(chart->Label39->isHidden());
        for (QWidget *control :
            { static_cast<QWidget *>(chart->DBGrid1), static_cast<QWidget *>(chart->Button1),
                static_cast<QWidget *>(chart->Button2), static_cast<QWidget *>(chart->Button3) })
            QVERIFY(!control->isHidden());
        QCOMPARE(chart->Panel1->palette().color(QPalette::Window), face);
        form->Button8->click();
        QVERIFY(chart->isVisible());
        verifyAtRest();
    }

    void printingToAFileGivesEveryCopy()
    {
        ScriptedPrintService printing;
        printing.answerNextCopies(3, false, QPageLayout::Portrait);
        open({ threeReadings });
        chart->Button2->click();
        QCOMPARE(pdfPageSizes(printing.lastPdf()), QList<QSize>(3, A4Portrait));
        QCOMPARE(dialogs->log, QStringList());
    }

    void withTheEvaluationOffTheChartIsAsItWas()
    {
        open({ risingEntry });
        QVERIFY(!form->Ocena1->isChecked() && !chart->riseEvaluation());
        chart->Button1->click();
        const QImage drawn = chart->grab().toImage();
        QVERIFY(!anyRed(drawn));
        QVERIFY(chart->Label40->isHidden());

        form->Ocena1->trigger(); // on: the next drawing is evaluated
        QVERIFY(chart->riseEvaluation());
        QCOMPARE(chart->grab().toImage(), drawn);
        chart->Button1->click();
        QVERIFY(anyRed(chart->grab().toImage()));
        form->Ocena1->trigger(); // off: the evaluation goes at once
        QVERIFY(!chart->coverLineY() && chart->Label40->isHidden());
        QCOMPARE(chart->grab().toImage(), drawn);
    }

    void theEvaluationShowsTheCoverLineAndTheRise_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("coverY");
        QTest::newRow("confirmed")
            << risingEntry << "Wzrost temperatury: dzień 03, potwierdzony dnia 05" << 170;
        QTest::newRow("none") << threeReadings << "Brak potwierdzonego wzrostu temperatury" << 0;
    }

    void theEvaluationShowsTheCoverLineAndTheRise()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, label);
        QFETCH(int, coverY);
        open({ entry });
        form->Ocena1->trigger();
        chart->Button1->click();
        QCOMPARE(chart->Label40->text(), label);
        QVERIFY(chart->Label40->isVisible());
        QCOMPARE(chart->coverLineY().value_or(0), coverY);
        const QImage drawn = chart->grab().toImage();
        if (coverY > 0) {
            // Straight across the plot area, one pixel high, under the markers.
            QCOMPARE(drawn.pixelColor(50, coverY), red);
            QCOMPARE(drawn.pixelColor(614, coverY), red);
            QVERIFY(redPixelsInRow(drawn, coverY) > 450);
            QCOMPARE(redPixelsInRow(drawn, coverY - 1) + redPixelsInRow(drawn, coverY + 1), 0);
        }
        // Inside the plot area, over no point and no marker.
        const QRect place = chart->Label40->geometry();
        QVERIFY(chart->Bevel1->geometry().contains(place));
        for (const ChartMarker *marker : chart->Shapes)
            QVERIFY(!place.intersects(marker->geometry()));

        chart->Button3->click(); // the refresh takes it all away
        QVERIFY(chart->Label40->isHidden() && !chart->coverLineY());
        QVERIFY(!anyRed(chart->grab().toImage()));
    }

    void theEvaluationIsPrintedWithTheChart()
    {
        ScriptedPrintService printing;
        printing.answerNext(true, 300);
        open({ risingEntry });
        form->Ocena1->trigger();
        chart->Button1->click();
        const QRect label = chart->Label40->geometry();
        chart->Button2->click();
        const QImage picture = printedPicture(printing.lastPdf());
        QCOMPARE(picture.size(), QSize(627, 257));
        // The JPEG picture blurs a one-pixel line's colour: still clearly red.
        const QColor line = picture.pixelColor(600, 170);
        QVERIFY2(line.red() - line.green() > 60 && line.red() - line.blue() > 60,
            qPrintable(line.name()));
        bool labelInk = false;
        for (int x = label.left(); x <= label.right(); ++x)
            labelInk = labelInk || darkNear(picture, { x, label.center().y() });
        QVERIFY(labelInk);
    }

    void theChoiceIsRememberedInTheUsersSettings()
    {
        QTemporaryDir settings;
        const QString file = settings.filePath(QStringLiteral("Miravela.conf"));
        open({ risingEntry }, settings.path());
        QCOMPARE(form->Temperatury1->actions().last(), form->Ocena1);
        QCOMPARE(form->Ocena1->text(), QStringLiteral("Ocena temperatury (3 nad 6)"));
        QVERIFY(form->Ocena1->isCheckable() && !form->Ocena1->isChecked());
        QVERIFY(!QFile::exists(file)); // read, never written, until she changes it
        form->Ocena1->trigger();
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("ocenaTemperatury=true\n"));
        QVERIFY(!form->TextDataSet1->modified());
        fixture.reset();

        // The next run starts with it on, in the main window and in the chart.
        open({ risingEntry }, settings.path());
        QVERIFY(form->Ocena1->isChecked());
        QVERIFY(chart->riseEvaluation());
        chart->Button1->click();
        QVERIFY(chart->coverLineY());
    }

    void aPrinterFailureKeepsTheWindowAsItWas()
    {
        BrokenPrinter printing;
        open({ threeReadings });
        chart->Button1->click();
        chart->Button2->click();
        QCOMPARE(
            dialogs->log, QStringList({ QStringLiteral("error: Drukarka jest niedostępna.") }));
        QVERIFY(chart->isVisible());
        QVERIFY(chart->Button2->isVisible() && !chart->Label39->isVisible());
        QCOMPARE(chart->drawnCharts().size(), 1);
    }
};

QTEST_MAIN(TestTemperatureChart)
#include "tst_TemperatureChart.moc"
