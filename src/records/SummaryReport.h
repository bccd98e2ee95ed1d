#pragma once

#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class TTextDataSet;

// What a summary report shows: the moment it was produced and one row per
// line of the record set, kept as the line's stored bytes.
struct ReportContent {
    QString stamp;
    QByteArrayList rows;

    bool operator==(const ReportContent &) const = default;
};

// The bands of the report, from top to bottom of a page.
enum class ReportBand { Title, ColumnHeader, Detail, PageFooter };

// A band's place on a page: its top in millimetres below the top margin, and
// for a detail band the row it prints.
struct PlacedBand {
    ReportBand band;
    double top;
    int row = -1;

    bool operator==(const PlacedBand &) const = default;
};

// The rows one page holds; the title goes on the first page only.
struct ReportPage {
    int firstRow = 0;
    int rowCount = 0;
    bool hasTitle = false;

    bool operator==(const ReportPage &) const = default;
};

// The pages for `rowCount` detail rows: a new page begins when the next
// detail band would no longer fit above the page footer. No rows, no pages.
QList<ReportPage> paginate(int rowCount);
// Where each band of `page` goes, top to bottom, the page footer last.
QList<PlacedBand> placeBands(const ReportPage &page);

// "Data /Godzina" of a report produced at `moment`: the short date and the
// long time of the locale; only the date at exactly midnight.
QString productionStamp(const QDateTime &moment, const QLocale &locale = QLocale());
// The text a detail row prints: the line's bytes in the Windows code page.
QString rowText(const QByteArray &row);

// A4 landscape with 10 mm margins on every side.
QPageLayout reportPageLayout();

// Paints one page with the painter's origin at the top-left corner inside the
// margins, at the given device dots per millimetre.
void paintReportPage(QPainter &painter, const ReportContent &content, const ReportPage &page,
    double dotsPerMmX, double dotsPerMmY);

// Which pages to render (1-based, inclusive) and how many times.
struct PageSelection {
    int first = 1;
    int last = 1;
    int copies = 1;
    bool collate = true; // whole runs one after another, else each page `copies` times
    bool lastPageFirst = false; // the whole sequence the other way round
};

// Renders pages onto a device already laid out with reportPageLayout().
// Throws std::runtime_error when the device cannot be painted.
void renderReport(
    const ReportContent &content, QPagedPaintDevice &device, const PageSelection &selection);
// Prints on `printer` in the report's layout, with the page range and the
// copies chosen in its print dialog. Throws std::runtime_error on failure.
void printReport(const ReportContent &content, QPrinter &printer);
// Writes the pages as a PDF file, atomically. Throws std::runtime_error.
void exportReportPdf(const ReportContent &content, const QString &fileName);

// The report QuickRep1: built from the record set as it is at that moment.
class SummaryReport : public QObject {
    Q_OBJECT

public:
    explicit SummaryReport(QObject *parent = nullptr);

    // Every line of `dataSet` in its order, stamped with `moment`.
    void build(const TTextDataSet &dataSet, const QDateTime &moment);
    const ReportContent &content() const { return m_content; }
    int pageCount() const;

private:
    ReportContent m_content;
};
