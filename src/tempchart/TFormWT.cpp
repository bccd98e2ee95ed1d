#include "tempchart/TFormWT.h"

#include "data/Cp1250.h"
#include "data/PeriodLine.h"
#include "data/TDataSource.h"
#include "data/TTextDataSet.h"
#include "tempchart/ActivationWatch.h"
#include "tempchart/ChartMarker.h"
#include "tempchart/FreePlace.h"
#include "ui/Controls.h"
#include "ui/DataViews.h"
#include "ui/PrintDialog.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>

#include <array>

namespace {

constexpr int clientWidth = 627;
constexpr int clientHeight = 257;
constexpr int topStripHeight = 41;
constexpr int bottomStripHeight = 33;
constexpr int titlePixels = 13; // 10 points at 96 pixels per inch

// Column k (from 1) has its point at x = 60 + 20·(k − 1); the n-th scale text
// (from 0, "36,6") lies at y = 200 − 15·n.
constexpr int firstColumnX = 60;
constexpr int columnStep = 20;
constexpr int lowestLevelY = 200;
constexpr int levelStep = 15;

// The plot area: inside the frame Bevel1.
const QRect plotArea(50, 58, 565, 157);
const QColor coverLineColour(255, 0, 0);

// At rest the markers form a row inside the top of the frame.
constexpr int restingLeft = 160;
constexpr int restingStep = 16;
constexpr int restingTop = 64;

// The scale labels' tops within the left strip, by scale text from "36,6" up:
// placed by hand, so not quite evenly.
constexpr std::array<int, TemperatureScale.size()> scaleLabelTops
    = { 153, 136, 120, 105, 90, 75, 60, 45, 30 };

QFrame *panel(QWidget *parent, const QString &name, const QRect &place)
{
    auto *strip = new QFrame(parent);
    strip->setObjectName(name);
    strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
    strip->setAutoFillBackground(true);
    strip->setGeometry(place);
    return strip;
}

QLabel *fixedLabel(QWidget *parent, const QString &name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

int levelY(int level)
{
    return lowestLevelY - levelStep * level;
}

QPoint restingPlace(int column)
{
    return { restingLeft + restingStep * (column - 1), restingTop };
}

QString accessibleMarkerName(int column)
{
    return TFormWT::tr("Pomiar %1").arg(column);
}

} // namespace

TFormWT::TFormWT(TDataSource &entries)
    : m_entries(entries)
{
    makeFixedWindow(this, QStringLiteral("FormWT"), tr("Wykres pomiarów temperatury"), clientWidth,
        clientHeight);

    PrintDialog1 = new PrintDialog(this);
    PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));

    createTopStrip();
    createScale();
    createDayLabels();

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Raised);
    Bevel1->setGeometry(48, 56, 569, 161);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    createMarkers();

    // Over the frame and the markers' row, where a drawing leaves room.
    Label40 = makeLabel(this, QStringLiteral("Label40"), QString(), plotArea.topLeft());
    Label40->setAutoFillBackground(true);
    Label40->hide();

    connectHandler(Button1, &QPushButton::clicked, this, &TFormWT::Button1Click);
    connectHandler(Button2, &QPushButton::clicked, this, &TFormWT::Button2Click);
    connectHandler(Button3, &QPushButton::clicked, this, &TFormWT::Button3Click);
    connectHandler(
        new ActivationWatch(this), &ActivationWatch::activated, this, &TFormWT::activated);

    Button3Click();
}

void TFormWT::createTopStrip()
{
    Panel1 = panel(this, QStringLiteral("Panel1"), { 0, 0, clientWidth, topStripHeight });

    DBGrid1 = new DBGrid(QStringLiteral("DBGrid1"), &m_entries, Panel1);
    DBGrid1->setGeometry(24, 8, 321, 25);
    // One row high: no room for scroll bars; the arrow keys move the entry.
    DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DBGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColour(DBGrid1, QPalette::Base, QApplication::palette().color(QPalette::Base));

    Label39 = makeLabel(Panel1, QStringLiteral("Label39"), QString(), { 64, 16 });
    Label39->hide();

    Button1 = makeButton(Panel1, QStringLiteral("Button1"), tr("Rysuj"), { 360, 8, 75, 25 });
    Button2 = makeButton(Panel1, QStringLiteral("Button2"), tr("Drukuj"), { 536, 8, 75, 25 });
    // On the window, lying over the strip between the other two.
    Button3 = makeButton(this, QStringLiteral("Button3"), tr("Odśwież"), { 448, 8, 75, 25 });
}

