// Sessions over real TCP on the loopback interface: finding, the handshake and its questions, crossing calls,
// and callers that break the rules, played by a plain socket.
#include "inprocessdiscovery.h"
#include "inprocessdiscoveryhub.h"
#include "logcapture.h"
#include "peermessage.h"
#include "scripteddialogs.h"
#include "scriptedpeer.h"
#include "staticdiscovery.h"
#include "tcppeersession.h"

#include <QTcpServer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Ids chosen so that the order between devices is known: the smaller id calls.
const QString id1 = QStringLiteral("00000000-0000-0000-0000-000000000001");
const QString id2 = QStringLiteral("00000000-0000-0000-0000-000000000002");
const QString id5 = QStringLiteral("00000000-0000-0000-0000-000000000005");
const QString id9 = QStringLiteral("00000000-0000-0000-0000-000000000009");

bool waitUntil(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 10000);
}

QByteArray songMessage(const QString &reference)
{
    PeerMessage message;
    message.payload = reference;
    return message.encode();
}

// One device: its session, the answers its user gives, and what the session reported.
struct Device
{
    ScriptedDialogs dialogs;
    std::unique_ptr<TcpPeerSession> session;
    QList<std::pair<QByteArray, QString>> received;
    QStringList connected;
    QStringList disconnected;

    void start(const QString &id, const QString &name, std::unique_ptr<PeerDiscovery> discovery,
               const TcpPeerSession::Timing &timing)
    {
        session = std::make_unique<TcpPeerSession>(PeerIdentity(QUuid::fromString(id), name), std::move(discovery),
                                                   dialogs, timing);
        QObject::connect(session.get(), &PeerSession::messageReceived,
                         [this](const QByteArray &bytes, const QString &peer) {
                             received.append({bytes, peer});
                         });
        QObject::connect(session.get(), &PeerSession::peerConnected,
                         [this](const QString &peer) { connected.append(peer); });
        QObject::connect(session.get(), &PeerSession::peerDisconnected,
                         [this](const QString &peer) { disconnected.append(peer); });
    }
};

class TcpSessions : public ::testing::Test
{
protected:
    std::unique_ptr<Device> device(const QString &id, const QString &name, const TcpPeerSession::Timing &timing = {})
    {
        auto device = std::make_unique<Device>();
        device->start(id, name, std::make_unique<InProcessDiscovery>(&hub), timing);
        return device;
    }

    // A device that finds only the given address, as a fixed list would name it.
    std::unique_ptr<Device> listing(const QString &id, const QString &name, quint16 port,
                                    const TcpPeerSession::Timing &timing = {})
    {
        auto device = std::make_unique<Device>();
        const FoundPeer peer{QStringLiteral("127.0.0.1:%1").arg(port), QString(), QHostAddress(QHostAddress::LocalHost),
                             port};
        device->start(id, name, std::make_unique<StaticDiscovery>(QList<FoundPeer>{peer}, 0), timing);
        return device;
    }

    // Two devices, "Stage Left" (the smaller id, which calls) and "Keys", connected with Keys's consent.
    void connectPair()
    {
        keys = device(id2, QStringLiteral("Keys"));
        keys->dialogs.answers = {Dialogs::Answer::Default};
        stage = device(id1, QStringLiteral("Stage Left"));
        ASSERT_TRUE(waitUntil([&] { return !stage->connected.isEmpty() && !keys->connected.isEmpty(); }));
    }

    int linesStartingWith(const QString &start) const
    {
        const QStringList lines = log.lines();
        return int(
            std::count_if(lines.cbegin(), lines.cend(), [&](const QString &line) { return line.startsWith(start); }));
    }

    LogCapture log;
    InProcessDiscoveryHub hub;
    std::unique_ptr<Device> keys;
    std::unique_ptr<Device> stage;
};

} // namespace

