// Playing the clicks through Qt's audio sink in pull mode, with the null pump as the fallback.
#include "metronomeoutput.h"

#include "log.h"
#include "monotonicclock.h"
#include "nullaudiopump.h"

#include <QAudioSink>

MetronomeOutput::MetronomeOutput(ClickRenderer &renderer, const QAudioDevice &device, const QAudioFormat &format)
    : m_source(renderer, format, this)
    , m_device(device)
{}

MetronomeOutput::~MetronomeOutput()
{
    halt();
}

qint64 MetronomeOutput::bufferBytes(const QAudioFormat &format)
{
    return qint64(format.bytesForDuration(50000));
}

void MetronomeOutput::play()
{
    const bool audible = !m_pump && startSink();
    m_playing = true;
    if (!audible)
        playSilently();
}

void MetronomeOutput::halt()
{
    m_playing = false;
    if (m_sink)
        m_sink->stop();
    if (m_pump)
        m_pump->stop();
}

bool MetronomeOutput::startSink()
{
    if (m_device.isNull())
        return false;
    if (!m_sink) {
        m_sink = new QAudioSink(m_device, m_source.format(), this);
        m_sink->setBufferSize(bufferBytes(m_source.format()));
        connect(m_sink, &QAudioSink::stateChanged, this, &MetronomeOutput::sinkStateChanged);
    }
    m_sink->start(&m_source);
    if (m_sink->error() == QAudio::NoError && m_sink->state() != QAudio::StoppedState)
        return true;
    delete m_sink;
    m_sink = nullptr;
    return false;
}

void MetronomeOutput::playSilently()
{
    if (!m_pump) {
        Log::write(QStringLiteral("Metronome: no audio output, the click is silent"));
        m_pump = new NullAudioPump(m_source, m_source.format().bytesPerFrame(), m_source.format().sampleRate(),
                                   MonotonicClock::system(), this);
    }
    m_pump->start();
}

void MetronomeOutput::sinkStateChanged()
{
    // The device went away while clicking: the beat goes on in silence.
    if (!m_playing || !m_sink || m_sink->state() != QAudio::StoppedState || m_sink->error() == QAudio::NoError)
        return;
    m_sink->deleteLater();
    m_sink = nullptr;
    playSilently();
}
