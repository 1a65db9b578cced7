// Texts queued and drawn together from their glyphs.
#include "textbatch.h"

#include "shapedtext.h"
#include "textmetrics.h"

#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>

namespace {

// Paint engines that draw glyphs as they come: the screen and images (raster) and PDF, which printing goes
// through. Others keep the characters of the text.
bool drawsGlyphs(QPainter *painter)
{
    const QPaintEngine::Type type = painter->paintEngine()->type();
    return type == QPaintEngine::Raster || type == QPaintEngine::Pdf;
}

} // namespace

TextBatch::TextBatch(QPainter *painter)
    : m_painter(painter)
    , m_drawsGlyphs(painter && drawsGlyphs(painter))
{}

TextBatch::~TextBatch()
{
    draw();
}

void TextBatch::add(const QString &text, QPointF topLeft, const QFont &font, const QColor &color)
{
    if (!m_painter)
        return;
    const QColor shown = color.isValid() ? color : QColor(Qt::black);
    const ShapedText &shaped = ShapedText::cached(text, font);
    // Boxes for characters no font has are drawn on every device: as characters they would show as nothing.
    if (!m_drawsGlyphs && shaped.boxes().isEmpty()) {
        m_texts.append({text, QPointF(topLeft.x(), topLeft.y() + shaped.ascent()), font, shown});
        return;
    }
    const QPointF origin = QPointF(topLeft.x(), topLeft.y() + shaped.ascent()) * TextMetrics::magnification;
    for (const QGlyphRun &glyphs : shaped.runs()) {
        Run &run = runFor(shown, glyphs.rawFont());
        run.glyphs += glyphs.glyphIndexes();
        for (const QPointF &position : glyphs.positions())
            run.positions.append(origin + position);
    }
    if (!shaped.boxes().isEmpty())
        m_boxes.append({shown, shaped.boxes().translated(origin), shaped.boxPenWidth()});
}

void TextBatch::draw()
{
    if (!m_runs.isEmpty() || !m_boxes.isEmpty())
        drawGlyphs();
    if (!m_texts.isEmpty())
        drawTexts();
}

TextBatch::Run &TextBatch::runFor(const QColor &color, const QRawFont &font)
{
    for (Run &run : m_runs) {
        if (run.color == color && run.font == font)
            return run;
    }
    m_runs.append({color, font, {}, {}});
    return m_runs.last();
}

void TextBatch::drawGlyphs()
{
    m_painter->save();
    m_painter->scale(1 / TextMetrics::magnification, 1 / TextMetrics::magnification);
    for (const Run &run : std::as_const(m_runs)) {
        QGlyphRun glyphs;
        glyphs.setRawFont(run.font);
        glyphs.setGlyphIndexes(run.glyphs);
        glyphs.setPositions(run.positions);
        m_painter->setPen(run.color);
        m_painter->drawGlyphRun(QPointF(), glyphs);
    }
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
