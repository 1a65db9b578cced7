// Devices sharing songs over loopback sessions: what each shows, asks, sends and writes.
#include "peerdevice.h"

#include "logcapture.h"
#include "peermessage.h"
#include "song.h"
#include "testfiles.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QByteArray kGrace = "{title: Amazing Grace}\n[G]Amazing grace, how [C]sweet the sound\n";
const QByteArray kGraceOther = "{title: Amazing Grace}\n[A]Amazing grace, how [D]sweet the sound\n";
const QByteArray kBlues = "{title: Blues}\n[E7]Woke up this morning\n";

using Answer = Dialogs::Answer;

class PeerControlTest : public ::testing::Test
{
protected:
    PeerControlTest() { PeerDevice::join(a, b); }

    // The messages b received of that code.
    static qsizetype received(const PeerDevice &device, quint32 code) { return device.receivedCodes.count(code); }

    PeerDevice a{QStringLiteral("Anna's laptop")};
    PeerDevice b{QStringLiteral("Ben's tablet")};
};

// A third party on the session that sends whatever bytes a test gives it.
class RawPeer
{
public:
    explicit RawPeer(PeerDevice &device)
        : session(QStringLiteral("raw"))
    {
        LoopbackSession::join(session, *device.loopback);
        PeerDevice::settle();
    }

    void send(const PeerMessage &message)
    {
        QString error;
        session.send(message.encode(), error);
        PeerDevice::settle();
    }

    LoopbackSession session;
};

} // namespace

TEST_F(PeerControlTest, TheSameVersionOpensAndNothingMoreIsSent)
{
    a.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    b.writeSong(QStringLiteral("Grace.pro"), kGrace);
    a.show(QStringLiteral("Amazing Grace"));
    PeerDevice::settle();
    EXPECT_EQ(b.shownForPeers, QStringList{QStringLiteral("Amazing Grace")});
    EXPECT_EQ(b.current, b.librarySong(QStringLiteral("Amazing Grace")));
    EXPECT_TRUE(a.receivedCodes.isEmpty());
    EXPECT_TRUE(b.dialogs.asked.isEmpty());
}

TEST_F(PeerControlTest, AnotherVersionIsOfferedAsAnUpdateUnlessUpdatesAreIgnored)
{
    for (const bool ignoreUpdates : {false, true}) {
        PeerDevice a(QStringLiteral("A"));
        PeerDevice b(QStringLiteral("B"));
        PeerDevice::join(a, b);
        a.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
        const QString path = b.writeSong(QStringLiteral("Amazing Grace.pro"), kGraceOther);
        b.prefs.setIgnoreUpdates(ignoreUpdates);
        b.dialogs.answers = {Answer::Default};
        const LogCapture log;
        a.show(QStringLiteral("Amazing Grace"));
        PeerDevice::settle();

        // The own version opens at once either way.
        ASSERT_FALSE(b.shownForPeers.isEmpty()) << ignoreUpdates;
        EXPECT_EQ(b.shownForPeers.first(), QStringLiteral("Amazing Grace"));
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Song Amazing Grace checksums differ from A remote: ")));
        if (ignoreUpdates) {
            EXPECT_EQ(received(a, PeerMessage::NeedSong), 0);
            EXPECT_TRUE(b.dialogs.asked.isEmpty());
            EXPECT_EQ(TestFiles::read(path), kGraceOther);
            continue;
        }
        EXPECT_EQ(received(a, PeerMessage::NeedSong), 1);
        ASSERT_EQ(b.dialogs.asked.size(), 1);
        const Dialogs::Alert &asked = b.dialogs.asked.first();
        EXPECT_EQ(asked.title, QStringLiteral("Riro Riroduva"));
        EXPECT_EQ(asked.informativeText,
                  QStringLiteral("Song Amazing Grace differs from the version on A, update it?"));
        EXPECT_EQ(asked.defaultButton, QStringLiteral("Update"));
        EXPECT_EQ(asked.alternateButton, QStringLiteral("Ignore"));
        EXPECT_EQ(TestFiles::read(path), kGrace);
        EXPECT_TRUE(log.lines().contains(QStringLiteral("Updating Amazing Grace with version from peers")));
        // The updated song is shown again, now in the sender's version.
        EXPECT_EQ(b.shownForPeers.last(), QStringLiteral("Amazing Grace"));
        EXPECT_EQ(b.current->text(), QString::fromUtf8(kGrace));
    }
}

