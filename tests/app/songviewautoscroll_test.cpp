// The song pane's auto-scroll, driven tick by tick on a recording display of a known height in points: the
// speed model, pauses, hand scrolling, the end, the playing-time field and steps, and the stored default speed.
#include "songpanetest.h"

#include "logcapture.h"
#include "minsectextfield.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class AutoScrollTest : public SongPaneTest
{
protected:
    QScrollBar &scrollBar() { return *pane->songScrollView()->verticalScrollBar(); }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            pane->tick();
    }

    // A song of the height, points, with the directives.
    void showSong(int height, const QString &directives)
    {
        display->songHeight = height;
        show(writeSong(QStringLiteral("song.pro"), QStringLiteral("{title: Song}\n") + directives + "\nla"));
    }
};

} // namespace

TEST_F(AutoScrollTest, TheSongPassesInItsPlayingTimeAtAnyResolution)
{
    for (const qreal scale : {1.0, 96.0 / 72.0}) {
        display->scale = scale;
        showSong(2000, QStringLiteral("{time: 3:20}"));
        EXPECT_FLOAT_EQ(pane->pixPerMs(), 0.01f) << "2000 points in 200 s";
        pane->startStopAutoScroll();
        ticks(300);
        EXPECT_EQ(scrollBar().value(), qRound(30 * scale)) << "0.1 point a tick, at scale " << scale;
        pane->startStopAutoScroll();
    }

    // Without a time of its own the song takes the default speed: 50 passes 2000 points in 338 s, whatever the
    // screen's resolution.
    for (const qreal scale : {1.0, 96.0 / 72.0}) {
        display->scale = scale;
        showSong(2000, QString());
        EXPECT_EQ(pane->playingTime(), 338) << "at scale " << scale;
    }
}

TEST_F(AutoScrollTest, APauseHoldsTheSongOncePerRun)
{
    showSong(2000, QStringLiteral("{time: 3:20}"));
    display->pauses = {PauseInfo{2.5, 0.0}};
    LogCapture log;
    pane->startStopAutoScroll();
    ticks(1 + 250);
    EXPECT_EQ(scrollBar().value(), 0) << "250 ticks of 10 ms";
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Delay auto play 2.500000 sec")));
    ticks(100);
    EXPECT_EQ(scrollBar().value(), 10) << "the pause's line is passed without waiting again";

    // A new run waits again.
    pane->startStopAutoScroll();
    scrollBar().setValue(0);
    pane->startStopAutoScroll();
    ticks(1 + 250);
    EXPECT_EQ(scrollBar().value(), 0);
    ticks(10);
    EXPECT_EQ(scrollBar().value(), 1);
}

TEST_F(AutoScrollTest, AHandScrollIsTakenOverAndTheEndRestsAtTheBottom)
{
    showSong(2000, QStringLiteral("{time: 3:20}"));
    pane->startStopAutoScroll();
    ticks(10);
    scrollBar().setValue(500);
    ticks(20);
    EXPECT_EQ(scrollBar().value(), 502) << "on from where the hand left it";

    // At 30 s the rest of the song passes in well under 30000 ticks.
    showSong(2000, QStringLiteral("{time: 0:30}"));
    for (int i = 0; i < 30000 && pane->isAutoScrolling(); ++i)
        pane->tick();
    EXPECT_FALSE(pane->isAutoScrolling());
    EXPECT_EQ(scrollBar().value(), scrollBar().maximum());
    EXPECT_EQ(scrollBar().value(), 2000 - pane->songScrollView()->viewport()->height());
    const QList<QPushButton *> buttons = pane->autoScrollToolbar()->findChildren<QPushButton *>();
    const auto shown = [&buttons](const QString &title) {
        for (QPushButton *button : buttons) {
            if (button->text() == title)
                return !button->isHidden();
        }
        return false;
    };
    EXPECT_TRUE(shown(QStringLiteral("Start")));
    EXPECT_FALSE(shown(QStringLiteral("Stop")));
}

