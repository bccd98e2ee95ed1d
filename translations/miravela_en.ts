<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>BackupCopy</name>
    <message>
        <source>Nie można zapisać kolejności kopii zapasowych pliku %1 w folderze %2: %3</source>
        <translation>Cannot record the order of the backup copies of %1 in the folder %2: %3</translation>
    </message>
    <message>
        <source>Nie można zrobić kopii zapasowej pliku %1 w folderze %2: %3</source>
        <translation>Cannot make a backup copy of %1 in the folder %2: %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>miravela: %1 (zob. miravela --help)</source>
        <translation>miravela: %1 (see miravela --help)</translation>
    </message>
    <message>
        <source>nieznana opcja „%1”</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>można podać tylko jeden folder</source>
        <translation>only one folder can be given</translation>
    </message>
    <message>
        <source>Użycie: miravela [FOLDER]
       miravela --help | --version

Uruchamia program Miravela z plikami danych w folderze FOLDER
(domyślnie ~/Miravela).

  --help     wypisuje ten opis i kończy działanie
  --version  wypisuje wersję programu i kończy działanie

Folder, którego nazwa zaczyna się od „-”, podaje się jako ./-nazwa
albo po „--”: miravela -- -nazwa
</source>
        <translation>Usage: miravela [FOLDER]
       miravela --help | --version

Starts Miravela with its data files in the folder FOLDER
(~/Miravela by default).

  --help     prints this help and exits
  --version  prints the program&apos;s version and exits

A folder whose name begins with “-” is given as ./-name
or after “--”: miravela -- -name
</translation>
    </message>
    <message>
        <source>miravela: nie można otworzyć folderu „%1”: %2</source>
        <translation>miravela: cannot open the folder “%1”: %2</translation>
    </message>
</context>
<context>
    <name>CycleBars</name>
    <message>
        <source>Długości ostatnich cykli</source>
        <translation>Recent cycle lengths</translation>
    </message>
    <message>
        <source>%1 (pominięty)</source>
        <translation>%1 (left out)</translation>
    </message>
    <message>
        <source>; średnia %1</source>
        <translation>; average %1</translation>
    </message>
</context>
<context>
    <name>CycleTable</name>
    <message>
        <source>%1 (pominięty)</source>
        <translation>%1 (left out)</translation>
    </message>
    <message>
        <source>trwa, dzień %1</source>
        <translation>ongoing, day %1</translation>
    </message>
    <message>
        <source>jeszcze się nie zaczął</source>
        <translation>not begun yet</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>%1 (potw. %2)</source>
        <translation>%1 (conf. %2)</translation>
    </message>
    <message>
        <source>Początek</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Pomiary</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Wzrost temp.</source>
        <translation>Temp. shift</translation>
    </message>
    <message>
        <source>Liczba dni do następnego pierwszego dnia okresu</source>
        <translation>Days until the next first day of period</translation>
    </message>
    <message>
        <source>Liczba zapisanych pomiarów temperatury</source>
        <translation>Number of temperature readings saved</translation>
    </message>
    <message>
        <source>Dzień cyklu pierwszego wyższego pomiaru, a w nawiasie dzień cyklu, w którym wzrost potwierdzono (reguła 3 nad 6)</source>
        <translation>Cycle day of the first higher reading, and in brackets the cycle day on which the shift was confirmed (3 over 6 rule)</translation>
    </message>
</context>
<context>
    <name>DateDialog</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Pytanie</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>KeptCopies</name>
    <message>
        <source>plik jest za duży (%1)</source>
        <translation>the file is too large (%1)</translation>
    </message>
    <message>
        <source>w miejscu kopii jest folder</source>
        <translation>a folder stands in place of the copy</translation>
    </message>
    <message>
        <source>w miejscu kopii jest dowiązanie</source>
        <translation>a link stands in place of the copy</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>plik zmienia się w czasie odczytu</source>
        <translation>the file changes while it is read</translation>
    </message>
