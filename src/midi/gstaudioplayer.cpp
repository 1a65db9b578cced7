#include "gstaudioplayer.h"

#include "filename.h"
#include "filepath.h"
#include "gstinit.h"
#include "log.h"

#include <memory>

namespace {

// The audio filter that keeps the pitch; without it the player still plays, only the pitch follows the speed.
GstElement *makeScaletempo()
{
    GstElement *scaletempo = gst_element_factory_make("scaletempo", nullptr);
    static bool reported = false;
    if (!scaletempo && !reported) {
        reported = true;
        Log::write(QStringLiteral("GStreamer element scaletempo is missing: the pitch changes with the speed"));
    }
    return scaletempo;
}

bool wanted(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_ERROR:
    case GST_MESSAGE_ASYNC_DONE:
    case GST_MESSAGE_DURATION_CHANGED:
        return true;
    default:
        return false;
    }
}

} // namespace

GstAudioPlayer::GstAudioPlayer(GstElement *audioSink, QObject *parent)
    : AudioPlayer(parent)
{
    GstInit::ensure();
    m_playbin = gst_element_factory_make("playbin", nullptr);
    if (!m_playbin) {
        if (audioSink)
            gst_object_unref(gst_object_ref_sink(audioSink));
        Log::write(QStringLiteral("GStreamer element playbin is missing: linked audio cannot play"));
        return;
    }
    // Audio only: a recording's cover picture must not open a video window.
    gst_util_set_object_arg(G_OBJECT(m_playbin), "flags", "audio+soft-volume");
    if (GstElement *scaletempo = makeScaletempo())
        g_object_set(m_playbin, "audio-filter", scaletempo, nullptr);
    if (audioSink)
        g_object_set(m_playbin, "audio-sink", audioSink, nullptr);
    GstBus *bus = gst_element_get_bus(m_playbin);
    gst_bus_set_sync_handler(bus, &GstAudioPlayer::onBusMessage, this, nullptr);
    gst_object_unref(bus);
}

GstAudioPlayer::~GstAudioPlayer()
{
    if (!m_playbin)
        return;
    // Stopping joins the streaming threads, so no message reaches the handler after it is removed.
    gst_element_set_state(m_playbin, GST_STATE_NULL);
    GstBus *bus = gst_element_get_bus(m_playbin);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(m_playbin);
}

GstBusSyncReply GstAudioPlayer::onBusMessage(GstBus *, GstMessage *message, gpointer data)
{
    // Runs on whichever thread posted the message: only queue it for the main thread.
    if (!wanted(message))
        return GST_BUS_DROP;
    auto *player = static_cast<GstAudioPlayer *>(data);
    const quint64 generation = player->m_generation.load();
    // Unreferenced with the queued call, also when the player is gone before it runs.
    std::shared_ptr<GstMessage> held(gst_message_ref(message), gst_message_unref);
    QMetaObject::invokeMethod(
        player,
        [player, held, generation] {
            if (generation == player->m_generation.load())
                player->handleMessage(held.get());
        },
        Qt::QueuedConnection);
    return GST_BUS_DROP;
}

void GstAudioPlayer::handleMessage(GstMessage *message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
        endOfFile();
        break;
    case GST_MESSAGE_ERROR: {
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        const QString text = error ? QString::fromUtf8(error->message) : QString();
        g_clear_error(&error);
        fail(text);
        break;
    }
    case GST_MESSAGE_ASYNC_DONE:
        prerolled();
        break;
    case GST_MESSAGE_DURATION_CHANGED:
        readDuration();
        break;
    default:
        break;
    }
}

