#include "calendar/TForm2.h"

#include "calendar/FertileDays.h"
#include "ui/Controls.h"
#include "ui/DateTexts.h"
#include "ui/Windows.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr int headlinePixels = 13;

QLabel *label(QWidget *parent, const QString &name, const QString &text, QPoint place, bool bold)
{
    return bold ? makeLabel(parent, name, text, place, sansFont(headlinePixels, true))
                : makeLabel(parent, name, text, place);
}

QLabel *panel(QWidget *parent, const QString &name, const QRect &place)
{
    auto *dayPanel = new QLabel(name, parent);
    dayPanel->setObjectName(name);
    dayPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    dayPanel->setLineWidth(1);
    dayPanel->setAlignment(Qt::AlignCenter);
    dayPanel->setAutoFillBackground(true);
    dayPanel->setGeometry(place);
    return dayPanel;
}

void paint(QLabel *dayPanel, const QColor &colour)
{
    setColour(dayPanel, QPalette::Window, colour);
}

} // namespace

TForm2::TForm2()
{
    makeFixedWindow(this, QStringLiteral("Form2"), tr("Wykres"), 167, 434);

    Label4 = label(this, QStringLiteral("Label4"), tr("Cykl"), { 8, 8 }, true);
    Label5 = label(this, QStringLiteral("Label5"), QStringLiteral("Label5"), { 48, 8 }, true);
    Label6 = label(this, QStringLiteral("Label6"), tr("dniowy"), { 72, 8 }, true);
    Label2 = label(this, QStringLiteral("Label2"), tr("Początek okresu :"), { 8, 26 }, false);
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Label3"), { 8, 42 }, true);

    for (int k = 1; k <= chartDayPanels; ++k) {
        QLabel *dayPanel
            = panel(this, QStringLiteral("Panel%1").arg(k), QRect(16, 64 + 16 * (k - 1), 137, 17));
        paint(dayPanel, Colours::yellow);
        DayPanels.append(dayPanel);
    }

    Label1 = label(this, QStringLiteral("Label1"), tr("Dni płodne :"), { 16, 392 }, false);
    Panel23 = panel(this, QStringLiteral("Panel23"), QRect(80, 392, 73, 17));
    Panel23->clear();
    paint(Panel23, Colours::fuchsia);
    Label7
        = label(this, QStringLiteral("Label7"), QStringLiteral("Miravela 2.0"), { 72, 416 }, false);
}

void TForm2::showChart(
    const QString &startDateText, const QString &cycleLengthText, QDate startDate)
{
    Label3->setText(startDateText);
    Label3->adjustSize();
    Label5->setText(cycleLengthText);
    Label5->adjustSize();
    for (int k = 1; k <= chartDayPanels; ++k)
        DayPanels[k - 1]->setText(longDateText(startDate.addDays(daysAfterStart(k))));
    // Only fuchsia is painted here: every change of the inputs closes the
    // chart first, and closing turns the panels Colours::yellow.
    if (const auto fertile = fertilePanels(cycleLengthText)) {
        for (int k = fertile->first; k <= fertile->last; ++k)
            paint(DayPanels[k - 1], Colours::fuchsia);
    }
    showOrRaise(this);
}

void TForm2::FormClose()
{
    for (QLabel *dayPanel : std::as_const(DayPanels))
        paint(dayPanel, Colours::yellow);
}

void TForm2::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}
