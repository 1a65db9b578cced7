// The MIDI ports of the machine, behind an interface: the application uses the ALSA sequencer, tests a fake.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

// One source or destination. The id stays the same while the port exists (a port's place in the list does
// not: it changes between scans); the name is what the user sees.
struct MidiPort
{
    QString id;
    QString name;

    bool operator==(const MidiPort &other) const = default;
};

// Why a MIDI operation failed: a code and a text, as the layer's error lines show them.
struct MidiError
{
    long code = 0;
    QString message;
};

// Writes the one error line of the MIDI layer: "Error (label): code:message". The operation goes on.
void logMidiError(const QString &label, const MidiError &error);

class MidiBackend
{
public:
    // Called on the backend's own input thread with one received message.
    using InputCallback = std::function<void(const std::uint8_t *bytes, std::size_t length)>;

    virtual ~MidiBackend();

    // False when the machine offers no MIDI at all; the lists are then empty and nothing is sent.
    virtual bool isAvailable() const = 0;
    virtual QList<MidiPort> sources() = 0;
    virtual QList<MidiPort> destinations() = 0;

    // Starts receiving from the source.
    virtual std::optional<MidiError> openInput(const QString &sourceId, InputCallback callback) = 0;
    // Stops receiving from the source. When it returns, its callback runs no more.
    virtual void closeInput(const QString &sourceId) = 0;

    // Sends one message to the destination; an error when it is gone or the send failed.
    virtual std::optional<MidiError> send(const QString &destinationId, const QByteArray &message) = 0;
    // Lets go of whatever the backend keeps open for sending to the destination.
    virtual void closeOutput(const QString &destinationId) = 0;
};
