// Converting the rendered clicks to the output's bytes.
#include "metronomesource.h"

#include "clickrenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr qint64 framesPerPass = 1024;

template <typename Sample> void writeSample(char *out, int channels, Sample value)
{
    for (int channel = 0; channel < channels; ++channel)
        std::memcpy(out + channel * sizeof(Sample), &value, sizeof(Sample));
}
} // namespace

MetronomeSource::MetronomeSource(ClickRenderer &renderer, const QAudioFormat &format, QObject *parent)
    : QIODevice(parent)
    , m_renderer(renderer)
    , m_format(format)
    , m_block(framesPerPass)
{
    // Unbuffered: a buffer of QIODevice would render ahead of the clock and delay the tick reports.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 MetronomeSource::bytesAvailable() const
{
    return framesPerPass * m_format.bytesPerFrame() + QIODevice::bytesAvailable();
}

qint64 MetronomeSource::readData(char *data, qint64 maxSize)
{
    const int bytesPerFrame = m_format.bytesPerFrame();
    if (bytesPerFrame <= 0)
        return -1;
    const qint64 frames = maxSize / bytesPerFrame;
    for (qint64 done = 0; done < frames;) {
        const qint64 pass = std::min(framesPerPass, frames - done);
        m_renderer.render(m_block.data(), pass);
        writeFrames(data + done * bytesPerFrame, m_block.data(), pass);
        done += pass;
    }
    return frames * bytesPerFrame;
}

qint64 MetronomeSource::writeData(const char *, qint64)
{
    return -1;
}

void MetronomeSource::writeFrames(char *out, const float *samples, qint64 frames) const
{
    const int channels = m_format.channelCount();
    const int bytesPerFrame = m_format.bytesPerFrame();
    for (qint64 i = 0; i < frames; ++i, out += bytesPerFrame) {
        const float sample = std::clamp(samples[i], -1.0f, 1.0f);
        switch (m_format.sampleFormat()) {
        case QAudioFormat::Int16:
            writeSample(out, channels, qint16(std::lround(sample * 32767.0f)));
            break;
        case QAudioFormat::Int32:
            writeSample(out, channels, qint32(std::llround(double(sample) * 2147483647.0)));
            break;
        case QAudioFormat::Float:
            writeSample(out, channels, sample);
            break;
        default:
            // The engine only asks for the three formats above; silence rather than noise otherwise.
            std::memset(out, 0, size_t(bytesPerFrame));
            break;
        }
    }
}
