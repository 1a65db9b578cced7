// The metronome's click engine: two synthesised clicks rendered at the default output's own format and played by
// an audio sink on a thread of their own, so a busy interface never starves it. Without an output device it keeps
// time in silence. Each click's start and end are reported to the delegate on the main thread.
#pragma once

#include "metronomeengine.h"

#include <QAudioFormat>
#include <QObject>
#include <QThread>

#include <cstdint>
#include <memory>

class ClickRenderer;
class MetronomeOutput;
class QAudioDevice;

class Metronome : public QObject, public MetronomeEngine
{
public:
    // A stopped metronome at 120 beats per minute without accents, on the default output device.
    explicit Metronome(QObject *parent = nullptr);
    ~Metronome() override;

    double tempo() const override;
    void setTempo(double tempo) override;
    qint64 ticksPerBar() const override;
    void setTicksPerBar(qint64 ticksPerBar) override;
    void start() override;
    void stop() override;
    bool isRunning() const override { return m_isRunning; }
    void setDelegate(MetronomeDelegate *delegate) override { m_delegate = delegate; }

    // Frames of one beat at the output's rate (longer when a click is longer than the beat).
    qint64 framesPerBeat() const;
    // The format the clicks are played in.
    const QAudioFormat &format() const { return m_format; }

    // The device's preferred rate and channels in one of the sample formats the clicks are written in; 48 kHz
    // mono floats without a device.
    static QAudioFormat outputFormat(const QAudioDevice &device);

private:
    // Main thread: a report of the current run reaches the delegate, any other is dropped.
    void deliver(bool on, std::uint64_t run);

    QAudioFormat m_format;
    std::unique_ptr<ClickRenderer> m_renderer;
    QThread m_audioThread;
    MetronomeOutput *m_output = nullptr; // lives on the audio thread
    MetronomeDelegate *m_delegate = nullptr;
    bool m_isRunning = false;
    // Counts starts; the renderer tags its reports with it.
    std::uint64_t m_run = 0;
};
