#include "records/TFormR.h"

#include "app/Forms.h"

TFormR::TFormR(const Forms &forms)
    : m_forms(forms)
{
    setObjectName(QStringLiteral("FormR"));
}