void TFormWT::createScale()
{
    Panel2 = panel(this, QStringLiteral("Panel2"),
        { 0, topStripHeight, 41, clientHeight - topStripHeight - bottomStripHeight });
    setColour(Panel2, QPalette::Window, Colours::peach);

    // Label1 carries the top of the scale, Label2 … Label9 the rest from the bottom up.
    for (int number = 1; number <= int(TemperatureScale.size()); ++number) {
        const int level = number == 1 ? int(TemperatureScale.size()) - 1 : number - 2;
        ScaleLabels << fixedLabel(Panel2, QStringLiteral("Label%1").arg(number),
            QString::fromLatin1(TemperatureScale[level]), { 12, scaleLabelTops[level], 21, 13 });
    }
}

void TFormWT::createDayLabels()
{
    Panel3 = panel(this, QStringLiteral("Panel3"),
        { 0, clientHeight - bottomStripHeight, clientWidth, bottomStripHeight });
    setColour(Panel3, QPalette::Window, Colours::lightGreen);

    for (int column = 1; column <= Columns; ++column) {
        // Label28, column 19, was placed one pixel off its step.
        const int left = column == 19 ? 416 : 55 + columnStep * (column - 1);
        DayLabels << fixedLabel(Panel3, QStringLiteral("Label%1").arg(column + 9),
            QStringLiteral("00"), { left, 12, 12, 13 });
    }
}

void TFormWT::createMarkers()
{
    for (int column = 1; column <= Columns; ++column) {
        auto *marker
            = new ChartMarker(QStringLiteral("Shape%1").arg(column), Colours::yellow, this);
        marker->setAccessibleName(accessibleMarkerName(column));
        Shapes << marker;
    }
}

void TFormWT::Button1Click()
{
    for (ChartMarker *marker : std::as_const(Shapes))
        marker->setFill(Colours::aqua);

    const QByteArray line = currentLine();
    // The sentinel line has no readings: nothing to draw, nothing to report.
    if (!IsSentinelLine(line)) {
        // The line starts at the first column that has a point; a column
        // without one is bridged by the line to the next point.
        QPolygon chart;
        for (int column = 1; column <= Columns; ++column) {
            const QByteArray temperature = ReadingTemperatureText(line, column);
            const auto level = temperatureIndex(temperature);
            if (!level)
                continue;
            const QPoint point(firstColumnX + columnStep * (column - 1), levelY(*level));
            chart << point;
            ChartMarker *marker = Shapes[column - 1];
            marker->move(point - QPoint(ChartMarker::Diameter / 2, ChartMarker::Diameter / 2));
            marker->setAccessibleDescription(tr("dzień %1: %2 °C")
                                                 .arg(cp1250::decode(ReadingDayText(line, column)),
                                                     QString::fromLatin1(temperature)));
        }
        if (!chart.isEmpty()) {
            // The same chart again changes nothing in the picture.
            m_charts.removeAll(chart);
            m_charts << chart;
            update();
        }
    }

    for (int column = 1; column <= Columns; ++column)
        DayLabels[column - 1]->setText(cp1250::decode(ReadingDayText(line, column)));

    if (m_riseEvaluation)
        showRise(line);
}

void TFormWT::setRiseEvaluation(bool on)
{
    m_riseEvaluation = on;
    if (!on)
        clearRise();
}

// The evaluation of the entry just drawn takes the place of an earlier one.
void TFormWT::showRise(const QByteArray &line)
{
    clearRise();
    if (IsSentinelLine(line))
        return;
    const QList<ChartReading> readings = chartReadings(line);
    const std::optional<TemperatureRise> rise = evaluateRise(readings);
    if (rise) {
        const auto day = [&](int reading) {
            return cp1250::decode(ReadingDayText(line, readings[reading].column));
        };
        m_coverLineY = levelY(rise->coverLevel);
        Label40->setText(tr("Wzrost temperatury: dzień %1, potwierdzony dnia %2")
                             .arg(day(rise->firstHigher), day(rise->confirming)));
        Label40->setAccessibleDescription(
            tr("Linia pokrywająca: %1 °C")
                .arg(QString::fromLatin1(TemperatureScale[size_t(rise->coverLevel)])));
    } else {
        Label40->setText(tr("Brak potwierdzonego wzrostu temperatury"));
    }
    Label40->adjustSize();
    placeRiseLabel();
    Label40->show();
    Label40->raise();
    update();
}

