// Chord-grid rows.
#include "gridline.h"

#include "prefs.h"
#include "songview.h"

#include <QPainter>
#include <QRegularExpression>

namespace {

qsizetype firstSeparator(const QList<GridCell> &cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells[i].isTaktSeparator())
            return i;
    }
    return -1;
}

qsizetype lastSeparator(const QList<GridCell> &cells)
{
    for (qsizetype i = cells.size() - 1; i >= 0; --i) {
        if (cells[i].isTaktSeparator())
            return i;
    }
    return -1;
}

// Joins the cells from..to (inclusive) into the first of them.
void joinCells(QList<GridCell> &cells, qsizetype from, qsizetype to)
{
    for (qsizetype i = from + 1; i <= to; ++i)
        cells[from].text += u' ' + cells[i].text;
    cells.remove(from + 1, to - from);
}

} // namespace

GridLine::GridLine(SongView &view, QPainter *painter)
    : m_view(view)
    , m_painter(painter)
    , m_texts(view.textPainter(painter))
{}

QList<GridCell> GridLine::cellsForLine(const QString &trimmedLine)
{
    static const QRegularExpression whitespace(QStringLiteral("\\s"));
    QStringList parts = trimmedLine.split(whitespace);
    // Runs of blanks leave empty parts between them.
    for (qsizetype i = parts.size() - 2; i >= 1; --i) {
        if (parts[i].isEmpty())
            parts.removeAt(i);
    }
    QList<GridCell> cells;
    for (const QString &part : std::as_const(parts))
        cells.append(GridCell(part == u"." ? QString() : part));

    const qsizetype first = firstSeparator(cells);
    if (first > 1)
        joinCells(cells, 0, first - 1);
    const qsizetype last = lastSeparator(cells);
    if (last >= 0 && last + 2 < cells.size())
        joinCells(cells, last + 1, cells.size() - 1);

    const qsizetype firstBar = firstSeparator(cells);
    const qsizetype lastBar = lastSeparator(cells);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        GridCell &cell = cells[i];
        if (cell.isTaktSeparator()) {
            if (i == lastBar && i != firstBar)
                cell.textAlignment = Qt::AlignRight;
            else if (i != firstBar)
                cell.textAlignment = Qt::AlignHCenter;
        } else {
            // Labels before the first bar and text after the last are no chords; without bars all cells are.
            cell.isChord = firstBar < 0 || (i > firstBar && i < lastBar);
        }
    }
    return cells;
}

GridLine::Placement GridLine::place(const QList<GridCell> &cells, qreal width, qreal gap, qreal rowHeight)
{
    Placement placement;
    qreal x = 0;
    qreal y = 0;
    for (const GridCell &cell : cells) {
        if (x > 0 && x + cell.width > width) {
            placement.width = std::max(placement.width, x);
            ++placement.wraps;
            x = 0;
            y += rowHeight;
        }
        placement.origins.append(QPointF(x, y));
        x += cell.width + gap;
    }
    placement.width = std::max(placement.width, x);
    return placement;
}

qreal GridLine::rowHeight() const
{
    return m_view.m_textMetrics.height();
}

qreal GridLine::gap() const
{
    return m_view.m_textMetrics.width(QStringLiteral("-"));
}

QList<GridCell> GridLine::measure(const QString &text, TextRange range, float &y)
{
    QList<GridCell> cells = cellsForLine(text.mid(range.location, range.length).trimmed());
    qreal rowWidth = 0;
    for (GridCell &cell : cells) {
        if (cell.isChord) {
            const QString name = m_view.transposedChordName(cell.text);
            cell.width = m_view.m_chordMetrics.width(m_view.displayChordName(name));
            m_view.addChordHit(name, QRectF());
        } else {
            cell.width = m_view.m_textMetrics.width(cell.text);
        }
        rowWidth += cell.width + gap();
    }
    m_view.raiseMaxwidth(float(rowWidth));
    y += float(rowHeight());
    return cells;
}

void GridLine::draw(const QList<GridCell> &cells, float width, float &y)
{
    const Placement placement = place(cells, width, gap(), rowHeight());
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QPointF origin = placement.origins[i] + QPointF(0, y);
        if (cells[i].isChord)
            drawChordCell(cells[i], origin);
        else
            drawTextCell(cells[i], origin);
    }
    y += float((placement.wraps + 1) * rowHeight());
}

void GridLine::drawChordCell(const GridCell &cell, QPointF origin)
{
    const QString name = m_view.transposedChordName(cell.text);
    const QString shown = m_view.displayChordName(name);
    const TextMetrics &metrics = m_view.m_chordMetrics;
    const FontPrefs &font = *m_view.prefs()->chordfontprefs();
    const QRectF rect(origin, QSizeF(metrics.width(shown), metrics.height()));
    const QColor background = font.backgroundColor();
    if (background.isValid() && background.alpha() > 0)
        m_painter->fillRect(rect, background);
    m_texts.add(shown, origin, metrics, font.color());
    const qreal grow = 0.5 * metrics.descent();
    m_view.addChordHit(name, m_view.viewRect(rect.adjusted(-grow, -grow, grow, grow)));
}

void GridLine::drawTextCell(const GridCell &cell, QPointF origin)
{
    const qreal textWidth = m_view.m_textMetrics.width(cell.text);
    qreal x = origin.x();
    if (cell.textAlignment & Qt::AlignRight)
        x += cell.width - textWidth;
    else if (cell.textAlignment & Qt::AlignHCenter)
        x += (cell.width - textWidth) * 0.5;
    m_texts.add(cell.text, QPointF(x, origin.y()), m_view.m_textMetrics, m_view.prefs()->textfontprefs()->color());
}
