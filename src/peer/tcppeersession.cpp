// Nearby sharing over TCP: our listener, the devices discovery finds, and the handshake that lets them in.
#include "tcppeersession.h"

#include "dialogs.h"
#include "log.h"
#include "modalgate.h"
#include "peerconnection.h"
#include "peerdiscovery.h"
#include "peerhandshake.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Both devices of a pair agree on which connection stays: the one the smaller id made.
PeerConnection::Side keptSide(const QString &ownId, const QString &peerId)
{
    return ownId < peerId ? PeerConnection::Side::Calling : PeerConnection::Side::Called;
}

} // namespace

TcpPeerSession::TcpPeerSession(const PeerIdentity &identity, std::unique_ptr<PeerDiscovery> discovery, Dialogs &dialogs,
                               const Timing &timing, QObject *parent)
    : PeerSession(parent)
    , m_identity(identity)
    , m_discovery(std::move(discovery))
    , m_dialogs(dialogs)
    , m_timing(timing)
    , m_server(new QTcpServer(this))
{
    for (QTimer *retry : {&m_advertisingRetry, &m_browsingRetry}) {
        retry->setSingleShot(true);
        retry->setInterval(m_timing.retry);
    }
    connect(&m_advertisingRetry, &QTimer::timeout, this, &TcpPeerSession::startAdvertising);
    connect(&m_browsingRetry, &QTimer::timeout, this, &TcpPeerSession::startBrowsing);
    connect(m_discovery.get(), &PeerDiscovery::advertisingFailed, this, [this](const QString &error) {
        startFailed(m_advertisingRetry, m_lastAdvertisingFailure,
                    QStringLiteral("Could not start advertising for peers: %1").arg(error));
    });
    connect(m_discovery.get(), &PeerDiscovery::browsingFailed, this, [this](const QString &error) {
        startFailed(m_browsingRetry, m_lastBrowsingFailure,
                    QStringLiteral("Could not start browsing for peers: %1").arg(error));
    });
    connect(m_discovery.get(), &PeerDiscovery::peerFound, this, &TcpPeerSession::found);
    connect(m_discovery.get(), &PeerDiscovery::peerLost, this,
            [](const QString &name) { Log::write(QStringLiteral("Browser lost peer %1").arg(name)); });
    connect(m_server, &QTcpServer::newConnection, this, &TcpPeerSession::takeIncoming);
    listen();
    startBrowsing();
}

TcpPeerSession::~TcpPeerSession()
{
    // Ending the session tells nobody: the connections go before this object stops being a session.
    m_discovery.reset();
    for (PeerConnection *connection : std::as_const(m_connections)) {
        connection->disconnect(this);
        delete connection;
    }
}

PeerSession::Maker TcpPeerSession::maker(Dialogs &dialogs)
{
    if (!PeerDiscovery::isAvailable())
        return {};
    return [&dialogs]() -> std::unique_ptr<PeerSession> {
        return std::make_unique<TcpPeerSession>(PeerIdentity::process(), PeerDiscovery::fromEnvironment(), dialogs,
                                                Timing());
    };
}

QStringList TcpPeerSession::connectedPeerNames() const
{
    QStringList names;
    QSet<QString> ids;
    for (const PeerConnection *connection : m_accepted) {
        if (!ids.contains(connection->peer().id)) {
            ids.insert(connection->peer().id);
            names.append(connection->peer().name);
        }
    }
    return names;
}

bool TcpPeerSession::send(const QByteArray &message, QString &error)
{
    bool sent = true;
    for (PeerConnection *connection : std::as_const(m_accepted))
        sent = connection->send(message, error) && sent;
    return sent;
}

quint16 TcpPeerSession::port() const
{
    return m_server->serverPort();
}

void TcpPeerSession::listen()
{
    if (!m_server->listen(m_discovery->listenAddress(), m_discovery->listenPort())) {
        Log::write(QStringLiteral("Could not listen for peers: %1").arg(m_server->errorString()));
        return;
    }
    Log::write(QStringLiteral("Listening for peers on %1:%2").arg(m_server->serverAddress().toString()).arg(port()));
    startAdvertising();
}

void TcpPeerSession::startAdvertising()
{
    m_discovery->startAdvertising(m_identity, port());
}

void TcpPeerSession::startBrowsing()
{
    m_discovery->startBrowsing();
}

void TcpPeerSession::startFailed(QTimer &retry, QString &lastLine, const QString &line)
{
    // Without the daemon this repeats every retry; the same line again says nothing new.
    if (line != lastLine)
        Log::write(line);
    lastLine = line;
    retry.start();
}

