#include "peerdevice.h"

#include "peermessage.h"
#include "song.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>

PeerDevice::PeerDevice(const QString &name)
    : PeerDevice([&name](Dialogs &) { return std::make_unique<LoopbackSession>(name); })
{
    loopback = static_cast<LoopbackSession *>(session);
}

PeerDevice::PeerDevice(const std::function<std::unique_ptr<PeerSession>(Dialogs &dialogs)> &makeSession)
    : songFolder(QDir(home.path()).filePath(QStringLiteral("songs")))
{
    QDir().mkpath(songFolder);
    prefs.setSongDirectoryPath(songFolder);
    context.prefsObject = &prefs;
    context.songsObject = &songs;
    std::unique_ptr<PeerSession> made = makeSession(dialogs);
    session = made.get();
    connect(session, &PeerSession::messageReceived, this, [this](const QByteArray &bytes) {
        if (const std::optional<PeerMessage> message = PeerMessage::parseMessage(bytes))
            receivedCodes.append(message->code);
    });
    control = std::make_unique<PeerControl>(std::move(made), *this, dialogs);
    QCoreApplication::instance()->installEventFilter(this);
}

PeerDevice::~PeerDevice()
{
    activate();
    control.reset();
}

void PeerDevice::join(PeerDevice &a, PeerDevice &b)
{
    LoopbackSession::join(*a.loopback, *b.loopback);
    settle();
}

void PeerDevice::settle()
{
    for (int pass = 0; pass < 50; ++pass)
        QCoreApplication::processEvents();
}

void PeerDevice::activate()
{
    AppContext::install(&context);
}

QString PeerDevice::writeSong(const QString &relativePath, const QByteArray &bytes)
{
    activate();
    const QString path = TestFiles::write(QDir(songFolder).filePath(relativePath), bytes);
    songs.refresh();
    return path;
}

SongPtr PeerDevice::librarySong(const QString &reference)
{
    activate();
    for (const SongPtr &song : songs.allSongs())
        if (song->titleSubtitleReference() == reference)
            return song;
    return nullptr;
}

void PeerDevice::show(const QString &reference)
{
    current = librarySong(reference);
    control->notifyPeers(PeerMessage::ShowSong, *current);
}

void PeerDevice::showSongFromPeer(const SongPtr &song)
{
    current = song;
    shownForPeers.append(song->titleSubtitleReference());
}

bool PeerDevice::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(event);
    // A network session's sockets and timers are its children; their events lead to this device's work too.
    for (QObject *object = watched; object; object = object->parent()) {
        if (object == session || object == control.get()) {
            activate();
            break;
        }
    }
    return false;
}
