// Fitting a laid-out song to the view that shows it: layout width, columns, auto-zoom and frame.
#pragma once

#include <QSizeF>
#include <QString>

class SongView;

// Sizes are points. The visible size is that of the scroll area's visible part; the widget around the view
// measures it the same way whether or not a scroll bar is shown, so a fit never changes its own width.
class SongFrame
{
public:
    explicit SongFrame(SongView &view);

    // Lays the song out for the visible width, sets the columns and, with autozoom, the zoom that shows the whole
    // song, and sizes the view: several columns fill the visible height; one column is as high as the song, or as
    // the visible height when the song is shorter. A visible width of 0 changes nothing.
    void adjustFrameForView(QSizeF visible, bool autozoom);
    // Sets the zoom and the columns at which the song measured at zoom 1 would fill 4, 3, 2 or 1 columns of the
    // size, trying them in this order; zoom 1 and one column for a song without records or width.
    void autoZoomForSize(QSizeF size);

private:
    QString songText() const;
    // Lays the song out at the auto-zoom's choice, less a reserve, and shrinks the zoom a little at a time while
    // the song at that zoom would need more columns than were chosen (a bounded number of times).
    void fitZoomedSong(const QString &text, QSizeF visible);
    // The records fit the columns side by side without scrolling.
    bool fitsInColumns(int columns, QSizeF visible) const;

    SongView &m_view;
};
