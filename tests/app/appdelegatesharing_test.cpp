// Nearby sharing in the application: the switch, peers told of each song shown and transposed, and songs that
// peers show.
#include "appdelegatefixture.h"
#include "logcapture.h"
#include "loopbacksession.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "modalgate.h"
#include "peercontrol.h"
#include "peermessage.h"
#include "prefs.h"
#include "songviewviewcontroller.h"

#include <QAction>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QToolBar>

#include <optional>

namespace {

const QString kStartQuestion =
    QStringLiteral("Start Riro Riroduva on other computers to show the same song on all connected devices");

// The delegate with sessions that join a listening peer of the test's own.
class AppDelegateSharingTest : public AppDelegateTest
{
protected:
    void launchWithSessions(bool canConnect = true)
    {
        makeDelegate();
        if (canConnect) {
            delegate->setPeerSessionMaker([this] {
                auto session = std::make_unique<LoopbackSession>(QStringLiteral("here"));
                LoopbackSession::join(*session, listener);
                return session;
            });
        }
        UserDefaults::setValue(songDirKey, folder.path());
        delegate->applicationDidFinishLaunching();
        ASSERT_TRUE(waitForLibrary(*delegate->songs()));
    }

    QAction *playTogether() const { return delegate->menus()->action(QStringLiteral("actTogglePlayTogether")); }

    void switchOn()
    {
        dialogs.answers = {Dialogs::Answer::Default};
        playTogether()->trigger();
        settle();
    }

    static void settle()
    {
        for (int pass = 0; pass < 20; ++pass)
            QCoreApplication::processEvents();
    }

    // Each message the listener received, decoded.
    QList<PeerMessage> heard() const
    {
        QList<PeerMessage> messages;
        for (const QList<QVariant> &signal : received)
            messages.append(*PeerMessage::parseMessage(signal.at(0).toByteArray()));
        return messages;
    }

    void tell(const PeerMessage &message)
    {
        QString error;
        listener.send(message.encode(), error);
        settle();
    }

    LoopbackSession listener{QStringLiteral("listener")};
    QSignalSpy received{&listener, &PeerSession::messageReceived};
};

} // namespace

TEST_F(AppDelegateSharingTest, TheSwitchAsksBeforeSharingAndEndsItAtOnce)
{
    launchWithSessions();
    QAction *item = playTogether();
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isVisible());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(delegate->window()->mainToolbar()->actions().contains(item));
    const QString title = delegate->window()->windowTitle();

    dialogs.answers = {Dialogs::Answer::Alternate};
    item->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.first().title, kStartQuestion);
    EXPECT_EQ(dialogs.asked.first().defaultButton, QStringLiteral("OK"));
    EXPECT_EQ(dialogs.asked.first().alternateButton, QStringLiteral("Cancel"));
    EXPECT_EQ(delegate->peerControl(), nullptr);
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(delegate->window()->windowTitle(), title);

    dialogs.answers = {Dialogs::Answer::Default};
    item->trigger();
    EXPECT_NE(delegate->peerControl(), nullptr);
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(delegate->window()->windowTitle(), QStringLiteral("Vellorin - Searching..."));
    settle();
    EXPECT_EQ(delegate->window()->windowTitle(), QStringLiteral("Vellorin - listener"));

    const LogCapture log;
    item->trigger();
    EXPECT_EQ(dialogs.asked.size(), 2) << "switching off asks nothing";
    EXPECT_EQ(delegate->peerControl(), nullptr);
    EXPECT_FALSE(item->isChecked());
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Disconnecting peer control...")));
    EXPECT_TRUE(listener.connectedPeerNames().isEmpty());
}

