// Measuring and drawing text in points on every device.
#include "textmetrics.h"

#include "shapedtext.h"
#include "textbatch.h"

#include <QImage>

namespace {

constexpr qreal kPointsPerInch = 72.0;

qreal pointSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

} // namespace

TextMetrics::TextMetrics(const QFont &font)
    : m_font(font)
    , m_metrics(measuredFont(font), referenceDevice())
    , m_ascent(m_metrics.ascent() / magnification)
    , m_descent(m_metrics.descent() / magnification)
    , m_leading(m_metrics.leading() / magnification)
    , m_widths(std::make_shared<QHash<QString, qreal>>())
{}

qreal TextMetrics::capHeight() const
{
    if (!m_capHeight)
        m_capHeight = m_metrics.capHeight() / magnification;
    return *m_capHeight;
}

qreal TextMetrics::width(const QString &text) const
{
    auto known = m_widths->constFind(text);
    if (known == m_widths->constEnd())
        known = m_widths->insert(text, ShapedText::cached(text, m_font).width());
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
    TextBatch(painter).add(text, topLeft, font, color);
}

qreal TextMetrics::pointScale(const QPaintDevice *device)
{
    return device->logicalDpiY() / kPointsPerInch;
}

QFont TextMetrics::measuredFont(const QFont &font)
{
    QFont measured = font;
    measured.setPointSizeF(pointSize(font));
    measured.setHintingPreference(QFont::PreferNoHinting);
    return measured;
}

const QPaintDevice *TextMetrics::referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(kPointsPerInch * magnification / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}
