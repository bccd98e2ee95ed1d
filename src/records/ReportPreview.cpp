#include "records/ReportPreview.h"

#include "records/ReportCsv.h"
#include "records/ReportFile.h"
#include "ui/AccessibleRoles.h"
#include "ui/Dialogs.h"
#include "ui/FileDialogs.h"
#include "ui/PrintDialog.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QAction>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int clientWidth = 900;
constexpr int clientHeight = 640;
constexpr int statusBarHeight = 24;

// The kinds of file a report opens from; it is saved as a spreadsheet too.
QString openFilter()
{
    return ReportPreview::tr("Zestawienie (*.mzs)") + QStringLiteral(";;")
        + ReportPreview::tr("Dokument PDF (*.pdf)");
}

QString saveFilter()
{
    return openFilter() + QStringLiteral(";;") + ReportPreview::tr("Arkusz CSV (*.csv)");
}

} // namespace

ReportPreview::ReportPreview(const ReportContent &content, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_content(content)
    , m_screenPrinter(QPrinter::HighResolution)
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(tr("Podgląd wydruku - Zestawienie"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleRole(this, QAccessible::Window);
    resize(clientWidth, clientHeight);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addButton(QStringLiteral("WholePage"), tr("Cała strona"), &ReportPreview::WholePageClick);
    addButton(
        QStringLiteral("ActualSize"), QStringLiteral("100%"), &ReportPreview::ActualSizeClick);
    addButton(QStringLiteral("PageWidth"), tr("Szerokość strony"), &ReportPreview::PageWidthClick);
    ToolBar1->addSeparator();
    addButton(QStringLiteral("FirstPage"), tr("Początek"), &ReportPreview::FirstPageClick);
    addButton(QStringLiteral("PriorPage"), tr("Poprzednia"), &ReportPreview::PriorPageClick);
    addButton(QStringLiteral("NextPage"), tr("Następna"), &ReportPreview::NextPageClick);
    addButton(QStringLiteral("LastPage"), tr("Koniec"), &ReportPreview::LastPageClick);
    ToolBar1->addSeparator();
    addButton(QStringLiteral("PrinterSetup"), tr("Ustawienia drukarki"),
        &ReportPreview::PrinterSetupClick);
    addButton(QStringLiteral("Print"), tr("Drukuj"), &ReportPreview::PrintClick);
    ToolBar1->addSeparator();
    addButton(QStringLiteral("SaveReport"), tr("Zapisz"), &ReportPreview::SaveClick);
    addButton(QStringLiteral("OpenReport"), tr("Otwórz"), &ReportPreview::OpenClick);
    ToolBar1->addSeparator();
    auto *close = ToolBar1->addAction(tr("Zamknij"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("CloseReport"));

    m_screenPrinter.setPageLayout(reportPageLayout());
    Preview1 = new QPrintPreviewWidget(&m_screenPrinter, this);
    Preview1->setObjectName(QStringLiteral("Preview1"));
    Preview1->setViewMode(QPrintPreviewWidget::SinglePageView);
    Preview1->fitInView();
    connect(Preview1, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        guarded(this, [&] { renderReport(m_content, *printer, { 1, pageCount() }); });
    });
    connect(Preview1, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::showPosition);

    StatusBar1 = new StatusBar(QStringLiteral("StatusBar1"), statusBarHeight, this);
    StatusBar1->setFixedHeight(statusBarHeight);
    StatusBar1->setPanelWidths({ -1 });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(Preview1, 1);
    layout->addWidget(StatusBar1);

    // The printer the report goes to, or a PDF file, with a page range and copies.
    PrintDialog1 = new PrintDialog(this);
    PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    PrintDialog1->setOptions(QAbstractPrintDialog::PrintToFile
        | QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCollateCopies);
    showPosition();
}

void ReportPreview::addButton(
    const QString &name, const QString &caption, void (ReportPreview::*handler)())
{
    QAction *action = ToolBar1->addAction(caption);
    action->setObjectName(name);
    connectHandler(action, &QAction::triggered, this, handler);
}

QAction *ReportPreview::action(const QString &caption) const
{
    for (QAction *action : ToolBar1->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

int ReportPreview::pageCount() const
{
    return int(paginate(int(m_content.rows.size())).size());
}

int ReportPreview::currentPage() const
{
    return Preview1->currentPage();
}

void ReportPreview::showPage(int page)
{
    Preview1->setCurrentPage(std::clamp(page, 1, pageCount()));
    showPosition();
}

void ReportPreview::showPosition()
{
    StatusBar1->setPanelText(
        0, tr("Strona %1 z %2").arg(std::max(currentPage(), 1)).arg(pageCount()));
}

void ReportPreview::WholePageClick()
{
    Preview1->fitInView();
}

void ReportPreview::ActualSizeClick()
{
    Preview1->setZoomFactor(1.0);
}

void ReportPreview::PageWidthClick()
{
    Preview1->fitToWidth();
}

void ReportPreview::FirstPageClick()
{
    showPage(1);
}

void ReportPreview::PriorPageClick()
{
    showPage(currentPage() - 1);
}

void ReportPreview::NextPageClick()
{
    showPage(currentPage() + 1);
}

void ReportPreview::LastPageClick()
{
    showPage(pageCount());
}

void ReportPreview::PrinterSetupClick()
{
    PrintService::instance().pageSetup(PrintDialog1->printer(), this);
}

void ReportPreview::PrintClick()
{
    QPrinter &printer = PrintDialog1->printer();
    // Each time the dialog offers all pages and one copy.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    printer.setCopyCount(1);
    PrintDialog1->setPageLimits(1, pageCount());
    if (!PrintDialog1->exec())
        return;
    runPrintJob(printer, [&] { printReport(m_content, printer); });
}

void ReportPreview::SaveClick()
{
    const QString fileName
        = FileDialogs::instance().getSaveFileName(this, tr("Zapisz zestawienie"), saveFilter());
    if (fileName.isEmpty())
        return;
    if (fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        exportReportPdf(m_content, fileName);
    else if (fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        reportcsv::save(m_content.rows, fileName);
    else
        reportfile::save(m_content, fileName);
}

void ReportPreview::OpenClick()
{
    const QString fileName
        = FileDialogs::instance().getOpenFileName(this, tr("Otwórz zestawienie"), openFilter());
    if (fileName.isEmpty())
        return;
    const reportfile::Loaded loaded = reportfile::load(fileName);
    if (!loaded.content) {
        Dialogs::instance().error(this, loaded.message);
        return;
    }
    m_content = *loaded.content;
    Preview1->updatePreview();
    showPage(1);
}
