#include "app/TFormL.h"

#include <QPlainTextEdit>

namespace {

// Short lines: the window has no scroll bar and its lower part lies under
// the status bar.
constexpr char licenceLines[] = QT_TRANSLATE_NOOP("TFormL", R"(Miravela 2.0

Ten program jest wolnym oprogramowaniem:
możesz go rozpowszechniać i zmieniać
na warunkach Powszechnej Licencji
Publicznej GNU (GNU GPL) w wersji 3
lub (według twojego wyboru)
dowolnej późniejszej wersji.

Program jest rozpowszechniany w nadziei,
że będzie użyteczny, ale bez żadnej
gwarancji, nawet domyślnej gwarancji
przydatności handlowej lub przydatności
do określonego celu.

Pełny tekst licencji zawiera plik LICENSE
dołączony do programu.)");

} // namespace

TFormL::TFormL()
    : InfoTextWindow(QStringLiteral("FormL"), tr("Licencja"), { 347, 335 }, { 8, 48, 330, 321 },
        tr(licenceLines))
{
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = Memo1->palette();
    colours.setColor(QPalette::Text, Qt::black);
    Memo1->setPalette(colours);
}
