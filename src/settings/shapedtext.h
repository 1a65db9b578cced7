// Text shaped once and drawn again and again from its glyphs: a song's words are drawn on every repaint and
// printed page, and shaping them each time was most of the cost of drawing. Only words drawn are shaped here:
// layout measures with TextMetrics, to the same advance.
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPainterPath>
#include <QString>

// The glyphs of a text in one font, shaped on the magnified reference device TextMetrics measures on, so that
// they stand exactly where the layout measured them. Glyph positions, the box outlines and their pen are in
// magnified units (TextMetrics::magnification per point) from the start of the baseline.
class ShapedText
{
public:
    ShapedText(const QString &text, const QFont &font);

    // The text shaped in the font, kept for the texts used most recently on this thread (fonts and glyph
    // runs belong to the thread that made them). The reference holds until the next call.
    static const ShapedText &cached(const QString &text, const QFont &font);

    // Distance from the top of the text to its baseline, in points, as TextMetrics measures it.
    qreal ascent() const { return m_ascent; }
    // The advance of the whole text, trailing blanks included, in points.
    qreal width() const { return m_width; }
    // One run per font the text's characters come from.
    const QList<QGlyphRun> &runs() const { return m_runs; }
    // Characters no installed font has, as box outlines to stroke with a pen of boxPenWidth().
    const QPainterPath &boxes() const { return m_boxes; }
    qreal boxPenWidth() const { return m_boxPenWidth; }

private:
    void addRun(const QGlyphRun &run, qreal baselineInLayout);

    qreal m_ascent = 0;
    qreal m_width = 0;
    QList<QGlyphRun> m_runs;
    QPainterPath m_boxes;
    qreal m_boxPenWidth = 0;
};
