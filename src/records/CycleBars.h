#pragma once

#include <QList>
#include <QWidget>

#include <optional>

class QPainter;

// A bar chart of cycle lengths, the oldest on the left, each bar with its
// length below it; the lengths left out of the figures hatched (reaching the
// top when longer than the others), the mean as a dashed line across.
// It paints on screen and on a printed page alike.
class CycleBars : public QWidget {
    Q_OBJECT

public:
    struct Bar {
        int length;
        bool leftOut;

        bool operator==(const Bar &) const = default;
    };

    CycleBars(const QString &objectName, QWidget *parent);

    const QList<Bar> &bars() const { return m_bars; }
    std::optional<double> mean() const { return m_mean; }
    void setBars(const QList<Bar> &bars, std::optional<double> mean);

    // Paints the chart into `area` of any device, its texts in `font`.
    static void paint(QPainter &painter, const QRect &area, const QFont &font,
        const QList<Bar> &bars, std::optional<double> mean);
    // The tallest length the scale shows: that of the longest bar kept, at
    // least 35; a longer bar left out reaches the top.
    static int scaleTop(const QList<Bar> &bars);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Bar> m_bars;
    std::optional<double> m_mean;
};
