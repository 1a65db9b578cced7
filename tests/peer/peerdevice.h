// One device of a sharing test: its own song folder, library and settings, a peer control on a loopback session,
// scripted questions and a recording stand-in for the application.
#pragma once

#include "fakeappcontext.h"
#include "loopbacksession.h"
#include "peerapplication.h"
#include "peercontrol.h"
#include "prefs.h"
#include "scripteddialogs.h"
#include "songs.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Devices share one process, but the library and the settings are reached through the installed application
// context: each device installs its own before anything runs for it, including every event delivered to its
// session or peer control.
class PeerDevice : public QObject, public PeerApplication
{
public:
    // A device on a loopback session of that name.
    explicit PeerDevice(const QString &name);
    // A device on the session the maker gives; the session may ask its questions through the device's dialogs.
    explicit PeerDevice(const std::function<std::unique_ptr<PeerSession>(Dialogs &dialogs)> &makeSession);
    ~PeerDevice() override;

    // Connects the devices' sessions.
    static void join(PeerDevice &a, PeerDevice &b);
    // Runs every event the devices have queued, and those they queue in turn: each step of a message's way is
    // one queued event, so a few dozen passes leave nothing pending.
    static void settle();

    void activate();
    // Writes a song file into the song folder and reads the library again; answers the file's path.
    QString writeSong(const QString &relativePath, const QByteArray &bytes);
    // The library's song of exactly that reference; nullptr when there is none.
    SongPtr librarySong(const QString &reference);
    // The user shows the library's song of that reference: it becomes current and the peers are told.
    void show(const QString &reference);

    const SongPtr &currentSong() const override { return current; }
    void showSongFromPeer(const SongPtr &song) override;
    void peerTranspose(int semitones) override { transpositions.append(semitones); }
    void showConnectedPeers(const QString &names) override { connectedPeers = names; }

    // Holds the song folder "songs" and nothing else, so that a write beside the song folder shows.
    QTemporaryDir home;
    QString songFolder;
    Prefs prefs;
    Songs songs;
    FakeAppContext context;
    ScriptedDialogs dialogs;
    // Owned by the peer control.
    PeerSession *session = nullptr;
    // The same session when it is a loopback one, else nullptr.
    LoopbackSession *loopback = nullptr;
    std::unique_ptr<PeerControl> control;

    SongPtr current;
    // References of the songs shown for peers, in order.
    QStringList shownForPeers;
    QList<int> transpositions;
    QString connectedPeers;
    // The codes of the messages this device received, in order.
    QList<quint32> receivedCodes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
