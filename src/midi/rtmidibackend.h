// The machine's MIDI ports through the ALSA sequencer, by RtMidi.
#pragma once

#include "midibackend.h"

#include <QMutex>

#include <map>
#include <memory>

class RtMidiIn;
class RtMidiOut;

// Every RtMidi object is a sequencer client of its own, named VXMidi::clientName. A port's id is the name
// the sequencer gives it ("client:port c:p"), turned into an index just before the port is opened, since
// indices shift between scans. Without a sequencer (no /dev/snd/seq) the backend is unavailable: it says so
// once in the log, lists nothing and sends nothing.
class RtMidiBackend : public MidiBackend
{
public:
    RtMidiBackend();
    ~RtMidiBackend() override;

    // The port's name without the sequencer's trailing "c:p" numbers.
    static QString displayName(const QString &portName);

    bool isAvailable() const override { return m_probeIn && m_probeOut; }
    QList<MidiPort> sources() override;
    QList<MidiPort> destinations() override;
    std::optional<MidiError> openInput(const QString &sourceId, InputCallback callback) override;
    void closeInput(const QString &sourceId) override;
    std::optional<MidiError> send(const QString &destinationId, const QByteArray &message) override;
    void closeOutput(const QString &destinationId) override;

private:
    struct Input;

    // Serialises the sequencer calls of the main thread (scans) and the sender thread.
    QMutex m_mutex;
    // Clients that only list ports.
    std::unique_ptr<RtMidiIn> m_probeIn;
    std::unique_ptr<RtMidiOut> m_probeOut;
    std::map<QString, std::unique_ptr<Input>> m_inputs;
    std::map<QString, std::unique_ptr<RtMidiOut>> m_outputs;
};
