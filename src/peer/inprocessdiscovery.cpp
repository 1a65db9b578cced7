// A discovery that meets the other sessions of the same process through a shared hub; for tests.
#include "inprocessdiscovery.h"

#include "inprocessdiscoveryhub.h"
#include "peeridentity.h"

#include <QTimer>

InProcessDiscovery::InProcessDiscovery(InProcessDiscoveryHub *hub, QObject *parent)
    : PeerDiscovery(parent)
    , m_hub(hub)
{}

InProcessDiscovery::~InProcessDiscovery()
{
    if (m_hub)
        m_hub->leave(this);
}

void InProcessDiscovery::startAdvertising(const PeerIdentity &identity, quint16 port)
{
    if (const auto error = m_hub->tryStart()) {
        QTimer::singleShot(0, this, [this, error = *error] { Q_EMIT advertisingFailed(error); });
        return;
    }
    m_hub->advertise(this, FoundPeer{identity.displayName(), identity.idText(), listenAddress(), port});
}

void InProcessDiscovery::startBrowsing()
{
    if (const auto error = m_hub->tryStart()) {
        QTimer::singleShot(0, this, [this, error = *error] { Q_EMIT browsingFailed(error); });
        return;
    }
    m_hub->browse(this);
}

QHostAddress InProcessDiscovery::listenAddress() const
{
    return QHostAddress(QHostAddress::LocalHost);
}
