// Texts queued and drawn together from their glyphs.
#include "textbatch.h"

#include "shapedtext.h"
#include "textmetrics.h"

#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>

#include <optional>
#include <utility>

namespace {

// Paint engines that draw glyphs as they come: the screen and images (raster) and PDF, which printing goes
// through. Others keep the characters of the text.
bool drawsGlyphs(QPainter *painter)
{
    const QPaintEngine::Type type = painter->paintEngine()->type();
    return type == QPaintEngine::Raster || type == QPaintEngine::Pdf;
}

QColor shownColor(const QColor &color)
{
    return color.isValid() ? color : QColor(Qt::black);
}

} // namespace

TextBatch::TextBatch(QPainter *painter)
    : m_painter(painter)
    , m_drawsGlyphs(painter && drawsGlyphs(painter))
    , m_scalesGlyphs(painter && painter->paintEngine()->type() == QPaintEngine::Pdf)
{}

TextBatch::~TextBatch()
{
    draw();
}

void TextBatch::add(const QString &text, QPointF topLeft, const QFont &font, const QColor &color)
{
    if (!m_painter)
        return;
    const QColor shown = shownColor(color);
    const ShapedText &shaped = ShapedText::cached(text, font);
    const QPointF baselineStart(topLeft.x(), topLeft.y() + shaped.ascent());
    // Boxes for characters no font has are drawn on every device: as characters they would show as nothing.
    if (!m_drawsGlyphs && shaped.boxes().isEmpty()) {
        m_texts.append({text, baselineStart, font, shown});
        return;
    }
    addGlyphs(shaped, baselineStart, 1, shown);
}

void TextBatch::add(const QString &text, QPointF topLeft, const TextMetrics &metrics, const QColor &color)
{
    if (!m_scalesGlyphs) {
        add(text, topLeft, metrics.font(), color);
        return;
    }
    addGlyphs(ShapedText::cached(text, metrics.widthFont()), QPointF(topLeft.x(), metrics.baseline(topLeft.y())),
              metrics.widthScale(), shownColor(color));
}

void TextBatch::addGlyphs(const ShapedText &shaped, QPointF baselineStart, qreal scale, const QColor &color)
{
    // Scaled glyphs stand on a baseline of their run's, placed by the painter: rounded in the run's units, their
    // place would move by a ten-thousandth of a point, enough for a reader that puts baselines on whole pixels to
    // draw a line a pixel off. Glyphs at their own size are placed in magnified units, exactly.
    const qreal baseline = scale == 1 ? 0 : baselineStart.y();
    const QPointF originInRun =
        QPointF(baselineStart.x(), baselineStart.y() - baseline) * (TextMetrics::magnification / scale);
    for (const QGlyphRun &glyphs : shaped.runs()) {
        Run &run = runFor(color, glyphs.rawFont(), scale, baseline);
        run.glyphs += glyphs.glyphIndexes();
        for (const QPointF &position : glyphs.positions())
            run.positions.append(originInRun + position);
    }
    if (!shaped.boxes().isEmpty()) {
        const QPainterPath boxes = QTransform::fromScale(scale, scale).map(shaped.boxes());
        m_boxes.append(
            {color, boxes.translated(baselineStart * TextMetrics::magnification), shaped.boxPenWidth() * scale});
    }
}

void TextBatch::draw()
{
    if (!m_runs.isEmpty() || !m_boxes.isEmpty())
        drawGlyphs();
    if (!m_texts.isEmpty())
        drawTexts();
}

TextBatch::Run &TextBatch::runFor(const QColor &color, const QRawFont &font, qreal scale, qreal baseline)
{
    // A font's runs on other baselines follow each other, so that the glyphs come in the order of their font
    // whatever their baseline: readers of a PDF take its text in the order it is drawn.
    qsizetype at = m_runs.size();
    for (qsizetype i = 0; i < m_runs.size(); ++i) {
        Run &run = m_runs[i];
        if (run.color != color || run.font != font || run.scale != scale)
            continue;
        if (run.baseline == baseline)
            return run;
        at = i + 1;
    }
    m_runs.insert(at, {color, font, scale, baseline, {}, {}});
    return m_runs[at];
}

void TextBatch::drawGlyphs()
{
    m_painter->save();
    const QTransform base = m_painter->transform();
    // The painter's state changes only where the scale or the baseline does.
    std::optional<std::pair<qreal, qreal>> placed;
    auto place = [&](qreal scale, qreal baseline) {
        if (placed == std::pair(scale, baseline))
            return;
        placed = std::pair(scale, baseline);
        m_painter->setTransform(base);
        if (baseline != 0)
            m_painter->translate(0, baseline);
        m_painter->scale(scale / TextMetrics::magnification, scale / TextMetrics::magnification);
    };
    for (const Run &run : std::as_const(m_runs)) {
        place(run.scale, run.baseline);
        QGlyphRun glyphs;
        glyphs.setRawFont(run.font);
        glyphs.setGlyphIndexes(run.glyphs);
        glyphs.setPositions(run.positions);
        m_painter->setPen(run.color);
        m_painter->drawGlyphRun(QPointF(), glyphs);
    }
    place(1, 0);
    if (!m_boxes.isEmpty())
        m_painter->setRenderHint(QPainter::Antialiasing);
    for (const Boxes &boxes : std::as_const(m_boxes))
        m_painter->strokePath(boxes.outlines, QPen(boxes.color, boxes.penWidth));
    m_painter->restore();
    m_runs.clear();
    m_boxes.clear();
}

void TextBatch::drawTexts()
{
    for (const Text &text : std::as_const(m_texts)) {
        // The painter turns points into device pixels already, so the font must not do it a second time: on
        // this device its size in points is the wanted size divided by the device's points-to-pixel scale. It
        // is drawn magnified under a scale that undoes the magnification, so its size is not rounded.
        QFont deviceFont = TextMetrics::measuredFont(text.font);
        deviceFont.setPointSizeF(deviceFont.pointSizeF() * TextMetrics::magnification /
                                 TextMetrics::pointScale(m_painter->device()));
        m_painter->save();
        m_painter->translate(text.baselineStart);
        m_painter->scale(1 / TextMetrics::magnification, 1 / TextMetrics::magnification);
        m_painter->setFont(deviceFont);
        m_painter->setPen(text.color);
        m_painter->drawText(QPointF(0, 0), text.text);
        m_painter->restore();
    }
    m_texts.clear();
}
