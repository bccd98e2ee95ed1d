// What assistive technology reads of the windows: each status bar with its
// panels' texts from left to right, captions as names, hints as descriptions.

#include "app/TForm1.h"
#include "records/TForm4.h"
#include "support/ProgramFixture.h"
#include "support/TestSeams.h"
#include "tempchart/TFormWT.h"
#include "ui/DataViews.h"
#include "ui/Hints.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// The panels' texts of a window's status bar, as read through its accessible
// interface; the bar must be a status bar whose panels lie left to right.
QStringList readStatusBar(QWidget *window)
{
    auto *bar = window->findChild<StatusBar *>(QStringLiteral("StatusBar1"));
    if (!bar)
        return { QStringLiteral("no status bar") };
    QAccessibleInterface *barInterface = QAccessible::queryAccessibleInterface(bar);
    if (barInterface->role() != QAccessible::StatusBar)
        return { QStringLiteral("not a status bar") };
    QStringList texts;
    int right = -1;
    for (int i = 0; i < barInterface->childCount(); ++i) {
        QAccessibleInterface *panel = barInterface->child(i);
        if (panel->role() != QAccessible::StaticText || panel->rect().left() <= right)
            return { QStringLiteral("panel %1 is no label in its place").arg(i) };
        right = panel->rect().right();
        texts << panel->text(QAccessible::Name);
    }
    return texts;
}

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

QPoint centreIn(QWidget *window, QWidget *control)
{
    return control->mapTo(window, control->rect().center());
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<PinnedClock> m_clock;
    std::unique_ptr<ProgramFixture> m_program;

    const Forms &forms() const { return m_program->forms(); }

private Q_SLOTS:
    void initTestCase()
    {
        m_clock = std::make_unique<PinnedClock>(QDate(2007, 3, 7));
        m_program = std::make_unique<ProgramFixture>();
    }
    void cleanupTestCase() { m_program.reset(); }

    void mainWindowReadsDateThenHint()
    {
        TForm1 *form = forms().Form1;
        QCOMPARE(readStatusBar(form), QStringList({ "7.03.2007", "" }));
        hover(form->ClientArea, centreIn(form->ClientArea, form->Button3));
        QCOMPARE(readStatusBar(form), QStringList({ "7.03.2007", hintOf(form->Button3) }));
    }

    void dayCounterReadsDateThenHint()
    {
        QWidget *form = forms().FormLD;
        QCOMPARE(readStatusBar(form), QStringList({ "7.03.2007", "" }));
        auto *button = ProgramFixture::find<QPushButton>(form, QStringLiteral("Button1"));
        hover(form, centreIn(form, button));
        QCOMPARE(readStatusBar(form),
            QStringList({ "7.03.2007", "Oblicza liczbę dni pomiędzy wybranymi datami." }));
    }

    void temperatureEntryReadsItsOneHintPanel()
    {
        TForm4 *form = forms().Form4;
        QCOMPARE(readStatusBar(form), QStringList({ "" }));
        hover(form, centreIn(form, form->Button1));
        QCOMPARE(readStatusBar(form), QStringList({ "Dopisuje wybrane wartości." }));
    }

    void infoWindowsHaveAnEmptyStatusBar()
    {
        for (QWidget *window : { forms().Form3, forms().FormL, forms().FormA })
            QCOMPARE(readStatusBar(window), QStringList());
    }

    void captionsAreNamesAndHintsAreDescriptions()
    {
        TForm1 *form = forms().Form1;
        for (QWidget *window : QList<QWidget *> { form, forms().FormLD, forms().Form4,
                 forms().FormWT, forms().Form3, forms().FormL, forms().FormA }) {
            QCOMPARE(accessibleText(window, QAccessible::Name), window->windowTitle());
            const bool dialog = window->windowType() == Qt::Dialog;
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(),
                dialog ? QAccessible::Dialog : QAccessible::Window);
            if (auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("Memo1")))
                QCOMPARE(accessibleText(text, QAccessible::Name), window->windowTitle());
        }
        QCOMPARE(accessibleText(form->Button3, QAccessible::Name), QStringLiteral("Zapisz"));
        QCOMPARE(accessibleText(form->GroupBox2, QAccessible::Name), QStringLiteral("Dane"));
        QCOMPARE(accessibleText(form->DBGrid1, QAccessible::Name), form->GroupBox7->title());
        QCOMPARE(accessibleText(form->Calendar1, QAccessible::Name), form->GroupBox6->title());
        QCOMPARE(accessibleText(form->Button3, QAccessible::Description), hintOf(form->Button3));
        QCOMPARE(
            accessibleText(form->GroupBox2, QAccessible::Description), hintOf(form->GroupBox2));
        QVERIFY(!hintOf(form->GroupBox2).isEmpty());
        QCOMPARE(accessibleText(forms().Form4->Calendar1, QAccessible::Name),
            QStringLiteral("Pomiar temperatury w dniu"));
        for (const auto &[calendar, word] :
            { std::pair("Calendar1", "od"), std::pair("Calendar2", "do") })
            QCOMPARE(accessibleText(ProgramFixture::find(forms().FormLD, QLatin1String(calendar)),
                         QAccessible::Name),
                QLatin1String(word));
        QCOMPARE(accessibleText(forms().FormWT->Button1, QAccessible::Name),
            forms().FormWT->Button1->text());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_Accessibility.moc"
