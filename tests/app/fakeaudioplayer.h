// A player that plays nothing: it keeps the position it is given and remembers what it was asked.
#pragma once

#include "audioplayer.h"

#include <QList>
#include <QStringList>

class FakeAudioPlayer : public AudioPlayer
{
public:
    void setFile(const QString &path) override
    {
        files.append(path);
        m_file = path;
        m_position = 0;
        m_playing = false;
        m_atEnd = false;
    }
    QString file() const override { return m_file; }
    void play() override
    {
        if (m_file.isEmpty())
            return;
        if (m_atEnd)
            m_position = 0;
        m_atEnd = false;
        m_playing = true;
    }
    void pause() override { m_playing = false; }
    bool isPlaying() const override { return m_playing; }
    // As the real player: at or past the end, playback ends there.
    void seek(qint64 ms) override
    {
        seeks.append(ms);
        m_atEnd = durationMs > 0 && ms >= durationMs;
        m_position = m_atEnd ? durationMs : qMax<qint64>(0, ms);
        if (m_atEnd)
            m_playing = false;
    }
    qint64 position() const override { return m_position; }
    qint64 duration() const override { return durationMs; }
    void setRate(double rate) override
    {
        rates.append(rate);
        m_rate = rate;
    }
    double rate() const override { return m_rate; }

    // Moves the position without counting as a seek asked for.
    void setPosition(qint64 ms) { m_position = ms; }

    qint64 durationMs = 0;
    QStringList files;
    QList<qint64> seeks;
    QList<double> rates;

private:
    QString m_file;
    qint64 m_position = 0;
    bool m_playing = false;
    bool m_atEnd = false;
    double m_rate = 1.0;
};
