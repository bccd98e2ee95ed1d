#pragma once

#include "records/SummaryReport.h"

#include <QPrinter>
#include <QWidget>

class PrintDialog;
class QAction;
class QPrintPreviewWidget;
class QToolBar;
class StatusBar;

// The on-screen preview of a summary report, from which the user prints it,
// saves it to a file or opens a saved one. It stands beside the other
// windows (they stay usable) and is destroyed when closed.
class ReportPreview : public QWidget {
    Q_OBJECT

public:
    ReportPreview(const ReportContent &content, QWidget *owner);

    const ReportContent &content() const { return m_content; }
    int pageCount() const;
    int currentPage() const;
    // A tool bar button by its caption, e.g. "Drukuj".
    QAction *action(const QString &caption) const;

    QToolBar *ToolBar1;
    QPrintPreviewWidget *Preview1;
    StatusBar *StatusBar1;
    PrintDialog *PrintDialog1;

    void WholePageClick();
    void ActualSizeClick();
    void PageWidthClick();
    void FirstPageClick();
    void PriorPageClick();
    void NextPageClick();
    void LastPageClick();
    void PrinterSetupClick();
    void PrintClick();
    void SaveClick();
    void OpenClick();

private:
    void addButton(const QString &name, const QString &caption, void (ReportPreview::*handler)());
    void showPage(int page);
    void showPosition();

    ReportContent m_content;
    QPrinter m_screenPrinter; // lays out the pictures on screen
};
