// What a click or the pointer finds in a drawn song, and the song's chord names for the chord pane and printing.
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

class SongView;

// Works on the view's chord and link click areas (view coordinates, points), kept over the whole song.
class SongClicks
{
public:
    explicit SongClicks(const SongView &view);

    // A click into a chord shows its diagrams through the delegate; otherwise a click into a link opens it.
    // Chords come first, so a chord over a link opens the chord.
    void mouseDown(QPointF point) const;
    // A chord or a link is under the point: the pointer becomes a pointing hand.
    bool isClickableAt(QPointF point) const;
    // The names of the chords drawn at or below y, each once, in drawing order, respelled with flats or sharps
    // as the view asks. The chord pane asks with y 0 for the whole song.
    QStringList uniqueChordNamesFromPositionY(float y) const;
    // The names of all chords, each once, in drawing order, as drawn.
    QStringList uniqueChordNames() const;

    // Opens a link as written in a song: a "file:" link as it stands (a failure is logged), any other as a web
    // address, with "http://" in front unless it names its scheme already.
    static bool openLink(const QString &link);

private:
    const SongView &m_view;
};
