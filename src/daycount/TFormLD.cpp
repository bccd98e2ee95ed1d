#include "daycount/TFormLD.h"

#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/DateTexts.h"
#include "ui/Hints.h"
#include "ui/MonthCalendar.h"
#include "ui/StatusBar.h"
#include "ui/Windows.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int clientWidth = 346;
constexpr int clientHeight = 315;
constexpr int statusBarHeight = 19;
constexpr int datePanelWidth = 70;
constexpr int hintPanel = 1;
constexpr int largePixels = 16;

QLabel *label(
    QWidget *parent, const QString &name, const QString &text, QPoint place, bool large = false)
{
    return large ? makeLabel(parent, name, text, place, sansFont(largePixels))
                 : makeLabel(parent, name, text, place);
}

void setLabelText(QLabel *textLabel, const QString &text)
{
    textLabel->setText(text);
    textLabel->adjustSize();
}

// The names of one raised panel holding a date: its label, month buttons,
// the word "od" or "do", its calendar and its "dzisiejsza data" button.
struct DateFrameNames {
    QString panel, date, back, word, on, calendar, today;
};

// The window's members that one date frame fills in.
struct DateFrame {
    QFrame *&panel;
    QLabel *&date;
    MonthButton *&back;
    QLabel *&word;
    MonthButton *&on;
    MonthCalendar *&calendar;
    QPushButton *&today;
};

void buildDateFrame(QWidget *window, const DateFrame &frame, const DateFrameNames &names,
    QPoint place, const QString &word, const QColor &background, int calendarHeight)
{
    frame.panel = new QFrame(window);
    frame.panel->setObjectName(names.panel);
    frame.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame.panel->setGeometry(QRect(place, QSize(161, 193)));

    frame.date = label(frame.panel, names.date, QString(), { 24, 8 });
    frame.back = new MonthButton(MonthButton::Previous, names.back, frame.panel);
    frame.back->move(8, 24);
    frame.word = label(frame.panel, names.word, word, { 72, 24 }, true);
    frame.on = new MonthButton(MonthButton::Next, names.on, frame.panel);
    frame.on->move(128, 24);

    frame.calendar = new MonthCalendar(names.calendar, background, frame.panel);
    frame.calendar->setGeometry(8, 48, 145, calendarHeight);
    frame.calendar->setAccessibleName(word); // "od" or "do", the frame's only caption
    frame.calendar->setDate(Clock::today());

    frame.today
        = makeButton(frame.panel, names.today, TFormLD::tr("dzisiejsza data"), { 32, 160, 97, 20 });
    frame.today->setEnabled(false);
}

// Shows a calendar's date above it and in the result line, and lets its
// "dzisiejsza data" button bring it back once it is off today.
void followCalendar(
    const MonthCalendar *calendar, QLabel *above, QLabel *resultLine, QPushButton *todayButton)
{
    const QString text = longDateTextTwoDigitDay(calendar->date());
    setLabelText(above, text);
    setLabelText(resultLine, text);
    if (calendar->date() != Clock::today())
        todayButton->setEnabled(true);
}

void returnToToday(MonthCalendar *calendar, QPushButton *todayButton)
{
    calendar->setDate(Clock::today());
    todayButton->setEnabled(false);
}

} // namespace

TFormLD::TFormLD()
{
    makeFixedWindow(this, QStringLiteral("FormLD"), tr("LiczDni"), clientWidth, clientHeight);
    createDateFrames();
    createResultLines();

    StatusBar1 = new StatusBar(QStringLiteral("StatusBar1"), statusBarHeight, this);
    StatusBar1->setPanelWidths({ datePanelWidth, -1 });

    setHint(this, QString(), StatusBar1, hintPanel);
    setHint(Panel1, tr("Data pierwszego dnia poprzedniego okresu."), StatusBar1, hintPanel);
    setHint(Panel2, tr("Data pierwszego dnia teraźniejszego okresu."), StatusBar1, hintPanel);
    setHint(Button1, tr("Oblicza liczbę dni pomiędzy wybranymi datami."), StatusBar1, hintPanel);

    connectHandlers();
    FormCreate();
}

