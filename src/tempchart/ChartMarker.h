#pragma once

#include <QColor>
#include <QWidget>

class QPainter;
class QRectF;

// One of the temperature chart's markers: a 10-pixel filled circle with a thin
// black outline, yellow while it rests in its row, aqua once a drawing has
// been made, placed over the point of its column.
class ChartMarker : public QWidget {
    Q_OBJECT

public:
    static constexpr int Diameter = 10;

    ChartMarker(const QString &objectName, const QColor &fill, QWidget *parent);

    QColor fill() const { return m_fill; }
    void setFill(const QColor &fill);

    // The circle that fills `square`, as the chart draws its points too.
    static void paintCircle(QPainter &painter, const QRectF &square, const QColor &fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};
