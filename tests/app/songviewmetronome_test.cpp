// The song pane's metronome against an engine and a clock of the test's own: count-in, tempo limits, the click and
// flash toggles, the flash strip's segments, saving the tempo, flash-only timing, late reports and restarts.
#include "fakemonotonicclock.h"
#include "logcapture.h"
#include "metronomeflashview.h"
#include "pdfsong.h"
#include "songpanetest.h"

#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

// Records what the pane asks of the engine; the test plays the audio thread by calling the pane's delegate.
class FakeMetronome : public MetronomeEngine
{
public:
    double tempo() const override { return m_tempo; }
    void setTempo(double tempo) override { m_tempo = tempo; }
    qint64 ticksPerBar() const override { return m_ticksPerBar; }
    void setTicksPerBar(qint64 ticksPerBar) override { m_ticksPerBar = ticksPerBar; }
    void start() override
    {
        ++starts;
        m_running = true;
    }
    void stop() override { m_running = false; }
    bool isRunning() const override { return m_running; }
    void setDelegate(MetronomeDelegate *delegate) override { this->delegate = delegate; }

    int starts = 0;
    MetronomeDelegate *delegate = nullptr;

private:
    double m_tempo = 120.0;
    qint64 m_ticksPerBar = 0;
    bool m_running = false;
};

class SongMetronomeTest : public SongPaneTest
{
protected:
    void SetUp() override
    {
        SongPaneTest::SetUp();
        pane->setMetronomeFactory([this] {
            auto engine = std::make_unique<FakeMetronome>();
            engine_ = engine.get();
            return engine;
        });
        pane->setMonotonicClock(clock);
    }

    void show(const QString &text) { SongPaneTest::show(writeSong(QStringLiteral("song%1.pro").arg(++songs), text)); }

    // One click as the engine reports it.
    void click()
    {
        pane->metronomeTickOn(*engine_);
        pane->metronomeTickOff(*engine_);
    }

    // One beat of flash-only mode: the pass that flashes, then the pass that hides the flash.
    void flashBeat()
    {
        clock.advance(60.0 / pane->tempoMetronome());
        pane->fireMetronomeTimer();
        pane->fireMetronomeTimer();
    }

