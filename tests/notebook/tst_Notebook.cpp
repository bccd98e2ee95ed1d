#include "app/TForm1.h"
#include "data/BackupCopy.h"
#include "notebook/DateEdit.h"
#include "notebook/RtfReader.h"
#include "notebook/TFormN.h"
#include "support/FileSizeLimit.h"
#include "support/PdfPages.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "ui/DateDialog.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

namespace {

const QDate startDay(2027, 3, 7);

const QByteArray emptyPadFile
    = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "
      "MS Sans Serif;}}\r\n\\viewkind4\\uc1\r\n\\pard\\f0\\fs16\\par\r\n}"
      "\r\n";

// A folder with the three pad files as the current directory; the window is
// made (start-up) and destroyed (program end) by the test.
class PadFolder {
public:
    PadFolder()
        : m_previous(QDir::currentPath())
    {
        applyProgramAppearance();
        QDir::setCurrent(m_dir.path());
        for (const char *pad : { "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" })
            write(QString::fromLatin1(pad), {}); // empty pads unless a test says otherwise
    }
    ~PadFolder()
    {
        end(); // the program's end saves into this folder, not the one the test came from
        QDir::setCurrent(m_previous);
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }
    QByteArray read(const QString &name) const
    {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    std::unique_ptr<TFormN> form;
    void start() { form = std::make_unique<TFormN>(); }
    void end() { form.reset(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

QStringList paragraphs(QTextEdit *editor)
{
    QStringList list;
    for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next())
        list << block.text();
    return list;
}

QTextCharFormat formatAt(QTextEdit *editor, int block)
{
    return editor->document()->findBlockByNumber(block).begin().fragment().charFormat();
}

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(MIRAVELA_SOURCE_DIR "/tests/notebook/fixtures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no fixture %s", qPrintable(name));
    return file.readAll();
}

QStringList folderEntries(const QString &folder = QStringLiteral("."))
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll())
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

class TestNotebook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowLayout()
    {
        PinnedClock clock(startDay);
        ScriptedDialogs dialogs;
        PadFolder folder;
        folder.start();
        TFormN &form = *folder.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Notatnik"));
        QCOMPARE(form.size(), QSize(459, 302));
        QCOMPARE(form.PageControl1->geometry(), QRect(0, 0, 459, 302));
        QCOMPARE(form.PageControl1->currentIndex(), 0);

        const QColor colours[] = { { 192, 220, 192 }, { 240, 202, 166 }, { 255, 0, 255 } };
        for (int i = 0; i < 3; ++i) {
            const QString n = QString::number(i + 1);
            form.PageControl1->setCurrentIndex(i);
            QWidget *page = form.PageControl1->widget(i);
            QCOMPARE(form.PageControl1->tabText(i), "Notatka (" + n + ")");
            QCOMPARE(page->findChild<QTextEdit *>("RichEdit" + n)->accessibleName(),
                form.PageControl1->tabText(i));
            auto *strip = page->findChild<QWidget *>("Panel" + n);
            QCOMPARE(strip->geometry(), QRect(0, 0, page->width(), 57));
            QCOMPARE(strip->palette().color(QPalette::Window), colours[i]);
            QCOMPARE(strip->findChild<QWidget *>("Bevel" + n)->geometry(), QRect(16, 8, 417, 41));
            auto *date = strip->findChild<DateEdit *>("DateEdit" + n);
            QCOMPARE(date->geometry(), QRect(32, 16, 89, 21));
            QCOMPARE(date->text(), QStringLiteral("  .  .    ")); // only the separators
            auto *clear = strip->findChild<QPushButton *>("Button" + n);
            auto *print = strip->findChild<QPushButton *>("Button" + QString::number(i + 4));
            QCOMPARE(clear->text(), QStringLiteral("Wyczyść"));
            QCOMPARE(clear->geometry(), QRect(264, 16, 75, 25));
            QCOMPARE(print->text(), QStringLiteral("Drukuj"));
            QCOMPARE(print->geometry(), QRect(344, 16, 75, 25));
            auto *bar = page->findChild<StatusBar *>("StatusBar" + n);
            QCOMPARE(bar->geometry(), QRect(0, page->height() - 19, page->width(), 19));
            QCOMPARE(bar->panelRect(0).width(), 70);
            QCOMPARE(bar->panelRect(1).width(), 50);
            QCOMPARE(bar->panelText(0), QStringLiteral("7.03.2027"));
            auto *editor = page->findChild<QTextEdit *>("RichEdit" + n);
            QCOMPARE(editor->geometry(), QRect(0, 57, page->width(), page->height() - 57 - 19));
            QCOMPARE(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

            // Hints go to this tab's bar only; the strip's free area clears them.
            hover(&form, date->mapTo(&form, QPoint(5, 5)));
            QCOMPARE(bar->panelText(1), QStringLiteral("Wybraną datę dopisuje do notatnika."));
            hover(&form, clear->mapTo(&form, QPoint(5, 5)));
            QCOMPARE(
                bar->panelText(1), QStringLiteral("Bezpowrotnie usuwa całą zawartość notatnika."));
            hover(&form, editor->mapTo(&form, QPoint(30, 30)));
            QCOMPARE(
                bar->panelText(1), QStringLiteral("Bezpowrotnie usuwa całą zawartość notatnika."));
            hover(&form, print->mapTo(&form, QPoint(5, 5)));
            QCOMPARE(bar->panelText(1), QStringLiteral("Drukuje zawartość notatnika."));
            hover(&form, strip->mapTo(&form, QPoint(200, 20))); // inside the bevel
            QCOMPARE(bar->panelText(1), QStringLiteral("Drukuje zawartość notatnika."));
            for (auto *other : form.findChildren<StatusBar *>())
                if (other != bar)
                    QCOMPARE(other->panelText(1), QString());
            hover(&form, strip->mapTo(&form, QPoint(5, 5)));
            QCOMPARE(bar->panelText(1), QString());
        }
        clock.setToday(startDay.addDays(1)); // past midnight: the start date stays
        QCOMPARE(form.StatusBar3->panelText(0), QStringLiteral("7.03.2027"));
        QVERIFY(dialogs.log.isEmpty());
    }

