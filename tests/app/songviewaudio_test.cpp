// The song pane's audio toolbar on a fake player: start and stop, skips, the position slider, the speed pop-up,
// and the refresh handing each song's recording to the player.
#include "fakeaudiodurationprobe.h"
#include "fakeaudioplayer.h"
#include "songpanetest.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>

namespace {

class SongViewAudioTest : public SongPaneTest
{
protected:
    void SetUp() override
    {
        SongPaneTest::SetUp();
        pane->setAudioPlayerFactory([this] {
            auto made = std::make_unique<FakeAudioPlayer>();
            player = made.get();
            return made;
        });
        pane->setAudioDurationProbe(probe);
    }

    // A song linked to a recording of that name in the song folder.
    SongPtr songWithAudio(const QString &name, const QString &audio)
    {
        QFile file(songFolder.filePath(audio));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return writeSong(name, QStringLiteral("{title: %1}\n{musicpath: %2}\n[C]la\n").arg(name, audio));
    }

    // Shows a song with a recording of the duration, its duration read.
    void showPlayable(qint64 durationMs)
    {
        show(songWithAudio(QStringLiteral("a.pro"), QStringLiteral("a.mp3")));
        player->durationMs = durationMs;
        probe.answer(int(probe.requests.size()) - 1, durationMs / 1000.0);
    }

    int speedIndex(int percent) const { return pane->audioSpeedPopupButton()->findData(percent); }

    FakeAudioDurationProbe probe;
    FakeAudioPlayer *player = nullptr;
};

} // namespace

TEST_F(SongViewAudioTest, BackwardGoesTenSecondsBackButNeverBeforeTheStart)
{
    showPlayable(120000);
    const std::pair<qint64, qint64> cases[] = {{7000, 0}, {10000, 0}, {10500, 500}, {65000, 55000}};
    for (const auto &[at, expected] : cases) {
        player->setPosition(at);
        pane->backwardAudio();
        EXPECT_EQ(player->seeks.last(), expected) << at;
        EXPECT_EQ(pane->audioProgressSlider()->value(), expected) << at;
    }
}

TEST_F(SongViewAudioTest, ForwardPastTheEndAsksForThatPositionAndEndsPlayback)
{
    showPlayable(60000);
    pane->startAudio();
    player->setPosition(55000);
    pane->forwardAudio();
    EXPECT_EQ(player->seeks.last(), 65000);
    EXPECT_FALSE(pane->isAudioPlaying());
    EXPECT_EQ(pane->audioProgressSlider()->value(), 60000);

    // The next tick shows Start again; the next start plays from the beginning.
    pane->updateAudioProgressSlider();
    EXPECT_FALSE(pane->audioProgressTimerRunning());
    EXPECT_FALSE(pane->startAudioButton()->isHidden());
    pane->startAudio();
    EXPECT_TRUE(pane->isAudioPlaying());
    EXPECT_EQ(player->position(), 0);
}

TEST_F(SongViewAudioTest, SliderSeeksToTheWholeSecond)
{
    showPlayable(60000);
    EXPECT_EQ(pane->audioProgressSlider()->maximum(), 60000);
    pane->audioProgressSlider()->setSliderPosition(42900);
    ASSERT_FALSE(player->seeks.isEmpty());
    EXPECT_EQ(player->seeks.last(), 42000);

    // The slider following playback seeks nothing.
    const auto seeks = player->seeks.size();
    player->setPosition(43500);
    pane->updateAudioProgressSlider();
    EXPECT_EQ(pane->audioProgressSlider()->value(), 43500);
    EXPECT_EQ(player->seeks.size(), seeks);
}

TEST_F(SongViewAudioTest, StartWithoutAudioShowsStopUntilTheNextTick)
{
    show(writeSong(QStringLiteral("plain.pro"), QStringLiteral("{title: Plain}\n[C]la\n")));
    EXPECT_EQ(pane->audioPlayer(), nullptr);
    pane->startAudio();
    EXPECT_TRUE(pane->startAudioButton()->isHidden());
    EXPECT_FALSE(pane->stopAudioButton()->isHidden());
    EXPECT_TRUE(pane->audioProgressTimerRunning());

    pane->updateAudioProgressSlider();
    EXPECT_FALSE(pane->startAudioButton()->isHidden());
    EXPECT_TRUE(pane->stopAudioButton()->isHidden());
    EXPECT_FALSE(pane->audioProgressTimerRunning());
}

