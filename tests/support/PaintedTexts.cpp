#include "support/PaintedTexts.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace {

// A paint engine that keeps the text of every text item and draws nothing.
class TextRecordingEngine final : public QPaintEngine {
public:
    TextRecordingEngine()
        : QPaintEngine(AllFeatures) // nothing emulated: text comes as text
    {
    }

    QStringList texts;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override { }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
    // Lines, shapes and paths all end in these two.
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
    void drawPath(const QPainterPath &) override { }
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
    Type type() const override { return User; }
};

class TextRecordingDevice final : public QPaintDevice {
public:
    TextRecordingDevice(QSize size, int dpi)
        : m_size(size)
        , m_dpi(dpi)
    {
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }
    QStringList texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / (10 * m_dpi);
        case PdmHeightMM:
            return m_size.height() * 254 / (10 * m_dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
    int m_dpi;
    mutable TextRecordingEngine m_engine;
};

} // namespace

QStringList paintedTexts(QSize size, int dpi, const std::function<void(QPainter &)> &paint)
{
    TextRecordingDevice device(size, dpi);
    QPainter painter(&device);
    paint(painter);
    painter.end();
    return device.texts();
}
