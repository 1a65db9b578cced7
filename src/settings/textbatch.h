// Texts drawn together: a record of a song queues its words and draws them at once, each run of one font and
// colour as one glyph run, so that a PDF gets one text object per run rather than a drawing state per word.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QString>

class QPainter;
class ShapedText;
class TextMetrics;

// Texts are placed by their top-left corner in points, as TextMetrics::drawAtPoint places them, and drawn
// from their shaped glyphs (ShapedText) under a scale that undoes the magnification they were shaped at: the
// font sizes are never rounded, and the painter's state changes once per batch (on a PDF, once per zoomed
// font's baseline), not once per word.
// Everything is drawn above what the painter drew before draw(), which the destructor calls.
class TextBatch
{
public:
    // A null painter draws nothing (a layout measuring).
    explicit TextBatch(QPainter *painter);
    ~TextBatch();
    TextBatch(const TextBatch &) = delete;
    TextBatch &operator=(const TextBatch &) = delete;

    // Queues the text with its top-left corner at the point. An invalid colour draws in black.
    void add(const QString &text, QPointF topLeft, const QFont &font, const QColor &color);
    // Queues the text in the metrics' font. A PDF keeps the font's outlines, which scale exactly, so there the
    // text is drawn from its shaping in the font its widths come from, scaled: a zoomed font needs no font engine
    // and no shaping of its own. Other devices draw the font's own glyphs, fitted to its size.
    void add(const QString &text, QPointF topLeft, const TextMetrics &metrics, const QColor &color);
    // Draws what is queued and empties the queue.
    void draw();

private:
    // Glyphs of one font in one colour drawn at one scale, in magnified units divided by the scale, from the
    // baseline's origin at (0, baseline) points.
    struct Run
    {
        QColor color;
        QRawFont font;
        qreal scale;
        qreal baseline;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    struct Boxes
    {
        QColor color;
        QPainterPath outlines;
        qreal penWidth;
    };
    // A text for a paint engine that keeps characters (a picture, a recording device), which glyphs lack.
    struct Text
    {
        QString text;
        QPointF baselineStart;
        QFont font;
        QColor color;
    };

    // Queues the shaped text's glyphs scaled by the factor from the start of its baseline, in points.
    void addGlyphs(const ShapedText &shaped, QPointF baselineStart, qreal scale, const QColor &color);
    Run &runFor(const QColor &color, const QRawFont &font, qreal scale, qreal baseline);
    void drawGlyphs();
    void drawTexts();

    QPainter *m_painter;
    bool m_drawsGlyphs;
    bool m_scalesGlyphs;
    QList<Run> m_runs;
    QList<Boxes> m_boxes;
    QList<Text> m_texts;
};
