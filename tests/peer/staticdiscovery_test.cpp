// The fixed peer list of the environment, which lets a script on the same machine act as a peer.
#include "logcapture.h"
#include "scopedenv.h"
#include "staticdiscovery.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList names(const QList<FoundPeer> &peers)
{
    QStringList list;
    for (const FoundPeer &peer : peers)
        list.append(QStringLiteral("%1 %2").arg(peer.address.toString()).arg(peer.port));
    return list;
}

} // namespace

TEST(StaticDiscovery, ReadsAddressesAndPortsOfTheList)
{
    const struct
    {
        const char *spec;
        bool isList;
        QStringList peers;
        bool logs;
    } cases[] = {
        {"static:127.0.0.1:7000", true, {QStringLiteral("127.0.0.1 7000")}, false},
        {"static:127.0.0.1:7000, 192.168.1.20:7001",
         true,
         {QStringLiteral("127.0.0.1 7000"), QStringLiteral("192.168.1.20 7001")},
         false},
        {"static:", true, {}, false},
        {"static:127.0.0.1,localhost:80,127.0.0.1:0,127.0.0.1:70000,::1:80,127.0.0.1:7002",
         true,
         {QStringLiteral("127.0.0.1 7002")},
         true},
        {"avahi", false, {}, false},
        {"", false, {}, false},
    };
    for (const auto &c : cases) {
        LogCapture log;
        const auto peers = StaticDiscovery::peersFrom(QString::fromUtf8(c.spec));
        ASSERT_EQ(peers.has_value(), c.isList) << c.spec;
        if (peers) {
            EXPECT_EQ(names(*peers), c.peers) << c.spec;
        }
        EXPECT_EQ(log.hasLineStartingWith(QStringLiteral("Ignoring peer address")), c.logs) << c.spec;
    }
}

TEST(StaticDiscovery, TakesItsListAndOwnPortFromTheEnvironment)
{
    const ScopedEnv list("VELLORIN_PEER_DISCOVERY", "static:127.0.0.1:7000");
    const ScopedEnv port("VELLORIN_PEER_PORT", "7010");
    EXPECT_TRUE(StaticDiscovery::isConfigured());
    EXPECT_TRUE(PeerDiscovery::isAvailable());
    const auto discovery = PeerDiscovery::fromEnvironment();
    ASSERT_TRUE(discovery);
    EXPECT_EQ(discovery->listenPort(), 7010);
    EXPECT_EQ(discovery->listenAddress(), QHostAddress(QHostAddress::LocalHost));

    QSignalSpy found(discovery.get(), &PeerDiscovery::peerFound);
    discovery->startBrowsing();
    ASSERT_TRUE(found.wait(5000));
    const auto peer = found.first().first().value<FoundPeer>();
    EXPECT_EQ(peer.address, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(peer.port, 7000);
    EXPECT_TRUE(peer.id.isEmpty());
}

TEST(StaticDiscovery, WithoutAPortTheSystemPicksOne)
{
    const ScopedEnv list("VELLORIN_PEER_DISCOVERY", "static:127.0.0.1:7000");
    for (const QByteArray &value : {QByteArray(), QByteArray("seven"), QByteArray("70000")}) {
        const ScopedEnv port("VELLORIN_PEER_PORT", value);
        EXPECT_EQ(StaticDiscovery::fromEnvironment()->listenPort(), 0) << value.constData();
    }
}

TEST(StaticDiscovery, NotChosenWithoutTheVariable)
{
    const ScopedEnv list("VELLORIN_PEER_DISCOVERY", "");
    EXPECT_FALSE(StaticDiscovery::isConfigured());
    EXPECT_FALSE(StaticDiscovery::fromEnvironment());
}
