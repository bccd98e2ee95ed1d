// The window "Statystyka cykli": opened from the main window, what it says of
// a worked example, following saved and deleted entries while open, never
// writing Daty.txt, used with the keyboard, and printed.

#include "app/TForm1.h"
#include "data/TTextDataSet.h"
#include "records/CycleBars.h"
#include "records/CycleTable.h"
#include "records/TFormST.h"
#include "support/PdfPages.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/MonthCalendar.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

const QDate today(2026, 12, 9);

// Eleven starts in 2026, newest first, one of them saved twice; a start
// missed in May makes a 61-day cycle. The three newest carry readings.
const QByteArray workedExample
    = "26-11-19 19/36,8 20/36,7 21/36,7 22/36,6 23/36,7 24/36,6 25/36,7 26/36,8 27/36,7 28/36,6 "
      "29/36,7 30/36,7 01/36,8 02/36,7 03/37,0 04/37,1 05/37,2 06/37,1 07/37,2 08/37,1 09/37,2\r\n"
      "26-10-21 21/36,7 22/36,6 23/36,7 24/36,7 25/36,6 26/36,7 27/36,6 28/36,7 29/36,7 30/36,6 "
      "31/36,7 01/36,6 02/36,7 03/36,8 04/36,9 05/36,8 06/36,9 07/36,9 08/37,0 09/36,9 10/36,9 "
      "11/37,0 12/36,9 13/36,8 14/36,7 15/36,7 16/36,6 17/36,7\r\n"
      "26-09-23 23/36,7 24/36,7 25/36,6 26/36,7 27/36,6 28/36,6 29/36,7 30/36,6 01/36,7 02/36,7 "
      "03/36,6 04/36,7 05/36,9 06/36,7 07/36,9 08/37,0 09/37,0 10/36,9 11/37,0 12/37,0 13/36,9 "
      "14/37,0 15/36,9 16/36,8 17/36,7 18/36,7 19/36,6 20/36,7\r\n"
      "26-08-24\r\n26-07-28\r\n26-07-28\r\n26-06-29\r\n26-06-02\r\n26-04-02\r\n26-03-03\r\n"
      "26-02-02\r\n26-01-05\r\nMiravela 2.0\r\n";

QStringList row(const TFormST *window, int row)
{
    QStringList texts;
    for (int column = 0; column < CycleTable::ColumnCount; ++column)
        texts << window->table()->text(row, column);
    return texts;
}

} // namespace

class TestStatisticsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<PinnedClock> clock;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<ProgramFixture> fixture;
    TForm1 *form = nullptr;
    TFormST *window = nullptr;

    void open(const QByteArray &daty)
    {
        fixture = std::make_unique<ProgramFixture>(daty);
        form = fixture->forms().Form1;
        fixture->program().start();
        form->Statystyka1->trigger();
        window = fixture->forms().FormST.ifBuilt();
        QVERIFY(window && window->isVisible());
    }

    QString text(int label) const { return window->label(label)->text(); }

