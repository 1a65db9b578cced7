// Two devices sharing songs over real TCP on the loopback interface, found through the in-process hub.
#include "inprocessdiscovery.h"
#include "inprocessdiscoveryhub.h"
#include "logcapture.h"
#include "peerdevice.h"
#include "song.h"
#include "tcppeersession.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

const QByteArray kGrace = "{title: Amazing Grace}\n[G]Amazing grace, how [C]sweet the sound\n";

class TcpPeerControl : public ::testing::Test
{
protected:
    // A device whose session has this id and name; the smaller id calls.
    std::unique_ptr<PeerDevice> device(const char *id, const QString &name)
    {
        return std::make_unique<PeerDevice>([&](Dialogs &dialogs) {
            return std::make_unique<TcpPeerSession>(PeerIdentity(QUuid::fromString(QLatin1String(id)), name),
                                                    std::make_unique<InProcessDiscovery>(&hub), dialogs,
                                                    TcpPeerSession::Timing());
        });
    }

    static bool waitUntil(const std::function<bool()> &condition) { return QTest::qWaitFor(condition, 10000); }

    LogCapture log;
    InProcessDiscoveryHub hub;
};

} // namespace

TEST_F(TcpPeerControl, ASongShownOnOneDeviceOpensOnTheOtherAndTheTitlesFollowThePeers)
{
    auto keys = device("00000000-0000-0000-0000-000000000002", QStringLiteral("Keys"));
    keys->dialogs.answers = {Dialogs::Answer::Default};
    auto stage = device("00000000-0000-0000-0000-000000000001", QStringLiteral("Stage Left"));
    ASSERT_TRUE(waitUntil([&] { return stage->connectedPeers == QStringLiteral("Keys"); }));
    ASSERT_TRUE(waitUntil([&] { return keys->connectedPeers == QStringLiteral("Stage Left"); }));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Peer Keys connected")));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Peer Stage Left connected")));

    stage->writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    keys->writeSong(QStringLiteral("Grace.pro"), kGrace);
    stage->show(QStringLiteral("Amazing Grace"));
    ASSERT_TRUE(waitUntil([&] { return !keys->shownForPeers.isEmpty(); }));
    EXPECT_EQ(keys->shownForPeers, QStringList{QStringLiteral("Amazing Grace")});
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("receivedData length ")));

    stage.reset();
    ASSERT_TRUE(waitUntil([&] { return keys->connectedPeers.isEmpty(); }));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Peer Stage Left disconnected")));
}
