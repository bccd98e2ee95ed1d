#include "records/TForm4.h"

#include "app/Forms.h"
#include "ui/Windows.h"

TForm4::TForm4(const Forms &forms)
    : m_forms(forms)
{
    makeFixedWindow(this, QStringLiteral("Form4"), QStringLiteral("Pomiar temperatury"), 233, 283);
}