void GstAudioPlayer::setFile(const QString &path)
{
    if (!m_playbin)
        return;
    gst_element_set_state(m_playbin, GST_STATE_NULL);
    ++m_generation;
    setPlaying(false);
    m_file = path;
    m_prerolled = false;
    m_atEnd = false;
    m_lastPosition = 0;
    // The speed carries over to the new file once it is ready.
    m_pendingSeek = m_rate != 1.0 ? std::optional<qint64>(0) : std::nullopt;
    if (m_duration != 0) {
        m_duration = 0;
        Q_EMIT durationChanged(0);
    }
    if (path.isEmpty())
        return;
    if (!FilePath::isFile(path)) {
        fail(QStringLiteral("No such file"));
        return;
    }
    const QByteArray uri = FileName::toUrl(path).toEncoded();
    g_object_set(m_playbin, "uri", uri.constData(), nullptr);
    gst_element_set_state(m_playbin, GST_STATE_PAUSED);
}

void GstAudioPlayer::play()
{
    if (!m_playbin || m_file.isEmpty() || m_playing)
        return;
    if (m_atEnd) {
        m_atEnd = false;
        seekTo(0);
    }
    if (gst_element_set_state(m_playbin, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return;
    setPlaying(true);
}

void GstAudioPlayer::pause()
{
    if (!m_playing)
        return;
    gst_element_set_state(m_playbin, GST_STATE_PAUSED);
    setPlaying(false);
}

void GstAudioPlayer::seek(qint64 ms)
{
    if (!m_playbin || m_file.isEmpty())
        return;
    ms = qMax<qint64>(0, ms);
    if (m_duration > 0 && ms >= m_duration) {
        endOfFile();
        return;
    }
    m_atEnd = false;
    seekTo(ms);
}

void GstAudioPlayer::seekTo(qint64 ms)
{
    m_lastPosition = ms;
    if (!m_prerolled) {
        m_pendingSeek = ms;
        return;
    }
    m_pendingSeek.reset();
    gst_element_seek(m_playbin, m_rate, GST_FORMAT_TIME, GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                     GST_SEEK_TYPE_SET, ms * GST_MSECOND, GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE);
}

qint64 GstAudioPlayer::position() const
{
    if (m_atEnd)
        return m_duration > 0 ? m_duration : m_lastPosition;
    if (!m_prerolled || m_pendingSeek)
        return m_lastPosition;
    gint64 position = 0;
    if (gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) && position >= 0)
        m_lastPosition = position / GST_MSECOND;
    return m_lastPosition;
}

void GstAudioPlayer::setRate(double rate)
{
    if (rate <= 0 || rate == m_rate)
        return;
    const qint64 at = position();
    m_rate = rate;
    if (m_playbin && !m_file.isEmpty() && !m_atEnd)
        seekTo(at);
}

void GstAudioPlayer::prerolled()
{
    if (m_prerolled)
        return;
    m_prerolled = true;
    readDuration();
    if (m_pendingSeek)
        seekTo(*m_pendingSeek);
}

void GstAudioPlayer::readDuration()
{
    gint64 duration = 0;
    if (!gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) || duration < 0)
        return;
    const qint64 ms = duration / GST_MSECOND;
    if (ms == m_duration)
        return;
    m_duration = ms;
    Q_EMIT durationChanged(ms);
}

void GstAudioPlayer::endOfFile()
{
    // Stays at the end; the next play() starts over.
    m_atEnd = true;
    m_lastPosition = m_duration;
    if (m_playing) {
        gst_element_set_state(m_playbin, GST_STATE_PAUSED);
        setPlaying(false);
    }
}

void GstAudioPlayer::fail(const QString &message)
{
    Log::write(QStringLiteral("Could not play %1: %2").arg(m_file, message));
    gst_element_set_state(m_playbin, GST_STATE_NULL);
    ++m_generation;
    m_prerolled = false;
    m_pendingSeek.reset();
    m_file.clear();
    setPlaying(false);
    Q_EMIT errorOccurred(message);
}

void GstAudioPlayer::setPlaying(bool playing)
{
    if (playing == m_playing)
        return;
    m_playing = playing;
    Q_EMIT playingChanged(playing);
}