private Q_SLOTS:
    void init()
    {
        clock = std::make_unique<PinnedClock>(today);
        dialogs = std::make_unique<ScriptedDialogs>();
    }

    void cleanup()
    {
        fixture.reset();
        dialogs.reset();
        clock.reset();
    }

    void openedFromTheLastItemOfKalendarzyk()
    {
        open(workedExample);
        QCOMPARE(form->Plik1->actions().last(), form->Statystyka1);
        QCOMPARE(form->Statystyka1->text(), QStringLiteral("Statystyka cykli"));
        QCOMPARE(window->objectName(), QStringLiteral("FormST"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Statystyka cykli"));
        QVERIFY(!window->isModal());
        QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        form->Statystyka1->trigger(); // once more: the same window, to the front
        QCOMPARE(fixture->forms().FormST.ifBuilt(), window);
        QVERIFY(form->isEnabled());
    }

    void theWorkedExample()
    {
        open(workedExample);
        QCOMPARE(window->table()->rowCount(), 11);
        QCOMPARE(
            row(window, 0), QStringList({ "19.11.2026", "trwa, dzień 21", "21", "15 (potw. 17)" }));
        QCOMPARE(row(window, 1), QStringList({ "21.10.2026", "29", "28", "14 (potw. 17)" }));
        QCOMPARE(row(window, 2), QStringList({ "23.09.2026", "28", "28", "13 (potw. 16)" }));
        QCOMPARE(row(window, 3), QStringList({ "24.08.2026", "30", "0", "—" }));
        QCOMPARE(row(window, 7), QStringList({ "02.04.2026", "61 (pominięty)", "0", "—" }));
        QCOMPARE(row(window, 10), QStringList({ "05.01.2026", "28", "0", "—" }));

        QCOMPARE(text(1), QStringLiteral("Cykle w obliczeniach: 9"));
        QCOMPARE(text(2), QStringLiteral("Najkrótszy: 27 dni"));
        QCOMPARE(text(3), QStringLiteral("Najdłuższy: 30 dni"));
        QCOMPARE(text(4), QStringLiteral("Średnia: 28,6 dnia"));
        QCOMPARE(text(5), QStringLiteral("Mediana: 29 dni"));
        QCOMPARE(text(6), QStringLiteral("Odchylenie standardowe: 1,1 dnia"));
        QCOMPARE(text(7), QStringLiteral("Pominięte (poniżej 15 lub ponad 60 dni): 1"));
        QCOMPARE(text(8), QStringLiteral("Dni płodne: od 9. do 19. dnia cyklu"));
        QCOMPARE(text(9), QStringLiteral("W bieżącym cyklu: od 27.11.2026 do 07.12.2026"));
        QVERIFY(window->label(10)->isHidden()); // nine cycles are enough
        QCOMPARE(text(11), QStringLiteral("Spodziewana: 18.12.2026"));
        QCOMPARE(text(12), QStringLiteral("Między 16.12.2026 a 19.12.2026"));
        QCOMPARE(text(15), QStringLiteral("Daty zapisane więcej niż raz, liczone raz: 1"));
        QVERIFY(window->label(14)->isHidden());
        QVERIFY(text(16).startsWith(QStringLiteral("To pomoc w czytaniu własnych zapisów")));

        QCOMPARE(window->PaintBox1->bars().size(), 10);
        QCOMPARE(window->PaintBox1->bars()[3], (CycleBars::Bar { 61, true }));
        QCOMPARE(window->PaintBox1->bars().last(), (CycleBars::Bar { 29, false }));
        QCOMPARE(window->PaintBox1->accessibleDescription(),
            QStringLiteral("28, 29, 30, 61 (pominięty), 27, 29, 27, 30, 28, 29; średnia 28,6"));
    }

    void fewCyclesAndNone_data()
    {
        QTest::addColumn<QByteArray>("daty");
        QTest::addColumn<QString>("line"); // the one line instead of the figures, if any
        QTest::newRow("no entry")
            << QByteArray("Miravela 2.0\r\n")
            << "Brak zakończonego cyklu: do obliczeń potrzebne są co najmniej "
               "dwa zapisane pierwsze dni okresu.";
        QTest::newRow("one start") << QByteArray("26-11-19\r\nMiravela 2.0\r\n")
                                   << "Brak zakończonego cyklu: do obliczeń potrzebne są co "
                                      "najmniej dwa zapisane pierwsze dni okresu.";
        QTest::newRow("every cycle left out") << QByteArray("26-11-19\r\n26-11-10\r\n")
                                              << "Brak cyklu do obliczeń: każdy "
                                                 "zakończony cykl ma mniej niż 15 lub "
                                                 "więcej niż 60 dni.";
        QTest::newRow("three cycles")
            << QByteArray("26-11-19\r\n26-10-21\r\n26-09-22\r\n26-08-25") << QString();
    }

    void fewCyclesAndNone()
    {
        QFETCH(QByteArray, daty);
        QFETCH(QString, line);
        open(daty);
        QCOMPARE(window->label(14)->isVisible(), !line.isEmpty());
        QCOMPARE(window->GroupBox1->isVisible(), line.isEmpty());
        if (!line.isEmpty()) {
            QCOMPARE(text(14), line);
            return;
        }
        QVERIFY(window->label(10)->isVisible());
        QCOMPARE(text(10),
            QStringLiteral("Ta ocena wymaga co najmniej 6 cykli; w obliczeniach jest ich 3."));
        QCOMPARE(text(8), QStringLiteral("Dni płodne: od 10. do 18. dnia cyklu")); // 28 and 29 days
    }

    void followsSavedAndDeletedEntriesAndNeverWrites()
    {
        open(workedExample);
        form->Calendar1->setDate(QDate(2026, 12, 8));
        form->Button3->click(); // saved: a new current cycle
        QCOMPARE(window->table()->rowCount(), 12);
        QCOMPARE(row(window, 0).mid(0, 2), QStringList({ "08.12.2026", "trwa, dzień 2" }));
        QCOMPARE(row(window, 1)[1], QStringLiteral("19"));

        dialogs->answerNext(true);
        form->Button4->click(); // and deleted again
        QCOMPARE(window->table()->rowCount(), 11);
        QCOMPARE(row(window, 0)[1], QStringLiteral("trwa, dzień 21"));

        // Hidden, it reads the entries again when shown.
        window->close();
        form->Calendar1->setDate(QDate(2026, 12, 1));
        form->Button3->click();
        form->Statystyka1->trigger();
        QCOMPARE(row(window, 0)[0], QStringLiteral("01.12.2026"));
        dialogs->answerNext(true);
        form->Button4->click();

        QVERIFY(fixture->program().finish());
        QCOMPARE(fixture->fileBytes(QStringLiteral("Daty.txt")), workedExample);
    }

    void openingWritesNothing()
    {
        open(workedExample);
        QVERIFY(!form->TextDataSet1->modified());
        QVERIFY(fixture->program().finish());
        QCOMPARE(fixture->fileBytes(QStringLiteral("Daty.txt")), workedExample);
    }

    void keyboard()
    {
        open(workedExample);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(QApplication::focusWidget(), window->StringGrid1);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->Button1);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->Button2);
        QVERIFY(window->Button2->isDefault());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    void printsOnePage()
    {
        ScriptedPrintService printing;
        printing.answerNext(false);
        printing.answerNextCopies(2, true, QPageLayout::Portrait);
        open(workedExample);
        window->Button1->click(); // cancelled
        QCOMPARE(printing.dialogsShown, 1);
        QVERIFY(printing.lastPdf().isEmpty());
        window->Button1->click();
        QVERIFY(printing.lastOptions & QAbstractPrintDialog::PrintToFile);
        QCOMPARE(pdfPageSizes(printing.lastPdf()), QList<QSize>(2, A4Portrait));
        QCOMPARE(dialogs->log, QStringList());
    }

    void thePrintedPage()
    {
        open(workedExample);
        QImage page(794, 1123, QImage::Format_RGB32); // A4 at 96 dots per inch
        page.fill(Qt::white);
        QPainter painter(&page);
        window->paintPage(painter, page.rect().adjusted(40, 40, -40, -40));
        painter.end();
        // The bars in their green, and text above and below them.
        int green = 0, lowestInk = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                green += pixel == QColor(192, 220, 192).rgb() ? 1 : 0;
                if (qGray(pixel) < 100)
                    lowestInk = y;
            }
        }
        QVERIFY(green > 2000);
        QVERIFY(lowestInk > 500);
        QVERIFY(lowestInk < 1083);
    }
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_StatisticsWindow.moc"
