// Date texts, status-bar hints, window printing and the program's style: the
// small shared pieces every window relies on.

#include "support/PdfPages.h"
#include "support/ProgramFixture.h"
#include "ui/DateTexts.h"
#include "ui/Hints.h"
#include "ui/PrintDialog.h"
#include "ui/StatusBar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestUiHelpers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    // The icons the style looks up only when drawn are the classic style's own.
    void iconsLookedUpLateAreTheStylesOwn()
    {
        auto *style = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(style && style->baseStyle());
        QCalendarWidget calendar;
        QMenuBar menuBar;
        const std::pair<QStyle::StandardPixmap, QWidget *> icons[]
            = { { QStyle::SP_ArrowLeft, &calendar }, { QStyle::SP_ArrowRight, &calendar },
                  { QStyle::SP_ToolBarHorizontalExtensionButton, &menuBar } };
        for (const auto &[which, widget] : icons) {
            const QIcon late = style->standardIcon(which, nullptr, widget);
            const QIcon classic = style->baseStyle()->standardIcon(which, nullptr, widget);
            QVERIFY(!late.isNull());
            QCOMPARE(late.availableSizes(), classic.availableSizes());
            for (const int size : { 16, 32 }) {
                QCOMPARE(late.pixmap(size).toImage(), classic.pixmap(size).toImage());
                QCOMPARE(late.pixmap(size, QIcon::Disabled).toImage(),
                    classic.pixmap(size, QIcon::Disabled).toImage());
            }
        }
    }

    void dateTexts_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("dayFirst");
        QTest::addColumn<QString>("twoDigitDay");
        QTest::addColumn<QString>("shortDate");
        QTest::newRow("7 March 2007")
            << QDate(2007, 3, 7) << QStringLiteral("7 - marzec - 2007")
            << QStringLiteral("07 - marzec - 2007") << QStringLiteral("7.03.2007");
        QTest::newRow("31 December")
            << QDate(2026, 12, 31) << QStringLiteral("31 - grudzień - 2026")
            << QStringLiteral("31 - grudzień - 2026") << QStringLiteral("31.12.2026");
        QTest::newRow("leap day") << QDate(2028, 2, 29) << QStringLiteral("29 - luty - 2028")
                                  << QStringLiteral("29 - luty - 2028")
                                  << QStringLiteral("29.02.2028");
    }

    void dateTexts()
    {
        QFETCH(QDate, date);
        QFETCH(QString, dayFirst);
        QFETCH(QString, twoDigitDay);
        QFETCH(QString, shortDate);
        QCOMPARE(longDateText(date), dayFirst);
        QCOMPARE(longDateTextTwoDigitDay(date), twoDigitDay);
        QCOMPARE(shortDateText(date), shortDate);
    }

    void hintsFollowTheControlsOwnSurface()
    {
        QWidget window;
        window.resize(300, 200);
        StatusBar bar(QStringLiteral("StatusBar1"), 24, &window);
        bar.setPanelWidths({ 70, -1 });
        auto *box = new QGroupBox(QStringLiteral("Dane"), &window);
        box->setGeometry(10, 10, 200, 120);
        auto *button = new QPushButton(QStringLiteral("Zapisz"), box);
        button->setGeometry(8, 24, 75, 25);
        auto *label = new QLabel(QStringLiteral("etykieta"), box);
        label->setGeometry(8, 60, 80, 13);
        setHint(box, QStringLiteral("group hint"), &bar, 1);
        setHint(button, QStringLiteral("button hint"), &bar, 1);
        window.show();

        QCOMPARE(bar.panelText(1), QString());
        hover(&window, { 10 + 8 + 5, 10 + 24 + 5 });
        QCOMPARE(bar.panelText(1), QStringLiteral("button hint"));
        hover(&window, { 10 + 150, 10 + 100 }); // bare area of the group box
        QCOMPARE(bar.panelText(1), QStringLiteral("group hint"));
        hover(&window, { 10 + 8 + 5, 10 + 24 + 5 });
        hover(&window, { 10 + 8 + 3, 10 + 60 + 3 }); // over the label: unchanged
        QCOMPARE(bar.panelText(1), QStringLiteral("button hint"));
        hover(&window, { 250, 150 }); // window without a hint of its own: unchanged
        QCOMPARE(bar.panelText(1), QStringLiteral("button hint"));
        QCOMPARE(bar.panelText(0), QString());
    }

    void emptyHintClearsThePanel()
    {
        QWidget window;
        window.resize(300, 200);
        StatusBar bar(QStringLiteral("StatusBar1"), 19, &window);
        bar.setPanelWidths({ 70, -1 });
        bar.setPanelText(1, QStringLiteral("stale"));
        setHint(&window, QString(), &bar, 1);
        window.show();
        hover(&window, { 100, 50 });
        QCOMPARE(bar.panelText(1), QString());
        QCOMPARE(bar.geometry(), QRect(0, 200 - 19, 300, 19));
    }

    void printedSizeRoundsToTheNearestPixel_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("printed");
        QTest::newRow("600 dpi") << 600 << QSize(1044, 2713);
        QTest::newRow("300 dpi") << 300 << QSize(522, 1356);
        QTest::newRow("96 dpi") << 96 << QSize(167, 434);
        QTest::newRow("72 dpi") << 72 << QSize(125, 326);
    }

    void printedSizeRoundsToTheNearestPixel()
    {
        QFETCH(int, dpi);
        QFETCH(QSize, printed);
        QCOMPARE(printedWindowSize(QSize(167, 434), dpi, dpi), printed);

        // Printed for real: the picture covers exactly that area at the top-left.
        QWidget window;
        window.setFixedSize(167, 434);
        window.setAutoFillBackground(true);
        QPalette colours = window.palette();
        colours.setColor(QPalette::Window, QColor(255, 0, 255));
        window.setPalette(colours);
        QImage page(printed + QSize(40, 40), QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        printWindow(&window, page);
        QCOMPARE(page.pixelColor(0, 0), QColor(255, 0, 255));
        QCOMPARE(page.pixelColor(printed.width() - 1, printed.height() - 1), QColor(255, 0, 255));
        QCOMPARE(page.pixelColor(printed.width(), printed.height() - 1), QColor(Qt::white));
        QCOMPARE(page.pixelColor(printed.width() - 1, printed.height()), QColor(Qt::white));
    }

    // Printed into a PDF file through the one save routine: an older file
    // stays whole until a job is done, and a file that cannot be written is told.
    void aPrintedFileIsSavedWhole()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("wykres.pdf"));
        QFile older(target);
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write("starszy") == 7);
        older.close();
        QPrinter printer;
        printer.setOutputFileName(target);
        const auto page = [&printer] {
            QPainter painter(&printer);
            painter.drawText(100, 100, QStringLiteral("Miravela"));
        };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, runPrintJob(printer, [&] {
            page();
            throw std::runtime_error("Drukowanie nie powiodło się.");
        }));
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("starszy"));
        older.close();
        QCOMPARE(printer.outputFileName(), target);

        runPrintJob(printer, page);
        QCOMPARE(pdfPageSizes(target), QList<QSize>({ A4Portrait }));

        printer.setOutputFileName(folder.filePath(QStringLiteral("brak/wykres.pdf")));
        try {
            runPrintJob(printer, page);
            QFAIL("saved into a folder that is not there");
        } catch (const std::runtime_error &failure) {
            QVERIFY(QString::fromUtf8(failure.what())
                        .startsWith(QStringLiteral("Nie można zapisać pliku „%1”: ")
                                        .arg(printer.outputFileName())));
        }
    }

    // A PDF file makes no copies of its own: each is painted, in the order
    // asked for.
    void copiesForAFile()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        QCOMPARE(paintedPages(printer, 2), QList<int>({ 0, 1 }));
        printer.setCopyCount(2);
        printer.setCollateCopies(true);
        QCOMPARE(paintedPages(printer, 2), QList<int>({ 0, 1, 0, 1 }));
        printer.setCollateCopies(false);
        QCOMPARE(paintedPages(printer, 2), QList<int>({ 0, 0, 1, 1 }));
        printer.setPageOrder(QPrinter::LastPageFirst);
        QCOMPARE(paintedPages(printer, 2), QList<int>({ 1, 1, 0, 0 }));
    }
};

QTEST_MAIN(TestUiHelpers)
#include "tst_UiHelpers.moc"
