// The click engine as a whole, on its audio thread: tick reports reach the delegate on the main thread in time, on
// this machine's default output or, without one (as in CI), through the silent pump.
#include "logcapture.h"
#include "metronome.h"
#include "metronomeoutput.h"

#include <QMediaDevices>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class CountingDelegate : public MetronomeDelegate
{
public:
    void metronomeTickOn(MetronomeEngine &) override
    {
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
        EXPECT_FALSE(sounding) << "a click began before the last one ended";
        sounding = true;
        ++tickOns;
    }
    void metronomeTickOff(MetronomeEngine &) override
    {
        EXPECT_TRUE(sounding) << "a click ended that had not begun";
        sounding = false;
        ++tickOffs;
    }

    bool sounding = false;
    int tickOns = 0;
    int tickOffs = 0;
};

TEST(Metronome, StartsStoppedAt120WithoutAccentsAndIgnoresTemposThatAreNoNumbers)
{
    Metronome metronome;
    EXPECT_FALSE(metronome.isRunning());
    EXPECT_EQ(metronome.tempo(), 120.0);
    EXPECT_EQ(metronome.ticksPerBar(), 0);
    EXPECT_EQ(metronome.framesPerBeat(), metronome.format().sampleRate() / 2);
    metronome.setTempo(0.0);
    metronome.setTempo(std::nan(""));
    EXPECT_EQ(metronome.tempo(), 120.0);
    metronome.setTempo(40.0);
    EXPECT_EQ(metronome.framesPerBeat(), metronome.format().sampleRate() * 3 / 2);
}

TEST(Metronome, WithoutAnOutputDeviceItKeepsTimeInSilence)
{
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio output";
    LogCapture log;
    CountingDelegate delegate;
    Metronome metronome;
    metronome.setDelegate(&delegate);
    metronome.setTempo(210.0);
    metronome.start();
    EXPECT_TRUE(metronome.isRunning());
    // About 0.29 s a beat: three clicks within a second, and never more than the time allows.
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(QTest::qWaitFor([&delegate] { return delegate.tickOns >= 3; }, 5000));
    EXPECT_LE(delegate.tickOns, int(elapsed.elapsed() / 285) + 1);
    metronome.stop();
    metronome.start();
    metronome.stop();
    EXPECT_EQ(log.lines().count(QStringLiteral("Metronome: no audio output, the click is silent")), 1);
}

TEST(Metronome, NoReportOfAStoppedRunReachesTheDelegate)
{
    CountingDelegate delegate;
    Metronome metronome;
    metronome.setDelegate(&delegate);
    metronome.setTempo(210.0);
    metronome.start();
    ASSERT_TRUE(QTest::qWaitFor([&delegate] { return delegate.tickOns >= 1; }, 5000));
    metronome.stop();
    const int tickOns = delegate.tickOns;
    const int tickOffs = delegate.tickOffs;
    QTest::qWait(50); // reports queued before the stop are delivered now, or never
    EXPECT_EQ(delegate.tickOns, tickOns);
    EXPECT_EQ(delegate.tickOffs, tickOffs);
}

TEST(Metronome, PlaysOnTheDefaultOutputWhenThereIsOne)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        GTEST_SKIP() << "no audio output on this machine";
    const QAudioFormat format = Metronome::outputFormat(device);
    EXPECT_EQ(format.sampleRate(), device.preferredFormat().sampleRate());
    EXPECT_EQ(format.channelCount(), device.preferredFormat().channelCount());
    EXPECT_NEAR(double(MetronomeOutput::bufferBytes(format)), format.bytesForDuration(50000), format.bytesPerFrame());
    CountingDelegate delegate;
    Metronome metronome;
    metronome.setDelegate(&delegate);
    metronome.setTempo(210.0);
    metronome.start();
    EXPECT_TRUE(QTest::qWaitFor([&delegate] { return delegate.tickOns >= 2; }, 5000));
    metronome.stop();
}

} // namespace
