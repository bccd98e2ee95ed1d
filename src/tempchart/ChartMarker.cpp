#include "tempchart/ChartMarker.h"

#include <QPainter>

ChartMarker::ChartMarker(const QString &objectName, const QColor &fill, QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
{
    setObjectName(objectName);
    resize(Diameter, Diameter);
}

void ChartMarker::setFill(const QColor &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void ChartMarker::paintCircle(QPainter &painter, const QRectF &square, const QColor &fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);
    // The outline runs along the middle of the square's edge pixels.
    painter.drawEllipse(square.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

void ChartMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintCircle(painter, rect(), m_fill);
}
