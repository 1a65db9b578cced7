// The grid in which a chord view lays out its diagrams.
#include "chordgrid.h"

#include "keyboarddrawing.h"

#include <algorithm>

namespace {

constexpr qreal cellInset = 2.0;
constexpr qreal cellAspect = 1.2; // cell height over cell width of a fretted diagram

QRectF insetCell(qreal x, qreal y, qreal width, qreal height)
{
    return QRectF(x, y, width, height).adjusted(cellInset, cellInset, -cellInset, -cellInset);
}

} // namespace

ChordGrid::ChordGrid(int count, const QRectF &rect, int numcols, bool keyboard)
{
    if (count <= 0)
        return;
    if (keyboard)
        layOutKeyboards(count, rect);
    else
        layOutFretted(count, rect, numcols);
}

void ChordGrid::layOutFretted(int count, const QRectF &rect, int numcols)
{
    const qreal width = rect.width();
    // Fewer than one column would make the cells infinitely wide; one column is the least a row has.
    qreal cw = width / std::max(numcols, 1);
    qreal ch = cellAspect * cw;
    if (rect.height() < ch) {
        ch = rect.height();
        cw = ch / cellAspect;
    }
    qreal x = 0;
    qreal y = 0;
    qreal right = 0;
    qreal bottom = 0;
    for (int i = 0; i < count; ++i) {
        m_bounds.append(insetCell(x, y, cw, ch));
        x += cw;
        if (x >= width - cellInset) {
            x = 0;
            y += ch;
        }
        right = std::max(right, x + cw);
        bottom = std::max(bottom, y + ch);
    }
    // Kept as single-precision values, as the view's sizes are.
    m_extent = QSizeF(float(right), float(bottom));
}

void ChordGrid::layOutKeyboards(int count, const QRectF &rect)
{
    const qreal cw = rect.width();
    // Half the height, but no higher than a keyboard of the cell's width looks: a tall rectangle (one that
    // leaves the height open) would otherwise stretch the keys far out of shape.
    const qreal natural = KeyboardDrawing::naturalHeight(cw - 2 * cellInset) + 2 * cellInset;
    const qreal ch = std::clamp<qreal>(rect.height() * 0.5, 0, natural);
    // Each keyboard chord owns its keyboard cell and the equally high band of staves below it.
    const qreal rowHeight = 2 * ch;
    for (int i = 0; i < count; ++i)
        m_bounds.append(insetCell(0, i * rowHeight, cw, ch));
    m_extent = QSizeF(float(std::max<qreal>(cw, 0)), float(count * rowHeight));
}

QRectF ChordGrid::staffArea(const QRectF &keyboardBounds)
{
    return QRectF(keyboardBounds.x(), keyboardBounds.bottom(), keyboardBounds.width(), keyboardBounds.height());
}

int ChordGrid::chordsPerRow(qint64 chordsPerPrintedRow, int columns)
{
    return int(std::max<qint64>(chordsPerPrintedRow / std::max(columns, 1), 1));
}
