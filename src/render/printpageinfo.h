// One printed page of one song, as pagination leaves it.
#pragma once

#include <QRectF>

struct PrintPageInfo
{
    // Index, in the song's joined line list, of the first line drawn on the page.
    qint64 firstLineIndex = 0;
    // The page's place in the song's print strip (pages one below the other): x 0, y the sum of the heights of
    // the pages before, the print area's width, the height of the page's tallest column. Points.
    QRectF rect;
};