TEST_F(TcpSessions, FoundPeersConnectAfterTheQuestionAndCarryMessagesBothWays)
{
    connectPair();
    ASSERT_EQ(keys->dialogs.asked.size(), 1);
    const Dialogs::Alert &question = keys->dialogs.asked.first();
    EXPECT_EQ(question.title, QStringLiteral("Riro Riroduva"));
    EXPECT_EQ(question.informativeText, QStringLiteral("Accept connection from Stage Left?"));
    EXPECT_EQ(question.defaultButton, QStringLiteral("OK"));
    EXPECT_EQ(question.alternateButton, QStringLiteral("Cancel"));
    EXPECT_TRUE(stage->dialogs.asked.isEmpty());
    EXPECT_EQ(stage->session->connectedPeerNames(), QStringList{QStringLiteral("Keys")});
    EXPECT_EQ(keys->session->connectedPeerNames(), QStringList{QStringLiteral("Stage Left")});
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Found peer Keys")));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("didReceiveInvitationFromPeer Stage Left")));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("peer session state changed 2")));
    EXPECT_EQ(stage->connected, QStringList{QStringLiteral("Keys")});
    EXPECT_EQ(keys->connected, QStringList{QStringLiteral("Stage Left")});
    EXPECT_EQ(stage->session->knownPeers(), QSet<QString>{id2});
    EXPECT_EQ(keys->session->knownPeers(), QSet<QString>{id1});

    QString error;
    EXPECT_TRUE(stage->session->send(songMessage(QStringLiteral("Intro")), error));
    EXPECT_TRUE(keys->session->send(songMessage(QStringLiteral("Outro")), error));
    ASSERT_TRUE(waitUntil([&] { return !keys->received.isEmpty() && !stage->received.isEmpty(); }));
    EXPECT_EQ(keys->received.first().first, songMessage(QStringLiteral("Intro")));
    EXPECT_EQ(keys->received.first().second, QStringLiteral("Stage Left"));
    EXPECT_EQ(stage->received.first().first, songMessage(QStringLiteral("Outro")));
    EXPECT_EQ(stage->received.first().second, QStringLiteral("Keys"));
}

TEST_F(TcpSessions, APeerThatGoesAwayIsReportedAndOnlyItsKnownIdReconnectsWithoutAQuestion)
{
    connectPair();
    stage.reset();
    ASSERT_TRUE(waitUntil([&] { return !keys->disconnected.isEmpty(); }));
    EXPECT_EQ(keys->disconnected, QStringList{QStringLiteral("Stage Left")});
    EXPECT_TRUE(keys->session->connectedPeerNames().isEmpty());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("peer session state changed 0")));

    stage = device(id1, QStringLiteral("Stage Left"));
    ASSERT_TRUE(waitUntil([&] { return keys->connected.size() == 2; }));
    EXPECT_EQ(keys->dialogs.asked.size(), 1);
    stage.reset();
    ASSERT_TRUE(waitUntil([&] { return keys->disconnected.size() == 2; }));

    // The same name with another id: any device can announce a name, so the user is asked again.
    keys->dialogs.answers = {Dialogs::Answer::Alternate};
    const auto impostor = ScriptedPeer::calling(keys->session->port());
    impostor->handshake(PeerHandshake::Hello, id9, QStringLiteral("Stage Left"));
    ASSERT_TRUE(impostor->waitForFrames(1));
    EXPECT_EQ(impostor->codes(), QList<quint32>{PeerHandshake::Decline});
    ASSERT_EQ(keys->dialogs.asked.size(), 2);
    EXPECT_EQ(keys->dialogs.asked.last().informativeText, QStringLiteral("Accept connection from Stage Left?"));
    EXPECT_EQ(keys->connected.size(), 2);
    EXPECT_EQ(keys->session->knownPeers(), QSet<QString>{id1});
}

TEST_F(TcpSessions, CancelDeclinesTheCaller)
{
    keys = device(id2, QStringLiteral("Keys"));
    keys->dialogs.answers = {Dialogs::Answer::Alternate};
    stage = device(id1, QStringLiteral("Stage Left"));
    ASSERT_TRUE(
        waitUntil([&] { return log.hasLineStartingWith(QStringLiteral("Peer Keys declined the connection")); }));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("User declined connection with Stage Left")));
    EXPECT_TRUE(stage->connected.isEmpty());
    EXPECT_TRUE(keys->connected.isEmpty());
    EXPECT_FALSE(keys->session->knownPeers().contains(QStringLiteral("Stage Left")));
}

TEST_F(TcpSessions, DeclinesItsOwnIdAndAPeerAlreadyConnected)
{
    connectPair();
    const struct
    {
        QString id;
        QString name;
    } callers[] = {{id2, QStringLiteral("Impostor")}, {id1, QStringLiteral("Stage Left")}};
    for (const auto &caller : callers) {
        const auto peer = ScriptedPeer::calling(keys->session->port());
        peer->handshake(PeerHandshake::Hello, caller.id, caller.name);
        ASSERT_TRUE(peer->waitForFrames(1)) << caller.name.toStdString();
        EXPECT_EQ(peer->codes(), QList<quint32>{PeerHandshake::Decline}) << qPrintable(caller.name);
        EXPECT_TRUE(peer->waitForClosed()) << caller.name.toStdString();
    }
    EXPECT_EQ(keys->dialogs.asked.size(), 1);
    EXPECT_EQ(keys->connected, QStringList{QStringLiteral("Stage Left")});
    EXPECT_TRUE(keys->disconnected.isEmpty());
}

