// The clicks as audio bytes: whole frames in each sample format, the same sample on every channel, and the null
// pump that pulls them by elapsed time when there is no output.
#include "clickrenderer.h"
#include "fakemonotonicclock.h"
#include "metronomesource.h"
#include "nullaudiopump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

QAudioFormat formatOf(QAudioFormat::SampleFormat sampleFormat, int channels, int rate = 48000)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

template <typename Sample> Sample sampleAt(const QByteArray &bytes, int index)
{
    Sample value;
    std::memcpy(&value, bytes.constData() + index * int(sizeof(Sample)), sizeof(Sample));
    return value;
}

TEST(MetronomeSource, ReadGivesWholeFramesWithTheSampleOnEveryChannel)
{
    // A click of three samples, then silence.
    ClickRenderer renderer(ClickSound{1.0f, -1.0f, 0.5f}, ClickSound{1.0f, -1.0f, 0.5f}, 48000);
    {
        MetronomeSource source(renderer, formatOf(QAudioFormat::Int16, 2));
        const QByteArray bytes = source.read(4 * 4 + 3); // four stereo frames and three bytes of a fifth
        ASSERT_EQ(bytes.size(), 16);
        const qint16 expected[] = {32767, -32767, 16384, 0};
        for (int frame = 0; frame < 4; ++frame) {
            EXPECT_EQ(sampleAt<qint16>(bytes, 2 * frame), expected[frame]) << frame;
            EXPECT_EQ(sampleAt<qint16>(bytes, 2 * frame + 1), expected[frame]) << "right channel " << frame;
        }
    }
    renderer.restart(1);
    {
        MetronomeSource source(renderer, formatOf(QAudioFormat::Float, 1));
        const QByteArray bytes = source.read(3 * 4 + 2);
        ASSERT_EQ(bytes.size(), 12);
        EXPECT_EQ(sampleAt<float>(bytes, 0), 1.0f);
        EXPECT_EQ(sampleAt<float>(bytes, 1), -1.0f);
        EXPECT_EQ(sampleAt<float>(bytes, 2), 0.5f);
    }
    renderer.restart(2);
    {
        MetronomeSource source(renderer, formatOf(QAudioFormat::Int32, 2));
        const QByteArray bytes = source.read(2 * 8);
        ASSERT_EQ(bytes.size(), 16);
        EXPECT_EQ(sampleAt<qint32>(bytes, 1), 2147483647);
        EXPECT_EQ(sampleAt<qint32>(bytes, 2), -2147483647);
        EXPECT_EQ(sampleAt<qint32>(bytes, 3), -2147483647);
    }
}

TEST(MetronomeSource, ALargeReadIsNeverShortAndStillReportsEveryClick)
{
    ClickRenderer renderer(ClickSounds::accent(48000), ClickSounds::plain(48000), 48000);
    int tickOns = 0;
    renderer.setReport([&tickOns](bool on, std::int64_t, std::uint64_t) { tickOns += on; });
    MetronomeSource source(renderer, formatOf(QAudioFormat::Float, 2));
    EXPECT_GT(source.bytesAvailable(), 0);
    const QByteArray bytes = source.read(3 * 48000 * 8); // three seconds of stereo floats in one read
    EXPECT_EQ(bytes.size(), 3 * 48000 * 8);
    EXPECT_EQ(tickOns, 6);
}

TEST(NullAudioPump, PullsTheFramesThatFellDueAndNoMore)
{
    ClickRenderer renderer(ClickSounds::accent(48000), ClickSounds::plain(48000), 48000);
    std::vector<std::int64_t> starts;
    renderer.setReport([&starts](bool on, std::int64_t frame, std::uint64_t) {
        if (on)
            starts.push_back(frame);
    });
    MetronomeSource source(renderer, formatOf(QAudioFormat::Float, 1));
    FakeMonotonicClock clock;
    NullAudioPump pump(source, 4, 48000, clock);
    pump.start();
    EXPECT_TRUE(pump.isActive());

    // Passes of uneven lengths, some late: two seconds in all, four beats at 120.
    for (const double step : {0.004, 0.3, 0.0, 0.9, 0.011, 0.785}) {
        clock.advance(step);
        pump.pump();
    }
    EXPECT_EQ(starts, (std::vector<std::int64_t>{0, 24000, 48000, 72000}));
    clock.advance(0.001);
    pump.pump();
    EXPECT_EQ(starts.size(), 5u);
    pump.stop();
    EXPECT_FALSE(pump.isActive());
}

} // namespace
