// The MIDI device layer: follows the machine's sources and destinations, receives from every source and sends
// to every destination.
#pragma once

#include "midibackend.h"
#include "vxmidisource.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class VXMidi;

// Told on the main thread when sources and destinations come and go.
class VXMidiDelegate
{
public:
    virtual ~VXMidiDelegate() = default;
    virtual void sourceAdded(VXMidi &midi, VXMidiSource &source) = 0;
    virtual void sourceRemoved(VXMidi &midi, const MidiPort &source) = 0;
    virtual void destinationAdded(VXMidi &midi, const MidiPort &destination) = 0;
    virtual void destinationRemoved(VXMidi &midi, const MidiPort &destination) = 0;
};

// Scans at creation and every second after (the only way to see ports come and go here). Two kinds of port
// are left out: those of our own sequencer client (each input we open is a port of it, and would otherwise
// be listed as a destination, so the program would receive what it sends), and the kernel's through ports
// as destinations (they echo everything back, so a song's own events would choose songs).
class VXMidi : public QObject
{
    Q_OBJECT

public:
    // The sequencer client every port we open belongs to.
    static constexpr char clientName[] = "VXMidi MIDI Client";
    // A message is sent as one packet, whose length field has 16 bits.
    static constexpr qsizetype maximumMessageSize = 65535;

    explicit VXMidi(std::unique_ptr<MidiBackend> backend, VXMidiDelegate *delegate = nullptr,
                    QObject *parent = nullptr);
    ~VXMidi() override;

    bool isAvailable() const;
    // Brings the lists in line with the machine: new destinations, new sources, then the destinations and the
    // sources that are gone.
    void scanExistingDevices();

    // Main thread only.
    const QList<std::shared_ptr<VXMidiSource>> &sources() const { return m_sources; }
    QList<MidiPort> destinations() const;
    int numberOfConnections() const;
    // The listed sources' names, then the destinations', joined by ", "; a name already contained in the text
    // is left out.
    QString connectionsAsString() const;

    void setDelegate(VXMidiDelegate *delegate) { m_delegate = delegate; }
    // There is no network session on this system: off, and switching it on only says so.
    bool networkEnabled() const { return false; }
    void setNetworkEnabled(bool enabled);

    // Sends one message to every listed destination. Any thread.
    void sendBytes(const QByteArray &message);

    // Stops scanning and receiving and empties the lists, telling nobody.
    void close();

private:
    void connectSource(const MidiPort &port);
    void disconnectSource(const QString &id);
    void connectDestination(const MidiPort &port);
    void disconnectDestination(const QString &id);
    QList<MidiPort> listedSources() const;
    QList<MidiPort> listedDestinations() const;

    std::unique_ptr<MidiBackend> m_backend;
    VXMidiDelegate *m_delegate = nullptr;
    QTimer m_rescanTimer;
    QList<std::shared_ptr<VXMidiSource>> m_sources;
    // Guards m_destinations and the output ports: sends come from the sender thread while the rescan runs.
    mutable QMutex m_outputMutex;
    QList<MidiPort> m_destinations;
};