</context>
<context>
    <name>MonthButton</name>
    <message>
        <source>Poprzedni miesiąc</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Następny miesiąc</source>
        <translation>Next month</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>Kalendarz pokazuje aktualną datę.</source>
        <translation>The calendar shows today&apos;s date.</translation>
    </message>
</context>
<context>
    <name>PadFile</name>
    <message>
        <source>plik zawiera bajty zerowe, jest uszkodzony</source>
        <translation>the file holds null bytes: it is damaged</translation>
    </message>
    <message>
        <source>dokument RTF jest uszkodzony albo niepełny</source>
        <translation>the RTF document is damaged or incomplete</translation>
    </message>
</context>
<context>
    <name>PeriodEntries</name>
    <message>
        <source>Czy na pewno usunąć zaznaczony rekord ???</source>
        <translation>Are you sure you want to delete the selected entry?</translation>
    </message>
</context>
<context>
    <name>PeriodFile</name>
    <message>
        <source>plik jest pusty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>plik zawiera bajty zerowe, jest uszkodzony</source>
        <translation>the file holds null bytes: it is damaged</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Drukarka jest niedostępna.</source>
        <translation>The printer is not available.</translation>
    </message>
    <message>
        <source>Drukowanie nie powiodło się.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Folder z danymi „%1” jest używany przez program Miravela na komputerze „%2”.

Zakończ program na tamtym komputerze i uruchom go tutaj ponownie.</source>
        <translation>The data folder “%1” is in use by Miravela on the computer “%2”.

Close the program on that computer and start it here again.</translation>
    </message>
    <message>
        <source>Folder z danymi „%1” jest używany przez inny program Miravela na tym komputerze.

Zakończ tamten program i uruchom go ponownie.</source>
        <translation>The data folder “%1” is in use by another Miravela program on this computer.

