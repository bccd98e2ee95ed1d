#include "records/SummaryReport.h"

#include "data/Cp1250.h"
#include "data/SaveFile.h"
#include "data/TTextDataSet.h"
#include "ui/PrintDialog.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>

namespace {

// The page in hundredths of a millimetre, so that the fitting of bands is
// exact: the area between the margins, and the height of each band.
constexpr int areaWidth = 27700;
constexpr int areaHeight = 19000;
constexpr int titleHeight = 710;
constexpr int columnHeaderHeight = 635;
constexpr int detailHeight = 580;
constexpr int pageFooterHeight = 580;
constexpr int detailBottomLimit = areaHeight - pageFooterHeight;

constexpr double margin = 10.0;
constexpr double textTop = 2.1;
constexpr double stampLabelLeft = 215.1;
constexpr double stampLeft = 237.1;
constexpr double detailFieldWidth = 276.75;
constexpr double headerLineWidth = 0.25;

double mm(int hundredths)
{
    return hundredths / 100.0;
}

QFont arial(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Converts millimetres inside the margins to device pixels.
struct MmScale {
    double x;
    double y;
    QRectF rect(double left, double top, double width, double height) const
    {
        return { left * x, top * y, width * x, height * y };
    }
};

void drawLabel(QPainter &painter, const MmScale &scale, const QFont &font, double left, double top,
    const QString &text)
{
    painter.setFont(font);
    painter.drawText(scale.rect(left, top, mm(areaWidth) - left, 0),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void paintTitle(QPainter &painter, const MmScale &scale, double top, const QString &stamp)
{
    painter.setFont(arial(14, true));
    painter.drawText(scale.rect(0, top + textTop, mm(areaWidth), 0),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
        SummaryReport::tr("Zestawienie"));
    drawLabel(painter, scale, arial(8), stampLabelLeft, top + textTop,
        SummaryReport::tr("Data /Godzina :"));
    drawLabel(painter, scale, arial(8), stampLeft, top + textTop, stamp);
}

void paintColumnHeader(QPainter &painter, const MmScale &scale, double top)
{
    drawLabel(painter, scale, arial(10), 0, top,
        SummaryReport::tr("Pierwszy dzień okresu / Pomiar temperatury"));
    const double bottom = (top + mm(columnHeaderHeight) - headerLineWidth / 2) * scale.y;
    painter.save();
    painter.setPen(QPen(Qt::black, headerLineWidth * scale.y));
    painter.drawLine(QPointF(0, bottom), QPointF(mm(areaWidth) * scale.x, bottom));
    painter.restore();
}

void paintDetail(QPainter &painter, const MmScale &scale, double top, const QByteArray &row)
{
    // One text row of the field; whatever does not fit is cut off at its edges.
    painter.setFont(arial(8));
    const QRectF field(
        0, (top + textTop) * scale.y, detailFieldWidth * scale.x, painter.fontMetrics().height());
    painter.drawText(field, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, rowText(row));
}

} // namespace

QList<ReportPage> paginate(int rowCount)
{
    QList<ReportPage> pages;
    int used = areaHeight; // no page yet: the first row starts one
    for (int row = 0; row < rowCount; ++row) {
        if (used + detailHeight > detailBottomLimit) {
            const bool first = pages.isEmpty();
            pages.append({ row, 0, first });
            used = (first ? titleHeight : 0) + columnHeaderHeight;
        }
        ++pages.last().rowCount;
        used += detailHeight;
    }
    return pages;
}

QList<PlacedBand> placeBands(const ReportPage &page)
{
    QList<PlacedBand> bands;
    int top = 0;
    if (page.hasTitle) {
        bands.append({ ReportBand::Title, 0 });
        top += titleHeight;
    }
    bands.append({ ReportBand::ColumnHeader, mm(top) });
    top += columnHeaderHeight;
    for (int row = page.firstRow; row < page.firstRow + page.rowCount; ++row) {
        bands.append({ ReportBand::Detail, mm(top), row });
        top += detailHeight;
    }
    bands.append({ ReportBand::PageFooter, mm(detailBottomLimit) });
    return bands;
}

QString productionStamp(const QDateTime &moment, const QLocale &locale)
{
    const QString date = locale.toString(moment.date(), QLocale::ShortFormat);
    if (moment.time() == QTime(0, 0))
        return date;
    // The long time is the clock time to the second; the zone name that
    // some locales add to it says nothing on a printed page.
    QString time = locale.timeFormat(QLocale::LongFormat);
    time.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return date + QLatin1Char(' ') + locale.toString(moment, time.trimmed());
}

QString rowText(const QByteArray &row)
{
    return cp1250::decode(row);
}

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
        QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

void paintReportPage(QPainter &painter, const ReportContent &content, const ReportPage &page,
    double dotsPerMmX, double dotsPerMmY)
{
    const MmScale scale { dotsPerMmX, dotsPerMmY };
    painter.save();
    painter.setPen(Qt::black);
    for (const PlacedBand &placed : placeBands(page)) {
        switch (placed.band) {
        case ReportBand::Title:
            paintTitle(painter, scale, placed.top, content.stamp);
            break;
        case ReportBand::ColumnHeader:
            paintColumnHeader(painter, scale, placed.top);
            break;
        case ReportBand::Detail:
            paintDetail(painter, scale, placed.top, content.rows.at(placed.row));
            break;
        case ReportBand::PageFooter:
            break; // an empty band that keeps its room at the bottom
        }
    }
    painter.restore();
}

void renderReport(
    const ReportContent &content, QPagedPaintDevice &device, const PageSelection &selection)
{
    const QList<ReportPage> pages = paginate(int(content.rows.size()));
    const QList<int> sequence
        = pageSequence(std::max(selection.first, 1), std::min(selection.last, int(pages.size())),
            selection.copies, selection.collate, selection.lastPageFirst);
    if (sequence.isEmpty())
        return;

    QPainter painter;
    if (!painter.begin(&device))
        throw printerUnavailable();
    const double dotsPerMmX = device.logicalDpiX() / 25.4;
    const double dotsPerMmY = device.logicalDpiY() / 25.4;
    for (qsizetype i = 0; i < sequence.size(); ++i) {
        if (i > 0 && !device.newPage())
            throw printingFailed();
        paintReportPage(painter, content, pages.at(sequence.at(i)), dotsPerMmX, dotsPerMmY);
    }
    if (!painter.end())
        throw printingFailed();
}

void printReport(const ReportContent &content, QPrinter &printer)
{
    printer.setPageLayout(reportPageLayout());
    const int pageCount = int(paginate(int(content.rows.size())).size());
    PageSelection selection { 1, pageCount };
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        selection.first = printer.fromPage();
        selection.last = printer.toPage() > 0 ? printer.toPage() : pageCount;
    }
    // A printer that makes its own copies gets one run; otherwise we repeat.
    if (!printer.supportsMultipleCopies()) {
        selection.copies = std::max(printer.copyCount(), 1);
        selection.collate = printer.collateCopies();
    }
    // No printer turns the order round itself: that is ours to do.
    selection.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    renderReport(content, printer, selection);
}

void exportReportPdf(const ReportContent &content, const QString &fileName)
{
    const SaveResult result = saveFile(fileName, [&content](QIODevice &device) {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("Miravela 2.0"));
        writer.setTitle(SummaryReport::tr("Zestawienie"));
        writer.setPageLayout(reportPageLayout());
        const int pageCount = int(paginate(int(content.rows.size())).size());
        renderReport(content, writer, { 1, pageCount });
        return true; // the device itself knows whether every byte went out
    });
    throwUnlessSaved(result, fileName);
}

SummaryReport::SummaryReport(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("QuickRep1"));
}

void SummaryReport::build(const TTextDataSet &dataSet, const QDateTime &moment)
{
    ReportContent content { productionStamp(moment), {} };
    const int count = dataSet.recordCount();
    content.rows.reserve(count);
    for (int index = 0; index < count; ++index)
        content.rows.append(dataSet.fieldValueAt(index));
    m_content = std::move(content);
}

int SummaryReport::pageCount() const
{
    return int(paginate(int(m_content.rows.size())).size());
}
