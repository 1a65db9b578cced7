// The grid in which a chord view lays out its diagrams: one cell per chord, in points.
#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

class ChordGrid
{
public:
    // Lays out count diagrams in a rectangle of rect's size, starting at the view's own origin
    // (0, 0) whatever rect's origin. Fretted diagrams fill numcols columns of cells 1.2 times as
    // high as wide, shrunk to fit the height; a keyboard chord takes a full-width cell of half the
    // height (at most a keyboard's natural height at that width) for its keyboard with its staves
    // below it, so several keyboard chords stack without overlapping.
    ChordGrid(int count, const QRectF &rect, int numcols, bool keyboard);

    // Each diagram's bounds: its cell inset by 2 points on every side. For a keyboard chord this
    // is the keyboard; its staves lie in staffArea(bounds).
    const QList<QRectF> &bounds() const { return m_bounds; }
    // How much room the grid wants. Fretted grids keep one empty cell after an unfinished row
    // (and an empty row after a full one), which callers sizing their views rely on; keyboard
    // grids end below the last staves. No chords: (0, 0).
    QSizeF extent() const { return m_extent; }

    // Where a keyboard chord whose keyboard lies in bounds draws its two staves.
    static QRectF staffArea(const QRectF &keyboardBounds);
    // Diagrams in one printed chord row of a column: the chords per printed row shared among the page's
    // columns, at least one, so that a row's cell width never divides by zero.
    static int chordsPerRow(qint64 chordsPerPrintedRow, int columns);

private:
    void layOutFretted(int count, const QRectF &rect, int numcols);
    void layOutKeyboards(int count, const QRectF &rect);

    QList<QRectF> m_bounds;
    QSizeF m_extent{0, 0};
};
