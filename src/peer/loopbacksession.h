// Sessions between objects of one process, for trying sharing without a network.
#pragma once

#include "peersession.h"

#include <QList>
#include <QPointer>

// Joined sessions deliver to each other through the event loop, as a network would: a message sent is received
// on a later pass, never inside send(). A session that ends disconnects from every peer it was joined with.
class LoopbackSession : public PeerSession
{
    Q_OBJECT

public:
    explicit LoopbackSession(const QString &name, QObject *parent = nullptr);
    ~LoopbackSession() override;

    const QString &name() const { return m_name; }
    // Connects the two sessions; each emits peerConnected on a later pass. Nothing when they are joined already.
    static void join(LoopbackSession &a, LoopbackSession &b);

    QStringList connectedPeerNames() const override;
    bool send(const QByteArray &message, QString &error) override;

private:
    void connectPeer(LoopbackSession &peer);
    void disconnectPeer(const QString &peerName);

    QString m_name;
    QList<QPointer<LoopbackSession>> m_peers;
};