    QPushButton *button(const char *name) const { return pane->findChild<QPushButton *>(QLatin1String(name)); }
    QString label() const { return pane->findChild<QLabel *>(QStringLiteral("tempoMetronomeLabel"))->text(); }
    bool startShown() const { return !button("metronomeStartButton")->isHidden(); }
    bool stopShown() const { return !button("metronomeStopButton")->isHidden(); }
    // The settings as the next start of the application reads them.
    static QString storedSettings()
    {
        QFile file(QDir(Paths::supportDirectory()).filePath(QStringLiteral("prefs.json")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    FakeMonotonicClock clock;
    int songs = 0;
    FakeMetronome *engine_ = nullptr;
};

TEST_F(SongMetronomeTest, TheCountInStopsAfterTwoBarsOrEightBeats)
{
    struct Case
    {
        const char *text;
        bool click;
        int beats;
    };
    const Case cases[] = {
        {"{title: Waltz}\n{time: 3/4}\n", true, 6},
        {"{title: Waltz}\n{time: 3/4}\n", false, 6},
        {"{title: Free}\n", true, 8},
        {"{title: Free}\n", false, 8},
    };
    prefs->setMetronomeCountIn(true);
    for (const Case &c : cases) {
        prefs->setMetronomeTick(c.click);
        prefs->setMetronomeFlash(!c.click);
        show(QString::fromUtf8(c.text));
        pane->startStopMetronome();
        ASSERT_TRUE(pane->isMetronomePlaying()) << c.text;
        EXPECT_TRUE(stopShown() && !startShown());
        for (int beat = 1; beat <= c.beats; ++beat) {
            EXPECT_TRUE(pane->isMetronomePlaying()) << c.text << " stopped before beat " << beat;
            c.click ? click() : flashBeat();
        }
        EXPECT_FALSE(pane->isMetronomePlaying()) << c.text << (c.click ? " click" : " flash");
        EXPECT_EQ(pane->metronomeTickCount(), c.beats);
        EXPECT_TRUE(startShown() && !stopShown());
    }
}

TEST_F(SongMetronomeTest, TheTempoIsKeptWithin40And210)
{
    struct Case
    {
        const char *text;
        int plays;
    };
    const Case cases[] = {{"{metronome: 30}\n", 40}, {"{metronome: 250}\n", 210}, {"{metronome: 96}\n", 96}};
    for (const Case &c : cases) {
        show(QString::fromUtf8(c.text));
        pane->startMetronome();
        EXPECT_EQ(engine_->tempo(), double(c.plays)) << c.text;
        EXPECT_EQ(label(), QString::number(c.plays)) << c.text;
        pane->stopMetronome();
    }

    // The steps stop at the limits, and every press is kept in the settings.
    show(QStringLiteral("{metronome: 210}\n"));
    pane->startMetronome();
    pane->senderincreaseMetronomeTempo();
    EXPECT_EQ(pane->tempoMetronome(), 210);
    EXPECT_EQ(prefs->metronomeTempo(), 210.0f);
    EXPECT_TRUE(storedSettings().contains(QStringLiteral("\"metronomeTempo\": 210")));
    pane->decreaseMetronomeTempo();
    EXPECT_EQ(engine_->tempo(), 209.0) << "a running engine takes the new tempo";
    EXPECT_EQ(label(), QStringLiteral("209"));

    show(QStringLiteral("{metronome: 40}\n"));
    pane->decreaseMetronomeTempo();
    EXPECT_EQ(pane->tempoMetronome(), 40);
    EXPECT_TRUE(storedSettings().contains(QStringLiteral("\"metronomeTempo\": 40")));
}

TEST_F(SongMetronomeTest, ClickAndFlashTogglesNeverLeaveBothOff)
{
    prefs->setMetronomeTick(true);
    prefs->setMetronomeFlash(false);
    show(QStringLiteral("{title: Song}\n"));
    pane->toggleMetronomeTick();
    EXPECT_TRUE(prefs->metronomeTick()) << "the click comes back on";

    pane->toggleMetronomeFlash();
    pane->toggleMetronomeTick();
    EXPECT_FALSE(prefs->metronomeTick());
    EXPECT_TRUE(prefs->metronomeFlash());
    pane->toggleMetronomeFlash();
    EXPECT_TRUE(prefs->metronomeTick()) << "turning the flash off brings the click back";
    EXPECT_FALSE(prefs->metronomeFlash());
    pane->toggleMetronomeCountIn();
    EXPECT_TRUE(prefs->metronomeCountIn());
    EXPECT_TRUE(storedSettings().contains(QStringLiteral("\"metronomeCountIn\": true")));

    // The menu shows the settings as they stand, popped up under the settings button.
    pane->metronomeSettings();
    auto *menu = button("metronomeSettingsButton")->findChild<QMenu *>();
    ASSERT_TRUE(menu);
    QStringList items;
    for (const QAction *action : menu->actions())
        items.append(action->text() + (action->isChecked() ? QStringLiteral(" ✓") : QString()));
    EXPECT_EQ(items, (QStringList{QStringLiteral("Tick ✓"), QStringLiteral("Flash"), QStringLiteral("Count In ✓"),
                                  QStringLiteral("Flash Color...")}));
    menu->actions().at(0)->trigger();
    EXPECT_TRUE(prefs->metronomeTick()) << "the click stays on while the flash is off";
    menu->close();
}

TEST_F(SongMetronomeTest, ATogglePlaysOnInTheOtherModeAtOnce)
{
    prefs->setMetronomeFlash(true);
    show(QStringLiteral("{title: Song}\n"));
    pane->startMetronome();
    ASSERT_EQ(engine_->starts, 1);
    pane->toggleMetronomeTick();
    EXPECT_FALSE(engine_->isRunning());
    EXPECT_TRUE(pane->isMetronomePlaying()) << "flash only";
    pane->toggleMetronomeTick();
    EXPECT_TRUE(engine_->isRunning());
    EXPECT_EQ(engine_->starts, 2);
}

TEST_F(SongMetronomeTest, EachBeatLightsItsSegmentOfTheBar)
{
    prefs->setMetronomeFlash(true);
    show(QStringLiteral("{time: 4/4}\n"));
    pane->startMetronome();
    MetronomeFlashView *strip = pane->metronomeFlashView();
    EXPECT_EQ(strip->segmentCount(), 4);
    strip->resize(801, strip->height());
    EXPECT_DOUBLE_EQ(strip->segmentRect(1).width(), 801.0 / 4) << "not rounded";
    EXPECT_DOUBLE_EQ(strip->segmentRect(3).right(), 801.0);
    const qint64 expected[] = {0, 1, 2, 3, 0, 1, 2, 3, 0};
    for (const qint64 segment : expected) {
        pane->metronomeTickOn(*engine_);
        EXPECT_FALSE(strip->isHidden());
        EXPECT_EQ(strip->litSegment(), segment) << "beat " << pane->metronomeTickCount();
        pane->metronomeTickOff(*engine_);
        EXPECT_TRUE(strip->isHidden());
    }

    // Without a time signature the whole strip flashes.
    show(QStringLiteral("{title: Free}\n"));
    pane->stopMetronome();
    pane->startMetronome();
    EXPECT_EQ(strip->segmentCount(), 1);
    pane->metronomeTickOn(*engine_);
    EXPECT_EQ(strip->litSegment(), 0);
    EXPECT_EQ(strip->segmentRect(0), QRectF(0, 0, strip->width(), strip->height()));
}

TEST_F(SongMetronomeTest, TheLitSegmentIsDrawnInTheFlashColour)
{
    prefs->setMetronomeFlash(true);
    prefs->setMetronomeColor(QColor(255, 0, 0));
    show(QStringLiteral("{time: 4/4}\n"));
    pane->startMetronome();
    click();
    pane->metronomeTickOn(*engine_); // beat 2: segment 1
    const QImage strip = pane->metronomeFlashView()->grab().toImage();
    const int y = strip.height() / 2;
    EXPECT_EQ(strip.pixelColor(strip.width() * 3 / 8, y), QColor(255, 0, 0));
    EXPECT_NE(strip.pixelColor(strip.width() / 8, y), QColor(255, 0, 0));
    EXPECT_NE(strip.pixelColor(strip.width() * 5 / 8, y), QColor(255, 0, 0));
}

TEST_F(SongMetronomeTest, SaveIsOfferedWhenTheTempoInUseIsNotTheSongs)
{
    prefs->setMetronomeTempo(100.0f);
    show(QStringLiteral("{title: No tempo}\n"));
    EXPECT_TRUE(button("metronomeSaveButton")->isEnabled()) << "right after a song without its own tempo is shown";
    EXPECT_EQ(label(), QStringLiteral("100"));
    button("metronomeSaveButton")->click();
    EXPECT_EQ(commands.calls, QStringList{QStringLiteral("metronome 100")});
    EXPECT_FALSE(button("metronomeSaveButton")->isEnabled());

    show(QStringLiteral("{metronome: 92}\n"));
    EXPECT_FALSE(button("metronomeSaveButton")->isEnabled());
    pane->senderincreaseMetronomeTempo();
    EXPECT_TRUE(button("metronomeSaveButton")->isEnabled());
    pane->saveMetronomeTempo();
    EXPECT_EQ(commands.calls, (QStringList{QStringLiteral("metronome 100"), QStringLiteral("metronome 93")}));

    current = std::make_shared<PDFSong>(songFolder.filePath(QStringLiteral("sheet.pdf")));
    pane->refresh();
    EXPECT_FALSE(button("metronomeSaveButton")->isEnabled()) << "a PDF song has no tempo to write";
}

TEST_F(SongMetronomeTest, FlashOnlyBeatsKeepTimeAndALateTimerCatchesUpOneBeatPerPass)
{
    prefs->setMetronomeTick(false);
    prefs->setMetronomeFlash(true);
    show(QStringLiteral("{metronome: 120}\n{time: 4/4}\n"));
    pane->startMetronome();
    EXPECT_FALSE(pane->metronome()) << "no engine is made for the flash alone";
    MetronomeFlashView *strip = pane->metronomeFlashView();

    clock.advance(0.45);
    pane->fireMetronomeTimer();
    EXPECT_EQ(pane->metronomeTickCount(), 0) << "the first beat comes one beat after the start";
    clock.advance(0.06);
    pane->fireMetronomeTimer();
    EXPECT_EQ(pane->metronomeTickCount(), 1);
    EXPECT_FALSE(strip->isHidden());
    pane->fireMetronomeTimer();
    EXPECT_TRUE(strip->isHidden()) << "a flash lasts one pass";

    // The timer was held up for three beats: each pass takes one of them, then it is back on time.
    clock.advance(1.5);
    for (int beat = 2; beat <= 4; ++beat) {
        pane->fireMetronomeTimer();
        EXPECT_EQ(pane->metronomeTickCount(), beat);
        EXPECT_EQ(strip->litSegment(), beat - 1);
    }
    pane->fireMetronomeTimer();
    EXPECT_EQ(pane->metronomeTickCount(), 4);
    clock.advance(0.49); // the fifth beat is due 2.5 s after the start, not 0.5 s after the late passes
    pane->fireMetronomeTimer();
    EXPECT_EQ(pane->metronomeTickCount(), 5);
}

TEST_F(SongMetronomeTest, AReportArrivingAfterStopChangesNothing)
{
    prefs->setMetronomeFlash(true);
    prefs->setMetronomeCountIn(true);
    show(QStringLiteral("{time: 2/4}\n"));
    pane->startMetronome();
    click();
    pane->metronomeTickOn(*engine_);
    pane->stopMetronome();
    EXPECT_TRUE(pane->metronomeFlashView()->isHidden());

    // The tick-off and a following click were already queued when the user pressed Stop.
    pane->metronomeTickOff(*engine_);
    pane->metronomeTickOn(*engine_);
    EXPECT_TRUE(pane->metronomeFlashView()->isHidden()) << "no flash stays lit after Stop";
    EXPECT_EQ(pane->metronomeTickCount(), 2);

    pane->startMetronome();
    EXPECT_EQ(pane->metronomeTickCount(), 0);
    for (int beat = 1; beat <= 4; ++beat)
        click();
    EXPECT_FALSE(pane->isMetronomePlaying()) << "a full count-in of two bars";
}

TEST_F(SongMetronomeTest, TheRefreshRestartsTheMetronomeOnlyForANewSongTempoOrBar)
{
    show(QStringLiteral("{metronome: 100}\n{time: 3/4}\nla la"));
    pane->startMetronome();
    ASSERT_EQ(engine_->starts, 1);

    // Typing in the editor: the text changes and the pane is refreshed after every keystroke.
    for (const QString &text : {QStringLiteral("{metronome: 100}\n{time: 3/4}\nla la l"),
                                QStringLiteral("{metronome: 100}\n{time: 3/4}\nla la la")}) {
        current->setText(text);
        pane->refreshScrollToTop(false, true);
    }
    pane->refresh();
    EXPECT_EQ(engine_->starts, 1) << "the beat goes on while the user types";

    current->setText(QStringLiteral("{metronome: 100}\n{time: 6/8}\nla la la"));
    pane->refreshScrollToTop(false, true);
    EXPECT_EQ(engine_->starts, 2);
    EXPECT_EQ(engine_->ticksPerBar(), 6);

    show(QStringLiteral("{metronome: 100}\n{time: 6/8}\n"));
    EXPECT_EQ(engine_->starts, 3) << "another song";
    show(QStringLiteral("{metronome: 132}\n{time: 6/8}\n"));
    EXPECT_EQ(engine_->starts, 4);
    EXPECT_EQ(engine_->tempo(), 132.0);

    pane->stopMetronome();
    show(QStringLiteral("{metronome: 90}\n"));
    EXPECT_EQ(engine_->starts, 4) << "a stopped metronome stays stopped";
}

TEST_F(SongMetronomeTest, ANewFlashColourIsLoggedKeptAndTakenAtOnce)
{
    LogCapture log;
    prefs->setMetronomeFlash(true);
    show(QStringLiteral("{time: 4/4}\n"));
    pane->startMetronome();
    pane->metronomeColorSelected(QColor(0, 128, 255, 100));
    EXPECT_TRUE(log.lines().contains(QStringLiteral("Color selected")));
    EXPECT_EQ(prefs->metronomeColor(), QColor(0, 128, 255, 100));
    EXPECT_EQ(pane->metronomeFlashView()->color(), QColor(0, 128, 255, 100)) << "the strip is rebuilt";
    EXPECT_EQ(engine_->starts, 2);
    EXPECT_FALSE(storedSettings().isEmpty());

    pane->selectMetronomeFlashColor();
    auto *panel = pane->findChild<QColorDialog *>();
    ASSERT_TRUE(panel);
    EXPECT_FALSE(panel->isModal());
    EXPECT_TRUE(panel->testOption(QColorDialog::ShowAlphaChannel));
    EXPECT_EQ(panel->currentColor(), QColor(0, 128, 255, 100));
    panel->close();
}

} // namespace
