// The click renderer, frame by frame: where clicks start and end for any block size, accents, long clicks, tempo
// changes and restarts; and the synthesised clicks themselves.
#include "clickrenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double rate = 48000.0;
// Small synthetic clicks whose samples tell them apart: the accent plays 0.9, the plain click 0.4.
constexpr std::size_t clickFrames = 100;
const ClickSound accentClick(clickFrames, 0.9f);
const ClickSound plainClick(clickFrames, 0.4f);

// Renders in blocks and writes down every report and every sample.
struct Recorder
{
    explicit Recorder(ClickSound accent = accentClick, ClickSound plain = plainClick)
        : renderer(std::move(accent), std::move(plain), rate)
    {
        renderer.setReport([this](bool on, std::int64_t frame, std::uint64_t run) {
            (on ? starts : ends).push_back(frame);
            runs.push_back(run);
        });
    }

    void render(std::int64_t frames, std::int64_t blockSize)
    {
        std::vector<float> block(static_cast<std::size_t>(blockSize));
        for (std::int64_t done = 0; done < frames; done += blockSize) {
            const std::int64_t size = std::min(blockSize, frames - done);
            renderer.render(block.data(), size);
            output.insert(output.end(), block.begin(), block.begin() + size);
        }
    }

    // The sample each click began with, in order.
    std::vector<float> clickLevels() const
    {
        std::vector<float> levels;
        for (const std::int64_t start : starts)
            levels.push_back(output[std::size_t(start)]);
        return levels;
    }

    ClickRenderer renderer;
    std::vector<std::int64_t> starts;
    std::vector<std::int64_t> ends;
    std::vector<std::uint64_t> runs;
    std::vector<float> output;
};

TEST(ClickRenderer, ClicksStartOnTheBeatFrameForEveryBlockSize)
{
    struct Case
    {
        double tempo;
        std::int64_t beat;
    };
    const Case cases[] = {{120.0, 24000}, {40.0, 72000}, {210.0, 13714}};
    const std::int64_t blockSizes[] = {480, 512, 1024, 5 * 72000}; // the last: one block of several seconds
    for (const Case &c : cases) {
        for (const std::int64_t blockSize : blockSizes) {
            Recorder recorder;
            recorder.renderer.setTempo(c.tempo);
            EXPECT_EQ(recorder.renderer.framesPerBeat(), c.beat);
            recorder.render(5 * c.beat, blockSize);
            ASSERT_EQ(recorder.starts.size(), 5u) << c.tempo << " bpm in blocks of " << blockSize;
            ASSERT_EQ(recorder.ends.size(), 5u) << c.tempo << " bpm in blocks of " << blockSize;
            for (std::int64_t k = 0; k < 5; ++k) {
                EXPECT_EQ(recorder.starts[std::size_t(k)], k * c.beat) << c.tempo << " bpm, block " << blockSize;
                EXPECT_EQ(recorder.ends[std::size_t(k)], k * c.beat + std::int64_t(clickFrames));
            }
        }
    }
}

TEST(ClickRenderer, TheFirstBeatOfEachBarIsAccented)
{
    struct Case
    {
        std::int64_t ticksPerBar;
        std::vector<float> levels;
    };
    const Case cases[] = {
        {4, {0.9f, 0.4f, 0.4f, 0.4f, 0.9f, 0.4f, 0.4f, 0.4f, 0.9f}}, // beats 1, 5 and 9
        {1, std::vector<float>(9, 0.9f)},
        {0, std::vector<float>(9, 0.4f)},
    };
    for (const Case &c : cases) {
        Recorder recorder;
        recorder.renderer.setTicksPerBar(c.ticksPerBar);
        recorder.render(9 * 24000, 1024);
        EXPECT_EQ(recorder.clickLevels(), c.levels) << c.ticksPerBar << " beats per bar";
    }
}

TEST(ClickRenderer, AfterAClickComesSilenceNotItsLastSampleHeld)
{
    Recorder recorder(ClickSound{0.7f, 0.6f}, ClickSound{0.7f, 0.6f});
    recorder.render(24000, 512);
    EXPECT_EQ(recorder.output[1], 0.6f);
    EXPECT_EQ(recorder.output[2], 0.0f);
    EXPECT_EQ(recorder.output[23999], 0.0f);
}