void TFormWT::clearRise()
{
    if (m_coverLineY)
        update();
    m_coverLineY.reset();
    Label40->hide();
    Label40->setAccessibleDescription(QString());
}

// Where it covers no point nor marker, and if it can, neither a line.
void TFormWT::placeRiseLabel()
{
    const int radius = ChartMarker::Diameter / 2;
    QList<QRect> markers;
    for (const ChartMarker *marker : std::as_const(Shapes))
        markers << marker->geometry();
    QList<QLineF> lines;
    for (const QPolygon &chart : std::as_const(m_charts)) {
        for (const QPoint &point : chart)
            markers << QRect(point - QPoint(radius, radius), QSize(2 * radius, 2 * radius));
        for (qsizetype i = 1; i < chart.size(); ++i)
            lines << QLineF(chart[i - 1], chart[i]);
    }
    QList<QRect> shunned;
    if (m_coverLineY)
        shunned << QRect(plotArea.left(), *m_coverLineY - 1, plotArea.width(), 3);
    Label40->setGeometry(
        freePlace(Label40->size(), plotArea.adjusted(2, 1, -2, -1), markers, shunned, lines));
}

void TFormWT::Button2Click()
{
    if (!PrintDialog1->exec())
        return;
    Label39->setFont(sansFont(titlePixels));
    Label39->setText(tr("Wykres pomiarów temperatury  -  Początek okresu  ")
        + cp1250::decode(EntryStartText(currentLine())));
    Label39->adjustSize();

    setPrintLayout(true);
    // Back to the normal layout also when the printer fails.
    const auto restore = qScopeGuard([this] { setPrintLayout(false); });
    printWindow(this, PrintDialog1->printer());
    close();
}

void TFormWT::Button3Click()
{
    m_charts.clear();
    clearRise();
    update();
    for (int column = 1; column <= Columns; ++column) {
        ChartMarker *marker = Shapes[column - 1];
        marker->setFill(Colours::yellow);
        marker->move(restingPlace(column));
        marker->setAccessibleDescription(QString());
    }
}

void TFormWT::FormActivate()
{
    DataSource1 = &m_entries;
    // The creation has refreshed the chart; every later activation does.
    m_activationHandler = &TFormWT::Button3Click;
}

void TFormWT::activated()
{
    (this->*m_activationHandler)();
}

void TFormWT::setPrintLayout(bool printing)
{
    Label39->setVisible(printing);
    if (printing)
        setColour(Panel1, QPalette::Window, Qt::white);
    else
        Panel1->setPalette(QPalette()); // the window's face colour again
    for (QWidget *control : { static_cast<QWidget *>(DBGrid1), static_cast<QWidget *>(Button1),
             static_cast<QWidget *>(Button2), static_cast<QWidget *>(Button3) })
        control->setVisible(!printing);
}

QByteArray TFormWT::currentLine() const
{
    const TTextDataSet *set = DataSource1 ? DataSource1->dataSet() : nullptr;
    return set && set->active() ? set->line() : QByteArray();
}

void TFormWT::paintEvent(QPaintEvent *)
{
    // Each chart as it was drawn: a thin black line from the previous point,
    // then a circle on the point.
    QPainter painter(this);
    if (m_coverLineY)
        painter.fillRect(plotArea.left(), *m_coverLineY, plotArea.width(), 1, coverLineColour);
    painter.setPen(QPen(Qt::black, 0));
    const int radius = ChartMarker::Diameter / 2;
    for (const QPolygon &chart : std::as_const(m_charts)) {
        QPoint pen = chart.first();
        for (const QPoint &point : chart) {
            painter.drawLine(pen, point);
            ChartMarker::paintCircle(painter,
                QRectF(point - QPoint(radius, radius),
                    QSizeF(ChartMarker::Diameter, ChartMarker::Diameter)),
                Qt::white);
            pen = point;
        }
    }
}