TEST_F(TcpSessions, CrossingCallsKeepExactlyOneConnection)
{
    TcpPeerSession::Timing atOnce;
    atOnce.crossing = std::chrono::milliseconds(0);
    keys = device(id2, QStringLiteral("Keys"), atOnce);
    stage = device(id1, QStringLiteral("Stage Left"), atOnce);
    keys->dialogs.answers = {Dialogs::Answer::Default, Dialogs::Answer::Default};
    stage->dialogs.answers = {Dialogs::Answer::Default, Dialogs::Answer::Default};
    ASSERT_TRUE(waitUntil([&] { return !stage->connected.isEmpty() && !keys->connected.isEmpty(); }));

    // Over two connections each message would arrive twice.
    QString error;
    for (const QString &reference : {QStringLiteral("One"), QStringLiteral("Two")})
        EXPECT_TRUE(stage->session->send(songMessage(reference), error));
    ASSERT_TRUE(waitUntil([&] { return keys->received.size() >= 2; }));
    QTest::qWait(100);
    EXPECT_EQ(keys->received.size(), 2);
    EXPECT_EQ(keys->connected.size(), 1);
    EXPECT_EQ(stage->connected.size(), 1);
    EXPECT_TRUE(keys->disconnected.isEmpty());
    EXPECT_TRUE(stage->disconnected.isEmpty());
}

TEST_F(TcpSessions, WhenBothCallsAreAcceptedBothSidesKeepTheSmallerIdsCall)
{
    for (const QString &peerId : {id1, id9}) {
        SCOPED_TRACE(peerId.toStdString());
        LogCapture capture;
        QTcpServer listener;
        ASSERT_TRUE(listener.listen(QHostAddress(QHostAddress::LocalHost)));
        auto device = listing(id5, QStringLiteral("Keys"), listener.serverPort());
        device->dialogs.answers = {Dialogs::Answer::Default};

        ASSERT_TRUE(waitUntil([&] { return listener.hasPendingConnections(); }));
        ScriptedPeer called(listener.nextPendingConnection());
        ASSERT_TRUE(called.waitForFrames(1));
        const auto calling = ScriptedPeer::calling(device->session->port());
        calling->handshake(PeerHandshake::Hello, peerId, QStringLiteral("Script"));
        ASSERT_TRUE(calling->waitForFrames(1));
        called.handshake(PeerHandshake::Accept, peerId, QStringLiteral("Script"));

        ScriptedPeer &dropped = peerId < id5 ? called : *calling;
        const ScriptedPeer &kept = peerId < id5 ? *calling : called;
        EXPECT_TRUE(dropped.waitForClosed());
        EXPECT_FALSE(kept.isClosed());
        EXPECT_EQ(device->session->connectedPeerNames(), QStringList{QStringLiteral("Script")});
        EXPECT_EQ(device->connected, QStringList{QStringLiteral("Script")});
        EXPECT_TRUE(device->disconnected.isEmpty());
    }
}

