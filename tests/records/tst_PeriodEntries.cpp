// Saving and deleting period entries from the main window, and the grid and
// memo that follow them.

#include "app/TForm1.h"
#include "data/TTextDataSet.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DataViews.h"
#include "ui/MonthCalendar.h"

#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

const QByteArray twoEntries = QByteArrayLiteral("07-03-15 15/36,6\r\n07-02-14\r\nMiravela 2.0\r\n");

QByteArrayList linesOf(const TTextDataSet *set)
{
    QByteArrayList lines;
    for (int i = 0; i < set->recordCount(); ++i)
        lines << set->fullTextAt(i);
    return lines;
}

// The memo's text as it stands on screen, one string per visual line.
QStringList visualLines(DBMemo *memo)
{
    QStringList lines;
    for (QTextBlock block = memo->document()->firstBlock(); block.isValid(); block = block.next()) {
        memo->document()->documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength()).trimmed();
        }
    }
    return lines;
}

} // namespace

class TestPeriodEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { applyProgramAppearance(); }

    void savingPutsTheDateOnTop_data()
    {
        QTest::addColumn<QByteArray>("daty");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("newest") << QByteArray("07-02-14\r\nMiravela 2.0\r\n") << 0
                                << QDate(2007, 3, 15)
                                << QByteArrayList { "07-03-15", "07-02-14", "Miravela 2.0" };
        QTest::newRow("older than all, sentinel selected")
            << twoEntries << 2 << QDate(1999, 12, 31)
            << QByteArrayList { "99-12-31", "07-03-15 15/36,6", "07-02-14", "Miravela 2.0" };
        QTest::newRow("same date twice") << QByteArray("07-02-14\r\n") << 0 << QDate(2007, 2, 14)
                                         << QByteArrayList { "07-02-14", "07-02-14" };
        QTest::newRow("no line at all")
            << QByteArray() << -1 << QDate(2008, 1, 5) << QByteArrayList { "08-01-05" };
    }

    void savingPutsTheDateOnTop()
    {
        QFETCH(QByteArray, daty);
        QFETCH(int, selectedRow);
        QFETCH(QDate, date);
        QFETCH(QByteArrayList, lines);
        ScriptedDialogs dialogs;
        ProgramFixture fixture(daty);
        TForm1 *form = fixture.forms().Form1;
        if (selectedRow >= 0)
            form->TextDataSet1->setRecNo(selectedRow + 1);
        form->Calendar1->setDate(date);
        form->Button3->click();

        QCOMPARE(linesOf(form->TextDataSet1), lines);
        QCOMPARE(form->TextDataSet1->currentIndex(), 0);
        QCOMPARE(form->DBGrid1->currentIndex().row(), 0);
        QCOMPARE(form->DBMemo1->toPlainText(), QString::fromLatin1(lines.first()));
        QCOMPARE(dialogs.log, QStringList()); // nothing asked, nothing told

        // The menu item does the same.
        form->Zapisz1->trigger();
        QCOMPARE(form->TextDataSet1->recordCount(), lines.size() + 1);
        QCOMPARE(form->TextDataSet1->fullTextAt(0), lines.first());
    }

    void deletingAsksFirst_data()
    {
        QTest::addColumn<QByteArray>("daty");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<int>("currentRow");
        QTest::addColumn<QStringList>("log");
        const QStringList asked { "beep", "question: Czy na pewno usunąć zaznaczony rekord ???" };
        QTest::newRow("sentinel: not a word")
            << twoEntries << 2 << true
            << QByteArrayList { "07-03-15 15/36,6", "07-02-14", "Miravela 2.0" } << 2
            << QStringList();
        QTest::newRow("No changes nothing")
            << twoEntries << 1 << false
            << QByteArrayList { "07-03-15 15/36,6", "07-02-14", "Miravela 2.0" } << 1 << asked;
        QTest::newRow("the line below takes the place")
            << twoEntries << 0 << true << QByteArrayList { "07-02-14", "Miravela 2.0" } << 0
            << asked;
        QTest::newRow("last entry: the sentinel is selected")
            << QByteArray("07-02-14\r\nMiravela 2.0\r\n") << 0 << true
            << QByteArrayList { "Miravela 2.0" } << 0 << asked;
        QTest::newRow("bottom line without sentinel: the new bottom line")
            << QByteArray("07-03-15\r\n07-02-14\r\n") << 1 << true << QByteArrayList { "07-03-15" }
            << 0 << asked;
        QTest::newRow("sentinel look-alike is an entry")
            << QByteArray("Miravela 2.0 \r\nmiravela 2.0\r\nMiravela 2.0\r\n") << 0 << true
            << QByteArrayList { "miravela 2.0", "Miravela 2.0" } << 0 << asked;
        QTest::newRow("no line at all: the record set says why")
            << QByteArray() << -1 << true << QByteArrayList() << -1
            << asked + QStringList { "error: Cannot perform this operation on an empty dataset" };
    }

    void deletingAsksFirst()
    {
        QFETCH(QByteArray, daty);
        QFETCH(int, selectedRow);
        QFETCH(bool, answer);
        QFETCH(QByteArrayList, lines);
        QFETCH(int, currentRow);
        QFETCH(QStringList, log);
        ScriptedDialogs dialogs;
        dialogs.answerNext(answer);
        ProgramFixture fixture(daty);
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        if (selectedRow >= 0)
            QTest::mouseClick(form->DBGrid1->viewport(), Qt::LeftButton, {},
                form->DBGrid1->visualRect(form->DBGrid1->model()->index(selectedRow, 0)).center());
        QCOMPARE(form->TextDataSet1->currentIndex(), selectedRow);

        form->Usu1->trigger();
        QCOMPARE(dialogs.log, log);
        QCOMPARE(linesOf(form->TextDataSet1), lines);
        QCOMPARE(form->TextDataSet1->currentIndex(), currentRow);
        QCOMPARE(form->DBGrid1->currentIndex().row(), currentRow);
        QCOMPARE(form->DBMemo1->toPlainText(),
            currentRow < 0 ? QString() : QString::fromLatin1(lines.at(currentRow)));
    }

    void gridIsOneWideReadOnlyColumn()
    {
        ProgramFixture fixture(twoEntries);
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        DBGrid *grid = form->DBGrid1;
        QVERIFY(grid->horizontalHeader()->isHidden()); // no title row
        QVERIFY(grid->verticalHeader()->isVisible());
        QVERIFY(grid->verticalHeader()->width() <= 12); // the narrow indicator column
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        const int wide = grid->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 240;
        QCOMPARE(grid->columnWidth(0), wide);
        QVERIFY(grid->horizontalScrollBar()->maximum() > 0); // it scrolls sideways

        // Sideways keys scroll; the sideways position stays as rows change.
        QTest::keyClick(grid, Qt::Key_Right);
        const int scrolled = grid->horizontalScrollBar()->value();
        QVERIFY(scrolled > 0);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(form->TextDataSet1->currentIndex(), 1);
        QCOMPARE(grid->verticalScrollBar()->value(), 0); // two whole rows fit the grid
        form->Button3->click();
        QCOMPARE(grid->horizontalScrollBar()->value(), scrolled);
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(grid->horizontalScrollBar()->value(), 0);

        // Dragging the column's right edge resizes it, and a save keeps the width.
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        const int edge = grid->columnViewportPosition(0) + wide;
        const int y = grid->visualRect(grid->model()->index(0, 0)).center().y();
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, { edge, y });
        QMouseEvent drag(QEvent::MouseMove, QPointF(edge - 40, y), grid->mapToGlobal(QPointF(0, 0)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &drag);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, { edge - 40, y });
        QCOMPARE(grid->columnWidth(0), wide - 40);
        QCOMPARE(form->TextDataSet1->currentIndex(), 0); // the drag picked no row
        form->Button3->click();
        QCOMPARE(grid->columnWidth(0), wide - 40);
    }

    void memoShowsTheDateAndEachReadingOnALineOfItsOwn()
    {
        ProgramFixture fixture(
            QByteArrayLiteral("07-03-28 28/37,4 29/36,6 30/36,7 01/37,0\r\nMiravela 2.0\r\n"));
        TForm1 *form = fixture.forms().Form1;
        fixture.program().start();
        DBMemo *memo = form->DBMemo1;
        QCOMPARE(memo->width(), 73);
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(visualLines(memo),
            QStringList({ "07-03-28", "28/37,4", "29/36,6", "30/36,7", "01/37,0" }));
    }
};

QTEST_MAIN(TestPeriodEntries)
#include "tst_PeriodEntries.moc"