Close that program and start this one again.</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>Nie można otworzyć pliku „%1”: %2</source>
        <translation>Cannot open the file “%1”: %2</translation>
    </message>
    <message>
        <source>Plik „%1” jest za duży, by był zapisanym zestawieniem.</source>
        <translation>The file “%1” is too large to be a saved summary.</translation>
    </message>
    <message>
        <source>Plik „%1” nie jest zapisanym zestawieniem.</source>
        <translation>The file “%1” is not a saved summary.</translation>
    </message>
    <message>
        <source>Plik „%1” zapisano w nieznanej wersji zestawienia; ten program go nie otworzy.</source>
        <translation>The file “%1” was saved in an unknown version of the summary; this program cannot open it.</translation>
    </message>
    <message>
        <source>Plik „%1” z zestawieniem jest uszkodzony i nie da się go otworzyć.</source>
        <translation>The summary file “%1” is damaged and cannot be opened.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Zestawienie (*.mzs)</source>
        <translation>Summary (*.mzs)</translation>
    </message>
    <message>
        <source>Dokument PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Arkusz CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Podgląd wydruku - Zestawienie</source>
        <translation>Print preview - Summary</translation>
    </message>
    <message>
        <source>Cała strona</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>Szerokość strony</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>Początek</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Poprzednia</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Następna</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Koniec</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Ustawienia drukarki</source>
        <translation>Printer settings</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Strona %1 z %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Zapisz zestawienie</source>
        <translation>Save summary</translation>
    </message>
    <message>
        <source>Otwórz zestawienie</source>
        <translation>Open summary</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Zapisano plik %1, ale nie można utrwalić zmiany w folderze %2: %3</source>
        <translation>Saved the file %1, but the change to the folder %2 could not be made permanent: %3</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku „%1”: %2</source>
        <translation>Cannot save the file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>SummaryReport</name>
    <message>
        <source>Zestawienie</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Data /Godzina :</source>
        <translation>Date / Time:</translation>
    </message>
    <message>
        <source>Pierwszy dzień okresu / Pomiar temperatury</source>
        <translation>First day of period / Temperature readings</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>LiczDni</source>
        <translation>Day counter</translation>
    </message>
    <message>
        <source>Kalendarzyk</source>
        <translation>Fertile days</translation>
    </message>
    <message>
        <source>Wykres</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Statystyka cykli</source>
        <translation>Cycle statistics</translation>
    </message>
    <message>
        <source>Dane</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zestawienie</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Przywróć kopię…</source>
        <translation>Restore backup…</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Add reading</translation>
    </message>
    <message>
        <source>Ocena temperatury (3 nad 6)</source>
        <translation>Temperature shift (3 over 6)</translation>
    </message>
    <message>
        <source>Notatnik</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>Using Miravela</translation>
    </message>
    <message>
        <source>Licencja</source>
        <translation>License</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Cykl miesiączkowy</source>
        <translation>Cycle length</translation>
    </message>
    <message>
        <source>dniowy</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Początek okresu</source>
        <translation>First day of period</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Pierwszy dzień okresu / Pomiar temp.</source>
        <translation>First day of period / Readings</translation>
    </message>
    <message>
        <source>Pomiar temp.</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Z rozwijanej listy należy wybrać długość cyklu miesiączkowego.</source>
        <translation>Choose the length of your menstrual cycle from the list.</translation>
    </message>
    <message>
        <source>W kalendarzu należy zaznaczyć pierwszy dzień okresu.</source>
        <translation>Mark the first day of your period in the calendar.</translation>
    </message>
    <message>
        <source>Lista wszystkich wpisów znajdujących się w bazie danych.</source>
        <translation>The list of all your saved entries.</translation>
    </message>
    <message>
        <source>Oblicza dni płodne przy pomocy metody Knausa i Ogino.</source>
        <translation>Works out the fertile days by the Knaus-Ogino method.</translation>
    </message>
    <message>
        <source>Na podstawie długości cyklu i pierwszego dnia okresu oblicza dni płodne.</source>
        <translation>Works out the fertile days from the cycle length and the first day.</translation>
    </message>
    <message>
        <source>Drukuje &quot;Kalendarzyk małżeński&quot;.</source>
        <translation>Prints the fertile-day calendar.</translation>
    </message>
    <message>
        <source>Obsługuje dane związane z pomiarami temperatury.</source>
        <translation>Keeps your basal temperature readings.</translation>
    </message>
    <message>
        <source>Umożliwia dopisanie do bazy danych nowych pomiarów temperatury.</source>
        <translation>Adds a new temperature reading to your entries.</translation>
    </message>
    <message>
        <source>Tworzy wykres pomiarów temperatury dla zaznaczonego cyklu.</source>
        <translation>Draws the temperature chart of the selected cycle.</translation>
    </message>
    <message>
        <source>Obsługuje dane związane z pierwszym dniem okresu i pomiarami temp.</source>
        <translation>Keeps the first days of your periods and your readings.</translation>
    </message>
    <message>
        <source>Zapisuje pierwszy dzień okresu (dzień zaznaczony w kalendarzu).</source>
        <translation>Saves the first day of period (the day marked in the calendar).</translation>
    </message>
    <message>
        <source>Bezpowrotnie usuwa zaznaczony wpis z bazy danych.</source>
        <translation>Deletes the selected entry for good.</translation>
    </message>
    <message>
        <source>Tworzy wielomiesięczne zestawienie pierwszych dni okresu i pomiarów temp.</source>
        <translation>Makes a summary of all first days of period and readings.</translation>
    </message>
    <message>
        <source>Oblicza liczbę dni pomiędzy dwoma datami.</source>
        <translation>Counts the days between two dates.</translation>
    </message>
    <message>
        <source>Otwiera program.</source>
        <translation>Opens the day counter.</translation>
    </message>
    <message>
        <source>Trzy niezależne tablice umożliwiające notowanie uwag i obserwacji.</source>
        <translation>Three separate pads for your notes and observations.</translation>
    </message>
    <message>
        <source>Otwiera notatnik.</source>
        <translation>Opens the notebook.</translation>
    </message>
    <message>
        <source>Wyniki pomarów temperatury dla zaznaczonego cyklu.</source>
        <translation>The temperature readings of the selected cycle.</translation>
    </message>
    <message>
        <source>Wybierz długość cyklu z listy !</source>
        <translation>Choose the cycle length from the list.</translation>
    </message>
    <message>
        <source>Zmiany wprowadzone od uruchomienia programu nie zostały zapisane. Zwolnij miejsce na dysku albo sprawdź, czy w folderze z danymi można zapisywać pliki, i spróbuj ponownie. Rezygnacja oznacza utratę tych zmian.</source>
        <translation>The changes made since the program started have not been saved. Free some disk space, or check that files can be written in the data folder, and try again. Cancelling means losing these changes.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Wykres</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Cykl</source>
        <translation>Cycle</translation>
    </message>
    <message>
        <source>dniowy</source>
        <translation>days</translation>
    </message>
    <message>
        <source>Początek okresu :</source>
        <translation>First day of period:</translation>
    </message>
    <message>
        <source>Dni płodne :</source>
        <translation>Fertile days:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>
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
4. Wciśnij przycisk &quot;Wykres&quot;. Tabela pokazuje
dwadzieścia kolejnych dni cyklu,
dni płodne są wyróżnione kolorem fuksji.
5. Tabelę można wydrukować
przyciskiem &quot;Drukuj&quot;.

