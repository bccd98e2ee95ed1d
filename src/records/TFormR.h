#pragma once

#include <QWidget>

class ReportPreview;
class SummaryReport;
struct Forms;

// Carries the summary report QuickRep1 of every line of the main window's
// record set; never shown itself. Its previews are its own windows.
class TFormR : public QWidget {
    Q_OBJECT

public:
    explicit TFormR(const Forms &forms);

    SummaryReport *QuickRep1;

    // Builds QuickRep1 from the main window's record set as it is now and opens
    // it in a new preview window. A set without lines makes no report: nothing
    // opens and the result is null.
    ReportPreview *preview();

private:
    const Forms &m_forms;
};
