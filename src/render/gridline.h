// Chord-grid rows: bars of chords, split into cells, aligned in columns across a grid section, and wrapped
// where the column ends.
#pragma once

#include "gridcell.h"
#include "song.h"
#include "textbatch.h"

#include <QList>
#include <QPointF>

class QPainter;
class SongView;

class GridLine
{
public:
    // Where the cells of one row go in a column: the wrapped rows and their widest extent.
    struct Placement
    {
        QList<QPointF> origins; // top-left corner of each cell, relative to the row's top
        int wraps = 0;          // rows added by wrapping
        qreal width = 0;        // the widest wrapped row, gaps included
    };

    // painter null measures.
    GridLine(SongView &view, QPainter *painter);

    // The cells of a trimmed grid line: its whitespace-separated parts ("." an empty cell), the labels before
    // the first bar separator joined into one cell and the text after the cell behind the last separator
    // joined into that one (a trailing comment); kinds and alignments set, widths not.
    static QList<GridCell> cellsForLine(const QString &trimmedLine);
    // The one wrapping rule of measuring and drawing: a cell that would pass the width starts a new row
    // (never the first cell of a row).
    static Placement place(const QList<GridCell> &cells, qreal width, qreal gap, qreal rowHeight);

    // The row's cells with their widths, chord hit records without bounds; y moves down by one row.
    QList<GridCell> measure(const QString &text, TextRange range, float &y);
    // Draws the cells, wrapping as place() says; y moves down by the rows drawn.
    void draw(const QList<GridCell> &cells, float width, float &y);

    // Height of one row and the gap after each cell: the size of "-" in the text font.
    qreal rowHeight() const;
    qreal gap() const;

private:
    void drawChordCell(const GridCell &cell, QPointF origin);
    void drawTextCell(const GridCell &cell, QPointF origin);

    SongView &m_view;
    QPainter *m_painter;
    // The record's texts, drawn together when it is done.
    TextBatch m_texts;
};
