#include "tempchart/TFormWT.h"

#include "app/Forms.h"
#include "ui/Windows.h"

TFormWT::TFormWT(const Forms &forms)
    : m_forms(forms)
{
    makeFixedWindow(
        this, QStringLiteral("FormWT"), QStringLiteral("Wykres pomiarów temperatury"), 627, 257);
}
