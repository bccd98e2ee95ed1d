#include "notebook/TFormN.h"

#include "ui/Windows.h"

TFormN::TFormN()
{
    makeFixedWindow(this, QStringLiteral("FormN"), QStringLiteral("Notatnik"), 459, 302);
}