void TFormLD::createDateFrames()
{
    buildDateFrame(this, { Panel1, Label1, SpeedButton2, Label4, SpeedButton3, Calendar1, Button2 },
        { QStringLiteral("Panel1"), QStringLiteral("Label1"), QStringLiteral("SpeedButton2"),
            QStringLiteral("Label4"), QStringLiteral("SpeedButton3"), QStringLiteral("Calendar1"),
            QStringLiteral("Button2") },
        { 8, 8 }, tr("od"), Colours::peach, 104);
    buildDateFrame(this, { Panel2, Label2, SpeedButton6, Label5, SpeedButton7, Calendar2, Button3 },
        { QStringLiteral("Panel2"), QStringLiteral("Label2"), QStringLiteral("SpeedButton6"),
            QStringLiteral("Label5"), QStringLiteral("SpeedButton7"), QStringLiteral("Calendar2"),
            QStringLiteral("Button3") },
        { 176, 8 }, tr("do"), Colours::lightGreen, 105);
}

void TFormLD::createResultLines()
{
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 208, 329, 44);
    // Only a frame: the area inside it is the bare window for the hints.
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label6 = label(this, QStringLiteral("Label6"), tr("Liczba dni od"), { 16, 216 });
    Label7 = label(this, QStringLiteral("Label7"), QString(), { 88, 216 });
    Label8 = label(this, QStringLiteral("Label8"), tr("do"), { 64, 232 });
    Label9 = label(this, QStringLiteral("Label9"), QString(), { 88, 232 });
    Label10 = label(this, QStringLiteral("Label10"), tr("wynosi :"), { 208, 216 }, true);
    Label3 = label(this, QStringLiteral("Label3"), QString(), { 280, 216 }, true);
    //: The unit after the count, in a room a short word fills: a single space
    //: where the words before the count already say that it counts days.
    Label11 = label(this, QStringLiteral("Label11"), tr("dni", nullptr, 0), { 304, 216 }, true);

    Button1 = makeButton(this, QStringLiteral("Button1"), tr("Oblicz"), { 128, 264, 81, 25 });
}

void TFormLD::connectHandlers()
{
    connectHandler(Calendar1, &MonthCalendar::changed, this, &TFormLD::Calendar1Change);
    connectHandler(Calendar2, &MonthCalendar::changed, this, &TFormLD::Calendar2Change);
    connectHandler(SpeedButton2, &QToolButton::clicked, this, &TFormLD::SpeedButton2Click);
    connectHandler(SpeedButton3, &QToolButton::clicked, this, &TFormLD::SpeedButton3Click);
    connectHandler(SpeedButton6, &QToolButton::clicked, this, &TFormLD::SpeedButton6Click);
    connectHandler(SpeedButton7, &QToolButton::clicked, this, &TFormLD::SpeedButton7Click);
    connectHandler(Button1, &QPushButton::clicked, this, &TFormLD::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TFormLD::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TFormLD::Button3Click);
}

void TFormLD::FormCreate()
{
    const QString first = longDateTextTwoDigitDay(Calendar1->date());
    const QString second = longDateTextTwoDigitDay(Calendar2->date());
    setLabelText(Label1, first);
    setLabelText(Label7, first);
    setLabelText(Label2, second);
    setLabelText(Label9, second);
    setLabelText(Label3, QStringLiteral("0"));
    StatusBar1->setPanelText(0, shortDateText(Clock::today()));
}

void TFormLD::Calendar1Change()
{
    followCalendar(Calendar1, Label1, Label7, Button2);
}

void TFormLD::Calendar2Change()
{
    followCalendar(Calendar2, Label2, Label9, Button3);
}

void TFormLD::SpeedButton2Click()
{
    Calendar1->stepMonth(-1);
}

void TFormLD::SpeedButton3Click()
{
    Calendar1->stepMonth(+1);
}

void TFormLD::SpeedButton6Click()
{
    Calendar2->stepMonth(-1);
}

void TFormLD::SpeedButton7Click()
{
    Calendar2->stepMonth(+1);
}

void TFormLD::Button1Click()
{
    // A plain number, not the locale's: no thousands separator.
    const int days = int(Calendar1->date().daysTo(Calendar2->date()));
    setLabelText(Label3, QString::number(days));
    setLabelText(Label11, tr("dni", nullptr, days));
    // "dni" stands at its place unless a long count ("-27", "365") would run into it.
    constexpr int daysWordLeft = 304;
    constexpr int gap = 4;
    Label11->move(std::max(daysWordLeft, Label3->geometry().right() + 1 + gap), Label11->y());
}

void TFormLD::Button2Click()
{
    returnToToday(Calendar1, Button2);
}

void TFormLD::Button3Click()
{
    returnToToday(Calendar2, Button3);
}
