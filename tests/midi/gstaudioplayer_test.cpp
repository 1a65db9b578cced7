// The real GStreamer pipeline, without a sound device: playbin plays into an appsink the test drains itself.
#include "gstaudiodurationprobe.h"
#include "gstaudioplayer.h"
#include "logcapture.h"
#include "tonewav.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gst/app/gstappsink.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double toneHz = 440.0;
constexpr double toneSeconds = 2.0;

class GstAudioPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeToneWav(tone(), toneHz, toneSeconds));
        GstAudioDurationProbe(); // sets GStreamer up before the sink is made
        sink = gst_element_factory_make("appsink", nullptr);
        ASSERT_NE(sink, nullptr);
        GstCaps *caps = gst_caps_from_string("audio/x-raw,format=S16LE,layout=interleaved,channels=1,rate=44100");
        // As fast as the test drains it, and no faster: the pipeline waits while the test looks at the position.
        g_object_set(sink, "caps", caps, "sync", FALSE, "max-buffers", 1u, nullptr);
        gst_caps_unref(caps);
        gst_object_ref(sink);
        player = std::make_unique<GstAudioPlayer>(sink);
    }

    void TearDown() override
    {
        player.reset();
        gst_object_unref(sink);
    }

    QString tone() const { return folder.filePath(QStringLiteral("tone.wav")); }

    void loadTone()
    {
        player->setFile(tone());
        ASSERT_TRUE(QTest::qWaitFor([this] { return player->duration() > 0; }, 10000));
    }

    // Every sample up to the end of the file, while the player's messages are handled.
    std::vector<qint16> drain()
    {
        std::vector<qint16> samples;
        const QDeadlineTimer deadline(30000);
        while (!gst_app_sink_is_eos(GST_APP_SINK(sink)) && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            GstSample *sample = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), 50 * GST_MSECOND);
            if (!sample)
                continue;
            GstMapInfo map;
            GstBuffer *buffer = gst_sample_get_buffer(sample);
            if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
                const auto *data = reinterpret_cast<const qint16 *>(map.data);
                samples.insert(samples.end(), data, data + map.size / 2);
                gst_buffer_unmap(buffer, &map);
            }
            gst_sample_unref(sample);
        }
        return samples;
    }

    static double frequency(const std::vector<qint16> &samples)
    {
        int crossings = 0;
        for (size_t i = 1; i < samples.size(); ++i) {
            if ((samples[i - 1] < 0) != (samples[i] < 0))
                ++crossings;
        }
        return crossings / 2.0 / (double(samples.size()) / toneSampleRate);
    }

    QTemporaryDir folder;
    GstElement *sink = nullptr;
    std::unique_ptr<GstAudioPlayer> player;
};

TEST_F(GstAudioPlayerTest, PlaysSlowerWithoutChangingThePitchAndPausesAtTheEnd)
{
    loadTone();
    EXPECT_NEAR(player->duration(), 2000, 20);
    QSignalSpy playing(player.get(), &AudioPlayer::playingChanged);
    player->setRate(0.75);
    player->play();
    EXPECT_TRUE(player->isPlaying());

    const std::vector<qint16> samples = drain();
    const double seconds = double(samples.size()) / toneSampleRate;
    EXPECT_NEAR(seconds, toneSeconds / 0.75, 0.1);
    EXPECT_NEAR(frequency(samples), toneHz, 10);

    ASSERT_TRUE(QTest::qWaitFor([this] { return !player->isPlaying(); }, 10000));
    EXPECT_EQ(player->position(), player->duration());
    EXPECT_EQ(playing.size(), 2);
    EXPECT_DOUBLE_EQ(player->rate(), 0.75);
}

TEST_F(GstAudioPlayerTest, SeeksWithinTheFileAndPastItsEndStopsThere)
{
    loadTone();
    player->seek(1500);
    EXPECT_TRUE(QTest::qWaitFor([this] { return std::abs(player->position() - 1500) < 50; }, 10000))
        << player->position();

    player->play();
    player->seek(2500);
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->position(), 2000);

    // The next start begins at the start of the file.
    player->play();
    EXPECT_TRUE(player->isPlaying());
    EXPECT_TRUE(QTest::qWaitFor([this] { return player->position() < 500; }, 10000)) << player->position();
}

TEST_F(GstAudioPlayerTest, FileThatCannotPlayIsLoggedAndLeavesThePlayerStopped)
{
    const QString garbage = folder.filePath(QStringLiteral("notes.mp3"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4000, 'x'));
    file.close();

    for (const QString &path : {folder.filePath(QStringLiteral("missing.mp3")), garbage}) {
        SCOPED_TRACE(path.toStdString());
        LogCapture log;
        QSignalSpy errors(player.get(), &AudioPlayer::errorOccurred);
        player->setFile(path);
        ASSERT_TRUE(errors.size() == 1 || errors.wait(10000));
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Could not play ") + path + QStringLiteral(": ")))
            << log.lines().join(u'\n').toStdString();
        player->play();
        EXPECT_FALSE(player->isPlaying());
        EXPECT_EQ(player->duration(), 0);
    }
}

TEST_F(GstAudioPlayerTest, DurationProbeReadsTheFileOffTheMainThread)
{
    const QString garbage = folder.filePath(QStringLiteral("notes.wav"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a recording");
    file.close();

    struct Case
    {
        QString path;
        double seconds;
    };
    for (const Case &c : {Case{tone(), toneSeconds}, Case{garbage, 0.0}, Case{folder.filePath("none.mp3"), 0.0}}) {
        SCOPED_TRACE(c.path.toStdString());
        LogCapture log;
        GstAudioDurationProbe probe;
        QObject context;
        std::optional<double> seconds;
        probe.probe(c.path, &context, [&seconds](double s) { seconds = s; });
        ASSERT_TRUE(QTest::qWaitFor([&seconds] { return seconds.has_value(); }, 15000));
        EXPECT_NEAR(*seconds, c.seconds, 0.01);
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Audio duration file://%1: ").arg(c.path)));
    }
}

} // namespace
