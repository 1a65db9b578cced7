// A fixed list of peers from the environment, so that a script on the same machine can act as a peer.
#include "staticdiscovery.h"

#include "log.h"

#include <QTimer>

namespace {

const QString prefix = QStringLiteral("static:");

std::optional<FoundPeer> peerFrom(const QString &entry)
{
    const qsizetype colon = entry.lastIndexOf(u':');
    bool portOk = false;
    const uint port = colon < 0 ? 0 : entry.mid(colon + 1).toUInt(&portOk);
    const QHostAddress address(entry.left(colon));
    if (!portOk || port == 0 || port > 65535 || address.protocol() != QAbstractSocket::IPv4Protocol)
        return std::nullopt;
    return FoundPeer{entry, QString(), address, quint16(port)};
}

} // namespace

StaticDiscovery::StaticDiscovery(const QList<FoundPeer> &peers, quint16 listenPort, QObject *parent)
    : PeerDiscovery(parent)
    , m_peers(peers)
    , m_listenPort(listenPort)
{}

std::unique_ptr<StaticDiscovery> StaticDiscovery::fromEnvironment()
{
    const auto peers = peersFrom(qEnvironmentVariable("VELLORIN_PEER_DISCOVERY"));
    if (!peers)
        return nullptr;
    const QString portText = qEnvironmentVariable("VELLORIN_PEER_PORT");
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    const bool usable = ok && port <= 65535;
    if (!portText.isEmpty() && !usable)
        Log::write(QStringLiteral("Ignoring VELLORIN_PEER_PORT %1, not a port").arg(portText));
    return std::make_unique<StaticDiscovery>(*peers, usable ? quint16(port) : quint16(0));
}

bool StaticDiscovery::isConfigured()
{
    return qEnvironmentVariable("VELLORIN_PEER_DISCOVERY").startsWith(prefix);
}

std::optional<QList<FoundPeer>> StaticDiscovery::peersFrom(const QString &spec)
{
    if (!spec.startsWith(prefix))
        return std::nullopt;
    QList<FoundPeer> peers;
    for (const QString &entry : spec.mid(prefix.size()).split(u',', Qt::SkipEmptyParts)) {
        if (const auto peer = peerFrom(entry.trimmed()))
            peers.append(*peer);
        else
            Log::write(QStringLiteral("Ignoring peer address %1, not IPv4-address:port").arg(entry));
    }
    return peers;
}

void StaticDiscovery::startAdvertising(const PeerIdentity &, quint16)
{}

void StaticDiscovery::startBrowsing()
{
    // From the event loop, as a network discovery would report them.
    QTimer::singleShot(0, this, [this] {
        for (const FoundPeer &peer : std::as_const(m_peers))
            Q_EMIT peerFound(peer);
    });
}

QHostAddress StaticDiscovery::listenAddress() const
{
    return QHostAddress(QHostAddress::LocalHost);
}
