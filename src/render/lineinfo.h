// One laid-out line of a song: which piece of the text it shows, how high it is and how it is drawn.
#pragma once

#include "gridcell.h"
#include "song.h"

#include <QColor>
#include <QImage>
#include <QList>

#include <optional>

class LineInfo
{
public:
    // Inside a chorus, bridge or block section.
    bool chorus = false;
    // A tab line: drawn in the tab font, cut by characters.
    bool tab = false;
    bool title = false;
    bool subtitle = false;
    // A page break (printing only; no text, height 0).
    bool newPage = false;
    // A row of chord diagrams (printing only).
    bool chords = false;
    // In points.
    float height = 0;
    // A lyric line's rows, which its height is made of: the chord row above the words, and the row of words.
    bool chordRow = false;
    bool wordRow = false;
    // The text line did not fit the column whole: it goes on in the next record (a tab line, after its section).
    bool broken = false;
    // The cells of a grid row; none for other lines.
    std::optional<QList<GridCell>> gridCells;
    // The picture of an image line; null for other lines.
    QImage image;
    // The part of the song text the line shows, in UTF-16 units; (0, 0) for image and page-break records.
    // For a row of chord diagrams: the first index and count of its entries in the chord list.
    TextRange range;

    // The drawing state in force where the record starts, kept by the layout, so that any record can be
    // drawn on its own (a clipped repaint, one printed page) with the decisions it was measured with.
    bool highlight = false;
    QColor highlightcolor;
    float titlefontsize = 0;
};

// Its members move as plain memory, so the growing list of a long song's records moves them without copying
// each one.
Q_DECLARE_TYPEINFO(LineInfo, Q_RELOCATABLE_TYPE);
