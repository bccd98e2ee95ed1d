#include "records/TForm4.h"

#include "data/Cp1250.h"
#include "data/PeriodLine.h"
#include "data/TTextDataSet.h"
#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/DateTexts.h"
#include "ui/Dialogs.h"
#include "ui/Hints.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int clientWidth = 233;
constexpr int clientHeight = 283;
constexpr QPoint screenPlace { 283, 139 };
constexpr int statusBarHeight = 19;
constexpr int hintPanel = 0;
constexpr int largePixels = 16;

const char *const chooseTemperatureText
    = QT_TRANSLATE_NOOP("TForm4", "Wybierz temperaturę z listy !");

QGroupBox *groupBox(QWidget *parent, const QString &name, const QString &title, QRect place)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

} // namespace

TForm4::TForm4(TTextDataSet &entries)
    : m_entries(entries)
{
    makeFixedWindow(
        this, QStringLiteral("Form4"), tr("Pomiar temperatury"), clientWidth, clientHeight);
    placeOnScreen(this, screenPlace);

    createTemperatureInputs();
    createDateInputs();
    Button1 = makeButton(this, QStringLiteral("Button1"), tr("Dopisz"), { 88, 234, 75, 25 });
    StatusBar1 = new StatusBar(QStringLiteral("StatusBar1"), statusBarHeight, this);
    StatusBar1->setPanelWidths({ -1 });

    // Focus goes round Calendar1, Button1, ComboBox1, and starts on the calendar.
    setTabOrder(Calendar1, Button1);
    setTabOrder(Button1, ComboBox1);
    Calendar1->setFocus();

    setHint(this, QString(), StatusBar1, hintPanel);
    setHint(GroupBox2, tr("Temperatura wybrana z listy."), StatusBar1, hintPanel);
    setHint(GroupBox1, tr("Dzień pomiaru."), StatusBar1, hintPanel);
    setHint(Button1, tr("Dopisuje wybrane wartości."), StatusBar1, hintPanel);

    connectHandlers();
    Calendar1->setDate(Clock::today());
    FormCreate();
}

void TForm4::createTemperatureInputs()
{
    GroupBox2 = groupBox(this, QStringLiteral("GroupBox2"), QString(), { 24, 0, 185, 49 });
    Label1 = makeLabel(GroupBox2, QStringLiteral("Label1"), tr("Temperatura "), { 16, 18 });
    Label4 = makeLabel(GroupBox2, QStringLiteral("Label4"), QStringLiteral("o"), { 144, 14 });
    Label5 = makeLabel(GroupBox2, QStringLiteral("Label5"), QStringLiteral("C"), { 152, 16 },
        sansFont(largePixels));

    // The list lies on the window, over the group box.
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setCompleter(nullptr); // a typed "37" stays "37" and is not completed
    ComboBox1->setGeometry(112, 16, 49, 21);
    for (const QByteArrayView temperature : TemperatureScale)
        ComboBox1->addItem(cp1250::decode(temperature));
    ComboBox1->setCurrentIndex(0);
    setColour(ComboBox1, QPalette::Base, Colours::lightGreen);
    setColour(ComboBox1->lineEdit(), QPalette::Base, Colours::lightGreen);
}

void TForm4::createDateInputs()
{
    GroupBox1 = groupBox(
        this, QStringLiteral("GroupBox1"), tr("Pomiar temperatury w dniu"), { 8, 56, 217, 169 });
    SpeedButton2
        = new MonthButton(MonthButton::Previous, QStringLiteral("SpeedButton2"), GroupBox1);
    SpeedButton2->move(16, 16);
    Label3 = makeLabel(GroupBox1, QStringLiteral("Label3"), QString(), { 48, 16 });
    SpeedButton1 = new MonthButton(MonthButton::Next, QStringLiteral("SpeedButton1"), GroupBox1);
    SpeedButton1->move(176, 16);

    // The calendar lies on the window, over the group box.
    Calendar1 = new MonthCalendar(QStringLiteral("Calendar1"), Colours::lightGreen, this);
    Calendar1->setGeometry(24, 96, 185, 121);
    // Lying over the group box, not in it, it takes the group's title by hand.
    Calendar1->setAccessibleName(GroupBox1->title());
}

void TForm4::connectHandlers()
{
    connectHandler(Calendar1, &MonthCalendar::changed, this, &TForm4::Calendar1Change);
    connectHandler(SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    connectHandler(SpeedButton2, &QToolButton::clicked, this, &TForm4::SpeedButton2Click);
    connectHandler(ComboBox1, &QComboBox::currentTextChanged, this, &TForm4::ComboBox1Change);
    connectHandler(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::FormCreate()
{
    Label3->setText(longDateText(Calendar1->date()));
    Label3->adjustSize();
}

void TForm4::Calendar1Change()
{
    Label3->setText(longDateText(Calendar1->date()));
    Label3->adjustSize();
    Calendar1->updateTodayTip();
}

void TForm4::SpeedButton1Click()
{
    Calendar1->stepMonth(+1);
}

void TForm4::SpeedButton2Click()
{
    Calendar1->stepMonth(-1);
}

void TForm4::ComboBox1Change()
{
    if (ComboBox1->currentText().isEmpty())
        Dialogs::instance().notice(this, tr(chooseTemperatureText));
}

void TForm4::Button1Click()
{
    m_entries.first(); // the main window's list follows to the first row

    // Without an entry there is nothing to append to, and nothing to ask.
    if (m_entries.recordCount() == 0 || IsSentinelLine(m_entries.line())) {
        // Two lines; a line feed is what breaks a line in a message box here.
        Dialogs::instance().notice(
            this, tr("W kalendarzu zaznacz pierwszy dzień\nokresu i wciśnij przycisk \"Zapisz\"."));
        close();
        return;
    }
    // A reading is stored whole or not at all. The field shows at most 240
    // characters of a line; the check takes its full text, which an edit
    // would otherwise cut to the field.
    if (!readingFits(m_entries.fullTextAt(0).size())) {
        Dialogs::instance().notice(
            this, tr("Wpis jest pełny – nie można dopisać kolejnego pomiaru."));
        return;
    }
    // Only the nine scale texts keep the line's fixed layout readable.
    const std::optional<int> temperature
        = temperatureIndex(cp1250::encode(ComboBox1->currentText()));
    if (!temperature) {
        Dialogs::instance().notice(this, tr(chooseTemperatureText));
        return;
    }

    if (!Dialogs::instance().question(this, tr("Czy na pewno wprowadzone dane są prawidłowe ???")))
        return;
    m_entries.first();
    m_entries.edit();
    m_entries.setLine(
        AppendReading(m_entries.line(), Calendar1->date(), TemperatureScale[size_t(*temperature)]));
    m_entries.post();
    close();
}
