// A paint device that records what is drawn on it.
#include "recordingpainter.h"

#include <QPainterPath>
#include <QStringList>
#include <QTextItem>

namespace {

class RecordingPaintEngine : public QPaintEngine
{
public:
    explicit RecordingPaintEngine(RecordingPaintDevice &device)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_device(device)
    {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
        if (state.state() & QPaintEngine::DirtyPen)
            m_pen = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            m_brush = state.brush();
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        // The font as it comes out on the device: at the size the painter's scale makes of it.
        QFont font = item.font();
        font.setPointSizeF(font.pointSizeF() * m_transform.m22());
        m_device.texts.append({item.text(), m_transform.map(p), font, m_pen.color()});
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device.fills.append({m_transform.mapRect(rects[i]), m_brush.color()});
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device.lines.append(m_transform.map(lines[i]));
    }
    void drawPixmap(const QRectF &rect, const QPixmap &, const QRectF &) override
    {
        m_device.images.append(m_transform.mapRect(rect));
    }
    void drawImage(const QRectF &rect, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        m_device.images.append(m_transform.mapRect(rect));
    }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        m_device.paths.append(m_transform.map(QPolygonF(QList<QPointF>(points, points + count))).boundingRect());
    }
    void drawPath(const QPainterPath &path) override { m_device.paths.append(m_transform.map(path).boundingRect()); }

private:
    RecordingPaintDevice &m_device;
    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
};

} // namespace

RecordingPaintDevice::RecordingPaintDevice()
    : m_engine(std::make_unique<RecordingPaintEngine>(*this))
{}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine *RecordingPaintDevice::paintEngine() const
{
    return m_engine.get();
}

QString RecordingPaintDevice::joinedText() const
{
    QStringList parts;
    for (const Text &text : texts)
        parts.append(text.text);
    return parts.join(u' ');
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 10000;
    case PdmWidthMM:
    case PdmHeightMM:
        return 10000 * 254 / 720;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 72; // one unit is one point
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}
