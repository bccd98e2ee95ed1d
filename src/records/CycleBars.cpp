#include "records/CycleBars.h"

#include "ui/Controls.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

namespace {

// The scale reaches at least this far, so that a short history of similar
// cycles does not look like wild swings.
constexpr int lowestScaleTop = 35;

QString oneDecimal(double value)
{
    return QLocale().toString(value, 'f', 1);
}

} // namespace

CycleBars::CycleBars(const QString &objectName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(tr("Długości ostatnich cykli"));
}

void CycleBars::setBars(const QList<Bar> &bars, std::optional<double> mean)
{
    m_bars = bars;
    m_mean = mean;
    // A screen reader reads the picture as its lengths, oldest first.
    QStringList lengths;
    for (const Bar &bar : bars) {
        lengths << (bar.leftOut ? tr("%1 (pominięty)").arg(bar.length)
                                : QString::number(bar.length));
    }
    QString description = lengths.join(QStringLiteral(", "));
    if (mean)
        description += tr("; średnia %1").arg(oneDecimal(*mean));
    setAccessibleDescription(description);
    update();
}

int CycleBars::scaleTop(const QList<Bar> &bars)
{
    int top = lowestScaleTop;
    for (const Bar &bar : bars) {
        if (!bar.leftOut)
            top = std::max(top, bar.length);
    }
    return top;
}

void CycleBars::paint(QPainter &painter, const QRect &area, const QFont &font,
    const QList<Bar> &bars, std::optional<double> mean)
{
    if (bars.isEmpty())
        return;
    painter.save();
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int textHeight = metrics.height();
    // The bars stand on a base line with their numbers below it.
    const QRect plot = area.adjusted(0, 0, 0, -textHeight - 2);
    const int top = scaleTop(bars);
    const double slot = double(plot.width()) / double(bars.size());
    const double barWidth = slot * 0.6;
    const auto heightOf
        = [&](double length) { return int(std::min(length, double(top)) * plot.height() / top); };
    const int thin = std::max(1, metrics.height() / 12);

    for (qsizetype i = 0; i < bars.size(); ++i) {
        const Bar &bar = bars[i];
        const int left = plot.left() + int(slot * double(i) + (slot - barWidth) / 2);
        const int height = heightOf(bar.length);
        const QRect box(left, plot.bottom() + 1 - height, int(barWidth), height);
        painter.setPen(QPen(bar.leftOut ? Qt::darkGray : Qt::black, thin));
        painter.setBrush(
            bar.leftOut ? QBrush(Qt::darkGray, Qt::BDiagPattern) : QBrush(Colours::lightGreen));
        painter.drawRect(box);
        painter.setPen(bar.leftOut ? Qt::darkGray : Qt::black);
        painter.drawText(
            QRect(int(plot.left() + slot * double(i)), plot.bottom() + 2, int(slot), textHeight),
            Qt::AlignHCenter | Qt::AlignTop, QString::number(bar.length));
    }

    painter.setPen(QPen(Qt::black, thin));
    painter.drawLine(plot.left(), plot.bottom(), plot.right(), plot.bottom());
    if (mean) {
        const int y = plot.bottom() - heightOf(*mean);
        painter.setPen(QPen(QColor(0, 0, 160), thin * 2, Qt::DashLine));
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.restore();
}

void CycleBars::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect().adjusted(4, 2, -4, -2), font(), m_bars, m_mean);
}
