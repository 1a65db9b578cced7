// Sessions joined inside one process deliver through the event loop and end cleanly.
#include "loopbacksession.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

TEST(LoopbackSession, JoinedSessionsConnectOnALaterPass)
{
    LoopbackSession a(QStringLiteral("A"));
    LoopbackSession b(QStringLiteral("B"));
    QSignalSpy connectedToA(&a, &PeerSession::peerConnected);
    LoopbackSession::join(a, b);
    LoopbackSession::join(b, a); // joined already: no second connection
    EXPECT_EQ(a.connectedPeerNames(), QStringList{QStringLiteral("B")});
    EXPECT_EQ(b.connectedPeerNames(), QStringList{QStringLiteral("A")});
    EXPECT_EQ(connectedToA.count(), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(connectedToA.count(), 1);
    EXPECT_EQ(connectedToA.at(0).at(0).toString(), QStringLiteral("B"));
}

TEST(LoopbackSession, SendsToEveryOtherPeerButNotItself)
{
    LoopbackSession a(QStringLiteral("A"));
    LoopbackSession b(QStringLiteral("B"));
    LoopbackSession c(QStringLiteral("C"));
    LoopbackSession::join(a, b);
    LoopbackSession::join(a, c);
    QSignalSpy toA(&a, &PeerSession::messageReceived);
    QSignalSpy toB(&b, &PeerSession::messageReceived);
    QSignalSpy toC(&c, &PeerSession::messageReceived);
    QString error;
    EXPECT_TRUE(a.send("hello", error));
    EXPECT_EQ(toB.count(), 0); // never inside send()
    QCoreApplication::processEvents();
    EXPECT_EQ(toA.count(), 0);
    ASSERT_EQ(toB.count(), 1);
    ASSERT_EQ(toC.count(), 1);
    EXPECT_EQ(toB.at(0).at(0).toByteArray(), QByteArray("hello"));
    EXPECT_EQ(toB.at(0).at(1).toString(), QStringLiteral("A"));
}

TEST(LoopbackSession, AnEndedSessionDisconnectsAndReceivesNothingMore)
{
    LoopbackSession a(QStringLiteral("A"));
    auto b = std::make_unique<LoopbackSession>(QStringLiteral("B"));
    LoopbackSession::join(a, *b);
    QCoreApplication::processEvents();
    QSignalSpy disconnected(&a, &PeerSession::peerDisconnected);
    QString error;
    EXPECT_TRUE(a.send("lost", error));
    b.reset();
    EXPECT_TRUE(a.connectedPeerNames().isEmpty());
    QCoreApplication::processEvents(); // the message queued for the ended session goes nowhere
    ASSERT_EQ(disconnected.count(), 1);
    EXPECT_EQ(disconnected.at(0).at(0).toString(), QStringLiteral("B"));
    EXPECT_TRUE(a.send("nobody", error));
}
