// The main window's summary report of every entry.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "records/TFormR.h"

void TForm1::Button5Click()
{
    // The report reads the entries as they are now, saved or deleted a moment
    // ago included; the selected line stays where it is.
    m_forms.FormR->preview();
}
