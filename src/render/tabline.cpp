// Tab lines.
#include "tabline.h"

#include "prefs.h"
#include "songview.h"

#include <QPainter>

#include <cmath>

TabLine::TabLine(SongView &view, QPainter *painter)
    : m_view(view)
    , m_painter(painter)
    , m_texts(view.textPainter(painter))
{}

TextRange TabLine::draw(const QString &text, TextRange range, float width, float &y)
{
    const TextMetrics &metrics = m_view.m_tabMetrics;
    const qreal charWidth = metrics.width(QStringLiteral("-"));
    // Leading blanks place the tab's columns; only what ends the line is not drawn.
    qsizetype length = range.length;
    while (length > 0 && text[range.location + length - 1].isSpace())
        --length;
    qsizetype shown = length;
    TextRange consumed = range;
    if (width > 0 && width < length * charWidth) {
        shown = qsizetype(std::floor(width / charWidth));
        consumed.length = shown;
    }
    if (range.location < 0 || range.location + shown > text.size())
        return consumed;
    if (m_painter) {
        const FontPrefs &font = *m_view.prefs()->tabfontprefs();
        const QColor background = font.backgroundColor();
        if (background.isValid() && background.alpha() > 0)
            m_painter->fillRect(QRectF(0, y, width, metrics.height()), background);
        m_texts.add(text.mid(range.location, shown), QPointF(0, y), metrics, font.color());
    }
    m_view.raiseMaxwidth(float(shown * charWidth));
    y += height(m_view);
    return consumed;
}

float TabLine::height(const SongView &view)
{
    return float(view.m_tabMetrics.height());
}
