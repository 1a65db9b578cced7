// The metronome's side of the audio thread: the audio sink that pulls the clicks, or, with no output device or a
// sink that fails, the null pump that pulls them in silence. Lives on the audio thread and is only called there.
#pragma once

#include "metronomesource.h"

#include <QAudioDevice>
#include <QObject>

#include <memory>

class ClickRenderer;
class NullAudioPump;
class QAudioSink;

class MetronomeOutput : public QObject
{
public:
    // A null device means there is no output: the pump is used from the start.
    MetronomeOutput(ClickRenderer &renderer, const QAudioDevice &device, const QAudioFormat &format);
    ~MetronomeOutput() override;

    // Starts pulling; the sink and pump are made on first use, on the thread this object lives in, so their timers
    // run there.
    void play();
    void halt();

    // About 50 ms of audio: tick reports reach the screen within that of the audible click.
    static qint64 bufferBytes(const QAudioFormat &format);

private:
    bool startSink();
    void playSilently();
    void sinkStateChanged();

    MetronomeSource m_source;
    QAudioDevice m_device;
    QAudioSink *m_sink = nullptr;
    NullAudioPump *m_pump = nullptr;
    bool m_playing = false;
};
