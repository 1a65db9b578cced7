// A fixed list of peers from the environment, so that a script on the same machine can act as a peer.
#pragma once

#include "peerdiscovery.h"

#include <QList>

#include <optional>

// VELLORIN_PEER_DISCOVERY=static:127.0.0.1:PORT[,HOST:PORT…] names the peers to connect to;
// VELLORIN_PEER_PORT, when set, is the port we listen on (else the system picks one). Nothing is
// advertised: the peers know our port from the same configuration.
class StaticDiscovery : public PeerDiscovery
{
    Q_OBJECT

public:
    StaticDiscovery(const QList<FoundPeer> &peers, quint16 listenPort, QObject *parent = nullptr);

    // The discovery VELLORIN_PEER_DISCOVERY and VELLORIN_PEER_PORT describe; nothing when the first
    // is not a "static:" list.
    static std::unique_ptr<StaticDiscovery> fromEnvironment();
    // True when VELLORIN_PEER_DISCOVERY asks for a fixed list.
    static bool isConfigured();
    // The peers of a "static:HOST:PORT,…" text; nothing when it is not one. Unreadable entries are
    // logged and left out.
    static std::optional<QList<FoundPeer>> peersFrom(const QString &spec);

    void startAdvertising(const PeerIdentity &identity, quint16 port) override;
    void startBrowsing() override;
    QHostAddress listenAddress() const override;
    quint16 listenPort() const override { return m_listenPort; }

private:
    QList<FoundPeer> m_peers;
    quint16 m_listenPort;
};
