#pragma once

#include <QAbstractPrintDialog>
#include <QObject>
#include <QPrinter>

#include <functional>
#include <stdexcept>

class QWidget;

// A window's non-visual print dialog: it owns the printer the user picks and
// tells its window when it appears (aboutToShow), so the window can prepare
// what is about to be printed while the dialog is on screen.
class PrintDialog : public QObject {
    Q_OBJECT

public:
    explicit PrintDialog(QWidget *parent);

    QPrinter &printer() { return m_printer; }
    QAbstractPrintDialog::PrintDialogOptions options() const { return m_options; }
    void setOptions(QAbstractPrintDialog::PrintDialogOptions options) { m_options = options; }

    // The window the system dialog stands over (its owner); the dialog's own
    // window when not set.
    void setDialogParent(QWidget *window) { m_dialogParent = window; }

    // The pages a range may name, when the options offer a page range.
    void setPageLimits(int minPage, int maxPage)
    {
        m_minPage = minPage;
        m_maxPage = maxPage;
    }
    int minPage() const { return m_minPage; }
    int maxPage() const { return m_maxPage; }

    // Shows the dialog modally; true when the user confirmed it.
    bool exec();

Q_SIGNALS:
    void aboutToShow();

private:
    QPrinter m_printer;
    QAbstractPrintDialog::PrintDialogOptions m_options;
    QWidget *m_dialogParent = nullptr;
    int m_minPage = 0;
    int m_maxPage = 0;
};

// Runs print dialogs. Production shows the system's dialog; tests install one
// that answers from a script and prints to a file.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Must emit dialog.aboutToShow() as the dialog appears.
    virtual bool exec(PrintDialog &dialog, QWidget *parent) = 0;
    // The printer's page setup; true when the user confirmed it. Production
    // shows the system's page setup dialog.
    virtual bool pageSetup(QPrinter &printer, QWidget *parent);

    static PrintService &instance();
    static void install(PrintService *service); // nullptr restores the system dialog
};

// Runs a print job that `paint` paints on `printer`. A printer that prints
// into a PDF file gets a temporary file to paint into, which the one save
// routine then puts in the chosen file's place: an older file of that name
// stays whole when the job or the save fails. Throws std::runtime_error with
// a message for the user.
void runPrintJob(QPrinter &printer, const std::function<void()> &paint);

// The pages a print job paints, in order (0-based): pages `first` to `last`
// (1-based), `copies` times, whole runs one after another when the copies are
// collated, else each page as many times over; all of it the last page first
// when `lastPageFirst`.
QList<int> pageSequence(int first, int last, int copies, bool collate, bool lastPageFirst);

// The pages a job of `pageCount` pages paints on `printer`, in the order its
// dialog asked for. A printer makes the copies chosen in its dialog itself; a
// PDF file cannot, so there each copy is painted.
QList<int> paintedPages(const QPrinter &printer, int pageCount);

// Prints a picture of `window`'s client area on one page, at the top-left of
// the printable area, scaled by the device's dots per inch / 96 so that it
// keeps its on-screen size. Throws std::runtime_error when printing fails.
void printWindow(QWidget *window, QPaintDevice &device);
// The same as a print job on a printer, once for each copy that it does not
// make itself.
void printWindow(QWidget *window, QPrinter &printer);

// The failures of a print job, in the words its window tells them: the
// device would not start painting, or a page or the end of the job failed.
std::runtime_error printerUnavailable();
std::runtime_error printingFailed();

// The printed size of a window picture of `size` pixels at 96 pixels per inch.
QSize printedWindowSize(QSize size, int printerDpiX, int printerDpiY);
