// The language of the interface: which one the user's locale gives, and the
// windows, messages, printout and command line in it. Run twice, under a
// Polish and under an English locale: each check expects the Polish text as
// written in one session and its English translation in the other, and the
// data files are the same bytes in both.

#include "app/CommandLine.h"
#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TFormA.h"
#include "app/TFormK.h"
#include "app/TFormL.h"
#include "calendar/TForm2.h"
#include "data/TTextDataSet.h"
#include "daycount/TFormLD.h"
#include "notebook/TFormN.h"
#include "records/CycleTable.h"
#include "records/PeriodEntries.h"
#include "records/SummaryReport.h"
#include "records/TForm4.h"
#include "records/TFormST.h"
#include "support/FileBytes.h"
#include "support/PaintedTexts.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "tempchart/TFormWT.h"
#include "ui/Hints.h"
#include "ui/Language.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

namespace {

const QDate today(2007, 9, 15);

bool englishSession()
{
    return Language::current() != Language::polish;
}

// What the session shows: the Polish text as written, or its translation.
QString shown(const char *polish, const char *english)
{
    return QString::fromUtf8(englishSession() ? english : polish);
}

// A control's right edge in its window, one pixel past its last one.
int rightEdge(const QWidget *control)
{
    return control->mapTo(control->window(), QPoint(control->width(), 0)).x();
}

int left(const QWidget *control)
{
    return control->mapTo(control->window(), QPoint(0, 0)).x();
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    // The session speaks the language of its locale, from the translation
    // the build made.
    void sessionLanguageFollowsTheLocale()
    {
        const bool english = qEnvironmentVariable("LANG").startsWith(QLatin1String("en"));
        QCOMPARE(Language::current(), english ? QStringLiteral("en") : Language::polish);
    }

    void choosing_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QStringList>("translations");
        QTest::addColumn<QString>("chosen");
        const QStringList english { "en" };
        QTest::newRow("Polish") << QStringList { "pl-PL", "pl-Latn-PL", "pl" } << english << "pl";
        QTest::newRow("C") << QStringList { "C" } << english << "pl";
        QTest::newRow("no locale at all") << QStringList {} << english << "pl";
        QTest::newRow("British English")
            << QStringList { "en-GB", "en-Latn-GB" } << english << "en";
        QTest::newRow("English before Polish") << QStringList { "en", "pl" } << english << "en";
        QTest::newRow("German falls back to English")
            << QStringList { "de-DE", "de" } << english << "en";
        QTest::newRow("Polish before the fallback")
            << QStringList { "de-DE", "pl-PL" } << english << "pl";
        QTest::newRow("unknown tag") << QStringList { "zz-ZZ" } << english << "en";
        QTest::newRow("a new language is its file alone")
            << QStringList { "de-AT", "de" } << QStringList { "en", "de" } << "de";
        QTest::newRow("a translation for the country")
            << QStringList { "pt-BR" } << QStringList { "en", "pt", "pt_BR" } << "pt_BR";
        QTest::newRow("no translation installed: as written")
            << QStringList { "en-US" } << QStringList {} << "pl";
    }

