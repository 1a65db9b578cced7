#include "peercontrol.h"

#include "appcontext.h"
#include "dialogs.h"
#include "log.h"
#include "pdfsong.h"
#include "peeractions.h"
#include "peerapplication.h"
#include "peermessage.h"
#include "prefs.h"
#include "songs.h"

#include <QPointer>
#include <QTimer>

namespace {

// PDF songs and playlist notes hold no song text of their own: what they would send is a stub, which must
// never become a song, nor replace one, on another device.
bool travelsAsText(const Song &song)
{
    return !song.isNote() && !dynamic_cast<const PDFSong *>(&song) &&
           !song.titleSubtitleReference().endsWith(QStringLiteral(" - PDF"));
}

// The library's song for the song, by the library's looser rules too (equal title, condensed reference, file
// name): good enough to show, never to write into.
SongPtr librarySong(const SongPtr &song)
{
    Songs *songs = AppContext::instance()->songs();
    return songs ? songs->songForSong(song) : nullptr;
}

// The library's song of exactly the song's reference: the only one a peer's text may replace.
SongPtr exactLibrarySong(const SongPtr &song)
{
    SongPtr held = librarySong(song);
    return held && held->titleSubtitleReference() == song->titleSubtitleReference() ? held : nullptr;
}

bool ignoreUpdates()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    return prefs && prefs->ignoreUpdates();
}

SongPtr songFromMessage(const PeerMessage &message)
{
    if (message.code != PeerMessage::SongText)
        return Song::fromTitleSubtitleReference(message.payload);
    auto song = std::make_shared<Song>();
    song->setText(message.payload);
    song->refreshTitleSubtitle();
    return song;
}

} // namespace

PeerControl::PeerControl(std::unique_ptr<PeerSession> session, PeerApplication &application, Dialogs &dialogs,
                         QObject *parent)
    : QObject(parent)
    , m_session(std::move(session))
    , m_application(application)
    , m_dialogs(dialogs)
{
    connect(m_session.get(), &PeerSession::messageReceived, this, &PeerControl::receive);
    connect(m_session.get(), &PeerSession::peerConnected, this, &PeerControl::peerConnected);
    connect(m_session.get(), &PeerSession::peerDisconnected, this, &PeerControl::peerDisconnected);
}

PeerControl::~PeerControl()
{
    Log::write(QStringLiteral("Disconnecting peer control..."));
    m_session->disconnect(this);
    m_session.reset();
}

void PeerControl::notifyPeers(quint32 code, const Song &song, quint32 line)
{
    logWithoutPeers();
    Log::write(QStringLiteral("send peer notification %1 %2 line %3")
                   .arg(QString::number(code), song.titleSubtitleReference(), QString::number(line)));
    send({code, line, song.checksum(), code == PeerMessage::SongText ? song.text() : song.titleSubtitleReference()});
}

void PeerControl::notifyPeersNeedSong(const Song &song, quint32 checksum)
{
    if (!travelsAsText(song))
        return;
    logWithoutPeers();
    Log::write(QStringLiteral("send peer notification %1 %2")
                   .arg(QString::number(PeerMessage::NeedSong), song.titleSubtitleReference()));
    send({PeerMessage::NeedSong, 0, checksum, song.titleSubtitleReference()});
}

void PeerControl::notifyPeersTransposeSong(const Song &song, int transpose)
{
    notifyPeers(PeerMessage::Transpose, song, PeerMessage::transposeLine(transpose));
}

SongPtr PeerControl::currentSong() const
{
    return m_application.currentSong();
}

QString PeerControl::connectedPeerNames() const
{
    return m_session->connectedPeerNames().join(QStringLiteral(", "));
}

void PeerControl::openSong(const SongPtr &song)
{
    Log::write(QStringLiteral("peer openSong: %1").arg(song->description()));
    if (SongPtr held = librarySong(song))
        m_application.showSongFromPeer(held);
}

void PeerControl::transposeSong(const SongPtr &song, int steps)
{
    Log::write(QStringLiteral("peer transposeSong: %1 by %2").arg(song->description(), QString::number(steps)));
    const SongPtr &current = m_application.currentSong();
    const SongPtr held = librarySong(song);
    if (current && held && !held->path().isEmpty() && current->path() == held->path())
        m_application.peerTranspose(steps);
    else
        openSong(song);
}