TEST(ClickRenderer, AClickLongerThanTheBeatStretchesTheBeat)
{
    const ClickSound longClick(30000, 0.5f); // longer than the 24 000 frames of a beat at 120
    Recorder recorder(longClick, longClick);
    recorder.render(4 * 30000, 4096);
    EXPECT_EQ(recorder.starts, (std::vector<std::int64_t>{0, 30000, 60000, 90000}));
    // One end per click, on the very frame the next one starts: no click is cut short or reported twice.
    EXPECT_EQ(recorder.ends, (std::vector<std::int64_t>{30000, 60000, 90000, 120000}));
}

TEST(ClickRenderer, ANewTempoCountsFromTheNextBlock)
{
    Recorder recorder;
    recorder.render(1024, 1024);
    recorder.renderer.setTempo(60.0);
    recorder.render(3 * 48000 - 1024, 1024);
    EXPECT_EQ(recorder.starts, (std::vector<std::int64_t>{0, 48000, 96000}));
}

TEST(ClickRenderer, ATempoThatIsNoPositiveNumberIsIgnored)
{
    for (const double tempo : {0.0, -30.0, std::nan(""), HUGE_VAL}) {
        Recorder recorder;
        recorder.renderer.setTempo(tempo);
        EXPECT_EQ(recorder.renderer.tempo(), 120.0) << tempo;
        EXPECT_EQ(recorder.renderer.framesPerBeat(), 24000) << tempo;
    }
}

TEST(ClickRenderer, ARestartDuringAClickCountsFromZeroAndReportsItsFirstClick)
{
    // A stop that fell during a click used to leave it sounding: the next run's first click went unreported and
    // the accent fell on beats 1 and 2.
    Recorder recorder;
    recorder.renderer.setTicksPerBar(4);
    recorder.render(24000 + 50, 512); // two clicks begun, the second still sounding
    ASSERT_EQ(recorder.starts.size(), 2u);
    ASSERT_EQ(recorder.ends.size(), 1u);
    recorder.renderer.restart(2);
    recorder.starts.clear();
    recorder.ends.clear();
    recorder.runs.clear();
    recorder.output.clear();

    recorder.render(5 * 24000, 512);
    EXPECT_EQ(recorder.starts, (std::vector<std::int64_t>{0, 24000, 48000, 72000, 96000}));
    EXPECT_EQ(recorder.ends.size(), 5u);
    EXPECT_EQ(recorder.clickLevels(), (std::vector<float>{0.9f, 0.4f, 0.4f, 0.4f, 0.9f}));
    EXPECT_EQ(recorder.runs, std::vector<std::uint64_t>(10, 2u));
}

TEST(ClickSounds, TheClicksDifferEndAtZeroAndAreFarShorterThanTheShortestBeat)
{
    for (const double sampleRate : {44100.0, 48000.0, 96000.0}) {
        const ClickSound accent = ClickSounds::accent(sampleRate);
        const ClickSound plain = ClickSounds::plain(sampleRate);
        for (const ClickSound *sound : {&accent, &plain}) {
            ASSERT_GT(sound->size(), 2u);
            EXPECT_EQ(sound->back(), 0.0f) << sampleRate;
            EXPECT_LT(double(sound->size()) / sampleRate, 60.0 / 210.0 / 4) << sampleRate;
            EXPECT_LT(std::abs(sound->front()), 0.01f) << "a short attack, not a step";
        }
        auto peak = [](const ClickSound &sound) {
            float top = 0.0f;
            for (const float sample : sound)
                top = std::max(top, std::abs(sample));
            return top;
        };
        auto signChanges = [](const ClickSound &sound) {
            int changes = 0;
            for (std::size_t i = 1; i < sound.size(); ++i)
                changes += (sound[i - 1] < 0.0f) != (sound[i] < 0.0f);
            return changes;
        };
        EXPECT_GT(peak(accent), peak(plain) + 0.1f) << "louder: " << sampleRate;
        EXPECT_GT(signChanges(accent), signChanges(plain) * 5 / 4) << "higher: " << sampleRate;
        EXPECT_LE(peak(accent), 1.0f);
        EXPECT_GT(peak(plain), 0.2f);
    }
}

} // namespace