void TcpPeerSession::takeIncoming()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        if (waitingCount() >= maxWaitingConnections && !makeRoomFor(socket->peerAddress())) {
            logCrowded(QStringLiteral("Refused connection from %1, %2 connections wait for a greeting already")
                           .arg(socket->peerAddress().toString())
                           .arg(maxWaitingConnections));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        adopt(new PeerConnection(socket, PeerConnection::Side::Called, m_timing.greeting, this));
    }
}

bool TcpPeerSession::makeRoomFor(const QHostAddress &address)
{
    const int callersSlots = waitingCountFrom(address);
    PeerConnection *idle = nullptr;
    PeerConnection *greeted = nullptr;
    // Oldest first: the connections are in the order they came.
    for (PeerConnection *connection : std::as_const(m_connections)) {
        if (!isWaiting(connection))
            continue;
        const QHostAddress &from = connection->peer().address;
        if (from == address) {
            if (!connection->isGreeted() && !idle)
                idle = connection;
        } else if (waitingCountFrom(from) >= callersSlots + 2) {
            PeerConnection *&candidate = connection->isGreeted() ? greeted : idle;
            if (!candidate)
                candidate = connection;
        }
    }
    PeerConnection *leaving = idle ? idle : greeted;
    if (!leaving)
        return false;
    logCrowded(QStringLiteral("Closed the waiting connection from %1 to make room for %2")
                   .arg(leaving->peer().name, address.toString()));
    // At once, so that its slot is free before the caller is taken.
    leaving->abort();
    return true;
}

void TcpPeerSession::logCrowded(const QString &line)
{
    ++m_crowdedCount;
    if ((m_crowdedCount & (m_crowdedCount - 1)) == 0)
        Log::write(QStringLiteral("%1 (%2 so far)").arg(line).arg(m_crowdedCount));
}

void TcpPeerSession::found(const FoundPeer &peer)
{
    if (peer.id == m_identity.idText() || hasConnectionFor(peer))
        return;
    Log::write(QStringLiteral("Found peer %1").arg(peer.name));
    if (peer.id.isEmpty() || m_identity.idText() < peer.id) {
        call(peer);
        return;
    }
    QTimer::singleShot(m_timing.crossing, this, [this, peer] {
        if (!hasConnectionFor(peer))
            call(peer);
    });
}

void TcpPeerSession::call(const FoundPeer &peer)
{
    adopt(PeerConnection::call(peer, m_identity, m_timing.answer, this));
}

void TcpPeerSession::adopt(PeerConnection *connection)
{
    m_connections.append(connection);
    connect(connection, &PeerConnection::handshakeReceived, this,
            [this, connection](const PeerHandshake &handshake) { handshakeReceived(connection, handshake); });
    connect(connection, &PeerConnection::messageReceived, this, [this, connection](const QByteArray &message) {
        Q_EMIT messageReceived(message, connection->peer().name);
    });
    connect(connection, &PeerConnection::closed, this, [this, connection] { closed(connection); });
}

void TcpPeerSession::handshakeReceived(PeerConnection *connection, const PeerHandshake &handshake)
{
    connection->setPeer(handshake.id, handshake.name);
    switch (handshake.code) {
    case PeerHandshake::Hello:
        invited(connection);
        break;
    case PeerHandshake::Accept:
        // An answer in our own name is an echo, not a peer.
        if (handshake.id == m_identity.idText())
            connection->close();
        else
            connected(connection);
        break;
    case PeerHandshake::Decline:
        Log::write(QStringLiteral("Peer %1 declined the connection").arg(handshake.name));
        connection->close();
        break;
    }
}

void TcpPeerSession::invited(PeerConnection *connection)
{
    const FoundPeer &peer = connection->peer();
    Log::write(QStringLiteral("didReceiveInvitationFromPeer %1").arg(peer.name));
    if (peer.id == m_identity.idText() || isConnected(peer.id)) {
        decline(connection);
        return;
    }
    if (isAskedAbout(peer.id, connection)) {
        decline(connection);
        return;
    }
    if (PeerConnection *ours = pendingCall(peer.id)) {
        // Calls crossed: only the smaller id's call goes on.
        if (keptSide(m_identity.idText(), peer.id) == PeerConnection::Side::Calling) {
            decline(connection);
            return;
        }
        ours->close();
    }
    if (m_knownPeers.contains(peer.id)) {
        accept(connection);
    } else {
        // The caller has greeted; now the user has a while to decide before its slot is given back.
        connection->restartDeadline(m_timing.answer);
        ask(connection);
    }
}

