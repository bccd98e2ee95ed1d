#include "app/TForm1.h"
#include "support/ProgramFixture.h"
#include "ui/StatusBar.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

class TestInfoWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFixture> m_program;

    QWidget *window(const QString &name) const
    {
        const Forms &forms = m_program->forms();
        return name == QLatin1String("Form3") ? forms.Form3
            : name == QLatin1String("FormL")  ? forms.FormL
                                              : forms.FormA;
    }
    QPlainTextEdit *memo(const QString &name) const
    {
        return window(name)->findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    }
    void trigger(const char *action) const
    {
        m_program->forms().Form1->findChild<QAction *>(QString::fromLatin1(action))->trigger();
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_program = std::make_unique<ProgramFixture>();
        for (const char *name : { "Form3", "FormL", "FormA" })
            QVERIFY2(window(QString::fromLatin1(name))->isHidden(), name);
    }
    void init()
    {
        for (const char *name : { "Form3", "FormL", "FormA" })
            window(QString::fromLatin1(name))->hide();
    }
    void cleanupTestCase() { m_program.reset(); }

    void frames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::newRow("help") << "Form3"
                              << "O programie" << QSize(436, 358);
        QTest::newRow("licence") << "FormL"
                                 << "Licencja" << QSize(347, 335);
        QTest::newRow("about") << "FormA"
                               << "  About" << QSize(224, 236);
    }

    void frames()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QWidget *info = window(name);
        QCOMPARE(info->objectName(), name);
        QCOMPARE(info->windowTitle(), caption);
        QCOMPARE(info->minimumSize(), client);
        QCOMPARE(info->maximumSize(), client);
        QVERIFY(info->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(
            !(info->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto *bar = info->findChild<StatusBar *>(QStringLiteral("StatusBar1"));
        QCOMPARE(bar->geometry(), QRect(0, client.height() - 19, client.width(), 19));
        QCOMPARE(bar->panelCount(), 0);
        if (auto *panel = info->findChild<QLabel *>(QStringLiteral("Panel1"))) {
            QCOMPARE(panel->text(), caption);
            QCOMPARE(panel->geometry(), QRect(0, 0, client.width(), 41));
            QCOMPARE(panel->font().pixelSize(), 16);
        }
    }

    void textsAreReadOnlySelectableAndCentred_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<Qt::ScrollBarPolicy>("verticalBar");
        QTest::addColumn<QString>("shortLine");
        QTest::newRow("help") << "Form3" << QRect(8, 48, 417, 289) << Qt::ScrollBarAlwaysOn
                              << "Uwaga:";
        QTest::newRow("licence") << "FormL" << QRect(8, 48, 330, 321) << Qt::ScrollBarAlwaysOff
                                 << "Miravela 2.0";
    }

    void textsAreReadOnlySelectableAndCentred()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(Qt::ScrollBarPolicy, verticalBar);
        QFETCH(QString, shortLine);
        QPlainTextEdit *text = memo(name);
        window(name)->show();
        QCOMPARE(text->geometry(), place);
        QCOMPARE(text->verticalScrollBarPolicy(), verticalBar);
        QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(text->font().pixelSize(), 13);

        const QString before = text->toPlainText();
        QTest::keyClicks(text, QStringLiteral("abc"));
        QTest::keyClick(text, Qt::Key_Delete);
        QTest::keyClick(text, Qt::Key_Backspace);
        QCOMPARE(text->toPlainText(), before);

        QTextCursor cursor = text->document()->find(shortLine);
        QVERIFY(!cursor.isNull());
        text->setTextCursor(cursor);
        text->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), shortLine);
        text->setTextCursor(QTextCursor(cursor.block()));
        QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(text->textCursor().selectedText(), shortLine);

        // The line's middle is the middle of the text area.
        const int start = text->cursorRect(QTextCursor(cursor.block())).left();
        cursor.movePosition(QTextCursor::EndOfBlock);
        const int end = text->cursorRect(cursor).left();
        QVERIFY(end - start > 20);
        QVERIFY(qAbs((start + end) / 2 - text->viewport()->width() / 2) <= 3);
    }

    void helpHasItsSectionsInOrder()
    {
        const QStringList lines = memo(QStringLiteral("Form3"))->toPlainText().split(u'\n');
        qsizetype previous = -1;
        for (const char *heading :
            { "Uwaga:", "O programie:", "Praca z programem:", "I. Kalendarzyk.", "II. Temperatura.",
                "III. Dane.", "IV. LiczDni.", "V. Notatnik." }) {
            const qsizetype at = lines.indexOf(QString::fromUtf8(heading), previous + 1);
            QVERIFY2(at > previous && at > 0, heading);
            QVERIFY2(lines[at - 1].isEmpty(), heading);
            previous = at;
        }
        QCOMPARE(lines[lines.indexOf(QStringLiteral("O programie:")) + 1],
            QStringLiteral("Miravela 2.0"));
        // Readings are added in the temperature window; "Zapisz" only saves a period start.
        const QString temperature = lines.join(u' ')
                                        .section(QStringLiteral("II. Temperatura."), 1)
                                        .section(QStringLiteral("III. Dane."), 0, 0);
        for (const char *word :
            { "\"Pomiar temperatury\"", "\"Dopisz\"", "36,6", "37,4", "potwierdź" })
            QVERIFY2(temperature.contains(QString::fromUtf8(word)), word);
        QVERIFY(!temperature.contains(QStringLiteral("\"Zapisz\"")));
    }

    void licenceIsGplThreeOrLaterAndFitsAboveTheStatusBar()
    {
        QWidget *licence = window(QStringLiteral("FormL"));
        QPlainTextEdit *text = memo(QStringLiteral("FormL"));
        const QString terms = text->toPlainText().simplified();
        for (const char *words : { "wolnym oprogramowaniem", "Powszechnej Licencji Publicznej GNU",
                 "w wersji 3 lub (według twojego wyboru) dowolnej późniejszej",
                 "bez żadnej gwarancji", "plik LICENSE" })
            QVERIFY2(terms.contains(QString::fromUtf8(words)), words);

        licence->show();
        for (QTextBlock line = text->document()->begin(); line.isValid(); line = line.next())
            QVERIFY2(line.layout()->lineCount() == 1, qPrintable(line.text())); // nothing wraps
        QTextCursor end(text->document());
        end.movePosition(QTextCursor::End);
        auto *bar = licence->findChild<StatusBar *>(QStringLiteral("StatusBar1"));
        QVERIFY(
            text->viewport()->mapTo(licence, text->cursorRect(end).bottomLeft()).y() < bar->y());
        QCOMPARE(licence->childAt(100, bar->y() + 8), bar); // the bar lies over the text
    }

    void aboutBox()
    {
        QWidget *about = window(QStringLiteral("FormA"));
        const auto label = [about](const char *name) {
            return about->findChild<QLabel *>(QString::fromLatin1(name));
        };
        QCOMPARE(label("Label8")->text(), QStringLiteral("Windows 95, 98, 2000, NT"));
        QCOMPARE(label("Label5")->text(), QStringLiteral("Źródła i licencja: zob. plik README"));
        const QRect free = about->rect().adjusted(0, 0, 0, -19);
        for (const char *name :
            { "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8" })
            QVERIFY2(free.contains(label(name)->geometry()), name);
        QCOMPARE(label("Image1")->geometry(), QRect(40, 88, 49, 33));
        QCOMPARE(label("Image1")->pixmap().size(), QSize(32, 32));

        about->show();
        QTest::mouseClick(
            about->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
        QVERIFY(about->isHidden());
    }

    void menuShowsEachWindow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::newRow("O programie") << "Oprogramie1"
                                     << "Form3";
        QTest::newRow("Licencja") << "Licencja1"
                                  << "FormL";
        QTest::newRow("About") << "About1"
                               << "FormA";
    }

    void menuShowsEachWindow()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        trigger(action.toLatin1().constData());
        QVERIFY(window(name)->isVisible());
    }

    void helpChosenAgainKeepsItsScrollPosition()
    {
        trigger("Oprogramie1");
        QScrollBar *bar = memo(QStringLiteral("Form3"))->verticalScrollBar();
        QVERIFY(bar->maximum() > 10);
        bar->setValue(bar->maximum() / 2);
        trigger("Oprogramie1");
        QVERIFY(window(QStringLiteral("Form3"))->isVisible());
        QCOMPARE(bar->value(), bar->maximum() / 2);
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_InfoWindows.moc"
