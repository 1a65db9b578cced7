// Finding other devices on the network and being found by them, behind one interface.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <memory>

class PeerIdentity;

// A device seen by browsing: where it listens and who it says it is. The id is empty when the
// discovery cannot tell it (a fixed address list).
struct FoundPeer
{
    QString name;
    QString id;
    QHostAddress address;
    quint16 port = 0;
};

// Advertises this device (its identity, the port it listens on and its version) and browses for others.
// A start that fails is reported by a signal with a text a person can read; the caller decides when to
// try again. Destroying the object stops both. Main thread only.
class PeerDiscovery : public QObject
{
    Q_OBJECT

public:
    // DNS-SD service type of our sessions.
    static constexpr const char *serviceType = "_marvoleth-vl._tcp";

    using QObject::QObject;
    ~PeerDiscovery() override;

    // The discovery the environment asks for: a fixed address list when VELLORIN_PEER_DISCOVERY says
    // "static:…", else the desktop's DNS-SD daemon when built with it; nullptr when there is none.
    static std::unique_ptr<PeerDiscovery> fromEnvironment();
    // True when fromEnvironment() has a discovery to give.
    static bool isAvailable();

    virtual void startAdvertising(const PeerIdentity &identity, quint16 port) = 0;
    virtual void startBrowsing() = 0;

    // Where our listener takes connections: any IPv4 interface for a network discovery, the loopback
    // interface for a fixed list and for tests, so that nothing else can reach it.
    virtual QHostAddress listenAddress() const = 0;
    // The port to listen on; 0 lets the system pick one.
    virtual quint16 listenPort() const { return 0; }

Q_SIGNALS:
    void peerFound(const FoundPeer &peer);
    void peerLost(const QString &name);
    void advertisingFailed(const QString &error);
    void browsingFailed(const QString &error);
};