TEST_F(PeerControlTest, AMissingSongIsRequestedOnceAndCopiedIntoTheSongFolder)
{
    a.writeSong(QStringLiteral("Rock/Blues.pro"), kBlues);
    b.dialogs.answers = {Answer::Default};
    const int pauses = b.context.fsRefreshPauses;
    const LogCapture log;
    a.show(QStringLiteral("Blues"));
    PeerDevice::settle();

    EXPECT_EQ(received(a, PeerMessage::NeedSong), 1);
    ASSERT_EQ(b.dialogs.asked.size(), 1);
    EXPECT_EQ(b.dialogs.asked.first().informativeText,
              QStringLiteral("Song Blues not yet available on this device, copy it?"));
    EXPECT_EQ(b.dialogs.asked.first().defaultButton, QStringLiteral("Copy"));
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Adding song Blues from peers")));
    // Into the song folder itself, whatever category the sender keeps it in.
    EXPECT_EQ(TestFiles::read(QDir(b.songFolder).filePath(QStringLiteral("Blues.pro"))), kBlues);
    EXPECT_GT(b.context.fsRefreshPauses, pauses) << "the own write is no change from outside";
    EXPECT_EQ(b.shownForPeers, QStringList{QStringLiteral("Blues")});
}

TEST_F(PeerControlTest, ARequestForAnyVersionIsAnsweredByEveryHolder)
{
    PeerDevice c(QStringLiteral("C"));
    PeerDevice::join(a, c);
    b.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    c.writeSong(QStringLiteral("Amazing Grace.pro"), kGraceOther);
    a.activate();
    a.control->notifyPeersNeedSong(*Song::fromTitleSubtitleReference(QStringLiteral("Amazing Grace")), 0);
    PeerDevice::settle();
    EXPECT_EQ(received(a, PeerMessage::SongText), 2);

    // With a checksum only the holder of that version answers.
    a.receivedCodes.clear();
    a.activate();
    const quint32 checksum = c.librarySong(QStringLiteral("Amazing Grace"))->checksum();
    a.control->notifyPeersNeedSong(*Song::fromTitleSubtitleReference(QStringLiteral("Amazing Grace")), checksum);
    PeerDevice::settle();
    EXPECT_EQ(a.receivedCodes, QList<quint32>{PeerMessage::SongText});
}

TEST_F(PeerControlTest, TranspositionsApplyModuloTwelveToTheShownSong)
{
    a.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    b.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    b.writeSong(QStringLiteral("Blues.pro"), kBlues);
    const SongPtr grace = a.librarySong(QStringLiteral("Amazing Grace"));
    b.current = b.librarySong(QStringLiteral("Amazing Grace"));
    for (const int transpose : {14, -1})
        a.control->notifyPeersTransposeSong(*grace, transpose);
    PeerDevice::settle();
    EXPECT_EQ(b.transpositions, QList<int>({2, 11}));
    EXPECT_TRUE(b.shownForPeers.isEmpty());

    // Another song on display: the transposed song is opened instead.
    b.current = b.librarySong(QStringLiteral("Blues"));
    a.control->notifyPeersTransposeSong(*grace, 3);
    PeerDevice::settle();
    EXPECT_EQ(b.transpositions.size(), 2);
    EXPECT_EQ(b.shownForPeers, QStringList{QStringLiteral("Amazing Grace")});
}