II. Temperatura.
1. Najpierw zapisz pierwszy dzień okresu
(zob. punkt III).
2. Wciśnij przycisk &quot;Edycja&quot;.
3. W oknie &quot;Pomiar temperatury&quot; wybierz
z listy temperaturę (od 36,6 do 37,4)
i zaznacz w kalendarzu dzień pomiaru.
4. Wciśnij przycisk &quot;Dopisz&quot; i potwierdź,
że dane są prawidłowe. Data i temperatura
zostaną dopisane do pierwszego dnia okresu,
który zapisano jako ostatni.
5. Pomiary zaznaczonego w tabeli okresu
pokazuje wykres: wciśnij &quot;Wykres&quot; w grupie
&quot;Temperatura&quot;, a potem &quot;Rysuj&quot;.
Przycisk &quot;Drukuj&quot; drukuje wykres.

III. Dane.
1. Zapisanie początku okresu: zaznacz
w kalendarzu pierwszy dzień okresu
i wciśnij przycisk &quot;Zapisz&quot;.
2. Usunięcie daty wraz z jej pomiarami:
zaznacz ją w dolnej tabeli, wciśnij &quot;Usuń&quot;
i potwierdź.
3. Przycisk &quot;Zestawienie&quot; pokazuje podgląd
wszystkich wpisów, z którego można je
wydrukować.
4. Dane są zapisywane w pliku Daty.txt
przy zamykaniu programu.

IV. LiczDni.
1. W lewym kalendarzu zaznacz
pierwszy dzień poprzedniego okresu.
2. W prawym kalendarzu zaznacz
pierwszy dzień obecnego okresu.
3. Wciśnij przycisk &quot;Oblicz&quot;.
Wynik to długość ostatniego cyklu w dniach.

V. Notatnik.
1. Notatnik ma trzy niezależne tablice
do notowania uwag i obserwacji.
2. Data wybrana w polu daty zostaje
dopisana na końcu notatki.
3. &quot;Wyczyść&quot; usuwa całą zawartość tablicy,
a &quot;Drukuj&quot; ją drukuje.
4. Notatki są zapisywane
przy zamykaniu programu.</source>
        <translation>
Please note:
Before you start using the program,
learn the natural methods
of family planning well.
The program helps you keep your observations,
but it does not replace knowing these methods
or the advice of a doctor.

About the program:
Miravela 2.0
1. Works out the length of your cycle (Day counter).
2. Works out the fertile days by the Knaus-Ogino
calendar method, also called the rhythm method.
3. Prints the fertile-day calendar.
4. Records the first day of each period
and your daily temperature readings.
5. Prints the temperature chart.
6. Prints a summary of many months
of readings, cycle by cycle.
7. Keeps and prints your daily notes
and observations (Notebook).

Working with the program:

I. Fertile days.
1. Work out the length of your cycle
with the Day counter (see part IV).
2. Choose the cycle length from the list
(28 days by default).
3. In the calendar, which shows today&apos;s date
when the program starts,
mark the first day of your period.
4. Press the &quot;Chart&quot; button. The table shows
twenty consecutive days of the cycle;
the fertile days are marked in fuchsia.
5. The table can be printed
with the &quot;Print&quot; button.

II. Temperature.
1. First save the first day of your period
(see part III).
2. Press the &quot;Add reading&quot; button.
3. In the &quot;Add reading&quot; window,
choose the temperature from the list
(36,6 to 37,4) and mark the day
of the reading in the calendar.
4. Press &quot;Add&quot; and confirm that the reading
is correct. The date and the temperature
are added to the first day of the period
that was saved last.
5. The chart shows the readings of the period
selected in the table: press &quot;Chart&quot;
in the &quot;Temperature&quot; group, then &quot;Draw&quot;.
The &quot;Print&quot; button prints the chart.

III. Entries.
1. To save the start of a period, mark
the first day of the period in the calendar
and press the &quot;Save&quot; button.
2. To delete a date with its readings,
select it in the lower table, press &quot;Delete&quot;
and confirm.
3. The &quot;Summary&quot; button shows a preview
of all entries, from which they
can be printed.
4. The entries are saved in the file Daty.txt
when you close the program.

IV. Day counter.
1. In the left calendar, mark
the first day of your previous period.
2. In the right calendar, mark
the first day of your current period.
3. Press the &quot;Count&quot; button.
The result is the length of your last cycle in days.

V. Notebook.
1. The notebook has three separate pads
for your notes and observations.
2. The date chosen in the date field
is added at the end of the note.
3. &quot;Clear&quot; deletes everything on the pad,
and &quot;Print&quot; prints it.
4. The notes are saved
when you close the program.</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>Using Miravela</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Wybierz temperaturę z listy !</source>
        <translation>Choose the temperature from the list.</translation>
    </message>
    <message>
        <source>Pomiar temperatury</source>
        <translation>Add reading</translation>
    </message>
    <message>
        <source>Dopisz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Temperatura wybrana z listy.</source>
        <translation>The temperature chosen from the list.</translation>
    </message>
    <message>
        <source>Dzień pomiaru.</source>
        <translation>The day of the reading.</translation>
    </message>
    <message>
        <source>Dopisuje wybrane wartości.</source>
        <translation>Adds the chosen reading.</translation>
    </message>
    <message>
        <source>Temperatura </source>
        <translation>Temperature </translation>
    </message>
    <message>
        <source>Pomiar temperatury w dniu</source>
        <translation>Temperature taken on</translation>
    </message>
    <message>
        <source>W kalendarzu zaznacz pierwszy dzień
okresu i wciśnij przycisk &quot;Zapisz&quot;.</source>
        <translation>Mark the first day of your period
in the calendar and press &quot;Save&quot;.</translation>
    </message>
    <message>
        <source>Wpis jest pełny – nie można dopisać kolejnego pomiaru.</source>
        <translation>This entry is full: no more readings can be added to it.</translation>
    </message>
    <message>
        <source>Czy na pewno wprowadzone dane są prawidłowe ???</source>
        <translation>Are you sure the data you entered is correct?</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Wolne oprogramowanie na licencji GNU GPL</source>
        <translation>Free software under the GNU GPL</translation>
    </message>
    <message>
        <source>wersja 2.0</source>
        <translation>version 2.0</translation>
    </message>
