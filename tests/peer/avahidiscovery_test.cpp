// Discovery through the DNS-SD daemon when there is none to reach, as on a build machine: the failure is
// reported with the daemon library's text, every start tried again reports it again, and nothing crashes.
#include "avahidiscovery.h"
#include "peeridentity.h"
#include "scopedenv.h"

#include <QSignalSpy>
#include <QTemporaryDir>

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