TEST_F(PeerControlTest, EachQueuedActionKeepsItsOwnSong)
{
    for (PeerDevice *device : {&a, &b}) {
        device->writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
        device->writeSong(QStringLiteral("Blues.pro"), kBlues);
    }
    // Both messages arrive before either song is opened.
    a.show(QStringLiteral("Amazing Grace"));
    a.show(QStringLiteral("Blues"));
    PeerDevice::settle();
    EXPECT_EQ(b.shownForPeers, QStringList({QStringLiteral("Amazing Grace"), QStringLiteral("Blues")}));
}

TEST_F(PeerControlTest, IgnoredSongsAreNotOfferedAgainButOthersAre)
{
    a.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    a.writeSong(QStringLiteral("Blues.pro"), kBlues);
    b.dialogs.answers = {Answer::Alternate, Answer::Alternate};
    a.show(QStringLiteral("Amazing Grace"));
    PeerDevice::settle();
    a.show(QStringLiteral("Amazing Grace"));
    PeerDevice::settle();
    ASSERT_EQ(b.dialogs.asked.size(), 1);
    a.show(QStringLiteral("Blues"));
    PeerDevice::settle();
    ASSERT_EQ(b.dialogs.asked.size(), 2);
    EXPECT_EQ(b.dialogs.asked.last().informativeText,
              QStringLiteral("Song Blues not yet available on this device, copy it?"));
    EXPECT_EQ(QDir(b.songFolder).entryList(QDir::Files), QStringList());
}

TEST_F(PeerControlTest, OneOfferAtATime)
{
    a.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    a.writeSong(QStringLiteral("Blues.pro"), kBlues);
    // While b's first offer is open, a shows another missing song.
    b.dialogs.whileShown = [&] {
        b.dialogs.whileShown = nullptr;
        a.show(QStringLiteral("Blues"));
        PeerDevice::settle();
    };
    const LogCapture log;
    a.show(QStringLiteral("Amazing Grace"));
    PeerDevice::settle();
    EXPECT_EQ(b.dialogs.asked.size(), 1);
    EXPECT_TRUE(log.lines().contains(QStringLiteral("peercontrol saveSong alert already shown, ignore")));
}

TEST_F(PeerControlTest, APeersTextNeverReplacesASongOfAnotherName)
{
    const QString grace = b.writeSong(QStringLiteral("Amazing Grace.pro"), kGrace);
    RawPeer peer(b);
    b.dialogs.answers = {Answer::Default};
    const QString text = QStringLiteral("{title: A}\n[C]short\n");
    Song sent;
    sent.setText(text);
    peer.send({PeerMessage::SongText, 0, sent.checksum(), text});
    ASSERT_EQ(b.dialogs.asked.size(), 1);
    EXPECT_EQ(b.dialogs.asked.first().defaultButton, QStringLiteral("Copy"));
    EXPECT_EQ(TestFiles::read(grace), kGrace);
    EXPECT_EQ(TestFiles::readText(QDir(b.songFolder).filePath(QStringLiteral("A.pro"))), text);
}

