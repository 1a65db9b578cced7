// Nearby sharing over TCP: our listener, the devices discovery finds, and the handshake that lets them in.
#pragma once

#include "peeridentity.h"
#include "peersession.h"

#include <QList>
#include <QSet>
#include <QTimer>

#include <chrono>
#include <memory>

class Dialogs;
class PeerConnection;
class PeerDiscovery;
class QHostAddress;
class QTcpServer;
struct FoundPeer;
struct PeerHandshake;

// One connection per pair of devices. Against crossing calls the device with the smaller id calls; the other
// calls only when nothing has come from the peer a while after finding it. Should both connections be
// accepted anyway, both devices keep the one the smaller id made. A caller is let in without a question when
// the id its greeting carries is among the known peers (every peer that was connected once in this session);
// otherwise the user is asked, even when its display name is a known peer's: anyone can take a name.
//
// Called connections wait in a few slots until they are accepted: until their greeting, then until the user
// decides, each within its time. When every slot is taken, a caller takes the place of a connection from its
// own address that has not greeted yet, or of one from an address holding at least two slots more than the
// caller's; otherwise it is refused. So idle connections cannot keep a device out, nor can one address hold
// every slot while others wait. Main thread only.
class TcpPeerSession : public PeerSession
{
    Q_OBJECT

public:
    struct Timing
    {
        std::chrono::milliseconds greeting{10000}; // a called connection must greet within this
        std::chrono::milliseconds answer{60000};   // a person may be answering, on either side
        std::chrono::milliseconds crossing{5000};  // the larger id waits this long for the smaller to call
        std::chrono::milliseconds retry{1000};     // after a failed start of advertising or browsing
    };

    // Called connections held before they are accepted.
    static constexpr int maxWaitingConnections = 4;

    // Listens, advertises and browses at once. The dialogs ask the user about unknown callers.
    TcpPeerSession(const PeerIdentity &identity, std::unique_ptr<PeerDiscovery> discovery, Dialogs &dialogs,
                   const Timing &timing, QObject *parent = nullptr);
    ~TcpPeerSession() override;

    // Makes the sessions of the application: this process's identity, the discovery the environment asks for
    // (see PeerDiscovery::fromEnvironment()) and the real timing. Empty when there is no discovery to use.
    static Maker maker(Dialogs &dialogs);

    QStringList connectedPeerNames() const override;
    bool send(const QByteArray &message, QString &error) override;

    // The port we listen on; 0 when listening failed.
    quint16 port() const;
    // The ids of the peers let in without a question.
    QSet<QString> knownPeers() const { return m_knownPeers; }

private:
    void listen();
    void startAdvertising();
    void startBrowsing();
    void startFailed(QTimer &retry, QString &lastLine, const QString &line);
    void takeIncoming();
    // Closes a waiting connection to make room for a caller from the address; false when none may give way.
    bool makeRoomFor(const QHostAddress &address);
    // A flood of callers would write a line each: the 1st, 2nd, 4th, 8th… such line is written, with the count.
    void logCrowded(const QString &line);
    void found(const FoundPeer &peer);
    void call(const FoundPeer &peer);
    void adopt(PeerConnection *connection);
    void handshakeReceived(PeerConnection *connection, const PeerHandshake &handshake);
    void invited(PeerConnection *connection);
    void ask(PeerConnection *connection);
    void accept(PeerConnection *connection);
    void decline(PeerConnection *connection);
    void connected(PeerConnection *connection);
    void keepOneOf(const QString &peerId);
    void closed(PeerConnection *connection);

    bool isConnected(const QString &peerId) const;
    bool hasConnectionFor(const FoundPeer &peer) const;
    static bool isWaiting(const PeerConnection *connection);
    int waitingCount() const;
    int waitingCountFrom(const QHostAddress &address) const;
    // Another greeted call from the peer already waits for our decision.
    bool isAskedAbout(const QString &peerId, const PeerConnection *except) const;
    PeerConnection *pendingCall(const QString &peerId) const;

    PeerIdentity m_identity;
    std::unique_ptr<PeerDiscovery> m_discovery;
    Dialogs &m_dialogs;
    Timing m_timing;
    QTcpServer *m_server;
    QList<PeerConnection *> m_connections; // every open connection
    QList<PeerConnection *> m_accepted;    // the accepted ones, in the order they were
    QSet<QString> m_knownPeers;            // ids
    quint64 m_crowdedCount = 0;
    QTimer m_advertisingRetry;
    QTimer m_browsingRetry;
    QString m_lastAdvertisingFailure;
    QString m_lastBrowsingFailure;
};