    void choosing()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QStringList, translations);
        QFETCH(QString, chosen);
        QTemporaryDir folder;
        for (const QString &language : translations) {
            QFile file(folder.filePath(QStringLiteral("miravela_%1.qm").arg(language)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(Language::choose(uiLanguages, folder.path()), chosen);
    }

    // Switching the language changes the texts and the dates of the windows
    // made after it; the tests' own switch is undone at the end.
    void switching()
    {
        const QString session = Language::current();
        Language::use(QStringLiteral("en"));
        TForm2 english;
        const QString englishMonth = QLocale().standaloneMonthName(9);
        Language::use(Language::polish);
        TForm2 polish;
        const QString polishMonth = QLocale().standaloneMonthName(9);
        Language::use(session);

        QCOMPARE(english.windowTitle(), QStringLiteral("Chart"));
        QCOMPARE(englishMonth, QStringLiteral("September"));
        QCOMPARE(polish.windowTitle(), QStringLiteral("Wykres"));
        QCOMPARE(polishMonth, QStringLiteral("wrzesień"));
    }

    // The menus, the buttons and the hints, each fitting its place: the menu
    // titles the bar, the words their buttons and frames, the hints the
    // status bar's panel.
    void mainWindow()
    {
        ProgramFixture fixture;
        TForm1 *form = fixture.forms().Form1;
        QCOMPARE(form->Plik1->title(), shown("Kalendarzyk", "Fertile days"));
        QCOMPARE(form->Dane1->title(), shown("Dane", "Entries"));
        QCOMPARE(form->Przywroc1->text(), shown("Przywróć kopię…", "Restore backup…"));
        QCOMPARE(form->Ocena1->text(),
            shown("Ocena temperatury (3 nad 6)", "Temperature shift (3 over 6)"));
        QCOMPARE(form->Button7->text(), shown("Edycja", "Add reading"));
        QCOMPARE(hintOf(form->Button5),
            shown("Tworzy wielomiesięczne zestawienie pierwszych dni okresu i pomiarów temp.",
                "Makes a summary of all first days of period and readings."));

        const QMenuBar *bar = form->menuBar();
        QVERIFY(bar->actionGeometry(bar->actions().last()).right() < bar->width());
        QVERIFY(rightEdge(form->Label1) < left(form->ComboBox1));
        const int hintRoom = form->StatusBar1->panelRect(1).width() - 4;
        for (const QWidget *control : form->findChildren<QWidget *>()) {
            const QString hint = hintOf(control);
            QVERIFY2(form->fontMetrics().horizontalAdvance(hint) <= hintRoom, qPrintable(hint));
        }
        for (const QPushButton *button : form->findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) + 8 <= button->width(),
                qPrintable(button->text()));
        for (const QGroupBox *box : form->findChildren<QGroupBox *>())
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) + 16 <= box->width(),
                qPrintable(box->title()));
    }

    void notePads()
    {
        ProgramFixture fixture;
        ScriptedDialogs dialogs;
        TFormN *pads = fixture.forms().FormN;
        pads->show();
        QCOMPARE(pads->windowTitle(), shown("Notatnik", "Notebook"));
        QCOMPARE(pads->PageControl1->tabText(2), shown("Notatka (3)", "Pad (3)"));
        QCOMPARE(pads->Button1->text(), shown("Wyczyść", "Clear"));
        QCOMPARE(hintOf(pads->Button6), shown("Drukuje zawartość notatnika.", "Prints the pad."));
        pads->Button3->click();
        QCOMPARE(dialogs.log.value(1),
            shown("question: Czy na pewno usunąć zawartość tej strony Notatnika ???",
                "question: Are you sure you want to delete everything on this pad?"));
    }

    // The rise evaluation's label, within the plot area.
    void temperatureChart()
    {
        ProgramFixture fixture(
            "26-11-19 19/36,8 20/36,7 21/36,7 22/36,6 23/36,7 24/36,6 25/36,7 26/36,8 27/36,7 "
            "28/36,6 29/36,7 30/36,7 01/36,8 02/36,7 03/37,0 04/37,1 05/37,2\r\n"
            "07-03-15 15/36,6 16/36,7 17/37,0\r\nMiravela 2.0\r\n");
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Ocena1->trigger();
        form->Button8->click();
        TFormWT *chart = fixture.forms().FormWT;
        QVERIFY(QTest::qWaitForWindowActive(chart));
        QCOMPARE(chart->windowTitle(), shown("Wykres pomiarów temperatury", "Temperature chart"));
        QCOMPARE(chart->Button1->text(), shown("Rysuj", "Draw"));

        chart->Button1->click();
        QCOMPARE(chart->Label40->text(),
            shown("Wzrost temperatury: dzień 03, potwierdzony dnia 05",
                "Temperature shift: day 03, confirmed on day 05"));
        QVERIFY(chart->Bevel1->geometry().contains(chart->Label40->geometry()));
        form->TextDataSet1->next();
        chart->Button1->click();
        QCOMPARE(chart->Label40->text(),
            shown("Brak potwierdzonego wzrostu temperatury", "No confirmed temperature shift"));
    }

    // The figures with the locale's decimal separator, the dates in its order.
    void statisticsWindow()
    {
        PinnedClock clock(QDate(2026, 12, 9));
        ProgramFixture fixture("26-11-18\r\n26-10-20\r\n26-09-21\r\n26-08-24\r\nMiravela 2.0\r\n");
        fixture.forms().Form1->Statystyka1->trigger();
        const TFormST *window = fixture.forms().FormST.ifBuilt();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), shown("Statystyka cykli", "Cycle statistics"));
        QCOMPARE(window->GroupBox3->title(), shown("Następna miesiączka", "Next period"));
        QCOMPARE(window->label(4)->text(), shown("Średnia: 28,7 dnia", "Average: 28.7 days"));
        QCOMPARE(window->table()->text(0, CycleTable::Start), shown("18.11.2026", "11/18/2026"));
        QCOMPARE(window->table()->text(0, CycleTable::Length),
            shown("trwa, dzień 22", "ongoing, day 22"));
    }

    void restoreWindow()
    {
        ProgramFixture fixture("07-02-14 14/36,8\r\nMiravela 2.0\r\n");
        QVERIFY(QDir().mkdir(fixture.path("kopie")));
        writeFileBytes(fixture.path("kopie/Daty-2027-03-01-101500.txt"),
            "07-03-15\r\n07-02-14 14/36,8\r\nMiravela 2.0\r\n");
        fixture.forms().Form1->Przywroc1->trigger();
        TFormK *window = fixture.forms().FormK;
        QCOMPARE(window->windowTitle(), shown("Przywróć kopię", "Restore backup"));
        QCOMPARE(window->Button1->text(), shown("&Przywróć", "&Restore"));
        const QTreeWidgetItem *copy = window->ListView1->topLevelItem(0);
        QCOMPARE(copy->text(1), shown("01.03.2027 10:15:00", "03/01/2027 10:15:00"));
        QCOMPARE(
            copy->text(2), shown("wpisy: 2, najnowszy: 07-03-15", "entries: 2, newest: 07-03-15"));
    }

    void fertileDayChart()
    {
        TForm2 chart;
        chart.showChart(QStringLiteral("15 - wrzesień - 2007"), QStringLiteral("28"), today);
        QCOMPARE(chart.windowTitle(), shown("Wykres", "Chart"));
        QCOMPARE(chart.Label2->text(), shown("Początek okresu :", "First day of period:"));
        QCOMPARE(chart.Label1->text(), shown("Dni płodne :", "Fertile days:"));
        QCOMPARE(chart.DayPanels.first()->text(),
            shown("17 - wrzesień - 2007", "17 - September - 2007"));
        // The words around the cycle length and the legend keep clear of
        // what stands beside them.
        QVERIFY(rightEdge(chart.Label4) < left(chart.Label5));
        QVERIFY(rightEdge(chart.Label5) < left(chart.Label6));
        QVERIFY(rightEdge(chart.Label6) <= chart.width());
        QVERIFY(rightEdge(chart.Label1) < left(chart.Panel23));
    }

    void dayCounter()
    {
        PinnedClock clock(today);
        TFormLD counter;
        QCOMPARE(counter.windowTitle(), shown("LiczDni", "Day counter"));
        QCOMPARE(counter.Label4->text(), shown("od", "from"));
        QCOMPARE(counter.Button1->text(), shown("Oblicz", "Count"));
        QCOMPARE(counter.Button2->text(), shown("dzisiejsza data", "Today's date"));
        QCOMPARE(hintOf(counter.Button1),
            shown("Oblicza liczbę dni pomiędzy wybranymi datami.",
                "Counts the days between the chosen dates."));
        QCOMPARE(counter.StatusBar1->panelText(0), shown("15.09.2007", "9/15/07"));

        counter.Calendar2->setDate(today.addDays(27));
        counter.Button1Click();
        QCOMPARE(counter.Label3->text(), QStringLiteral("27"));
        // The result line stays inside its frame, each word clear of the next.
        QVERIFY(rightEdge(counter.Label6) < left(counter.Label7));
        QVERIFY(rightEdge(counter.Label8) < left(counter.Label9));
        QVERIFY(rightEdge(counter.Label7) < left(counter.Label10));
        QVERIFY(rightEdge(counter.Label10) < left(counter.Label3));
        QVERIFY(rightEdge(counter.Label11) < rightEdge(counter.Bevel1) - 1);
        const int wordWidth = QFontMetrics(counter.Label11->font())
                                  .horizontalAdvance(counter.Label11->text().trimmed());
        QVERIFY(left(counter.Label11) + wordWidth < rightEdge(counter.Bevel1) - 1);
    }

    void temperatureEntry()
    {
        PinnedClock clock(today);
        ProgramFixture fixture;
        ScriptedDialogs dialogs;
        TForm4 *form = fixture.forms().Form4;
        QCOMPARE(form->windowTitle(), shown("Pomiar temperatury", "Add reading"));
        QCOMPARE(
            form->GroupBox1->title(), shown("Pomiar temperatury w dniu", "Temperature taken on"));
        QCOMPARE(form->Button1->text(), shown("Dopisz", "Add"));
        QCOMPARE(form->Label3->text(), shown("15 - wrzesień - 2007", "15 - September - 2007"));
        QCOMPARE(form->SpeedButton2->toolTip(), shown("Poprzedni miesiąc", "Previous month"));
        QVERIFY(rightEdge(form->Label1) < left(form->ComboBox1));

        form->ComboBox1->setEditText(QString());
        QCOMPARE(dialogs.log.value(0),
            shown("notice: Wybierz temperaturę z listy !",
                "notice: Choose the temperature from the list."));
    }

    void informationWindows()
    {
        TFormA about;
        QCOMPARE(about.Label7->text(), shown("wersja - 2.0", "version - 2.0"));
        QCOMPARE(about.Button1->text(), shown("Zamknij", "Close"));
        for (const QLabel *label : about.findChildren<QLabel *>())
            QVERIFY2(rightEdge(label) <= about.width(), qPrintable(label->text()));

        // Each line of the help and of the licence is one line of its window,
        // and the licence, which cannot scroll, ends above the status bar.
        TForm3 help;
        TFormL licence;
        QCOMPARE(help.Panel1->text(), shown("O programie", "Using Miravela"));
        QCOMPARE(
            help.Memo1->document()->findBlockByNumber(1).text(), shown("Uwaga:", "Please note:"));
        QCOMPARE(licence.windowTitle(), shown("Licencja", "License"));
        for (const InfoTextWindow *window :
            { static_cast<InfoTextWindow *>(&help), static_cast<InfoTextWindow *>(&licence) }) {
            const QPlainTextEdit *memo = window->Memo1;
            const int room = memo->width() - 2 * memo->frameWidth()
                - (window == &help ? memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0)
                - 2 * int(memo->document()->documentMargin());
            for (QTextBlock line = memo->document()->begin(); line.isValid(); line = line.next())
                QVERIFY2(memo->fontMetrics().horizontalAdvance(line.text()) <= room,
                    qPrintable(line.text()));
        }
        const QPlainTextEdit *terms = licence.Memo1;
        const int textBottom = terms->y() + terms->frameWidth()
            + int(terms->document()->documentMargin())
            + terms->document()->blockCount() * terms->fontMetrics().lineSpacing();
        QVERIFY(textBottom <= licence.StatusBar1->y());
    }

    // The printed report: its title, stamp label and column header.
    void reportPrintout()
    {
        const ReportContent content { QStringLiteral("15.09.2007"), { "07-09-01 15/36,6" } };
        const QStringList texts = paintedTexts({ 2770, 1900 }, 254, [&](QPainter &painter) {
            paintReportPage(painter, content, paginate(1).first(), 10, 10);
        });
        QCOMPARE(texts,
            QStringList({ shown("Zestawienie", "Summary"), shown("Data /Godzina :", "Date / Time:"),
                QStringLiteral("15.09.2007"),
                shown("Pierwszy dzień okresu / Pomiar temperatury",
                    "First day of period / Temperature readings"),
                QStringLiteral("07-09-01 15/36,6") }));
        QCOMPARE(productionStamp(QDateTime(today, QTime(0, 0))), shown("15.09.2007", "9/15/07"));
    }

    void commandLine()
    {
        QVERIFY(QString::fromStdString(usageText())
                    .startsWith(shown("Użycie: miravela [FOLDER]", "Usage: miravela [FOLDER]")));
        QCOMPARE(QString::fromStdString(parseCommandLine({ "a", "b" }).message),
            shown("miravela: można podać tylko jeden folder (zob. miravela --help)",
                "miravela: only one folder can be given (see miravela --help)"));
    }

    // The entries file holds the same bytes whatever the language: the
    // temperature keeps its comma and the dates their stored form.
    void entriesFileIsTheSameInEveryLanguage()
    {
        PinnedClock clock(today);
        ProgramFixture fixture;
        ScriptedDialogs dialogs;
        saveEntry(*fixture.forms().Form1->TextDataSet1, QDate(2007, 9, 1));
        TForm4 *form = fixture.forms().Form4;
        form->ComboBox1->setCurrentIndex(0);
        dialogs.answerNext(true);
        form->Button1->click();
        QVERIFY(fixture.program().finish());
        QCOMPARE(fixture.fileBytes(QStringLiteral("Daty.txt")),
            QByteArray("07-09-01 15/36,6\r\nMiravela 2.0\r\n"));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_Language.moc"
