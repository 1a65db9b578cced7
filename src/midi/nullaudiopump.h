// Pulls audio from a source at the rate a sound card would and throws it away. Without an output device the
// metronome still renders its clicks this way, so its tick reports (and with them the flash and the count-in) keep
// time.
#pragma once

#include <QObject>

#include <vector>

class MonotonicClock;
class QIODevice;
class QTimer;

class NullAudioPump : public QObject
{
public:
    // The source is read in whole frames of bytesPerFrame bytes, sampleRate frames per second of the clock.
    NullAudioPump(QIODevice &source, int bytesPerFrame, int sampleRate, const MonotonicClock &clock,
                  QObject *parent = nullptr);

    // From now on the frames due by the clock are pulled every few milliseconds.
    void start();
    void stop();
    bool isActive() const;
    // Pulls the frames that fell due since start() and were not pulled yet.
    void pump();

private:
    QIODevice &m_source;
    const int m_bytesPerFrame;
    const int m_sampleRate;
    const MonotonicClock &m_clock;
    QTimer *m_timer;
    double m_startSeconds = 0.0;
    qint64 m_framesPulled = 0;
    std::vector<char> m_buffer;
};
