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

// Text that holds a character no installed font has. Qt then shapes it with a stand-in font of empty boxes,
// which its glyph cache draws as nothing at the magnified size: the text would vanish.
bool needsBoxes(const QString &text, const QFont &font)
{
    // Latin, with its accents and extensions, is in every desktop's fonts: no need to shape it to know.
    const auto isLatin = [](QChar c) { return c.unicode() < 0x250; };
    if (std::all_of(text.cbegin(), text.cend(), isLatin))
        return false;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    // The stand-in is no font file: it has no tables.
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::any_of(runs.cbegin(), runs.cend(),
                       [](const QGlyphRun &run) { return run.rawFont().fontTable("head").isEmpty(); });
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
    if (needsBoxes(text, deviceFont)) {
        // As outlines, the stand-in's boxes show: the reader sees that text is there and where. A path is in
        // pixels of the font, so its size is given in pixels: one pixel is one unit of the painter here.
        QFont pathFont = measuredFont(font);
        pathFont.setPixelSize(qRound(pointSize(font) * magnification));
        QPainterPath outlines;
        outlines.addText(QPointF(0, 0), pathFont, text);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillPath(outlines, painter->pen().color());
    } else {
        painter->drawText(QPointF(0, 0), text);
    }
    painter->restore();
}

qreal TextMetrics::pointScale(const QPaintDevice *device)
{
    return device->logicalDpiY() / kPointsPerInch;
}
