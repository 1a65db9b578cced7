// Text shaped once, drawn from its glyphs.
#include "shapedtext.h"

#include "textmetrics.h"

#include <QCache>
#include <QFontMetricsF>
#include <QRawFont>
#include <QTextLayout>

namespace {

// Enough for every word of a long song and its chords, or of the songs of a print job between their layout
// and their drawing.
constexpr qsizetype kCachedTexts = 20000;

struct CacheKey
{
    QString text;
    QFont font;
    bool operator==(const CacheKey &other) const { return text == other.text && font == other.font; }
};

size_t qHash(const CacheKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font);
}

// Qt shapes a character that no installed font has with a stand-in font of empty boxes, which its glyph cache
// draws as nothing at the magnified size: the text would vanish. The stand-in is no font file: it has no tables.
bool isStandIn(const QGlyphRun &run)
{
    return run.rawFont().fontTable("head").isEmpty();
}

// The stand-in's glyphs as box outlines, one per glyph, each as wide as its advance; the baseline is at y 0.
QPainterPath boxesOf(const QList<QPointF> &positions, qreal runEnd)
{
    QPainterPath boxes;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        const qreal advance = (i + 1 < positions.size() ? positions[i + 1].x() : runEnd) - positions[i].x();
        const qreal side = 0.7 * advance;
        boxes.addRect(QRectF(positions[i].x() + 0.15 * advance, positions[i].y() - side, side, side));
    }
    return boxes;
}

} // namespace

ShapedText::ShapedText(const QString &text, const QFont &font)
{
    // The font's shared metrics and font object: looking the font up anew for every new word was a good part of
    // shaping it.
    const TextMetrics metrics = TextMetrics::shared(font);
    const QFont &measured = metrics.shapingFont();
    m_ascent = metrics.ascent();
    QTextLayout layout(text, measured, TextMetrics::referenceDevice());
    // Laid out from the left as QPainter::drawText lays out a line, in the direction the text's first strong
    // character gives (a Hebrew word's trailing comma stands at its left).
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LayoutDirectionAuto);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // The same advance as QFontMetricsF::horizontalAdvance() on the reference device.
    m_width = line.horizontalAdvance() / TextMetrics::magnification;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun &run : runs)
        addRun(run, line.ascent());
    m_boxPenWidth = measured.pointSizeF() * TextMetrics::magnification / 14.0;
}

void ShapedText::addRun(const QGlyphRun &run, qreal baselineInLayout)
{
    QList<QPointF> positions = run.positions();
    for (QPointF &position : positions)
        position.ry() -= baselineInLayout;
    if (isStandIn(run)) {
        m_boxes.addPath(boxesOf(positions, run.boundingRect().right()));
        return;
    }
    QGlyphRun placed = run;
    placed.setPositions(positions);
    m_runs.append(placed);
}

const ShapedText &ShapedText::cached(const QString &text, const QFont &font)
{
    // Never destroyed: the fonts of its glyph runs must not be released after the application has taken its
    // font system down.
    thread_local auto *texts = new QCache<CacheKey, ShapedText>(kCachedTexts);
    CacheKey key{text, font};
    if (const ShapedText *known = texts->object(key))
        return *known;
    auto *shaped = new ShapedText(text, font);
    texts->insert(std::move(key), shaped);
    return *shaped;
}