    void dateEditFollowsTheSystemOrder_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("format");
        QTest::newRow("Polish") << "d.MM.yyyy"
                                << "dd.MM.yyyy";
        QTest::newRow("US") << "M/d/yy"
                            << "MM/dd/yy";
        QTest::newRow("ISO") << "yyyy-MM-dd"
                             << "yyyy-MM-dd";
        QTest::newRow("two-digit year") << "dd.MM.yy"
                                        << "dd.MM.yy";
        QTest::newRow("no separator") << "dMyy"
                                      << "dd.MM.yy";
    }

    void dateEditFollowsTheSystemOrder()
    {
        QFETCH(QString, system);
        QFETCH(QString, format);
        QCOMPARE(DateEdit::displayFormat(system), format);
    }

    void theRealCalendarDialogIsCalledData()
    {
        applyProgramAppearance();
        QString title;
        QTimer::singleShot(0, [&title] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            title = dialog->windowTitle();
            dialog->findChild<QCalendarWidget *>()->setSelectedDate(QDate(2007, 3, 16));
            static_cast<QDialog *>(dialog)->accept();
        });
        QCOMPARE(DateDialog::instance().pick(nullptr, QDate(2007, 3, 15)), QDate(2007, 3, 16));
        QCOMPARE(title, QStringLiteral("Data"));
    }

