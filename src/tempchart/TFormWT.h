#pragma once

#include "data/TemperatureRise.h"

#include <QList>
#include <QPolygon>
#include <QWidget>

#include <optional>

class ChartMarker;
class DBGrid;
class PrintDialog;
class QFrame;
class QLabel;
class QPushButton;
class TDataSource;

// "Wykres pomiarów temperatury": the readings of the current entry of the
// data source it is given (the main window's) as a line chart of up to 28
// points. The window keeps the lines and
// circles of every drawing until the next refresh, so a new drawing lays its
// chart over the earlier ones and no repaint loses them. With the evaluation
// switched on, each drawing is followed by the "3 nad 6" evaluation of the
// drawn entry: its cover line and a label that tells the rise, both part of
// the drawing until the next refresh.
class TFormWT : public QWidget {
    Q_OBJECT

public:
    static constexpr int Columns = ChartColumns;

    explicit TFormWT(TDataSource &entries);

    // Controls, named as in the window's design.
    QFrame *Panel1, *Panel2, *Panel3, *Bevel1;
    DBGrid *DBGrid1;
    QLabel *Label39; // the printed title
    QLabel *Label40; // what the evaluation found; hidden without one
    QList<QLabel *> ScaleLabels; // Label1 … Label9: "37,4", then "36,6" up to "37,3"
    QList<QLabel *> DayLabels; // Label10 … Label37, for columns 1 … 28
    QList<ChartMarker *> Shapes; // Shape1 … Shape28, for columns 1 … 28
    QPushButton *Button1, *Button2, *Button3;
    PrintDialog *PrintDialog1;
    // The data source the drawing and the title read: the one given, from the
    // window's first activation on.
    TDataSource *DataSource1 = nullptr;

    // The charts drawn since the last refresh, oldest first; each is its
    // points in column order, joined by straight lines.
    const QList<QPolygon> &drawnCharts() const { return m_charts; }

    // Whether "Rysuj" evaluates the temperature rise; off at first. Switching
    // it off takes an evaluation shown off the chart at once.
    bool riseEvaluation() const { return m_riseEvaluation; }
    void setRiseEvaluation(bool on);
    // The height of the cover line the chart shows, if it shows one.
    std::optional<int> coverLineY() const { return m_coverLineY; }

    // Handlers.
    void Button1Click(); // draw the current entry
    void Button2Click(); // print
    void Button3Click(); // refresh: clear the lines, markers back to rest
    void FormActivate(); // the first activation

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createTopStrip();
    void createScale();
    void createDayLabels();
    void createMarkers();
    void activated();
    void setPrintLayout(bool printing);
    QByteArray currentLine() const;
    void showRise(const QByteArray &line);
    void clearRise();
    void placeRiseLabel();

    TDataSource &m_entries;
    QList<QPolygon> m_charts;
    bool m_riseEvaluation = false;
    std::optional<int> m_coverLineY;
    void (TFormWT::*m_activationHandler)() = &TFormWT::FormActivate;
};
