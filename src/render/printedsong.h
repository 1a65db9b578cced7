// One song of a print job as the job sees it: cut into pages of the printable area, then drawn a page at a time.
#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

class PrintedSong
{
public:
    virtual ~PrintedSong() = default;

    // Cuts the song into pages of the printable area's size (points). Runs again for every pagination.
    virtual void paginate(QSizeF area) = 0;
    // The pages of the last pagination; a song with nothing to print has none.
    virtual int pageCount() const = 0;
    // Draws one page (from 0) into the printable area, in the painter's coordinates (points).
    virtual void drawPage(QPainter &painter, int page, const QRectF &area) = 0;
};
