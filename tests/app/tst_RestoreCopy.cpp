// "Przywróć kopię": bringing back a copy of Daty.txt or of a note pad through
// the window's own code, and what stays as it was when that cannot be done.

#include "app/TForm1.h"
#include "app/TFormK.h"
#include "data/TTextDataSet.h"
#include "notebook/TFormN.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DataViews.h"
#include "ui/MonthCalendar.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <sys/stat.h>

namespace {

const QByteArray twoEntries = "07-03-15 15/36,6\r\n07-02-14\r\nMiravela 2.0\r\n";
const QByteArray oneEntry = "07-02-14 14/36,8\r\nMiravela 2.0\r\n";
const QByteArray padCopy
    = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 MS "
      "Sans Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 Pomiar rano\\par\r\n}\r\n";
const QDateTime restoredAt(QDate(2027, 3, 7), QTime(10, 0));

// Each row of the list as its three columns.
QStringList rows(TFormK *form)
{
    QStringList texts;
    for (int i = 0; i < form->ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = form->ListView1->topLevelItem(i);
        texts << item->text(0) + " | " + item->text(1) + " | " + item->text(2);
    }
    return texts;
}

// Opens the window from the menu "Dane" and selects row `row`.
TFormK *openOn(const ProgramFixture &fixture, int row = 0)
{
    fixture.forms().Form1->Przywroc1->trigger();
    TFormK *form = fixture.forms().FormK;
    form->ListView1->setCurrentItem(form->ListView1->topLevelItem(row));
    return form;
}

} // namespace

class TestRestoreCopy : public QObject {
    Q_OBJECT

    std::unique_ptr<PinnedClock> m_clock;

private Q_SLOTS:
    void init()
    {
        m_clock = std::make_unique<PinnedClock>(restoredAt.date());
        m_clock->setNow(restoredAt);
    }
    void cleanup() { m_clock.reset(); }

