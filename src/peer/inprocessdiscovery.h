// A discovery that meets the other sessions of the same process through a shared hub; for tests.
#pragma once

#include "peerdiscovery.h"

#include <QPointer>

class InProcessDiscoveryHub;

class InProcessDiscovery : public PeerDiscovery
{
    Q_OBJECT

public:
    explicit InProcessDiscovery(InProcessDiscoveryHub *hub, QObject *parent = nullptr);
    ~InProcessDiscovery() override;

    void startAdvertising(const PeerIdentity &identity, quint16 port) override;
    void startBrowsing() override;
    QHostAddress listenAddress() const override;

private:
    QPointer<InProcessDiscoveryHub> m_hub;
};
