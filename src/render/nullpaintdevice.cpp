// A paint device that draws nothing.
#include "nullpaintdevice.h"

#include <QPaintEngine>

namespace {

class NullPaintEngine : public QPaintEngine
{
public:
    NullPaintEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &) override {}

    void drawRects(const QRectF *, int) override {}
    void drawRects(const QRect *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawLines(const QLine *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}
};

constexpr int kPointsPerInch = 72;
// Large enough for any song, small enough not to overflow when Qt adds to it.
constexpr int kExtent = 1 << 24;

} // namespace

NullPaintDevice::NullPaintDevice()
    : m_engine(std::make_unique<NullPaintEngine>())
{}

NullPaintDevice::~NullPaintDevice() = default;

QPaintEngine *NullPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int NullPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return kExtent;
    case PdmWidthMM:
    case PdmHeightMM:
        return int(kExtent * 25.4 / kPointsPerInch);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kPointsPerInch;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}