</context>
<context>
    <name>TFormA</name>
    <message>
        <source>  About</source>
        <translation>  About</translation>
    </message>
    <message>
        <source>wersja - 2.0</source>
        <translation>version - 2.0</translation>
    </message>
    <message>
        <source>Wolne oprogramowanie</source>
        <translation>Free software</translation>
    </message>
    <message>
        <source>(GNU GPL, wersja 3+)</source>
        <translation>(GNU GPL, version 3+)</translation>
    </message>
    <message>
        <source>bez żadnej gwarancji</source>
        <translation>without any warranty</translation>
    </message>
    <message>
        <source>Źródła i licencja: zob. plik README</source>
        <translation>Sources and license: see README</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFormK</name>
    <message>
        <source>Przywróć kopię</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>&amp;Kopie zapasowe, od najnowszej:</source>
        <translation>&amp;Backup copies, newest first:</translation>
    </message>
    <message>
        <source>Kopia pliku</source>
        <translation>Copy of</translation>
    </message>
    <message>
        <source>Zrobiona</source>
        <translation>Made</translation>
    </message>
    <message>
        <source>Zawartość</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Kopie zapasowe</source>
        <translation>Backup copies</translation>
    </message>
    <message>
        <source>Za&amp;wartość wybranej kopii:</source>
        <translation>&amp;Contents of the selected copy:</translation>
    </message>
    <message>
        <source>Zawartość wybranej kopii</source>
        <translation>Contents of the selected copy</translation>
    </message>
    <message>
        <source>&amp;Przywróć</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>nie do przywrócenia: %1</source>
        <translation>cannot be restored: %1</translation>
    </message>
    <message>
        <source>Nie można przejrzeć folderu „%1”: %2</source>
        <translation>Cannot look through the folder “%1”: %2</translation>
    </message>
    <message>
        <source>Nie ma jeszcze kopii zapasowych. Program robi je sam, zapisując zmienione dane przy zakończeniu pracy.</source>
        <translation>There are no backup copies yet. The program makes them itself when it saves changed data as you close it.</translation>
    </message>
    <message>
        <source>bez wpisów</source>
        <translation>no entries</translation>
    </message>
    <message>
        <source>wpisy: %1, najnowszy: %2</source>
        <translation>entries: %1, newest: %2</translation>
    </message>
    <message>
        <source>, inne wiersze: %1</source>
        <translation>, other lines: %1</translation>
    </message>
    <message>
        <source>%1, pusty</source>
        <translation>%1, empty</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Tej kopii nie można przywrócić: %1.</source>
        <translation>This copy cannot be restored: %1.</translation>
    </message>
    <message>
        <source>Przywrócić plik %1 z kopii zapasowej z %2?</source>
        <translation>Restore %1 from the backup copy of %2?</translation>
    </message>
    <message>
        <source>Niezapisane zmiany w tym pliku zostaną zastąpione zawartością kopii. Program najpierw zachowa je jako kopię zapasową, więc przywrócenie można cofnąć, przywracając tamtą kopię.</source>
        <translation>The unsaved changes to this file will be replaced by the copy&apos;s contents. The program first keeps them as a backup copy, so you can undo this by restoring that copy.</translation>
    </message>
    <message>
        <source>Obecna zawartość pliku zostanie zachowana jako kopia zapasowa, więc przywrócenie można cofnąć, przywracając tamtą kopię.</source>
        <translation>The file&apos;s present contents will be kept as a backup copy, so you can undo this by restoring that copy.</translation>
    </message>
    <message>
        <source>Nie przywrócono pliku %1: %2</source>
        <translation>%1 was not restored: %2</translation>
    </message>
    <message>
        <source>Przywrócono plik %1 z kopii zapasowej z %2, ale program nie może go wczytać: %3</source>
        <translation>%1 was restored from the backup copy of %2, but the program cannot read it: %3</translation>
    </message>
    <message>
        <source>Przywrócono plik %1 z kopii zapasowej z %2.</source>
        <translation>%1 was restored from the backup copy of %2.</translation>
    </message>
    <message>
        <source>, bez wiersza końcowego „%1”</source>
        <translation>, without the closing line “%1”</translation>
    </message>
</context>
<context>
    <name>TFormL</name>
    <message>
        <source>Miravela 2.0

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
dołączony do programu.</source>
        <translation>Miravela 2.0

This program is free software:
you can redistribute it and/or modify it
under the terms of the GNU General
Public License (GNU GPL) version 3
or (at your option)
any later version.

The program is distributed in the hope
that it will be useful, but without any
warranty; without even the implied warranty
of merchantability or fitness
for a particular purpose.

The full text of the license is in the file
LICENSE that comes with the program.</translation>
    </message>
    <message>
        <source>Licencja</source>
        <translation>License</translation>
    </message>