    void padsLoadAndSaveTheirOwnFiles()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        const QByteArray first = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 jeden {\\b gruby}\\par}";
        folder.write("Notatki1.txt", first);
        folder.write("Notatki2.txt", "dwa \xbf\xf3\xb3w\r\nzwyk\xb3y tekst\r\n"); // plain, 1250
        QFile::remove("Notatki3.txt"); // missing: reported, an empty pad
        folder.start();
        QCOMPARE(paragraphs(folder.form->RichEdit1), QStringList({ "jeden gruby" }));
        QCOMPARE(formatAt(folder.form->RichEdit1, 0).fontFamilies().toStringList(),
            QStringList({ "Arial" }));
        QCOMPARE(
            paragraphs(folder.form->RichEdit2), QStringList({ "dwa żółw", "zwykły tekst", "" }));
        QCOMPARE(paragraphs(folder.form->RichEdit3), QStringList({ "" }));
        folder.form->RichEdit2->append(QStringLiteral("dopisane"));
        folder.form->RichEdit3->append(QStringLiteral("trzecia"));
        QVERIFY(!QFileInfo::exists("Notatki3.txt")); // nothing saved before the end
        const mode_t umask = ::umask(022);
        folder.end();
        ::umask(umask);

        QCOMPARE(dialogs.log, QStringList({ "error: Cannot open file Notatki3.txt" }));
        QCOMPARE(folder.read("Notatki1.txt"), first); // not written in: not written
        const QByteArray second = folder.read("Notatki2.txt");
        QVERIFY(second.startsWith("{\\rtf1"));
        QVERIFY(second.contains("dwa \\'bf\\'f3\\'b3w}\\par"));
        QVERIFY(second.contains("dopisane"));
        QVERIFY(folder.read("Notatki3.txt").contains("trzecia"));
        QCOMPARE(QFileInfo("Notatki3.txt").permissions(),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                | QFileDevice::WriteUser); // a pad's new file is hers alone
    }

    // A pad she did not write in is never written, however the window was
    // used: the parts of its file that the pad does not show (a header, a
    // footnote, a picture) stay, and a missing file stays missing.
    void aPadSheDidNotWriteInIsNeverWritten()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        const QByteArray note
            = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 "
              "MS Sans Serif;}}\r\n{\\header Nag\\'b3\\'f3wek: dr Kowalska\\par}\r\n"
              "\\pard\\f0\\fs16 Lek{\\footnote Przypis: 2 razy dziennie}"
              "{\\pict\\pngblip\\picw1\\pich1 89504e470d0a1a0a}\\par\r\n}\r\n";
        folder.write("Notatki1.txt", note);
        QVERIFY(QFile::remove("Notatki2.txt"));
        folder.start();
        QCOMPARE(folder.form->RichEdit1->toPlainText(), QStringLiteral("Lek"));
        folder.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(folder.form.get()));
        for (int tab : { 1, 2, 0 })
            folder.form->PageControl1->setCurrentIndex(tab);
        QTest::mouseClick(folder.form->Button1, Qt::LeftButton); // "Wyczyść", answered No
        folder.end();
        QCOMPARE(folder.read("Notatki1.txt"), note);
        QCOMPARE(folderEntries(), QStringList({ "Notatki1.txt", "Notatki3.txt" }));
    }

    void aDateBecomesANewLastParagraph()
    {
        ScriptedDialogs dialogs;
        ScriptedDateDialog calendar;
        PinnedClock clock(startDay);
        PadFolder folder;
        const QString longLine = QString(60, u'x').replace(u'x', QStringLiteral("słowo "));
        folder.write("Notatki1.txt",
            "{\\rtf1{\\b pierwszy}\\par\\qc " + QByteArray("s\\'b3owo ").repeated(60) + "\\par}");
        folder.start();
        TFormN &form = *folder.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        calendar.answerNext(QDate(2007, 3, 15));
        QTest::mouseClick(form.DateEdit1->button(), Qt::LeftButton);
        QCOMPARE(calendar.opened, QList<QDate>({ startDay })); // an empty edit starts today
        QCOMPARE(form.DateEdit1->text(), QStringLiteral("15.03.2007"));
        calendar.answerNext(QDate(2007, 3, 16));
        form.DateEdit1->openCalendar();
        calendar.answerNext(QDate(2007, 3, 16)); // the day shown: nothing more
        form.DateEdit1->openCalendar();
        form.DateEdit1->openCalendar(); // cancelled
        QCOMPARE(calendar.opened.mid(1),
            QList<QDate>({ QDate(2007, 3, 15), QDate(2007, 3, 16), QDate(2007, 3, 16) }));

        // The wrapped paragraph stays whole and every paragraph keeps its looks.
        QCOMPARE(paragraphs(form.RichEdit1),
            QStringList({ "pierwszy", longLine, "15.03.2007", "16.03.2007" }));
        QCOMPARE(formatAt(form.RichEdit1, 0).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(form.RichEdit1, 1).fontWeight(), int(QFont::Normal));
        QCOMPARE(form.RichEdit1->document()->findBlockByNumber(1).blockFormat().alignment(),
            Qt::AlignHCenter);

        // An empty pad holds the date alone; the other pads are left alone.
        calendar.answerNext(QDate(2007, 3, 15));
        form.DateEdit2->openCalendar();
        QCOMPARE(paragraphs(form.RichEdit2), QStringList({ "15.03.2007" }));
        QCOMPARE(paragraphs(form.RichEdit3), QStringList({ "" }));
        QCOMPARE(form.DateEdit3->text(), QStringLiteral("  .  .    "));
        QVERIFY(dialogs.log.isEmpty());
    }

    void aTypedDateIsAppendedOnceWhenComplete()
    {
        ScriptedDialogs dialogs;
        PinnedClock clock(startDay);
        PadFolder folder;
        folder.write("Notatki3.txt", "linia");
        folder.start();
        QLineEdit *line = folder.form->DateEdit3->lineEdit();
        line->setFocus();
        line->home(false);
        QTest::keyClicks(line, "1503200");
        QCOMPARE(paragraphs(folder.form->RichEdit3), QStringList({ "linia" }));
        QTest::keyClicks(line, "7");
        QCOMPARE(paragraphs(folder.form->RichEdit3), QStringList({ "linia", "15.03.2007" }));
        line->home(false);
        QTest::keyClicks(line, "3"); // 35.03.2007 is no date
        QCOMPARE(paragraphs(folder.form->RichEdit3), QStringList({ "linia", "15.03.2007" }));
        QTest::keyClicks(line, "1"); // 31.03.2007 is
        QCOMPARE(paragraphs(folder.form->RichEdit3),
            QStringList({ "linia", "15.03.2007", "31.03.2007" }));
    }

    void clearingAsksFirstAndTheFileChangesOnlyAtTheEnd()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        const QByteArray original = "{\\rtf1 tekst\\par}";
        folder.write("Notatki2.txt", original);
        folder.start();
        QTest::mouseClick(folder.form->Button2, Qt::LeftButton); // answered No
        QCOMPARE(paragraphs(folder.form->RichEdit2), QStringList({ "tekst" }));
        const QString question
            = QStringLiteral("question: Czy na pewno usunąć zawartość tej strony Notatnika ???");
        QCOMPARE(dialogs.log, QStringList({ "beep", question }));
        dialogs.answerNext(true);
        QTest::mouseClick(folder.form->Button2, Qt::LeftButton);
        QVERIFY(folder.form->RichEdit2->document()->isEmpty());
        QCOMPARE(folder.read("Notatki2.txt"), original);
        folder.end();
        QCOMPARE(folder.read("Notatki2.txt"), emptyPadFile);
    }

    void anUnreadablePadIsReportedAndKeptUnlessWrittenIn()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        folder.write("Notatki1.txt", "jeden");
        QVERIFY(QFile::remove("Notatki2.txt") && QFile::remove("Notatki3.txt"));
        QCOMPARE(::mkfifo("Notatki2.txt", 0600), 0); // reading it would wait forever
        QVERIFY(QDir().mkdir("Notatki3.txt"));
        folder.start();
        QCOMPARE(dialogs.log,
            QStringList({ "error: Cannot open file Notatki2.txt",
                "error: Cannot open file Notatki3.txt" }));
        QCOMPARE(paragraphs(folder.form->RichEdit1), QStringList({ "jeden" }));
        folder.form->show(); // showing and looking are no writing
        QVERIFY(QTest::qWaitForWindowExposed(folder.form.get()));
        folder.form->PageControl1->setCurrentIndex(1);
        folder.form->RichEdit3->setPlainText(QStringLiteral("nowe")); // the user writes in pad 3
        dialogs.log.clear();
        folder.end();
        QVERIFY(!QFileInfo("Notatki2.txt").isFile()); // still the pipe, never overwritten
        QCOMPARE(dialogs.log,
            QStringList({ "error: Cannot create file Notatki3.txt: " + reason(EISDIR) }));
        QCOMPARE(folder.read("Notatki1.txt"), QByteArray("jeden")); // not written in
    }

    // A note of forty paragraphs, damaged in three ways.
    void aDamagedPadIsShownWholeAndKeptUnlessWrittenIn_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("a stray closing brace") << "damaged-stray-brace.rtf";
        QTest::newRow("a group open at the end") << "damaged-open-group.rtf";
        QTest::newRow("junk between groups") << "damaged-junk.rtf";
    }

    void aDamagedPadIsShownWholeAndKeptUnlessWrittenIn()
    {
        PinnedClock clock(startDay);
        clock.setNow(QDateTime(startDay, QTime(10, 15, 0)));
        ScriptedDialogs dialogs;
        PadFolder folder;
        QFETCH(QString, file);
        const QByteArray damaged = fixture(file);
        for (const char *name : { "Notatki1.txt", "Notatki2.txt" })
            folder.write(QString::fromLatin1(name), damaged);
        folder.write("Notatki3.txt", emptyPadFile);
        folder.start();
        QTextDocument sound; // the note before the damage: every paragraph of it is shown
        QVERIFY(RtfReader::read(fixture("sound-note.rtf"), sound));
        const QString shown = folder.form->RichEdit1->toPlainText();
        for (const QString &paragraph : sound.toPlainText().split(u'\n'))
            QVERIFY2(shown.contains(paragraph), qPrintable(paragraph));
        folder.form->RichEdit2->append(QStringLiteral("Dopisane")); // the user writes in pad 2
        folder.end();
        QVERIFY(dialogs.log.isEmpty());
        QCOMPARE(folder.read("Notatki1.txt"), damaged); // untouched: never written back
        const QByteArray written = folder.read("Notatki2.txt");
        QVERIFY(written.contains("Dzie\\'f1 40: pomiar") && written.contains("Dopisane"));
        // The damaged file it replaced is kept.
        QCOMPARE(folderEntries("kopie"),
            QStringList({ ".Notatki2.txt.kolejnosc", "Notatki2-2027-03-07-101500.txt" }));
        QCOMPARE(folder.read("kopie/Notatki2-2027-03-07-101500.txt"), damaged);
    }

    void aPadOnAFullDiskKeepsItsFileAndSaysSo()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        const QByteArray old = "{\\rtf1 stara notatka\\par}";
        folder.write("Notatki2.txt", old);
        for (const char *name : { "Notatki1.txt", "Notatki3.txt" })
            folder.write(QString::fromLatin1(name), emptyPadFile); // not written in: not written
        folder.start();
        folder.form->RichEdit2->append(QStringLiteral("nowa linia"));
        FileSizeLimit full(16);
        folder.end();
        full.lift();
        QCOMPARE(dialogs.log,
            QStringList({ "error: Cannot create file Notatki2.txt: " + reason(EFBIG) }));
        QCOMPARE(folder.read("Notatki2.txt"), old);
        QCOMPARE(folder.read("Notatki1.txt"), emptyPadFile);
        QCOMPARE(folderEntries(), QStringList({ "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" }));
    }

    void anOversizedPadFileIsNeitherReadNorOverwritten()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        QFile huge("Notatki2.txt"); // sparse: it takes no room on the disk
        QVERIFY(huge.resize(qint64(1) << 32));
        folder.start();
        QCOMPARE(dialogs.log, QStringList({ "error: Cannot open file Notatki2.txt" }));
        folder.end();
        QCOMPARE(QFileInfo("Notatki2.txt").size(), qint64(1) << 32);
    }

    void aPadThatCannotBeWrittenLeavesTheOthersSaved()
    {
        ScriptedDialogs dialogs;
        PadFolder folder;
        for (const char *name : { "Notatki1.txt", "Notatki2.txt", "Notatki3.txt" })
            folder.write(name, name);
        folder.start();
        for (QTextEdit *pad :
            { folder.form->RichEdit1, folder.form->RichEdit2, folder.form->RichEdit3 })
            pad->append(QStringLiteral("dopisane"));
        QVERIFY(QFile::remove("Notatki1.txt"));
        QVERIFY(QDir().mkpath("Notatki1.txt/blocker"));
        folder.end();
        QCOMPARE(dialogs.log,
            QStringList({ "error: Cannot create file Notatki1.txt: " + reason(EISDIR) }));
        QVERIFY(folder.read("Notatki2.txt").contains("Notatki2.txt}\\par"));
        QVERIFY(folder.read("Notatki3.txt").contains("Notatki3.txt}\\par"));
    }

    void aPadThatCannotBeWrittenAtTheEndAsksAndKeepsItsTextAsACopy()
    {
        PinnedClock clock(startDay);
        clock.setNow(QDateTime(startDay, QTime(10, 15, 0)));
        ScriptedDialogs dialogs;
        PadFolder folder;
        const QByteArray old = "{\\rtf1 stara notatka\\par}";
        for (const char *name : { "Notatki1.txt", "Notatki2.txt" })
            folder.write(QString::fromLatin1(name), old);
        QVERIFY(QFile::setPermissions("Notatki1.txt", QFile::ReadOwner));
        QVERIFY(QFile::setPermissions("Notatki2.txt", QFile::ReadOwner));
        folder.start();
        folder.form->RichEdit1->append(QStringLiteral("Lek 2 razy dziennie"));
        folder.form->RichEdit2->append(QStringLiteral("Pomiar rano"));
        // Pad 1: she makes the file writable and retries. Pad 2: she gives up.
        dialogs.answerNext(true);
        dialogs.onRetry = [made = false]() mutable {
            if (!std::exchange(made, true))
                QFile::setPermissions("Notatki1.txt", QFile::ReadOwner | QFile::WriteOwner);
        };
        QVERIFY(!folder.form->closePads());
        QCOMPARE(dialogs.log.size(), 2);
        QVERIFY(dialogs.log[0].startsWith(
            "retry: Cannot create file Notatki1.txt: " + reason(EACCES) + "\n\nTekst wpisany"));
        QVERIFY(dialogs.log[1].startsWith("retry: Cannot create file Notatki2.txt"));
        QVERIFY(folder.read("Notatki1.txt").contains("Lek 2 razy dziennie"));
        QCOMPARE(folder.read("Notatki2.txt"), old);
        // What she wrote in pad 2 is the newest copy of its file, to bring back.
        QCOMPARE(BackupCopy::listNewestFirst("Notatki2.txt", "kopie"),
            QStringList({ "./kopie/Notatki2-2027-03-07-101500.txt" }));
        QTextDocument kept;
        QVERIFY(RtfReader::read(folder.read("kopie/Notatki2-2027-03-07-101500.txt"), kept));
        QVERIFY(kept.toPlainText().contains("Pomiar rano"));
        QVERIFY(!folderEntries("kopie").join(' ').contains("niezapisane"));
        folder.end(); // nothing more is written or asked
        QCOMPARE(dialogs.log.size(), 2);
    }

    void printingLaysTheWholePadOverPages()
    {
        ScriptedDialogs dialogs;
        ScriptedPrintService printing;
        PadFolder folder;
        QByteArray longPad = "{\\rtf1\\fs24 ";
        for (int i = 0; i < 150; ++i)
            longPad += "akapit " + QByteArray::number(i) + "\\par ";
        folder.write("Notatki3.txt", longPad + "}");
        folder.start();
        QTest::mouseClick(folder.form->Button6, Qt::LeftButton); // cancelled
        QCOMPARE(printing.dialogsShown, 1);
        QVERIFY(printing.lastPdf().isEmpty());

        printing.answerNext(true, 150);
        QTest::mouseClick(folder.form->Button6, Qt::LeftButton);
        QCOMPARE(folder.form->PrintDialog1->printer().docName(), QStringLiteral("Notatki3.txt"));
        // 150 lines of 12 points are 25 inches: three A4 pages at least.
        const int pages = pdfPages(printing.lastPdf());
        QVERIFY2(pages >= 3 && pages <= 4, qPrintable(QString::number(pages)));

        // On its side the pad takes more pages, and a PDF file gets each copy.
        printing.answerNextCopies(1, true, QPageLayout::Landscape);
        QTest::mouseClick(folder.form->Button6, Qt::LeftButton);
        const qsizetype sidewaysPages = pdfPageSizes(printing.lastPdf()).size();
        QVERIFY(sidewaysPages > pages);
        printing.answerNextCopies(2, false, QPageLayout::Landscape);
        QTest::mouseClick(folder.form->Button6, Qt::LeftButton);
        QCOMPARE(pdfPageSizes(printing.lastPdf()), QList<QSize>(2 * sidewaysPages, A4Landscape));

        printing.answerNext(true, 150);
        QTest::mouseClick(folder.form->Button4, Qt::LeftButton); // the empty pad 1: one page
        QCOMPARE(folder.form->PrintDialog1->printer().docName(), QStringLiteral("Notatki1.txt"));
        QCOMPARE(pdfPages(printing.lastPdf()), 1);
        QVERIFY(dialogs.log.isEmpty());
    }

    void theMainWindowOpensTheNotebook()
    {
        ScriptedDialogs dialogs;
        ProgramFixture fixture;
        QWidget *notebook = fixture.forms().FormN;
        QVERIFY(!notebook->isVisible());
        QTest::mouseClick(fixture.forms().Form1->Button6, Qt::LeftButton);
        QVERIFY(notebook->isVisible());
        notebook->close();
        QVERIFY(!notebook->isVisible());
        fixture.forms().Form1->Notatnik1->trigger();
        QVERIFY(notebook->isVisible());
        QVERIFY(dialogs.log.isEmpty());
    }
};

QTEST_MAIN(TestNotebook)
#include "tst_Notebook.moc"
