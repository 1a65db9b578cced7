#include "textmetrics.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr qreal kPointsPerInch = 72.0;

// A device of `magnification` pixels per point, to measure on.
const QPaintDevice *referenceDevice(qreal magnification)
{
    static const QImage device = [magnification] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(kPointsPerInch * magnification / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

qreal pointSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

// The font as it is measured and drawn: its size in points, hinting off.
QFont measuredFont(const QFont &font)
{
    QFont measured = font;
    measured.setPointSizeF(pointSize(font));
    measured.setHintingPreference(QFont::PreferNoHinting);
    return measured;
}

} // namespace

TextMetrics::TextMetrics(const QFont &font)
    : m_metrics(measuredFont(font), referenceDevice(magnification))
    , m_widths(std::make_shared<QHash<QString, qreal>>())
{}

qreal TextMetrics::width(const QString &text) const
{
    auto known = m_widths->constFind(text);
    if (known == m_widths->constEnd())
        known = m_widths->insert(text, m_metrics.horizontalAdvance(text) / magnification);
    return *known;
}

QSizeF TextMetrics::sizeWithFont(const QString &text, const QFont &font)
{
    const TextMetrics metrics(font);
    return {metrics.width(text), metrics.height()};
}

void TextMetrics::drawAtPoint(QPainter *painter, const QString &text, QPointF topLeft, const QFont &font,
                              const QColor &color)
{
    const TextMetrics metrics(font);
    // The painter turns points into device pixels already, so the font must not do it a second time:
    // on this device its size in points is the wanted size divided by the device's points-to-pixel scale.
    // It is drawn magnified under a scale that undoes the magnification, so its size is not rounded.
    QFont deviceFont = measuredFont(font);
    deviceFont.setPointSizeF(pointSize(font) * magnification / pointScale(painter->device()));
    painter->save();
    painter->translate(topLeft.x(), metrics.baseline(topLeft.y()));
    painter->scale(1 / magnification, 1 / magnification);
    painter->setFont(deviceFont);
    painter->setPen(color.isValid() ? color : QColor(Qt::black));
    painter->drawText(QPointF(0, 0), text);
    painter->restore();
}

qreal TextMetrics::pointScale(const QPaintDevice *device)
{
    return device->logicalDpiY() / kPointsPerInch;
}
