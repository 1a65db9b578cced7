// Measuring and drawing text in points on every device.
#include "textmetrics.h"

#include "shapedtext.h"
#include "textbatch.h"

#include <QCache>
#include <QImage>

#include <algorithm>

namespace {

constexpr qreal kPointsPerInch = 72.0;

// The fonts of a song at a few zooms and of a print job's tries, with room to spare.
constexpr qsizetype kSharedFonts = 64;
// A font's widths are kept for the words of many songs, but not without end.
constexpr qsizetype kKeptWidths = 50000;

qreal pointSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

// Qt sizes a font in whole pixels of the device, here of the reference device: the size widths follow.
qreal measuredPixelSize(const QFont &font)
{
    return std::max(1, qRound(pointSize(font) * TextMetrics::magnification));
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

TextMetrics TextMetrics::shared(const QFont &font)
{
    // Never destroyed, like the shaped texts whose widths the metrics keep: fonts must not be released after
    // the application has taken its font system down.
    thread_local auto *known = new QCache<QFont, TextMetrics>(kSharedFonts);
    if (const TextMetrics *metrics = known->object(font))
        return *metrics;
    auto *metrics = new TextMetrics(font);
    known->insert(font, metrics);
    return *metrics;
}

TextMetrics TextMetrics::zoomed(const QFont &font, const QFont &unzoomed)
{
    TextMetrics metrics = shared(font);
    if (font == unzoomed)
        return metrics;
    const TextMetrics widths = shared(unzoomed);
    metrics.m_font = widths.m_font;
    metrics.m_widths = widths.m_widths;
    metrics.m_widthScale = widths.m_widthScale * measuredPixelSize(font) / measuredPixelSize(unzoomed);
    return metrics;
}

qreal TextMetrics::capHeight() const
{
    if (!m_capHeight)
        m_capHeight = m_metrics.capHeight() / magnification;
    return *m_capHeight;
}

qreal TextMetrics::width(const QString &text) const
{
    auto known = m_widths->constFind(text);
    if (known == m_widths->constEnd()) {
        if (m_widths->size() >= kKeptWidths)
            m_widths->clear();
        known = m_widths->insert(text, ShapedText::cached(text, m_font).width());
    }
    return *known * m_widthScale;
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
