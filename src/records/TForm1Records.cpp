// The main window's period entries: saving the selected date as a new entry
// and deleting the selected one.

#include "app/TForm1.h"

void TForm1::Button3Click()
{
}

void TForm1::Button4Click()
{
}