void PeerControl::askToSaveSong(const SongPtr &song, bool haveSong, const QString &peer)
{
    if (m_alertShown) {
        Log::write(QStringLiteral("peercontrol saveSong alert already shown, ignore"));
        return;
    }
    const QString name = song->titleSubtitleReference();
    Dialogs::Alert alert;
    alert.title = tr("Riro Riroduva");
    alert.informativeText = haveSong ? tr("Song %1 differs from the version on %2, update it?").arg(name, peer)
                                     : tr("Song %1 not yet available on this device, copy it?").arg(name);
    alert.defaultButton = haveSong ? tr("Update") : tr("Copy");
    alert.alternateButton = tr("Ignore");

    m_alertShown = true;
    const QPointer<PeerControl> alive(this);
    const Dialogs::Answer answer = m_dialogs.runAlert(alert);
    if (!alive)
        return; // sharing was switched off while the question was open
    // Cleared when the question closes, so that a later offer is shown again.
    m_alertShown = false;
    if (answer == Dialogs::Answer::Alternate) {
        m_ignoredSongs.insert(name);
    } else if (answer == Dialogs::Answer::Default) {
        saveSong(song);
        later([this, song] { openSong(song); });
    }
}

void PeerControl::saveSong(const SongPtr &song)
{
    if (!travelsAsText(*song))
        return;
    if (const SongPtr held = exactLibrarySong(song)) {
        Log::write(QStringLiteral("Updating %1 with version from peers").arg(held->description()));
        held->setText(song->text());
        held->refreshTitleSubtitle();
        held->save();
    } else {
        song->refreshTitleSubtitle();
        Log::write(QStringLiteral("Adding song %1 from peers").arg(song->description()));
        // A received song has neither a file nor a category: it becomes a new file, named after it, in the song
        // folder itself, never in a place a peer could name.
        song->save();
    }
    if (Songs *songs = AppContext::instance()->songs())
        songs->refresh();
}

void PeerControl::updateTitleWithPeers()
{
    m_application.showConnectedPeers(connectedPeerNames());
}

void PeerControl::receive(const QByteArray &bytes, const QString &peerName)
{
    Log::write(QStringLiteral("receivedData length %1 from peer %2").arg(QString::number(bytes.size()), peerName));
    const std::optional<PeerMessage> message = PeerMessage::parseMessage(bytes);
    if (!message)
        return;
    // A song a peer names while the library loads is looked up once the library is read.
    if (Songs *songs = AppContext::instance()->songs())
        songs->whenLoaded(this, [this, message = *message, peerName] { handle(message, peerName); });
    else
        handle(*message, peerName);
}

void PeerControl::handle(const PeerMessage &message, const QString &peerName)
{
    const SongPtr song = songFromMessage(message);
    const bool isText = message.code == PeerMessage::SongText;
    if (isText && !travelsAsText(*song))
        return;
    // A received text may only update the song of exactly its reference; any other message may name a song
    // the looser way a playlist does.
    const SongPtr held = isText ? exactLibrarySong(song) : librarySong(song);
    const bool have = held != nullptr;
    const bool match = message.checksum == 0 ? have : have && held->checksum() == message.checksum;
    if (have && !match)
        Log::write(QStringLiteral("Song %1 checksums differ from %2 remote: %3 local: %4")
                       .arg(song->description(), peerName, QString::number(message.checksum, 16),
                            QString::number(held->checksum(), 16)));

    const QString reference = song->titleSubtitleReference();
    const PeerActions actions =
        PeerActions::forMessage(message.code, have, match, ignoreUpdates(), m_ignoredSongs.contains(reference));
    if (actions.openSong)
        later([this, song] { openSong(song); });
    if (actions.requestSong)
        notifyPeersNeedSong(*song, message.checksum);
    if (actions.sendText && travelsAsText(*held))
        notifyPeers(PeerMessage::SongText, *held);
    if (actions.askToSave) {
        Log::write(QStringLiteral("peercontrol saveSong"));
        later([this, song, have, peerName] { askToSaveSong(song, have, peerName); });
    }
    if (actions.transposeSong) {
        const int steps = int(message.line % 12);
        later([this, song, steps] { transposeSong(song, steps); });
    }
    if (actions.notImplemented)
        Log::write(QStringLiteral("Peer notification %1 for song %2 not implemented")
                       .arg(QString::number(message.code), song->description()));
}

void PeerControl::logWithoutPeers() const
{
    if (m_session->connectedPeerNames().isEmpty())
        Log::write(QStringLiteral("No connected peers, nothing to send"));
}

void PeerControl::send(const PeerMessage &message)
{
    QString error;
    if (!m_session->send(message.encode(), error))
        Log::write(QStringLiteral("Could not send data to peers, error %1").arg(error));
}

void PeerControl::peerConnected(const QString &peerName)
{
    Log::write(QStringLiteral("Peer %1 connected").arg(peerName));
    updateTitleWithPeers();
}

void PeerControl::peerDisconnected(const QString &peerName)
{
    Log::write(QStringLiteral("Peer %1 disconnected").arg(peerName));
    updateTitleWithPeers();
}

void PeerControl::later(std::function<void()> action)
{
    QTimer::singleShot(0, this, std::move(action));
}
