// A view's last layout measured at another zoom without laying the text out again.
#pragma once

#include "lineinfo.h"

#include <QList>

struct LinesAtZoom
{
    // The zoom measured at, the whole width given to the song (before the border), and the view's layout measured
    // (SongView::layoutGeneration).
    float zoom = 1;
    float width = 0;
    quint64 layoutGeneration = 0;
    // The records of the last layout with what a layout at the zoom gives them: their heights, and the title's
    // font scale in force where each starts.
    QList<LineInfo> lines;
    // As a layout at the zoom leaves them: the width of the widest title or subtitle, the title's font scale.
    float titlewidth = 0;
    float titlefontsize = 0;
    // No line at the zoom is wider: the widest line laid out last times the largest ratio of a font's widths at
    // the zoom to its widths then (or the widest image, which no zoom changes).
    float widestBound = 0;
};
