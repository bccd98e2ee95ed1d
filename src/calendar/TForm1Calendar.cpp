// The main window's cycle inputs: the start date and cycle length that feed
// the fertile-day chart, and printing that chart.

#include "app/Forms.h"
#include "app/TForm1.h"
#include "calendar/TForm2.h"
#include "ui/DateTexts.h"
#include "ui/Dialogs.h"
#include "ui/MonthCalendar.h"
#include "ui/PrintDialog.h"

#include <QComboBox>
#include <QLabel>

void TForm1::Button1Click()
{
    m_forms.Form2->showChart(Label4->text(), ComboBox1->currentText(), Calendar1->date());
}

void TForm1::Button2Click()
{
    // The dialog stands over the chart it is about to print.
    PrintDialog1->setDialogParent(m_forms.Form2);
    if (PrintDialog1->exec())
        printWindow(m_forms.Form2, PrintDialog1->printer());
    else
        m_forms.Form2->close();
}

void TForm1::Calendar1Change()
{
    Label4->setText(longDateText(Calendar1->date()));
    Label4->adjustSize();
    Calendar1->updateTodayTip();
}

void TForm1::Calendar1Click()
{
    m_forms.Form2->close();
}

void TForm1::SpeedButton1Click()
{
    m_forms.Form2->close();
    Calendar1->stepMonth(-1);
}

void TForm1::SpeedButton2Click()
{
    m_forms.Form2->close();
    Calendar1->stepMonth(+1);
}

void TForm1::ComboBox1Change()
{
    m_forms.Form2->close();
    if (ComboBox1->currentText().isEmpty())
        Dialogs::instance().notice(this, QStringLiteral("Wybierz długość cyklu z listy !"));
}