TEST_F(PeerControlTest, AReceivedSongLandsInTheSongFolderWhateverItsTitle)
{
    RawPeer peer(b);
    b.dialogs.answers = {Answer::Default};
    peer.send({PeerMessage::SongText, 0, 1, QStringLiteral("{title: ../../x/y}\nla\n")});
    ASSERT_EQ(b.dialogs.asked.size(), 1);
    const QDir folder(b.songFolder);
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_FALSE(files.first().contains(QLatin1Char('/')));
    EXPECT_TRUE(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(QDir(b.home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"songs"});
}

TEST_F(PeerControlTest, PdfSongsNeverTravelAsText)
{
    a.prefs.setSupportPDF(true);
    a.writeSong(QStringLiteral("Hallelujah.pdf"), "%PDF-1.4\n");
    ASSERT_TRUE(a.librarySong(QStringLiteral("Hallelujah - PDF")));
    a.show(QStringLiteral("Hallelujah - PDF"));
    PeerDevice::settle();
    EXPECT_EQ(received(b, PeerMessage::ShowSong), 1);
    EXPECT_EQ(received(a, PeerMessage::NeedSong), 0); // b lacks it, but asks for no text

    RawPeer peer(a);
    const LogCapture log;
    peer.send({PeerMessage::NeedSong, 0, 0, QStringLiteral("Hallelujah - PDF")});
    EXPECT_FALSE(log.lines().contains(QStringLiteral("send peer notification 2 Hallelujah - PDF line 0")));

    RawPeer toB(b);
    toB.send({PeerMessage::SongText, 0, 1, QStringLiteral("{title: Hallelujah}\n{subtitle: PDF}\n")});
    EXPECT_TRUE(b.dialogs.asked.isEmpty());
}

TEST(PeerControl, SendsTheSongsReferenceAndChecksum)
{
    PeerDevice device(QStringLiteral("device"));
    device.writeSong(QStringLiteral("Test.pro"), "{title: Test}\n");
    const SongPtr test = device.librarySong(QStringLiteral("Test"));
    ASSERT_EQ(test->checksum(), 0x04817658u);
    LoopbackSession listener(QStringLiteral("listener"));
    LoopbackSession::join(listener, *device.loopback);
    PeerDevice::settle();
    QSignalSpy messages(&listener, &PeerSession::messageReceived);
    const LogCapture log;
    device.control->notifyPeers(PeerMessage::ShowSong, *test);
    device.control->notifyPeersTransposeSong(*test, -1);
    PeerDevice::settle();
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.at(0).at(0).toByteArray().toHex(), QByteArray("00000000000000005876810404000000"
                                                                     "54657374"));
    EXPECT_EQ(messages.at(1).at(0).toByteArray().toHex(), QByteArray("040000000b0000005876810404000000"
                                                                     "54657374"));
    EXPECT_EQ(log.lines(), QStringList({QStringLiteral("send peer notification 0 Test line 0"),
                                        QStringLiteral("send peer notification 4 Test line 11")}));
}

TEST_F(PeerControlTest, LogsMessagesThatChangeNothing)
{
    a.writeSong(QStringLiteral("Test.pro"), "{title: Test}\n");
    RawPeer peer(a);
    const LogCapture log;
    peer.send({PeerMessage::ScrollLine, 3, 0, QStringLiteral("Test")});
    peer.send({7, 0, 0, QStringLiteral("Test")});
    EXPECT_TRUE(a.shownForPeers.isEmpty());
    EXPECT_TRUE(a.transpositions.isEmpty());
    EXPECT_TRUE(peer.session.connectedPeerNames().size() == 1);
    EXPECT_EQ(log.lines(), QStringList({QStringLiteral("receivedData length 20 from peer raw"),
                                        QStringLiteral("receivedData length 20 from peer raw"),
                                        QStringLiteral("Peer notification 7 for song Test not implemented")}));
}

TEST_F(PeerControlTest, TheApplicationIsToldTheConnectedPeers)
{
    EXPECT_EQ(a.connectedPeers, QStringLiteral("Ben's tablet"));
    {
        PeerDevice c(QStringLiteral("C"));
        PeerDevice::join(a, c);
        EXPECT_EQ(a.connectedPeers, QStringLiteral("Ben's tablet, C"));
    }
    PeerDevice::settle();
    EXPECT_EQ(a.connectedPeers, QStringLiteral("Ben's tablet"));
    const LogCapture log;
    b.control.reset();
    PeerDevice::settle();
    EXPECT_EQ(a.connectedPeers, QString());
    EXPECT_EQ(log.lines(), QStringList({QStringLiteral("Disconnecting peer control..."),
                                        QStringLiteral("Peer Ben's tablet disconnected")}));
}

TEST(PeerControl, SendingWithoutPeersSaysSo)
{
    PeerDevice alone(QStringLiteral("alone"));
    alone.writeSong(QStringLiteral("Test.pro"), "{title: Test}\n");
    const LogCapture log;
    alone.show(QStringLiteral("Test"));
    EXPECT_EQ(log.lines(), QStringList({QStringLiteral("No connected peers, nothing to send"),
                                        QStringLiteral("send peer notification 0 Test line 0")}));
}
