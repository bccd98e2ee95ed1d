#include "ui/PrintDialog.h"

#include <QEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QWidget>

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

int scaled(int pixels, int printerDpi)
{
    return static_cast<int>(std::lround(static_cast<double>(pixels) * printerDpi / designDpi));
}

} // namespace

PrintDialog::PrintDialog(QWidget *parent)
    : QObject(parent)
    , m_printer(QPrinter::HighResolution)
    , m_options(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies)
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

void printWindow(QWidget *window, QPaintDevice &printer)
{
    const QPixmap picture = window->grab();
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Drukarka jest niedostępna.");
    const QSize size
        = printedWindowSize(window->size(), printer.logicalDpiX(), printer.logicalDpiY());
    // The painter's origin is the top-left corner of the printable area.
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    if (!painter.end())
        throw std::runtime_error("Drukowanie nie powiodło się.");
}
