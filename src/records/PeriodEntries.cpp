#include "records/PeriodEntries.h"

#include "data/PeriodLine.h"
#include "data/TTextDataSet.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

void saveEntry(TTextDataSet &entries, QDate firstDay)
{
    entries.first();
    entries.insert();
    entries.setLine(MakeEntryLine(firstDay));
    entries.post();
}

void deleteCurrentEntry(TTextDataSet &entries, QWidget *parent)
{
    if (IsSentinelLine(entries.line()))
        return;
    if (!Dialogs::instance().question(parent,
            QCoreApplication::translate(
                "PeriodEntries", "Czy na pewno usunąć zaznaczony rekord ???")))
        return;
    // With no line at all this fails with the record set's own message.
    entries.deleteRecord();
}
