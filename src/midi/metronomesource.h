// The clicks as a stream of audio bytes that an audio sink (or the null pump) pulls: the renderer's mono samples
// converted to the output's sample format and written to every channel.
#pragma once

#include <QAudioFormat>
#include <QIODevice>

#include <vector>

class ClickRenderer;

class MetronomeSource : public QIODevice
{
public:
    // Opens itself for reading. The format is Int16, Int32 or Float with any rate and channel count.
    MetronomeSource(ClickRenderer &renderer, const QAudioFormat &format, QObject *parent = nullptr);

    const QAudioFormat &format() const { return m_format; }
    bool isSequential() const override { return true; }
    // The stream never ends: a sink may always take as much as it has room for.
    qint64 bytesAvailable() const override;

protected:
    // Whole frames only, as many as fit; never 0 while a frame fits, since a sink stops pulling on 0.
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void writeFrames(char *out, const float *samples, qint64 frames) const;

    ClickRenderer &m_renderer;
    QAudioFormat m_format;
    // Rendered mono samples of one pass; allocated once so reading allocates nothing.
    std::vector<float> m_block;
};