TEST_F(AutoScrollTest, ANewSongWhileScrollingGoesOnAtItsOwnSpeed)
{
    showSong(2000, QStringLiteral("{time: 3:20}"));
    pane->startStopAutoScroll();
    ticks(1000);
    ASSERT_EQ(scrollBar().value(), 100);

    showSong(4000, QStringLiteral("{time: 3:20}"));
    EXPECT_TRUE(pane->isAutoScrolling());
    EXPECT_EQ(scrollBar().value(), 0);
    ticks(100);
    EXPECT_EQ(scrollBar().value(), 20) << "0.2 point a tick from the new song's top";
}

TEST_F(AutoScrollTest, ThereIsSomethingToScrollOnlyWithoutAutoZoomAndBelowTheVisiblePart)
{
    showSong(2000, QString());
    EXPECT_TRUE(pane->canAutoScroll());
    scrollBar().setValue(scrollBar().maximum());
    EXPECT_FALSE(pane->canAutoScroll()) << "at the bottom";
    scrollBar().setValue(0);
    prefs->setAutozoom(true);
    EXPECT_FALSE(pane->canAutoScroll());
}

TEST_F(AutoScrollTest, ThePlayingTimeStepsAndTypingKeepAtLeastThirtySeconds)
{
    showSong(2000, QStringLiteral("{time: 0:31}"));
    MinSecTextField *field = pane->playingTimeTextField();
    EXPECT_EQ(field->text(), QStringLiteral("0:31"));
    QSignalSpy canSave(pane.get(), &SongViewViewController::autoScrollCanSaveChanged);
    pane->autoScrollFaster();
    pane->autoScrollFaster();
    EXPECT_EQ(pane->playingTime(), 30);
    EXPECT_TRUE(pane->autoScrollCanSave());
    ASSERT_FALSE(canSave.isEmpty());
    EXPECT_TRUE(canSave.last().first().toBool());
    pane->autoScrollSlower();
    EXPECT_EQ(field->text(), QStringLiteral("0:31"));
    EXPECT_FLOAT_EQ(pane->pixPerMs(), 2000.0f / 31 / 1000);

    field->setText(QStringLiteral("10"));
    Q_EMIT field->editingFinished();
    EXPECT_EQ(pane->playingTime(), 30);
    EXPECT_EQ(field->text(), QStringLiteral("0:30"));
    EXPECT_FLOAT_EQ(pane->pixPerMs(), 2000.0f / 30 / 1000);

    field->setText(QStringLiteral("4:05"));
    pane->autoScrollSave();
    EXPECT_EQ(commands.calls, QStringList({"time 245"}));
}

TEST_F(AutoScrollTest, TheDefaultSpeedFollowsOnlyWithinItsRange)
{
    struct Case
    {
        const char *what;
        int height;
        const char *directives;
        float expectedTempo;
    };
    const Case cases[] = {
        // 39 s less a 45 s pause leaves no scrolling: no speed, nothing stored (it used to store -8).
        {"pauses longer than the time", 2000, "{time: 0:40}\n{pause: 45}", 50.0f},
        // 100000 points in 39 s is far beyond the fastest speed (it used to store thousands).
        {"a long song in little time", 100000, "{time: 0:40}", 400.0f},
        // 2000 points in 300 s: ((2000 / 300 / 1000) x 10 - 0.01) / 0.4 x 399 + 1 = 57.5.
        {"an ordinary song", 2000, "{time: 5:01}", 57.0f},
    };
    for (const Case &c : cases) {
        prefs->setTempo(50.0f);
        showSong(c.height, QString::fromUtf8(c.directives));
        pane->autoScrollFaster();
        EXPECT_FLOAT_EQ(prefs->tempo(), c.expectedTempo) << c.what;
    }
}

TEST_F(AutoScrollTest, TheEditorsLineComesToTheTop)
{
    showSong(2000, QString());
    pane->scrollToLine(30);
    EXPECT_EQ(scrollBar().value(), 30 * RecordingSongDisplay::lineHeight);
}
