// Nearby sharing while it is on: tells connected devices which song is shown, and follows what they show.
#pragma once

#include "peersession.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

class Dialogs;
class PeerApplication;
struct PeerMessage;
class Song;
using SongPtr = std::shared_ptr<Song>;

// Devices tell each other the song they show (by its title/subtitle reference and checksum). A device that
// lacks the song, or holds another version of it, asks for its text and offers its user to copy or update
// it. Everything runs on the main thread; what a message leads to runs on a later pass of the event loop,
// each action with the song it is about. The library is the application context's; a peer's text is only
// ever written into the library song of exactly its reference, or into a new file of the song folder.
// Destroying the object ends the sharing: the peers are disconnected and the ignored songs forgotten.
class PeerControl : public QObject
{
    Q_OBJECT

public:
    PeerControl(std::unique_ptr<PeerSession> session, PeerApplication &application, Dialogs &dialogs,
                QObject *parent = nullptr);
    ~PeerControl() override;

    // Sends the song with the code (a PeerMessage::Code): its text for SongText, else its reference.
    void notifyPeers(quint32 code, const Song &song, quint32 line = 0);
    // Asks the peers for the text of the song's version with the checksum (0: any version).
    void notifyPeersNeedSong(const Song &song, quint32 checksum);
    // Tells the peers the song's transposition in half-tones.
    void notifyPeersTransposeSong(const Song &song, int transpose);

    SongPtr currentSong() const;
    // The connected peers' display names joined by ", ".
    QString connectedPeerNames() const;

    // What received messages lead to.
    // Shows the library's song for the song, without telling the peers.
    void openSong(const SongPtr &song);
    // Transposes the song on display when it is the library's song for the song; otherwise opens that song.
    void transposeSong(const SongPtr &song, int steps);
    // Offers the user to update (haveSong) or copy the song received from the peer; one offer at a time.
    void askToSaveSong(const SongPtr &song, bool haveSong, const QString &peer);
    // Writes the received song into the library song of exactly its reference, or as a new song file.
    void saveSong(const SongPtr &song);
    // The application shows who is connected.
    void updateTitleWithPeers();

private:
    void receive(const QByteArray &bytes, const QString &peerName);
    void handle(const PeerMessage &message, const QString &peerName);
    // "No connected peers, nothing to send": the message goes out all the same.
    void logWithoutPeers() const;
    void send(const PeerMessage &message);
    void peerConnected(const QString &peerName);
    void peerDisconnected(const QString &peerName);
    // Runs the action on a later pass of the event loop, unless sharing has ended by then.
    void later(std::function<void()> action);

    std::unique_ptr<PeerSession> m_session;
    PeerApplication &m_application;
    Dialogs &m_dialogs;
    // References of songs whose texts the user chose to ignore.
    QSet<QString> m_ignoredSongs;
    // Set while an offer to copy or update a song is shown.
    bool m_alertShown = false;
};
