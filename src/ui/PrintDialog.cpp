#include "ui/PrintDialog.h"

#include "data/SaveFile.h"

#include <QEvent>
#include <QFile>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int designDpi = 96;

// Keeps a widget of the system dialog hidden: the dialog shows its page-range
// group even when the options leave page ranges out.
class KeepHidden final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            static_cast<QWidget *>(watched)->hide();
        return false;
    }
};

class SystemPrintService final : public PrintService {
public:
    bool exec(PrintDialog &dialog, QWidget *parent) override
    {
        QPrintDialog systemDialog(&dialog.printer(), parent);
        systemDialog.setOptions(dialog.options());
        if (dialog.maxPage() > 0)
            systemDialog.setMinMax(dialog.minPage(), dialog.maxPage());
        KeepHidden keepHidden;
        if (!(dialog.options() & QAbstractPrintDialog::PrintPageRange)) {
            if (auto *range = systemDialog.findChild<QWidget *>(QStringLiteral("gbPrintRange"))) {
                range->installEventFilter(&keepHidden);
                range->hide();
            }
        }
        // Told just before the dialog maps, so that what it prepares comes up
        // on screen beneath the dialog rather than above it.
        Q_EMIT dialog.aboutToShow();
        return systemDialog.exec() == QDialog::Accepted;
    }
};

SystemPrintService systemPrintService;
PrintService *installedPrintService = &systemPrintService;

// A PDF file that the PDF engine wrote to its end: the engine does not tell
// when a write fails, so a file cut short by a full disk shows here.
bool endsLikeAPdf(const QString &path)
{
    QFile file(path);
    const qint64 size = file.open(QIODevice::ReadOnly) ? file.size() : 0;
    return size > 5 && file.seek(size - 6) && file.read(6).trimmed().endsWith("%%EOF");
}

int scaled(int pixels, int printerDpi)
{
    return static_cast<int>(std::lround(static_cast<double>(pixels) * printerDpi / designDpi));
}

} // namespace

PrintDialog::PrintDialog(QWidget *parent)
    : QObject(parent)
    , m_printer(QPrinter::HighResolution)
    , m_options(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
          | QAbstractPrintDialog::PrintCollateCopies)
{
}

bool PrintDialog::exec()
{
    QWidget *owner = m_dialogParent ? m_dialogParent : qobject_cast<QWidget *>(parent());
    return PrintService::instance().exec(*this, owner);
}

bool PrintService::pageSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintService &PrintService::instance()
{
    return *installedPrintService;
}

void PrintService::install(PrintService *service)
{
    installedPrintService = service ? service : &systemPrintService;
}

QSize printedWindowSize(QSize size, int printerDpiX, int printerDpiY)
{
    return { scaled(size.width(), printerDpiX), scaled(size.height(), printerDpiY) };
}

void runPrintJob(QPrinter &printer, const std::function<void()> &paint)
{
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) {
        paint();
        return;
    }
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        throwUnlessSaved({ scratch.errorString(), {} }, target);
    const QString painted = scratch.filePath(QStringLiteral("wydruk.pdf"));
    printer.setOutputFileName(painted);
    const auto restore = qScopeGuard([&] { printer.setOutputFileName(target); });
    paint();

    if (!endsLikeAPdf(painted))
        throw printingFailed();
    throwUnlessSaved(saveCopy(painted, target), target);
}

std::runtime_error printerUnavailable()
{
    return std::runtime_error(PrintDialog::tr("Drukarka jest niedostępna.").toStdString());
}

std::runtime_error printingFailed()
{
    return std::runtime_error(PrintDialog::tr("Drukowanie nie powiodło się.").toStdString());
}

QList<int> pageSequence(int first, int last, int copies, bool collate, bool lastPageFirst)
{
    QList<int> pages;
    for (int run = 0; run < (collate ? copies : 1); ++run) {
        for (int page = first; page <= last; ++page)
            pages.append(QList<int>(collate ? 1 : copies, page - 1));
    }
    if (lastPageFirst)
        std::reverse(pages.begin(), pages.end());
    return pages;
}

QList<int> paintedPages(const QPrinter &printer, int pageCount)
{
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
    // No printer turns the order round itself: that is ours to do.
    return pageSequence(1, pageCount, copies, printer.collateCopies(),
        printer.pageOrder() == QPrinter::LastPageFirst);
}

namespace {

// The picture once, or on a printer once for each copy it does not make itself.
void printPictures(QWidget *window, QPaintDevice &device, QPrinter *printer)
{
    const int copies = printer ? int(paintedPages(*printer, 1).size()) : 1;
    const QPixmap picture = window->grab();
    QPainter painter;
    if (!painter.begin(&device))
        throw printerUnavailable();
    const QSize size
        = printedWindowSize(window->size(), device.logicalDpiX(), device.logicalDpiY());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !printer->newPage())
            throw printingFailed();
        // The painter's origin is the top-left corner of the printable area.
        painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    }
    if (!painter.end())
        throw printingFailed();
}

} // namespace

void printWindow(QWidget *window, QPaintDevice &device)
{
    printPictures(window, device, nullptr);
}

void printWindow(QWidget *window, QPrinter &printer)
{
    runPrintJob(printer, [&] { printPictures(window, printer, &printer); });
}
