// MIDI ports that a test adds and removes by hand; records what is sent and feeds messages in as a source would.
#pragma once

#include "midibackend.h"

#include <QMap>
#include <QMutex>
#include <QStringList>

#include <functional>

class FakeMidiBackend : public MidiBackend
{
public:
    bool isAvailable() const override { return true; }
    QList<MidiPort> sources() override;
    QList<MidiPort> destinations() override;
    std::optional<MidiError> openInput(const QString &sourceId, InputCallback callback) override;
    void closeInput(const QString &sourceId) override;
    std::optional<MidiError> send(const QString &destinationId, const QByteArray &message) override;
    void closeOutput(const QString &destinationId) override;

    // Ports named as the sequencer names them: "client:port c:p".
    static MidiPort port(const QString &client, const QString &portName, int clientNumber);

    void setSources(const QList<MidiPort> &ports);
    void setDestinations(const QList<MidiPort> &ports);
    // Delivers a message from a source, as its input thread would; false when its input is not open.
    bool receive(const QString &sourceId, const QByteArray &message);
    QStringList openInputs() const;

    // Every message sent, as "destination id: hex bytes", in order.
    QStringList sent() const;
    // Called with each message sent (on the sending thread), before it is recorded.
    std::function<void(const QString &destinationId, const QByteArray &message)> onSend;
    // Destinations whose sends fail, as a port that vanished would.
    QStringList failingDestinations;

private:
    mutable QMutex m_mutex;
    QList<MidiPort> m_sources;
    QList<MidiPort> m_destinations;
    QMap<QString, InputCallback> m_inputs;
    QStringList m_sent;
};
