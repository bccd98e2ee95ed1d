#include "records/TFormR.h"

#include "records/ReportPreview.h"
#include "records/SummaryReport.h"
#include "ui/Clock.h"
#include "ui/Windows.h"

TFormR::TFormR(TTextDataSet &entries)
    : m_entries(entries)
{
    setObjectName(QStringLiteral("FormR"));
    QuickRep1 = new SummaryReport(this);
}

ReportPreview *TFormR::preview()
{
    QuickRep1->build(m_entries, Clock::now());
    if (QuickRep1->pageCount() == 0)
        return nullptr;
    auto *window = new ReportPreview(QuickRep1->content(), this);
    centreOnScreen(window);
    showOrRaise(window);
    return window;
}
