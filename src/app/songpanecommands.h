// What the song pane asks of the application when its toolbars change the song or its transposition: the
// application writes the song, keeps the playlist entry's key and tells connected peers.
#pragma once

#include <QString>

class Song;

class SongPaneCommands
{
public:
    virtual ~SongPaneCommands() = default;

    // Writes the capo into the current song and shows it at minus the capo.
    virtual void setCapo(qint64 capo) = 0;
    // Rewrites the current song's chords by the shown transposition and shows it untransposed again.
    virtual void transposeSave() = 0;
    // Seconds of the auto-scroll, written into the shown song.
    virtual void saveAutoScrollTime(int seconds) = 0;
    // Beats per minute of the metronome, written into the shown song (text songs only).
    virtual void saveMetronomeTempo(int tempo) = 0;
    // The key the song is played in, kept as the selected playlist entry's key.
    virtual void updatePlaylistKey(const QString &key) = 0;
    // Connected peers show the song with this transposition.
    virtual void notifyPeersTransposeSong(const Song &song, int transpose) = 0;
};
