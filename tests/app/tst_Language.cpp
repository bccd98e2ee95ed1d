// The language of the interface: which one the user's locale gives, and the
// windows, messages, printout and command line in it. Run twice, under a
// Polish and under an English locale: each check expects the Polish text as
// written in one session and its English translation in the other, and the
// data files are the same bytes in both.

#include "app/CommandLine.h"
#include "app/TForm1.h"
#include "app/TForm3.h"
#include "app/TFormA.h"
#include "app/TFormL.h"
#include "calendar/TForm2.h"
#include "daycount/TFormLD.h"
#include "records/PeriodEntries.h"
#include "records/SummaryReport.h"
#include "records/TForm4.h"
#include "support/PaintedTexts.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/Hints.h"
#include "ui/Language.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

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