TEST_F(TcpSessions, MessagesBeforeAcceptanceAreDroppedOnBothSides)
{
    // Called: the caller talks while the user is still being asked.
    keys = device(id2, QStringLiteral("Keys"));
    const auto caller = ScriptedPeer::calling(keys->session->port());
    keys->dialogs.answers = {Dialogs::Answer::Default};
    keys->dialogs.whileShown = [&] {
        caller->write(songMessage(QStringLiteral("Too early")));
        EXPECT_TRUE(waitUntil([&] { return log.hasLineStartingWith(QStringLiteral("Message 0 from peer Script")); }));
    };
    caller->handshake(PeerHandshake::Hello, id9, QStringLiteral("Script"));
    ASSERT_TRUE(caller->waitForFrames(1));
    EXPECT_EQ(caller->codes(), QList<quint32>{PeerHandshake::Accept});
    caller->write(songMessage(QStringLiteral("In time")));
    ASSERT_TRUE(waitUntil([&] { return !keys->received.isEmpty(); }));
    EXPECT_EQ(keys->received.first().first, songMessage(QStringLiteral("In time")));

    // Calling: the called peer talks before it answers.
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress(QHostAddress::LocalHost)));
    stage = listing(id1, QStringLiteral("Stage Left"), listener.serverPort());
    ASSERT_TRUE(waitUntil([&] { return listener.hasPendingConnections(); }));
    ScriptedPeer called(listener.nextPendingConnection());
    ASSERT_TRUE(called.waitForFrames(1));
    EXPECT_EQ(called.codes(), QList<quint32>{PeerHandshake::Hello});
    called.write(songMessage(QStringLiteral("Too early")));
    called.handshake(PeerHandshake::Accept, id9, QStringLiteral("Script"));
    called.write(songMessage(QStringLiteral("In time")));
    ASSERT_TRUE(waitUntil([&] { return !stage->received.isEmpty(); }));
    EXPECT_EQ(stage->received.size(), 1);
    EXPECT_EQ(stage->received.first().first, songMessage(QStringLiteral("In time")));
    EXPECT_EQ(stage->connected, QStringList{QStringLiteral("Script")});
}

TEST_F(TcpSessions, CallersThatBreakTheRulesAreClosed)
{
    QByteArray hugeHello = songMessage(QString());
    hugeHello.replace(0, 4, QByteArray::fromHex("01004c56"));
    hugeHello.replace(12, 4, QByteArray::fromHex("00005000")); // 5 MiB announced
    const struct
    {
        const char *what;
        QByteArray first;
        QString logged;
    } cases[] = {
        {"a song message first", songMessage(QStringLiteral("Song")),
         QStringLiteral("is no greeting, connection closed")},
        {"5 MiB announced", hugeHello, QStringLiteral("announced 5242880 bytes, more than 4194304, connection closed")},
        {"no greeting in time", QByteArray(), QStringLiteral("No greeting from 127.0.0.1")},
    };
    TcpPeerSession::Timing impatient;
    impatient.greeting = std::chrono::milliseconds(50);
    keys = device(id2, QStringLiteral("Keys"), impatient);
    for (const auto &c : cases) {
        LogCapture capture;
        const auto caller = ScriptedPeer::calling(keys->session->port());
        caller->write(c.first);
        EXPECT_TRUE(caller->waitForClosed()) << c.what;
        EXPECT_TRUE(capture.lines().join(u'\n').contains(c.logged)) << c.what;
    }
    EXPECT_TRUE(keys->dialogs.asked.isEmpty());
    EXPECT_TRUE(keys->received.isEmpty());
}

TEST_F(TcpSessions, IdleConnectionsCannotKeepADeviceOut)
{
    keys = device(id2, QStringLiteral("Keys"));
    keys->dialogs.answers = {Dialogs::Answer::Default};
    std::vector<std::unique_ptr<ScriptedPeer>> idle;
    for (int i = 0; i < TcpPeerSession::maxWaitingConnections + 1; ++i)
        idle.push_back(ScriptedPeer::calling(keys->session->port()));
    // The fifth takes the place of the oldest.
    EXPECT_TRUE(idle.front()->waitForClosed());

    stage = device(id1, QStringLiteral("Stage Left"));
    ASSERT_TRUE(waitUntil([&] { return !keys->connected.isEmpty(); }));
    ASSERT_EQ(keys->dialogs.asked.size(), 1);
    EXPECT_EQ(keys->dialogs.asked.first().informativeText, QStringLiteral("Accept connection from Stage Left?"));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Closed the waiting connection from 127.0.0.1:")));
}

TEST_F(TcpSessions, WaitingSlotsAreSharedFairlyAmongAddresses)
{
    const auto from = [](int last) { return QHostAddress(QStringLiteral("127.0.0.%1").arg(last)); };
    if (QTcpSocket probe; !probe.bind(from(2)))
        GTEST_SKIP() << "the loopback interface takes no address but 127.0.0.1 here";
    keys = device(id2, QStringLiteral("Keys"));
    std::vector<std::unique_ptr<ScriptedPeer>> callers;
    for (int i = 0; i < TcpPeerSession::maxWaitingConnections; ++i)
        callers.push_back(ScriptedPeer::calling(keys->session->port(), from(2)));

    // Each caller from 127.0.0.<address> leaves the caller of that index closed.
    const struct
    {
        int address;
        size_t closed;
    } steps[] = {
        {3, 0}, // 127.0.0.2 holds all four slots: its oldest gives way
        {4, 1}, // it still holds three
        {5, 2}, // and two, against one each: now every address holds one
        {6, 7}, // so a fifth address is refused
        {3, 4}, // while one with a slot may replace its own idle connection
    };
    for (const auto &step : steps) {
        callers.push_back(ScriptedPeer::calling(keys->session->port(), from(step.address)));
        ASSERT_TRUE(callers.at(step.closed)->waitForClosed()) << step.address;
        std::vector<size_t> open;
        for (size_t i = 0; i < callers.size(); ++i) {
            if (!callers.at(i)->isClosed())
                open.push_back(i);
        }
        EXPECT_EQ(open.size(), size_t(TcpPeerSession::maxWaitingConnections)) << step.address;
    }
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Refused connection from 127.0.0.6")));
}

