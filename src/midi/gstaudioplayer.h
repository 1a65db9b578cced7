// The linked recording played by GStreamer: a playbin whose audio passes through scaletempo, so a changed speed
// keeps the pitch. Bus messages are handed to the main thread through Qt's event loop; no GLib main loop is needed.
#pragma once

#include "audioplayer.h"

#include <gst/gst.h>

#include <atomic>
#include <optional>

class GstAudioPlayer : public AudioPlayer
{
    Q_OBJECT

public:
    // audioSink: where the sound goes instead of the desktop's sound server (tests give an appsink or a fakesink);
    // the player takes it.
    explicit GstAudioPlayer(GstElement *audioSink = nullptr, QObject *parent = nullptr);
    ~GstAudioPlayer() override;

    void setFile(const QString &path) override;
    QString file() const override { return m_file; }
    void play() override;
    void pause() override;
    bool isPlaying() const override { return m_playing; }
    void seek(qint64 ms) override;
    qint64 position() const override;
    qint64 duration() const override { return m_duration; }
    void setRate(double rate) override;
    double rate() const override { return m_rate; }

private:
    static GstBusSyncReply onBusMessage(GstBus *bus, GstMessage *message, gpointer player);
    void handleMessage(GstMessage *message);
    void prerolled();
    void readDuration();
    void endOfFile();
    void fail(const QString &message);
    // A flushing seek at the speed in effect, or one kept until the file is ready for it.
    void seekTo(qint64 ms);
    void setPlaying(bool playing);

    GstElement *m_playbin = nullptr;
    QString m_file;
    bool m_playing = false;
    bool m_prerolled = false;
    bool m_atEnd = false;
    std::optional<qint64> m_pendingSeek;
    mutable qint64 m_lastPosition = 0;
    qint64 m_duration = 0;
    double m_rate = 1.0;
    // Counts the files loaded: a message still queued from the file before is dropped.
    std::atomic<quint64> m_generation = 0;
};