</context>
<context>
    <name>TFormLD</name>
    <message>
        <source>dzisiejsza data</source>
        <translation>Today&apos;s date</translation>
    </message>
    <message>
        <source>LiczDni</source>
        <translation>Day counter</translation>
    </message>
    <message>
        <source>Data pierwszego dnia poprzedniego okresu.</source>
        <translation>The first day of your previous period.</translation>
    </message>
    <message>
        <source>Data pierwszego dnia teraźniejszego okresu.</source>
        <translation>The first day of your current period.</translation>
    </message>
    <message>
        <source>Oblicza liczbę dni pomiędzy wybranymi datami.</source>
        <translation>Counts the days between the chosen dates.</translation>
    </message>
    <message>
        <source>od</source>
        <translation>from</translation>
    </message>
    <message>
        <source>do</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Liczba dni od</source>
        <translation>Days from</translation>
    </message>
    <message>
        <source>wynosi :</source>
        <translation>total:</translation>
    </message>
    <message numerus="yes">
        <source>dni</source>
        <extracomment>The unit after the count, in a room a short word fills: a single space where the words before the count already say that it counts days.</extracomment>
        <translation>
            <numerusform> </numerusform>
            <numerusform> </numerusform>
        </translation>
    </message>
    <message>
        <source>Oblicz</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>TFormN</name>
    <message>
        <source>Notatnik</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Notatka (%1)</source>
        <translation>Pad (%1)</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Wybraną datę dopisuje do notatnika.</source>
        <translation>Adds the chosen date to the pad.</translation>
    </message>
    <message>
        <source>Bezpowrotnie usuwa całą zawartość notatnika.</source>
        <translation>Deletes everything on the pad for good.</translation>
    </message>
    <message>
        <source>Drukuje zawartość notatnika.</source>
        <translation>Prints the pad.</translation>
    </message>
    <message>
        <source>Czy na pewno usunąć zawartość tej strony Notatnika ???</source>
        <translation>Are you sure you want to delete everything on this pad?</translation>
    </message>
    <message>
        <source>Tekst wpisany w tym notatniku od uruchomienia programu nie został zapisany. Zwolnij miejsce na dysku albo sprawdź, czy plik notatnika można zapisywać, i spróbuj ponownie. Po rezygnacji tekst zostanie zachowany jako kopia w folderze „kopie”, skąd można go przywrócić (Dane › Przywróć kopię…).</source>
        <translation>What you wrote on this pad since the program started has not been saved. Free some disk space or check that the pad’s file can be written, then try again. If you give up, the text is kept as a copy in the “kopie” folder, from where it can be brought back (Entries › Restore backup…).</translation>
    </message>
    <message>
        <source>Nie można zachować tekstu notatnika %1 jako kopii: %2</source>
        <translation>The text of pad %1 cannot be kept as a copy: %2</translation>
    </message>
