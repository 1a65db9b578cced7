// Discovery through the DNS-SD daemon when there is none to reach, as on a build machine: the failure is
// reported with the daemon library's text, every start tried again reports it again, and nothing crashes.
#include "avahidiscovery.h"
#include "logcapture.h"
#include "peeridentity.h"
#include "scopedenv.h"
#include "scripteddialogs.h"
#include "tcppeersession.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A system bus address where no bus listens, so the test is the same on a desktop that runs the daemon.
QByteArray absentBus(const QTemporaryDir &dir)
{
    return "unix:path=" + dir.filePath(QStringLiteral("no-bus")).toUtf8();
}

} // namespace

TEST(AvahiDiscovery, WithoutTheDaemonEachStartReportsTheFailure)
{
    const QTemporaryDir dir;
    const ScopedEnv bus("DBUS_SYSTEM_BUS_ADDRESS", absentBus(dir));
    const PeerIdentity identity(QUuid::createUuid(), QStringLiteral("Stage"));
    AvahiDiscovery discovery;
    QSignalSpy advertising(&discovery, &PeerDiscovery::advertisingFailed);
    QSignalSpy browsing(&discovery, &PeerDiscovery::browsingFailed);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        discovery.startAdvertising(identity, 7000);
        discovery.startBrowsing();
        ASSERT_EQ(advertising.size(), attempt);
        ASSERT_EQ(browsing.size(), attempt);
    }
    EXPECT_EQ(advertising.first().first().toString(), QStringLiteral("Daemon not running"));
    EXPECT_EQ(browsing.last().first().toString(), QStringLiteral("Daemon not running"));
    EXPECT_EQ(discovery.listenAddress(), QHostAddress(QHostAddress::AnyIPv4));
}

TEST(AvahiDiscovery, ASessionWithoutTheDaemonLogsOnceAndTriesAgainASecondLater)
{
    const QTemporaryDir dir;
    const ScopedEnv bus("DBUS_SYSTEM_BUS_ADDRESS", absentBus(dir));
    const LogCapture log;
    ScriptedDialogs dialogs;
    auto discovery = std::make_unique<AvahiDiscovery>();
    QSignalSpy advertising(discovery.get(), &PeerDiscovery::advertisingFailed);
    QSignalSpy browsing(discovery.get(), &PeerDiscovery::browsingFailed);
    QElapsedTimer elapsed;
    elapsed.start();
    TcpPeerSession session(PeerIdentity(QUuid::createUuid(), QStringLiteral("Stage")), std::move(discovery), dialogs,
                           TcpPeerSession::Timing());
    EXPECT_NE(session.port(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return advertising.size() >= 2 && browsing.size() >= 2; }, 10000));
    // Not a speed check: the retry must not come at once, nor run in a tight loop.
    EXPECT_GE(elapsed.elapsed(), 900);
    const QStringList lines = log.lines();
    EXPECT_EQ(lines.count(QStringLiteral("Could not start advertising for peers: Daemon not running")), 1);
    EXPECT_EQ(lines.count(QStringLiteral("Could not start browsing for peers: Daemon not running")), 1);
    EXPECT_TRUE(session.connectedPeerNames().isEmpty());
}
