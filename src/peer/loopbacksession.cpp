#include "loopbacksession.h"

#include <QTimer>

LoopbackSession::LoopbackSession(const QString &name, QObject *parent)
    : PeerSession(parent)
    , m_name(name)
{}

LoopbackSession::~LoopbackSession()
{
    for (const QPointer<LoopbackSession> &peer : std::as_const(m_peers))
        if (peer)
            peer->disconnectPeer(m_name);
}

void LoopbackSession::join(LoopbackSession &a, LoopbackSession &b)
{
    if (a.m_peers.contains(&b))
        return;
    a.connectPeer(b);
    b.connectPeer(a);
}

void LoopbackSession::connectPeer(LoopbackSession &peer)
{
    m_peers.append(&peer);
    const QString peerName = peer.name();
    QTimer::singleShot(0, this, [this, peerName] { Q_EMIT peerConnected(peerName); });
}

void LoopbackSession::disconnectPeer(const QString &peerName)
{
    m_peers.removeIf([&](const QPointer<LoopbackSession> &peer) { return !peer || peer->name() == peerName; });
    QTimer::singleShot(0, this, [this, peerName] { Q_EMIT peerDisconnected(peerName); });
}

QStringList LoopbackSession::connectedPeerNames() const
{
    QStringList names;
    for (const QPointer<LoopbackSession> &peer : m_peers)
        if (peer)
            names.append(peer->name());
    return names;
}

bool LoopbackSession::send(const QByteArray &message, QString &error)
{
    Q_UNUSED(error);
    for (const QPointer<LoopbackSession> &peer : std::as_const(m_peers)) {
        if (!peer)
            continue;
        LoopbackSession *receiver = peer;
        const QString sender = m_name;
        QTimer::singleShot(0, receiver,
                           [receiver, message, sender] { Q_EMIT receiver->messageReceived(message, sender); });
    }
    return true;
}
