#pragma once

#include <QWidget>

class ReportPreview;
class SummaryReport;
class TTextDataSet;

// Carries the summary report QuickRep1 of every line of the entries record
// set it is given (the main window's); never shown itself. Its previews are
// its own windows.
class TFormR : public QWidget {
    Q_OBJECT

public:
    explicit TFormR(TTextDataSet &entries);

    SummaryReport *QuickRep1;

    // Builds QuickRep1 from the record set as it is now and opens it in a new
    // preview window. A set without lines makes no report: nothing opens and
    // the result is null.
    ReportPreview *preview();

private:
    TTextDataSet &m_entries;
};
