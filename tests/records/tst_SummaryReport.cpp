// The summary report: its pages and bands, the rows it prints, the preview's
// printing, saving and opening, and reading the entries as they are now.

#include "app/TForm1.h"
#include "data/Cp1250.h"
#include "data/PeriodLine.h"
#include "data/TTextDataSet.h"
#include "records/ReportCsv.h"
#include "records/ReportFile.h"
#include "records/ReportPreview.h"
#include "records/SummaryReport.h"
#include "records/TFormR.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace {

constexpr double dotsPerMm = 4;

QByteArray entries(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += MakeEntryLine(QDate(2007, 3, 15).addDays(-i)) + " 15/36,6\r\n";
    return bytes + "Miravela 2.0\r\n";
}

// A page painted on white, the whole sheet wide, origin at the margin corner.
QImage paintedPage(const ReportContent &content, int page)
{
    QImage image(qRound(287 * dotsPerMm), qRound(200 * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintReportPage(
        painter, content, paginate(int(content.rows.size())).at(page - 1), dotsPerMm, dotsPerMm);
    return image;
}

// Whether any pixel in the rectangle (millimetres) is dark.
bool inkIn(const QImage &image, QRectF mm)
{
    const QRect area = QRect(QPoint(qRound(mm.left() * dotsPerMm), qRound(mm.top() * dotsPerMm)),
        QPoint(qRound(mm.right() * dotsPerMm), qRound(mm.bottom() * dotsPerMm)));
    for (int y = area.top(); y < area.bottom(); ++y) {
        for (int x = area.left(); x < area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

int pdfPages(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
        ? int(QString::fromLatin1(file.readAll())
                  .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))))
        : -1;
}

QByteArray withChecksum(const QByteArray &body)
{
    return body + "sha256 " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex()
        + "\n";
}

} // namespace

class TestSummaryReport : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<ProgramFixture> fixture;

    ReportPreview *openReport(const QByteArray &daty)
    {
        fixture = std::make_unique<ProgramFixture>(daty);
        fixture->forms().Form1->Button5->click();
        const auto previews = fixture->forms().FormR->findChildren<ReportPreview *>();
        return previews.isEmpty() ? nullptr : previews.last();
    }

private Q_SLOTS:
    void init() { dialogs = std::make_unique<ScriptedDialogs>(); }

    void cleanup()
    {
        fixture.reset();
        dialogs.reset();
    }

    void pagination_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lastPageRows");
        QTest::newRow("none") << 0 << 0 << 0;
        QTest::newRow("one") << 1 << 1 << 1;
        QTest::newRow("first page full") << 29 << 1 << 29;
        QTest::newRow("one over") << 30 << 2 << 1;
        QTest::newRow("second page full") << 59 << 2 << 30;
        QTest::newRow("third page") << 60 << 3 << 1;
        QTest::newRow("thousand") << 1000 << 34 << 11;
    }

    void pagination()
    {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, lastPageRows);
        const QList<ReportPage> laidOut = paginate(rows);
        QCOMPARE(laidOut.size(), pages);
        int next = 0;
        for (int i = 0; i < laidOut.size(); ++i) {
            const ReportPage &page = laidOut[i];
            QCOMPARE(page.firstRow, next);
            QCOMPARE(page.hasTitle, i == 0);
            const int full = i == 0 ? 29 : 30;
            QCOMPARE(page.rowCount, i == laidOut.size() - 1 ? lastPageRows : full);
            next += page.rowCount;
        }
        QCOMPARE(next, rows);
    }

    void bandsOfPages()
    {
        const QList<ReportPage> pages = paginate(60);
        const QList<PlacedBand> first = placeBands(pages[0]);
        QCOMPARE(first.first(), (PlacedBand { ReportBand::Title, 0 }));
        QCOMPARE(first[1], (PlacedBand { ReportBand::ColumnHeader, 7.1 }));
        QCOMPARE(first[2], (PlacedBand { ReportBand::Detail, 13.45, 0 }));
        QCOMPARE(first.last(), (PlacedBand { ReportBand::PageFooter, 184.2 }));
        const QList<PlacedBand> second = placeBands(pages[1]);
        QCOMPARE(second.first(), (PlacedBand { ReportBand::ColumnHeader, 0 }));
        QCOMPARE(second[1], (PlacedBand { ReportBand::Detail, 6.35, 29 }));
        // The last detail band of a full page ends above the footer.
        QVERIFY(second[30].top + 5.8 <= second.last().top + 1e-9);

        // Printed: the title and the stamp on page 1 only, the header and its
        // underline on every page.
        ReportContent content { QStringLiteral("15.03.2007 14:05:09"), {} };
        for (int i = 0; i < 60; ++i)
            content.rows << "07-03-15";
        const QImage one = paintedPage(content, 1);
        const QImage two = paintedPage(content, 2);
        QVERIFY(inkIn(one, { 120, 2.1, 40, 5 })); // "Zestawienie", centred
        QVERIFY(inkIn(one, { 237.1, 2.1, 30, 3.5 })); // the stamp
        QVERIFY(inkIn(one, { 0, 7.1, 60, 4 })); // the header below the title
        QVERIFY(!inkIn(two, { 100, 0, 177, 6 })); // no title or stamp
        QVERIFY(inkIn(two, { 0, 0, 60, 4 })); // the header at the top
        QVERIFY(inkIn(one, { 270, 12.9, 5, 0.9 })); // its underline, right to the edge
        QVERIFY(inkIn(two, { 270, 5.6, 5, 0.9 }));
    }

    void stamp()
    {
        const QLocale polish(QLocale::Polish, QLocale::Poland);
        const QString afternoon
            = productionStamp(QDateTime(QDate(2007, 3, 15), QTime(14, 5, 9)), polish);
        QCOMPARE(afternoon, QStringLiteral("15.03.2007 14:05:09"));
        QCOMPARE(productionStamp(QDateTime(QDate(2007, 3, 15), QTime(0, 0)), polish),
            QStringLiteral("15.03.2007"));
        QVERIFY(productionStamp(QDateTime(QDate(2007, 3, 15), QTime(0, 0, 1)), polish)
                    .contains(QStringLiteral("00:00:01")));
    }

    void rowsAsStored()
    {
        // A line of readings longer than the field, and one with code-page letters.
        QByteArray longLine = "07-03-01";
        for (int k = 1; k <= 29; ++k)
            longLine = AppendReading(longLine, QDate(2007, 3, k), "37,4");
        const QByteArray polish = cp1250::encode(u"Żółta ćma");
        PinnedClock clock(QDate(2007, 3, 30));
        clock.setNow(QDateTime(QDate(2007, 3, 30), QTime(0, 0)));
        ReportPreview *preview = openReport(longLine + "\r\n" + polish + "\r\nMiravela 2.0\r\n");
        QVERIFY(preview);
        const ReportContent &content = preview->content();
        QCOMPARE(content.stamp, QStringLiteral("30.03.2007")); // produced at midnight
        QCOMPARE(content.rows, (QByteArrayList { longLine, polish, "Miravela 2.0" }));
        QCOMPARE(rowText(content.rows[1]), QStringLiteral("Żółta ćma"));

        // The long row prints to the field's right edge and not a hair beyond.
        const QImage page = paintedPage(content, 1);
        QVERIFY(inkIn(page, { 260, 15.55, 16.5, 3 }));
        QVERIFY(!inkIn(page, { 277, 13.45, 10, 5.8 }));
    }

    void fileRoundTrip()
    {
        // Rows as long as any entry line: the file keeps what the report shows.
        QByteArrayList rows { "07-03-15 15/36,6", "", QByteArray("\x80\xff\x00 x", 5),
            QByteArray(5000, 'x'), "Miravela 2.0" };
        const ReportContent content { QStringLiteral("15.03.2007 14:05:09 CET ż"), rows };
        const reportfile::Loaded loaded = reportfile::parse(reportfile::serialize(content));
        QCOMPARE(loaded.problem, reportfile::Problem::None);
        QCOMPARE(*loaded.content, content);

        // Every cut short copy is refused.
        const QByteArray whole = reportfile::serialize(content);
        for (qsizetype size = 0; size < whole.size(); ++size)
            QVERIFY(!reportfile::parse(whole.first(size)).content);
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("problem");
        const int notAReport = int(reportfile::Problem::NotAReport);
        const int damaged = int(reportfile::Problem::Damaged);
        const QByteArray head = "MIRAVELA REPORT\nversion 1\nstamp 2\nab\n";
        QTest::newRow("empty") << QByteArray() << notAReport;
        QTest::newRow("entries file") << entries(2) << notAReport;
        QTest::newRow("other version") << withChecksum("MIRAVELA REPORT\nversion 2\n")
                                       << int(reportfile::Problem::UnknownVersion);
        QTest::newRow("no checksum") << head + "rows 1\n1\nx\n" << damaged;
        QTest::newRow("byte changed")
            << withChecksum(head + "rows 1\n1\nx\n").replace("\nx\n", "\ny\n") << damaged;
        QTest::newRow("count too big") << withChecksum(head + "rows 2\n1\nx\n") << damaged;
        QTest::newRow("count too small") << withChecksum(head + "rows 1\n1\nx\n1\ny\n") << damaged;
        QTest::newRow("huge count") << withChecksum(head + "rows 999999999\n1\nx\n") << damaged;
        QTest::newRow("overlong count") << withChecksum(head + "rows 99999999999\n") << damaged;
        QTest::newRow("row past the end") << withChecksum(head + "rows 1\n900\nx\n") << damaged;
        QTest::newRow("no rows") << withChecksum(head + "rows 0\n") << damaged;
        QTest::newRow("signed length") << withChecksum(head + "rows 1\n-1\nx\n") << damaged;
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, problem);
        const reportfile::Loaded loaded = reportfile::parse(bytes);
        QVERIFY(!loaded.content);
        QCOMPARE(int(loaded.problem), problem);
    }

    void onlyRegularFilesAreOpened()
    {
        // Reading a pipe would wait for a writer for ever.
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("raport.mzs"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString &name : { pipe, dir.path() }) {
            const reportfile::Loaded loaded = reportfile::load(name);
            QVERIFY(!loaded.content);
            QCOMPARE(loaded.problem, reportfile::Problem::NotAReport);
            QVERIFY(!loaded.message.isEmpty());
        }
    }

    void previewWindow()
    {
        ReportPreview *preview = openReport(entries(30));
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QVERIFY(!preview->isModal());
        QStringList captions;
        for (QAction *action : preview->ToolBar1->actions()) {
            if (!action->isSeparator())
                captions << action->text();
        }
        QCOMPARE(captions,
            QStringList(
                { "Cała strona", "100%", "Szerokość strony", "Początek", "Poprzednia", "Następna",
                    "Koniec", "Ustawienia drukarki", "Drukuj", "Zapisz", "Otwórz", "Zamknij" }));
        QCOMPARE(preview->pageCount(), 2);
        preview->action(QStringLiteral("Koniec"))->trigger();
        QCOMPARE(preview->currentPage(), 2);
        QCOMPARE(preview->StatusBar1->panelText(0), QStringLiteral("Strona 2 z 2"));
        preview->action(QStringLiteral("Poprzednia"))->trigger();
        preview->action(QStringLiteral("Poprzednia"))->trigger();
        QCOMPARE(preview->currentPage(), 1);
        preview->action(QStringLiteral("Zamknij"))->trigger();
        QTRY_VERIFY(fixture->forms().FormR->findChildren<ReportPreview *>().isEmpty());
        fixture->forms().Form1->Zestawienie1->trigger(); // the menu item does the same
        QCOMPARE(fixture->forms().FormR->findChildren<ReportPreview *>().size(), 1);
    }

    void noLinesNoReport() { QVERIFY(!openReport(QByteArray())); }

    void printing()
    {
        ScriptedPrintService print;
        ReportPreview *preview = openReport(entries(89)); // 90 rows: four pages
        QVERIFY(preview);
        print.answerNextPages(2, 3, 2);
        preview->action(QStringLiteral("Drukuj"))->trigger();
        QCOMPARE(print.dialogsShown, 1);
        QVERIFY(print.lastOptions & QAbstractPrintDialog::PrintPageRange);
        QVERIFY(print.lastOptions & QAbstractPrintDialog::PrintToFile);
        QCOMPARE(print.lastMinPage, 1);
        QCOMPARE(print.lastMaxPage, 4);
        QCOMPARE(pdfPages(print.lastPdf()), 4); // pages 2 and 3, twice
        QFile pdf(print.lastPdf());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const auto box
            = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"))
                  .match(QString::fromLatin1(pdf.readAll()));
        QVERIFY(box.hasMatch());
        QCOMPARE(qRound(box.captured(1).toDouble()), 842); // A4 on its side
        QCOMPARE(qRound(box.captured(2).toDouble()), 595);

        print.answerNext(true); // all pages, one copy again
        preview->action(QStringLiteral("Drukuj"))->trigger();
        QCOMPARE(pdfPages(print.lastPdf()), 4);

        preview->action(QStringLiteral("Ustawienia drukarki"))->trigger();
        QCOMPARE(print.pageSetupsShown, 1);
        QVERIFY(dialogs->log.isEmpty());
    }

    void saveAndOpen()
    {
        ScriptedFileDialogs files;
        ReportPreview *preview = openReport(entries(1));
        QVERIFY(preview);
        const ReportContent saved = preview->content();
        const QString report = fixture->path(QStringLiteral("raport.mzs"));
        const QString pdf = fixture->path(QStringLiteral("raport.PDF"));
        files.answerNext(report);
        files.answerNext(pdf);
        preview->action(QStringLiteral("Zapisz"))->trigger();
        preview->action(QStringLiteral("Zapisz"))->trigger();
        QVERIFY(fixture->fileBytes(QStringLiteral("raport.PDF")).startsWith("%PDF"));

        // Another report, then the saved one opened into its preview.
        fixture->forms().Form1->Button3->click();
        fixture->forms().Form1->Button5->click();
        ReportPreview *other = fixture->forms().FormR->findChildren<ReportPreview *>().last();
        QVERIFY(other != preview && other->content() != saved);
        QFile::copy(
            fixture->path(QStringLiteral("Daty.txt")), fixture->path(QStringLiteral("Daty.mzs")));
        files.answerNext(fixture->path(QStringLiteral("Daty.mzs")));
        const ReportContent before = other->content();
        other->action(QStringLiteral("Otwórz"))->trigger();
        QCOMPARE(
            dialogs->log, QStringList("error: Plik „Daty.mzs” nie jest zapisanym zestawieniem."));
        QCOMPARE(other->content(), before);
        files.answerNext(report);
        other->action(QStringLiteral("Otwórz"))->trigger();
        QCOMPARE(other->content(), saved);
        QCOMPARE(files.log.size(), 4);
    }

    void savingAsASpreadsheet()
    {
        ScriptedFileDialogs files;
        ReportPreview *preview = openReport(entries(2));
        QVERIFY(preview);
        files.answerNext(fixture->path(QStringLiteral("pomiary.csv")));
        preview->action(QStringLiteral("Zapisz"))->trigger();
        QVERIFY(files.lastFilter.endsWith(QStringLiteral(";;Arkusz CSV (*.csv)")));
        QCOMPARE(fixture->fileBytes(QStringLiteral("pomiary.csv")),
            reportcsv::build(preview->content().rows));
        QVERIFY(dialogs->log.isEmpty());

        // Into a folder that is not there: told, and nothing is written.
        files.answerNext(fixture->path(QStringLiteral("brak/pomiary.csv")));
        preview->action(QStringLiteral("Zapisz"))->trigger();
        QCOMPARE(dialogs->log.size(), 1);
        QVERIFY(dialogs->log.first().startsWith(QStringLiteral("error: Nie można zapisać pliku")));
        QVERIFY(!QFileInfo::exists(fixture->path(QStringLiteral("brak"))));
    }

    void savingOnAFullDiskKeepsTheOldFilesAndSaysSo()
    {
        ScriptedFileDialogs files;
        ReportPreview *preview = openReport(entries(1));
        QVERIFY(preview);
        const QString report = fixture->path(QStringLiteral("raport.mzs"));
        const QString pdf = fixture->path(QStringLiteral("raport.pdf"));
        for (const QString &name : { report, pdf }) {
            QFile old(name);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("stare") == 5);
        }
        files.answerNext(report);
        files.answerNext(pdf);
        {
            FileSizeLimit full(16);
            preview->action(QStringLiteral("Zapisz"))->trigger();
            preview->action(QStringLiteral("Zapisz"))->trigger();
        }
        const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
        QCOMPARE(dialogs->log,
            QStringList({ "error: Nie można zapisać pliku „raport.mzs”: " + reason,
                "error: Nie można zapisać pliku „" + pdf + "”: " + reason }));
        QCOMPARE(fixture->fileBytes(QStringLiteral("raport.mzs")), QByteArray("stare"));
        QCOMPARE(fixture->fileBytes(QStringLiteral("raport.pdf")), QByteArray("stare"));
        QCOMPARE(QDir(fixture->path(".")).entryList(QDir::Files | QDir::Hidden),
            QStringList({ "Daty.txt", "Notatki1.txt", "Notatki2.txt", "Notatki3.txt", "raport.mzs",
                "raport.pdf" }));
    }

    void readsTheEntriesAsTheyAreNow()
    {
        PinnedClock clock(QDate(2007, 4, 12));
        ReportPreview *before = openReport(entries(1));
        TForm1 *form = fixture->forms().Form1;
        QCOMPARE(before->content().rows.size(), 2);

        form->Button3->click(); // saves today's date on top
        form->Button5->click();
        ReportPreview *saved = fixture->forms().FormR->findChildren<ReportPreview *>().last();
        QCOMPARE(saved->content().rows.first(), QByteArray("07-04-12"));

        dialogs->answerNext(true);
        form->TextDataSet1->first();
        form->Button4->click(); // deletes it again
        form->Button5->click();
        ReportPreview *deleted = fixture->forms().FormR->findChildren<ReportPreview *>().last();
        QCOMPARE(deleted->content().rows, before->content().rows);
        QCOMPARE(fixture->fileBytes(QStringLiteral("Daty.txt")), entries(1)); // not yet written
    }
};

QTEST_MAIN(TestSummaryReport)
#include "tst_SummaryReport.moc"
