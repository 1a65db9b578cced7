// Measuring and drawing text in points on every device.
#include "textmetrics.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>

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

// Qt shapes a character that no installed font has with a stand-in font of empty boxes, which its glyph cache
// draws as nothing at the magnified size: the text would vanish. The stand-in is no font file: it has no tables.
bool isStandIn(const QGlyphRun &run)
{
    return run.rawFont().fontTable("head").isEmpty();
}

// The stand-in's glyphs as box outlines, one per glyph, each as wide as its advance; the baseline is at y 0.
QPainterPath boxesOf(const QGlyphRun &run, qreal baselineInRun)
{
    QPainterPath boxes;
    const QList<QPointF> positions = run.positions();
    const qreal runEnd = run.boundingRect().right();
    for (qsizetype i = 0; i < positions.size(); ++i) {
        const qreal advance = (i + 1 < positions.size() ? positions[i + 1].x() : runEnd) - positions[i].x();
        const qreal side = 0.7 * advance;
        boxes.addRect(QRectF(positions[i].x() + 0.15 * advance, positions[i].y() - baselineInRun - side, side, side));
    }
    return boxes;
}

// Draws text that holds characters no installed font has: the stand-in's glyphs as visible boxes, the others
// as usual. False (nothing drawn) for text every glyph of which comes from a font. The painter's unit is one
// pixel of the font, whose size is given in pixels; the baseline is at y 0.
bool drawWithBoxes(QPainter *painter, const QString &text, const QFont &pixelFont)
{
    // Latin, with its accents and extensions, is in every desktop's fonts: no need to shape it to know.
    const auto isLatin = [](QChar c) { return c.unicode() < 0x250; };
    if (std::all_of(text.cbegin(), text.cend(), isLatin))
        return false;
    QTextLayout layout(text, pixelFont);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (std::none_of(runs.cbegin(), runs.cend(), isStandIn))
        return false;
    const QPointF origin(0, -line.ascent());
    for (const QGlyphRun &run : runs) {
        if (!isStandIn(run)) {
            painter->drawGlyphRun(origin, run);
            continue;
        }
        const qreal penWidth = pixelFont.pixelSize() / 14.0;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->strokePath(boxesOf(run, line.ascent()), QPen(painter->pen().color(), penWidth));
        painter->restore();
    }
    return true;
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
    // Shaped on its own, text is measured in pixels of the font: one pixel is one unit of the painter here.
    QFont pixelFont = measuredFont(font);
    pixelFont.setPixelSize(qRound(pointSize(font) * magnification));
    if (!drawWithBoxes(painter, text, pixelFont))
        painter->drawText(QPointF(0, 0), text);
    painter->restore();
}

qreal TextMetrics::pointScale(const QPaintDevice *device)
{
    return device->logicalDpiY() / kPointsPerInch;
}