TEST_F(TcpSessions, AnUnacceptedCallerIsLoggedOnceHoweverMuchItSendsAndClosedWhenNobodyDecides)
{
    TcpPeerSession::Timing impatient;
    impatient.answer = std::chrono::milliseconds(500);
    keys = device(id2, QStringLiteral("Keys"), impatient);
    const auto caller = ScriptedPeer::calling(keys->session->port());
    QByteArray flood =
        PeerHandshake::encode(PeerHandshake::Hello, PeerIdentity(QUuid::fromString(id9), QStringLiteral("Script")));
    for (int i = 0; i < 20000; ++i)
        flood += songMessage(QStringLiteral("Too early"));
    keys->dialogs.answers = {Dialogs::Answer::Default};
    // Nobody answers in time: the question is still open when the caller's time is up.
    keys->dialogs.whileShown = [&] { EXPECT_TRUE(caller->waitForClosed()); };
    caller->write(flood);
    ASSERT_TRUE(waitUntil([&] { return keys->dialogs.asked.size() == 1 && caller->isClosed(); }));
    QTest::qWait(50);

    EXPECT_EQ(linesStartingWith(QStringLiteral("Message 0 from peer Script before the connection was accepted")), 1);
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("No decision on peer Script in time, connection closed")));
    EXPECT_LT(log.lines().size(), 20);
    EXPECT_TRUE(keys->connected.isEmpty());
    EXPECT_TRUE(keys->received.isEmpty());
}

TEST_F(TcpSessions, AStreamIsCutIntoWholeMessagesAndACutOffOneIsHandedOnAtTheClose)
{
    keys = device(id2, QStringLiteral("Keys"));
    keys->dialogs.answers = {Dialogs::Answer::Default};
    const auto caller = ScriptedPeer::calling(keys->session->port());
    caller->handshake(PeerHandshake::Hello, id9, QStringLiteral("Script"));
    ASSERT_TRUE(caller->waitForFrames(1));

    const QByteArray whole = songMessage(QStringLiteral("A song sent a byte at a time"));
    for (const char byte : whole) {
        caller->write(QByteArray(1, byte));
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(waitUntil([&] { return !keys->received.isEmpty(); }));
    EXPECT_EQ(keys->received.first().first, whole);

    // Closing mid-message: the 66 bytes go to the checks, which log why they are dropped.
    const QByteArray cut = songMessage(QString(100, u'x')).left(66);
    caller->write(cut);
    caller->close();
    ASSERT_TRUE(waitUntil([&] { return !keys->disconnected.isEmpty(); }));
    ASSERT_EQ(keys->received.size(), 2);
    EXPECT_EQ(keys->received.last().first, cut);
    EXPECT_EQ(keys->disconnected, QStringList{QStringLiteral("Script")});
}

TEST_F(TcpSessions, FailedStartsAreLoggedOnceAndTriedAgain)
{
    TcpPeerSession::Timing quickRetry;
    quickRetry.retry = std::chrono::milliseconds(10);
    hub.failNextStarts(4, QStringLiteral("Daemon not running"));
    stage = device(id1, QStringLiteral("Stage Left"), quickRetry);
    ASSERT_TRUE(waitUntil([&] { return hub.startAttempts() >= 6; }));
    EXPECT_EQ(linesStartingWith(QStringLiteral("Could not start advertising for peers: Daemon not running")), 1);
    EXPECT_EQ(linesStartingWith(QStringLiteral("Could not start browsing for peers: Daemon not running")), 1);

    keys = device(id2, QStringLiteral("Keys"));
    keys->dialogs.answers = {Dialogs::Answer::Default};
    EXPECT_TRUE(waitUntil([&] { return !stage->connected.isEmpty(); }));
}