    void saysWhenThereIsNoCopyAndClosesOnEscape()
    {
        ProgramFixture fixture;
        TFormK *form = openOn(fixture);
        QVERIFY(form->isVisible());
        QCOMPARE(form->objectName(), QStringLiteral("FormK"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Przywróć kopię"));
        QVERIFY(!form->isModal());
        QVERIFY(form->Label3->isVisible());
        QVERIFY(
            form->Label3->text().startsWith(QStringLiteral("Nie ma jeszcze kopii zapasowych.")));
        QVERIFY(!form->Button1->isEnabled());
        QTest::keyClick(form->ListView1, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
    }

    void restoresDatyAndTheEntriesShowIt()
    {
        ScriptedDialogs dialogs;
        ProgramFixture fixture(twoEntries);
        QVERIFY(QDir().mkdir("kopie"));
        writeFileBytes("kopie/Daty-2027-03-01-101500.txt", oneEntry);
        writeFileBytes("kopie/Notatki1-2027-03-02-090000.txt", padCopy);
        TFormK *form = openOn(fixture, 1);
        QCOMPARE(rows(form),
            QStringList({ "Notatki1.txt | 02.03.2027 09:00:00 | 126 B: Pomiar rano",
                "Daty.txt | 01.03.2027 10:15:00 | wpisy: 1, najnowszy: 07-02-14" }));
        QCOMPARE(form->RichEdit1->toPlainText(), QStringLiteral("07-02-14 14/36,8\nMiravela 2.0"));
        QVERIFY(form->RichEdit1->isReadOnly());

        // Enter in the list is "Przywróć".
        dialogs.answerNext(true);
        QTest::keyClick(form->ListView1, Qt::Key_Return);
        QCOMPARE(dialogs.log,
            QStringList({ "beep",
                "question: Przywrócić plik Daty.txt z kopii zapasowej z 01.03.2027 10:15:00?\n\n"
                "Obecna zawartość pliku zostanie zachowana jako kopia zapasowa, więc przywrócenie "
                "można cofnąć, przywracając tamtą kopię.",
                "notice: Przywrócono plik Daty.txt z kopii zapasowej z 01.03.2027 10:15:00." }));
        QCOMPARE(fixture.fileBytes("Daty.txt"), oneEntry);
        QCOMPARE(readFileBytes("kopie/Daty-2027-03-07-100000.txt"), twoEntries);

        TTextDataSet *entries = fixture.forms().Form1->TextDataSet1;
        QCOMPARE(entries->recordCount(), 2);
        QCOMPARE(entries->line(), QByteArray("07-02-14 14/36,8"));
        QVERIFY(!entries->modified());
        QCOMPARE(fixture.forms().Form1->DBGrid1->model()->rowCount(), 2);
        QCOMPARE(fixture.forms().Form1->DBMemo1->toPlainText(), QStringLiteral("07-02-14 14/36,8"));

        // The replaced version is the newest copy now, and the restored one stays selected.
        QCOMPARE(rows(form).first(),
            QStringLiteral("Daty.txt | 07.03.2027 10:00:00 | wpisy: 2, najnowszy: 07-03-15"));
        QCOMPARE(form->ListView1->currentItem()->text(1), QStringLiteral("01.03.2027 10:15:00"));
    }

    void unsavedEntriesAreKeptAsACopyFirst()
    {
        ScriptedDialogs dialogs;
        ProgramFixture fixture(twoEntries);
        QVERIFY(QDir().mkdir("kopie"));
        writeFileBytes("kopie/Daty-2027-03-01-101500.txt", oneEntry);
        TForm1 *main = fixture.forms().Form1;
        main->Calendar1->setDate(QDate(2007, 4, 12));
        main->Button3->click(); // "Zapisz": an entry not yet written

        TFormK *form = openOn(fixture);
        dialogs.answerNext(true);
        form->Button1->click();
        QVERIFY(dialogs.log.at(1).contains(QStringLiteral(
            "Niezapisane zmiany w tym pliku zostaną zastąpione zawartością kopii.")));
        QCOMPARE(fixture.fileBytes("Daty.txt"), oneEntry);
        QCOMPARE(readFileBytes("kopie/Daty-2027-03-07-100000.txt"), twoEntries);
        QCOMPARE(readFileBytes("kopie/Daty-2027-03-07-100000-2.txt"), "07-04-12\r\n" + twoEntries);
        QCOMPARE(main->TextDataSet1->recordCount(), 2);
        QVERIFY(main->closeDataSet());
        QCOMPARE(fixture.fileBytes("Daty.txt"), oneEntry); // nothing left to write at the end
    }

    void restoresAPadWhichThenCountsAsUntouched()
    {
        ScriptedDialogs dialogs;
        ProgramFixture fixture;
        QVERIFY(QDir().mkdir("kopie"));
        writeFileBytes("kopie/Notatki2-2027-03-02-090000.txt", padCopy);
        TFormN *pads = fixture.forms().FormN;
        pads->RichEdit2->setPlainText(QStringLiteral("Niezapisana notatka"));
        const QByteArray emptyPad = fixture.fileBytes("Notatki2.txt");

        TFormK *form = openOn(fixture);
        QCOMPARE(form->RichEdit1->toPlainText(), QStringLiteral("Pomiar rano"));
        dialogs.answerNext(true);
        form->Button1->click();
        QVERIFY(dialogs.log.at(1).contains(QStringLiteral("Niezapisane zmiany")));
        QCOMPARE(fixture.fileBytes("Notatki2.txt"), padCopy);
        QCOMPARE(pads->RichEdit2->toPlainText(), QStringLiteral("Pomiar rano"));
        QCOMPARE(readFileBytes("kopie/Notatki2-2027-03-07-100000.txt"), emptyPad);
        QVERIFY(readFileBytes("kopie/Notatki2-2027-03-07-100000-2.txt")
                    .contains("Niezapisana notatka"));
        QVERIFY(!pads->padWritten(QStringLiteral("Notatki2.txt")));

        pads->FormDestroy(); // the program's end writes no pad she did not write in
        QCOMPARE(fixture.fileBytes("Notatki2.txt"), padCopy);
        QVERIFY(!QFile::exists("kopie/Notatki2-2027-03-07-100000-3.txt"));
    }

    void aCopyThatCannotBeReadIsListedWithItsReasonAndRefused()
    {
        ScriptedDialogs dialogs;
        ProgramFixture fixture(twoEntries);
        QVERIFY(QDir().mkdir("kopie"));
        writeFileBytes(
            "kopie/Daty-2027-03-02-101500.txt", QByteArray("07-03-15 15/36,6\r\n\0\0\0\0", 22));
        QVERIFY(QDir().mkdir("kopie/Daty-2027-03-01-101500.txt"));
        TFormK *form = openOn(fixture);
        QCOMPARE(rows(form),
            QStringList({ "Daty.txt | 02.03.2027 10:15:00 | nie do przywrócenia: plik zawiera "
                          "bajty zerowe, jest uszkodzony",
                "Daty.txt | 01.03.2027 10:15:00 | nie do przywrócenia: w miejscu kopii jest "
                "folder" }));
        for (int row : { 0, 1 }) {
            form->ListView1->setCurrentItem(form->ListView1->topLevelItem(row));
            QVERIFY(!form->Button1->isEnabled());
            QVERIFY(form->RichEdit1->toPlainText().startsWith(
                QStringLiteral("Tej kopii nie można przywrócić: ")));
            QTest::keyClick(form->ListView1, Qt::Key_Return);
            form->Button1Click();
        }
        QCOMPARE(dialogs.log, QStringList());
        QCOMPARE(fixture.fileBytes("Daty.txt"), twoEntries);
    }

    void aFailedRestoreLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("read-only file") << false;
        QTest::newRow("disk full") << true;
    }

    void aFailedRestoreLeavesTheFileAsItWas()
    {
        QFETCH(bool, diskFull);
        ScriptedDialogs dialogs;
        ProgramFixture fixture(oneEntry);
        QVERIFY(QDir().mkdir("kopie"));
        writeFileBytes("kopie/Daty-2027-03-01-101500.txt", twoEntries);
        TFormK *form = openOn(fixture);
        dialogs.answerNext(true);
        if (diskFull) {
            FileSizeLimit limit(oneEntry.size() + 4);
            form->Button1->click();
        } else {
            QCOMPARE(::chmod("Daty.txt", 0444), 0);
            form->Button1->click();
        }
        QCOMPARE(dialogs.log.size(), 3);
        QVERIFY2(dialogs.log.last().startsWith(
                     QStringLiteral("error: Nie przywrócono pliku Daty.txt: ")),
            qPrintable(dialogs.log.last()));
        QCOMPARE(fixture.fileBytes("Daty.txt"), oneEntry);
        QCOMPARE(fixture.forms().Form1->TextDataSet1->recordCount(), 2);
        QCOMPARE(
            QDir("kopie").entryList(QDir::Files), QStringList({ "Daty-2027-03-01-101500.txt" }));
    }
};

QTEST_MAIN(TestRestoreCopy)
#include "tst_RestoreCopy.moc"
