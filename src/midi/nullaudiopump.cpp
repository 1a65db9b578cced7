// The null pump: elapsed time decides how many frames are due, so a late timer pulls more at once and nothing
// drifts.
#include "nullaudiopump.h"

#include "monotonicclock.h"

#include <QIODevice>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
constexpr int pumpIntervalMs = 5;
constexpr qint64 framesPerRead = 2048;
} // namespace

NullAudioPump::NullAudioPump(QIODevice &source, int bytesPerFrame, int sampleRate, const MonotonicClock &clock,
                             QObject *parent)
    : QObject(parent)
    , m_source(source)
    , m_bytesPerFrame(std::max(1, bytesPerFrame))
    , m_sampleRate(sampleRate)
    , m_clock(clock)
    , m_timer(new QTimer(this))
    , m_buffer(size_t(framesPerRead * m_bytesPerFrame))
{
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(pumpIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &NullAudioPump::pump);
}

void NullAudioPump::start()
{
    m_startSeconds = m_clock.seconds();
    m_framesPulled = 0;
    m_timer->start();
}

void NullAudioPump::stop()
{
    m_timer->stop();
}

bool NullAudioPump::isActive() const
{
    return m_timer->isActive();
}

void NullAudioPump::pump()
{
    const auto due = qint64(std::floor((m_clock.seconds() - m_startSeconds) * m_sampleRate));
    while (m_framesPulled < due) {
        const qint64 frames = std::min(framesPerRead, due - m_framesPulled);
        const qint64 read = m_source.read(m_buffer.data(), frames * m_bytesPerFrame);
        if (read <= 0)
            return;
        m_framesPulled += read / m_bytesPerFrame;
    }
}
