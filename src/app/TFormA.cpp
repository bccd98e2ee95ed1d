#include "app/TFormA.h"

#include "app/InfoWindow.h"
#include "ui/Controls.h"
#include "ui/ProgramIcon.h"
#include "ui/Windows.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int iconSize = 32;

} // namespace

TFormA::TFormA()
{
    StatusBar1 = makeInfoWindow(this, QStringLiteral("FormA"), tr("  About"), { 224, 236 });

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 209, 49);

    const QFont plain = sansFont(11);
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Miravela"), { 24, 8 },
        sansFont(23, true, true));
    Label7 = makeLabel(
        this, QStringLiteral("Label7"), tr("wersja - 2.0"), { 112, 32 }, sansFont(13, false, true));
    Label8 = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Windows 95, 98, 2000, NT"),
        { 16, 62 }, plain);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(40, 88, 49, 33);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(icon());

    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Miravela 2.0"), { 104, 88 },
        sansFont(19, false, true));
    Label2 = makeLabel(
        this, QStringLiteral("Label2"), tr("Wolne oprogramowanie"), { 104, 112 }, plain);
    Label3 = makeLabel(
        this, QStringLiteral("Label3"), tr("(GNU GPL, wersja 3+)"), { 104, 128 }, plain);
    Label4 = makeLabel(
        this, QStringLiteral("Label4"), tr("bez żadnej gwarancji"), { 104, 144 }, plain);
    Label5 = makeLabel(this, QStringLiteral("Label5"), tr("Źródła i licencja: zob. plik README"),
        { 16, 200 }, plain);

    Button1 = new QPushButton(tr("Zamknij"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(72, 168, 81, 25);
    Button1->setAutoDefault(true); // Enter on the focused button closes, as Space does
    connectHandler(Button1, &QPushButton::clicked, this, &TFormA::Button1Click);
}

void TFormA::Button1Click()
{
    close();
}

QPixmap TFormA::icon()
{
    return QPixmap::fromImage(programIcon(iconSize));
}
