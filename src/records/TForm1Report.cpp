// The main window's summary report of every entry.

#include "app/TForm1.h"

void TForm1::Button5Click()
{
}
