// The main window's period entries: saving the selected date as a new entry
// and deleting the selected one.

#include "app/TForm1.h"
#include "data/PeriodLine.h"
#include "data/TTextDataSet.h"
#include "ui/Dialogs.h"
#include "ui/MonthCalendar.h"

void TForm1::Button3Click()
{
    // A new entry goes above all others, whatever its date; the sentinel line
    // thus stays last.
    TextDataSet1->first();
    TextDataSet1->insert();
    TextDataSet1->setLine(MakeEntryLine(Calendar1->date()));
    TextDataSet1->post();
}

void TForm1::Button4Click()
{
    if (IsSentinelLine(TextDataSet1->line()))
        return;
    if (!Dialogs::instance().question(
            this, QStringLiteral("Czy na pewno usunąć zaznaczony rekord ???")))
        return;
    // With no line at all this fails with the record set's own message.
    TextDataSet1->deleteRecord();
}
