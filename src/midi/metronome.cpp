// The click engine's main-thread side: the shared state goes to the renderer through atomics, start and stop to
// the audio thread as queued calls, and tick reports come back as queued calls.
#include "metronome.h"

#include "clickrenderer.h"
#include "metronomeoutput.h"

#include <QAudioDevice>
#include <QMediaDevices>

Metronome::Metronome(QObject *parent)
    : QObject(parent)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    m_format = outputFormat(device);
    const double rate = m_format.sampleRate();
    m_renderer = std::make_unique<ClickRenderer>(ClickSounds::accent(rate), ClickSounds::plain(rate), rate);
    m_renderer->setReport([this](bool on, std::int64_t, std::uint64_t run) {
        QMetaObject::invokeMethod(
            this, [this, on, run] { deliver(on, run); }, Qt::QueuedConnection);
    });

    m_output = new MetronomeOutput(*m_renderer, device, m_format);
    m_output->moveToThread(&m_audioThread);
    m_audioThread.setObjectName(QStringLiteral("Metronome audio"));
    m_audioThread.start(QThread::TimeCriticalPriority);
}

Metronome::~Metronome()
{
    // The output goes on its own thread, before the renderer it reads from.
    QMetaObject::invokeMethod(
        m_output, [output = m_output] { delete output; }, Qt::BlockingQueuedConnection);
    m_audioThread.quit();
    m_audioThread.wait();
}

QAudioFormat Metronome::outputFormat(const QAudioDevice &device)
{
    QAudioFormat format;
    if (device.isNull()) {
        format.setSampleRate(48000);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Float);
        return format;
    }
    format = device.preferredFormat();
    switch (format.sampleFormat()) {
    case QAudioFormat::Int16:
    case QAudioFormat::Int32:
    case QAudioFormat::Float:
        break;
    default:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    }
    if (format.sampleRate() <= 0)
        format.setSampleRate(48000);
    if (format.channelCount() <= 0)
        format.setChannelCount(2);
    return format;
}

double Metronome::tempo() const
{
    return m_renderer->tempo();
}

void Metronome::setTempo(double tempo)
{
    m_renderer->setTempo(tempo);
}

qint64 Metronome::ticksPerBar() const
{
    return m_renderer->ticksPerBar();
}

void Metronome::setTicksPerBar(qint64 ticksPerBar)
{
    m_renderer->setTicksPerBar(ticksPerBar);
}

qint64 Metronome::framesPerBeat() const
{
    return m_renderer->framesPerBeat();
}

void Metronome::start()
{
    m_renderer->restart(++m_run);
    if (m_isRunning)
        return;
    m_isRunning = true;
    QMetaObject::invokeMethod(m_output, &MetronomeOutput::play, Qt::QueuedConnection);
}

void Metronome::stop()
{
    if (!m_isRunning)
        return;
    m_isRunning = false;
    QMetaObject::invokeMethod(m_output, &MetronomeOutput::halt, Qt::QueuedConnection);
}

void Metronome::deliver(bool on, std::uint64_t run)
{
    if (!m_isRunning || run != m_run || !m_delegate)
        return;
    if (on)
        m_delegate->metronomeTickOn(*this);
    else
        m_delegate->metronomeTickOff(*this);
}