TEST_F(SongViewAudioTest, StopPausesWhereItIsAndStartResumesThere)
{
    showPlayable(60000);
    pane->startAudio();
    EXPECT_TRUE(pane->isAudioPlaying());
    EXPECT_TRUE(pane->audioProgressTimerRunning());
    player->setPosition(20000);
    pane->stopAudio();
    EXPECT_FALSE(pane->isAudioPlaying());
    EXPECT_FALSE(pane->startAudioButton()->isHidden());
    EXPECT_TRUE(pane->stopAudioButton()->isHidden());
    pane->startAudio();
    EXPECT_EQ(player->position(), 20000);
}

TEST_F(SongViewAudioTest, ChosenSpeedIsKeptAndAppliesWhilePlaying)
{
    showPlayable(60000);
    // Not playing: the speed is kept for the next start.
    pane->audioSpeedChanged(speedIndex(75));
    EXPECT_TRUE(player->rates.isEmpty());
    EXPECT_EQ(prefs->audioSpeedPercent(), 75.0);

    pane->startAudio();
    EXPECT_EQ(player->rates, QList<double>{0.75});
    pane->audioSpeedChanged(speedIndex(100));
    EXPECT_EQ(player->rates, (QList<double>{0.75, 1.0}));
}

TEST_F(SongViewAudioTest, SpeedPopupSelectsTheItemOfTheSpeedOnlyWhenOneCarriesIt)
{
    QComboBox *popup = pane->audioSpeedPopupButton();
    for (int i = 0; i < popup->count(); ++i)
        EXPECT_GT(popup->itemData(i).toInt(), 0) << "each item's data is its percent";
    prefs->setAudioSpeedPercent(125);
    pane->setAudioSpeedPopup();
    EXPECT_EQ(popup->currentData().toInt(), 125);
    prefs->setAudioSpeedPercent(85);
    pane->setAudioSpeedPopup();
    EXPECT_EQ(popup->currentData().toInt(), 125);
}

TEST_F(SongViewAudioTest, RefreshHandsEachSongsRecordingToThePlayer)
{
    const SongPtr a = songWithAudio(QStringLiteral("a.pro"), QStringLiteral("a.mp3"));
    const SongPtr b = songWithAudio(QStringLiteral("b.pro"), QStringLiteral("b.mp3"));
    show(a);
    FakeAudioPlayer *first = player;
    ASSERT_NE(first, nullptr);
    pane->startAudio();

    // Refreshing the same song (a transposition, say) leaves the recording playing.
    pane->refresh();
    EXPECT_TRUE(pane->isAudioPlaying());
    EXPECT_EQ(first->files.size(), 1);

    show(b);
    EXPECT_EQ(player, first);
    EXPECT_EQ(first->files, QStringList({songFolder.filePath("a.mp3"), songFolder.filePath("b.mp3")}));
    EXPECT_EQ(pane->audioPath(), songFolder.filePath("b.mp3"));

    show(writeSong(QStringLiteral("plain.pro"), QStringLiteral("{title: Plain}\n")));
    EXPECT_EQ(pane->audioPlayer(), nullptr);
    EXPECT_TRUE(pane->audioPath().isEmpty());
}

TEST_F(SongViewAudioTest, DurationOfARecordingNoLongerShownIsIgnored)
{
    show(songWithAudio(QStringLiteral("a.pro"), QStringLiteral("a.mp3")));
    show(songWithAudio(QStringLiteral("b.pro"), QStringLiteral("b.mp3")));
    ASSERT_EQ(probe.requests.size(), 2);
    EXPECT_EQ(probe.requests.at(1).path, songFolder.filePath("b.mp3"));
    probe.answer(0, 30.0);
    EXPECT_EQ(pane->audioProgressSlider()->maximum(), 0);
    probe.answer(1, 40.5);
    EXPECT_EQ(pane->audioProgressSlider()->maximum(), 40500);
}