TEST_F(AppDelegateSharingTest, TheTitleNamesTheSongAndThePeersWhileSharingIsOn)
{
    const SongPtr song = writeSong(QStringLiteral("Blues.pro"), QStringLiteral("{title: Blues}\n{key: E}\n[E]la\n"));
    auto keys = std::make_unique<LoopbackSession>(QStringLiteral("keys"));
    auto stage = std::make_unique<LoopbackSession>(QStringLiteral("stage"));
    makeDelegate();
    delegate->setPeerSessionMaker([&keys, &stage] {
        auto session = std::make_unique<LoopbackSession>(QStringLiteral("here"));
        LoopbackSession::join(*session, *keys);
        LoopbackSession::join(*session, *stage);
        return session;
    });
    UserDefaults::setValue(songDirKey, folder.path());
    delegate->applicationDidFinishLaunching();
    ASSERT_TRUE(waitForLibrary(*delegate->songs()));
    const auto title = [this] {
        settle();
        return delegate->window()->windowTitle();
    };
    delegate->prefs()->setShowTitleSubtitle(false);
    switchOn();
    EXPECT_EQ(title(), QStringLiteral("Vellorin - keys, stage"));
    delegate->setCurrentSong(song);
    EXPECT_EQ(title(), QStringLiteral("Vellorin - Blues - keys, stage")) << "a song change keeps the peers";
    delegate->prefs()->setShowTitleSubtitle(true);
    delegate->songViewViewController()->refresh();
    EXPECT_EQ(title(), QStringLiteral("Vellorin - keys, stage")) << "the song draws its own title";
    delegate->prefs()->setShowTitleSubtitle(false);
    delegate->songViewViewController()->refresh();

    keys.reset();
    stage.reset();
    EXPECT_EQ(title(), QStringLiteral("Vellorin - Blues - Searching...")) << "no peer left";
    playTogether()->trigger();
    EXPECT_EQ(title(), QStringLiteral("Vellorin - Blues")) << "sharing off";
}

TEST_F(AppDelegateSharingTest, WithoutSessionsTheSwitchIsHiddenAndDoesNothing)
{
    launchWithSessions(false);
    QAction *item = playTogether();
    EXPECT_FALSE(item->isVisible());
    delegate->togglePlayTogether();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(delegate->peerControl(), nullptr);
    EXPECT_FALSE(item->isChecked());
}

TEST_F(AppDelegateSharingTest, PeersHearOfEachSongTheUserShowsAndTransposes)
{
    const SongPtr song = writeSong(QStringLiteral("Blues.pro"), QStringLiteral("{title: Blues}\n{key: E}\n[E]la\n"));
    launchWithSessions();
    delegate->setCurrentSong(song); // nobody to tell yet
    switchOn();
    received.clear();

    delegate->setCurrentSong(song);
    delegate->showSong(song, false);
    delegate->songViewViewController()->transposeUp();
    settle();
    const QList<PeerMessage> messages = heard();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(0).code, quint32(PeerMessage::ShowSong));
    EXPECT_EQ(messages.at(0).payload, QStringLiteral("Blues"));
    EXPECT_EQ(messages.at(0).checksum, song->checksum());
    EXPECT_EQ(messages.at(1).code, quint32(PeerMessage::Transpose));
    EXPECT_EQ(messages.at(1).line, 1u);
}

TEST_F(AppDelegateSharingTest, APeersSongWaitsForTheOpenQuestionAndKeepsTheEditsUnechoed)
{
    writeSong(QStringLiteral("Blues.pro"), QStringLiteral("{title: Blues}\n[E]la\n"));
    launchWithSessions();
    const SongPtr edited = showEditedSong(QStringLiteral("Edited.pro"), QStringLiteral("{title: Edited}\n"),
                                          QStringLiteral("{title: Edited}\ntyped\n"));
    switchOn();
    received.clear();
    {
        const ModalGate::Question open;
        tell({PeerMessage::ShowSong, 0, 0, QStringLiteral("Blues")});
        EXPECT_EQ(delegate->currentSong(), edited);
    }
    settle();
    ASSERT_NE(delegate->currentSong(), nullptr);
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("Blues"));
    EXPECT_EQ(fileText(edited->path()), QStringLiteral("{title: Edited}\ntyped\n"));
    EXPECT_TRUE(received.isEmpty()) << "a peer's song is not echoed";
}