</context>
<context>
    <name>TFormST</name>
    <message>
        <source>Statystyka cykli</source>
        <translation>Cycle statistics</translation>
    </message>
    <message>
        <source>To pomoc w czytaniu własnych zapisów, a nie osobna metoda: granice dni płodnych wyznaczają reguły metody, którą stosujesz.</source>
        <translation>This helps you read your own records; it is not a method of its own: the rules of the method you follow set the limits of the fertile days.</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Cykle</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Długość cyklu</source>
        <translation>Cycle length</translation>
    </message>
    <message>
        <source>Metoda kalendarzowa</source>
        <translation>Calendar method</translation>
    </message>
    <message>
        <source>Następna miesiączka</source>
        <translation>Next period</translation>
    </message>
    <message>
        <source>Długości ostatnich cykli</source>
        <translation>Recent cycle lengths</translation>
    </message>
    <message>
        <source>Brak zakończonego cyklu: do obliczeń potrzebne są co najmniej dwa zapisane pierwsze dni okresu.</source>
        <translation>No completed cycle yet: the figures need at least two saved first days of period.</translation>
    </message>
    <message>
        <source>Brak cyklu do obliczeń: każdy zakończony cykl ma mniej niż %1 lub więcej niż %2 dni.</source>
        <translation>No cycle to count: every completed cycle is shorter than %1 or longer than %2 days.</translation>
    </message>
    <message>
        <source>Linia przerywana: średnia, %1 dnia. Zakreskowane: cykle pominięte w obliczeniach.</source>
        <translation>Dashed line: the average, %1 days. Hatched: cycles left out of the figures.</translation>
    </message>
    <message>
        <source>Zakreskowane: cykle pominięte w obliczeniach.</source>
        <translation>Hatched: cycles left out of the figures.</translation>
    </message>
    <message>
        <source>1 dzień</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>%1 dni</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Cykle w obliczeniach: %1</source>
        <translation>Cycles counted: %1</translation>
    </message>
    <message>
        <source>Najkrótszy: %1</source>
        <translation>Shortest: %1</translation>
    </message>
    <message>
        <source>Najdłuższy: %1</source>
        <translation>Longest: %1</translation>
    </message>
    <message>
        <source>Średnia: %1 dnia</source>
        <translation>Average: %1 days</translation>
    </message>
    <message>
        <source>Mediana: %1</source>
        <translation>Median: %1</translation>
    </message>
    <message>
        <source>%1 dnia</source>
        <translation>%1 days</translation>
    </message>
    <message>
        <source>Odchylenie standardowe: %1</source>
        <translation>Standard deviation: %1</translation>
    </message>
    <message>
        <source>Pominięte (poniżej %1 lub ponad %2 dni): %3</source>
        <translation>Left out (under %1 or over %2 days): %3</translation>
    </message>
    <message>
        <source>Dni płodne: od %1. do %2. dnia cyklu</source>
        <translation>Fertile days: cycle day %1 to %2</translation>
    </message>
    <message>
        <source>W bieżącym cyklu: od %1 do %2</source>
        <translation>This cycle: %1 to %2</translation>
    </message>
    <message>
        <source>Ta ocena wymaga co najmniej %1 cykli; w obliczeniach jest ich %2.</source>
        <translation>This estimate needs at least %1 cycles; only %2 are counted.</translation>
    </message>
    <message>
        <source>Spodziewana: %1</source>
        <translation>Expected: %1</translation>
    </message>
    <message>
        <source>Między %1 a %2</source>
        <translation>Between %1 and %2</translation>
    </message>
    <message>
        <source>Wiersze bez daty początku okresu, pominięte: %1</source>
        <translation>Lines without a first day of period, left out: %1</translation>
    </message>
    <message>
        <source>Daty zapisane więcej niż raz, liczone raz: %1</source>
        <translation>Dates saved more than once, counted once: %1</translation>
    </message>
    <message>
        <source>Stan na %1</source>
        <translation>As of %1</translation>
    </message>
</context>
<context>
    <name>TFormWT</name>
    <message>
        <source>Pomiar %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>Wykres pomiarów temperatury</source>
        <translation>Temperature chart</translation>
    </message>
    <message>
        <source>Rysuj</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Odśwież</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>dzień %1: %2 °C</source>
        <translation>day %1: %2 °C</translation>
    </message>
    <message>
        <source>Wzrost temperatury: dzień %1, potwierdzony dnia %2</source>
        <translation>Temperature shift: day %1, confirmed on day %2</translation>
    </message>
    <message>
        <source>Linia pokrywająca: %1 °C</source>
        <translation>Coverline: %1 °C</translation>
    </message>
    <message>
        <source>Brak potwierdzonego wzrostu temperatury</source>
        <translation>No confirmed temperature shift</translation>
    </message>
    <message>
        <source>Wykres pomiarów temperatury  -  Początek okresu  </source>
        <translation>Temperature chart  -  First day of period  </translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>nie można utworzyć folderu %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>nie można odczytać całego pliku %1, więc nie zostanie zmieniony</source>
        <translation>the whole file %1 cannot be read, so it will not be changed</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>Wystąpił nieoczekiwany błąd.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
</context>
</TS>