void TcpPeerSession::ask(PeerConnection *connection)
{
    // Asked from the event loop, after any question already open, so the caller's socket and every other
    // peer are served meanwhile.
    const QPointer<PeerConnection> guarded(connection);
    QTimer::singleShot(0, connection, [this, guarded] {
        ModalGate::whenNoQuestion(guarded, [this, guarded] {
            if (guarded->isClosed())
                return; // the caller gave up while another question was open
            const QString id = guarded->peer().id;
            const QString name = guarded->peer().name;
            Dialogs::Alert alert;
            alert.title = tr("Riro Riroduva");
            alert.informativeText = tr("Accept connection from %1?").arg(name);
            alert.defaultButton = tr("OK");
            alert.alternateButton = tr("Cancel");
            // The question waits in an event loop of its own, in which anything may end.
            const QPointer<TcpPeerSession> alive(this);
            const bool ok = m_dialogs.runAlert(alert) == Dialogs::Answer::Default;
            if (!alive)
                return;
            if (ok)
                m_knownPeers.insert(id);
            if (!guarded || guarded->isClosed())
                return;
            if (isConnected(guarded->peer().id)) {
                decline(guarded);
            } else if (ok) {
                accept(guarded);
            } else {
                Log::write(QStringLiteral("User declined connection with %1").arg(name));
                decline(guarded);
            }
        });
    });
}

void TcpPeerSession::accept(PeerConnection *connection)
{
    connection->sendHandshake(PeerHandshake::Accept, m_identity);
    connected(connection);
}

void TcpPeerSession::decline(PeerConnection *connection)
{
    connection->sendHandshake(PeerHandshake::Decline, m_identity);
    connection->close();
}

void TcpPeerSession::connected(PeerConnection *connection)
{
    const FoundPeer peer = connection->peer();
    const bool first = !isConnected(peer.id);
    connection->accept();
    m_accepted.append(connection);
    m_knownPeers.insert(peer.id);
    if (first) {
        Log::write(QStringLiteral("peer session state changed %1").arg(2));
        Q_EMIT peerConnected(peer.name);
    }
    keepOneOf(peer.id);
}

void TcpPeerSession::keepOneOf(const QString &peerId)
{
    const PeerConnection::Side kept = keptSide(m_identity.idText(), peerId);
    const QList<PeerConnection *> accepted = m_accepted;
    const auto toPeer = std::count_if(accepted.cbegin(), accepted.cend(), [&](const PeerConnection *connection) {
        return connection->peer().id == peerId;
    });
    if (toPeer < 2)
        return;
    for (PeerConnection *connection : accepted) {
        if (connection->peer().id == peerId && connection->side() != kept) {
            // Out of the accepted ones at once, so no message goes out twice while it closes.
            m_accepted.removeOne(connection);
            connection->close();
        }
    }
}

void TcpPeerSession::closed(PeerConnection *connection)
{
    m_connections.removeOne(connection);
    const bool wasConnected = m_accepted.removeOne(connection);
    connection->deleteLater();
    const FoundPeer &peer = connection->peer();
    if (wasConnected && !isConnected(peer.id)) {
        Log::write(QStringLiteral("peer session state changed %1").arg(0));
        Q_EMIT peerDisconnected(peer.name);
    }
}

bool TcpPeerSession::isConnected(const QString &peerId) const
{
    return std::any_of(m_accepted.cbegin(), m_accepted.cend(),
                       [&](const PeerConnection *connection) { return connection->peer().id == peerId; });
}

bool TcpPeerSession::hasConnectionFor(const FoundPeer &peer) const
{
    return std::any_of(m_connections.cbegin(), m_connections.cend(), [&](const PeerConnection *connection) {
        if (!peer.id.isEmpty())
            return connection->peer().id == peer.id;
        // A listed address without an id: our own call to it.
        return connection->side() == PeerConnection::Side::Calling && connection->peer().address == peer.address &&
               connection->peer().port == peer.port;
    });
}

bool TcpPeerSession::isWaiting(const PeerConnection *connection)
{
    return connection->side() == PeerConnection::Side::Called && !connection->isAccepted() && !connection->isClosed();
}

int TcpPeerSession::waitingCount() const
{
    return int(std::count_if(m_connections.cbegin(), m_connections.cend(), &isWaiting));
}

int TcpPeerSession::waitingCountFrom(const QHostAddress &address) const
{
    return int(std::count_if(m_connections.cbegin(), m_connections.cend(), [&](const PeerConnection *connection) {
        return isWaiting(connection) && connection->peer().address == address;
    }));
}

bool TcpPeerSession::isAskedAbout(const QString &peerId, const PeerConnection *except) const
{
    return std::any_of(m_connections.cbegin(), m_connections.cend(), [&](const PeerConnection *connection) {
        return connection != except && connection->side() == PeerConnection::Side::Called && connection->isGreeted() &&
               connection->peer().id == peerId;
    });
}

PeerConnection *TcpPeerSession::pendingCall(const QString &peerId) const
{
    for (PeerConnection *connection : m_connections) {
        if (connection->side() == PeerConnection::Side::Calling && !connection->isAccepted() &&
            connection->peer().id == peerId)
            return connection;
    }
    return nullptr;
}
