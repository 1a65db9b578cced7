// What nearby sharing needs of the application it runs in.
#pragma once

#include <QString>

#include <memory>

class Song;
using SongPtr = std::shared_ptr<Song>;

class PeerApplication
{
public:
    virtual ~PeerApplication() = default;

    // The song on display; nullptr when none is.
    virtual const SongPtr &currentSong() const = 0;
    // Shows a library song chosen by a peer, without telling the peers: unsaved edits of the shown song are
    // saved first, and while a question is open the switch waits until it has closed.
    virtual void showSongFromPeer(const SongPtr &song) = 0;
    // Shows the song on display transposed by the half-tones, without telling the peers.
    virtual void peerTranspose(int semitones) = 0;
    // The names of the connected peers, joined by ", "; empty while none is connected.
    virtual void showConnectedPeers(const QString &names) = 0;
};
