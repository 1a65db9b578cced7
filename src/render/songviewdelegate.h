// What a song view asks of its owner: the song to show, and what to do with a clicked chord.
#pragma once

#include "song.h"

#include <QRectF>
#include <QString>

class SongView;

class SongViewDelegate
{
public:
    virtual ~SongViewDelegate() = default;

    // The song to show, asked at every layout and drawing pass and never stored by the view; null while
    // no song is shown (the layout then makes no records).
    virtual SongPtr songForSongView(const SongView &view) = 0;
    // A click into a chord: its name as drawn (transposed) and its rectangle in view coordinates.
    // Optional: owners that do not show chords leave it as it is.
    virtual void showChords(const QString &name, const QRectF &rect)
    {
        Q_UNUSED(name);
        Q_UNUSED(rect);
    }
};
