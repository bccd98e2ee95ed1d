#include "app/TForm3.h"

#include <QPlainTextEdit>

namespace {

// One line of the window per line here; each section opens with an empty line.
constexpr char helpLines[] = QT_TRANSLATE_NOOP("TForm3", R"(
Uwaga:
Zanim zaczniesz korzystać z programu,
dobrze poznaj naturalne metody
zapobiegania ciąży.
Program pomaga prowadzić obserwacje,
ale nie zastępuje wiedzy o tych metodach
ani porady lekarza.

O programie:
Miravela 2.0
1. Oblicza długość cyklu miesiączkowego (LiczDni).
2. Oblicza dni płodne metodą Knausa i Ogino,
tzw. kalendarzyk małżeński.
3. Drukuje kalendarzyk małżeński.
4. Zapisuje daty początku okresu
i codzienne pomiary temperatury.
5. Drukuje wykres pomiarów temperatury.
6. Drukuje wielomiesięczne zestawienie
pomiarów dla poszczególnych cykli.
7. Przechowuje i drukuje codzienne uwagi
i obserwacje (Notatnik).

Praca z programem:

I. Kalendarzyk.
1. Oblicz długość swojego cyklu
za pomocą LiczDni (zob. punkt IV).
2. Wybierz długość cyklu z listy
(domyślnie 28 dni).
3. W kalendarzu, który po uruchomieniu
programu pokazuje dzisiejszą datę,
zaznacz pierwszy dzień okresu.
4. Wciśnij przycisk "Wykres". Tabela pokazuje
dwadzieścia kolejnych dni cyklu,
dni płodne są wyróżnione kolorem fuksji.
5. Tabelę można wydrukować
przyciskiem "Drukuj".

II. Temperatura.
1. Najpierw zapisz pierwszy dzień okresu
(zob. punkt III).
2. Wciśnij przycisk "Edycja".
3. W oknie "Pomiar temperatury" wybierz
z listy temperaturę (od 36,6 do 37,4)
i zaznacz w kalendarzu dzień pomiaru.
4. Wciśnij przycisk "Dopisz" i potwierdź,
że dane są prawidłowe. Data i temperatura
zostaną dopisane do pierwszego dnia okresu,
który zapisano jako ostatni.
5. Pomiary zaznaczonego w tabeli okresu
pokazuje wykres: wciśnij "Wykres" w grupie
"Temperatura", a potem "Rysuj".
Przycisk "Drukuj" drukuje wykres.

III. Dane.
1. Zapisanie początku okresu: zaznacz
w kalendarzu pierwszy dzień okresu
i wciśnij przycisk "Zapisz".
2. Usunięcie daty wraz z jej pomiarami:
zaznacz ją w dolnej tabeli, wciśnij "Usuń"
i potwierdź.
3. Przycisk "Zestawienie" pokazuje podgląd
wszystkich wpisów, z którego można je
wydrukować.
4. Dane są zapisywane w pliku Daty.txt
przy zamykaniu programu.

IV. LiczDni.
1. W lewym kalendarzu zaznacz
pierwszy dzień poprzedniego okresu.
2. W prawym kalendarzu zaznacz
pierwszy dzień obecnego okresu.
3. Wciśnij przycisk "Oblicz".
Wynik to długość ostatniego cyklu w dniach.

V. Notatnik.
1. Notatnik ma trzy niezależne tablice
do notowania uwag i obserwacji.
2. Data wybrana w polu daty zostaje
dopisana na końcu notatki.
3. "Wyczyść" usuwa całą zawartość tablicy,
a "Drukuj" ją drukuje.
4. Notatki są zapisywane
przy zamykaniu programu.)");

} // namespace

TForm3::TForm3()
    : InfoTextWindow(QStringLiteral("Form3"), tr("O programie"), { 436, 358 }, { 8, 48, 417, 289 },
        tr(helpLines))
{
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}
