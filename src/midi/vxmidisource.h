// One MIDI source while it is listed, and the receivers of the messages it sends.
#pragma once

#include "midibackend.h"

#include <QList>
#include <QMutex>

#include <cstddef>
#include <cstdint>

class VXMidiSource;

// Gets what a source sends, on the MIDI input thread of that source.
class VXMidiSourceDelegate
{
public:
    virtual ~VXMidiSourceDelegate() = default;
    // One received message; timestamp in nanoseconds of the monotonic clock.
    virtual void midiReceived(const VXMidiSource &source, const std::uint8_t *bytes, std::size_t length,
                              std::uint64_t timestamp) = 0;
};

class VXMidiSource
{
public:
    explicit VXMidiSource(MidiPort port)
        : m_port(std::move(port))
    {}

    const MidiPort &port() const { return m_port; }
    const QString &name() const { return m_port.name; }

    // Each receiver is listed once. Receivers may be added and removed while messages arrive.
    void addDelegate(VXMidiSourceDelegate *delegate);
    void removeDelegate(VXMidiSourceDelegate *delegate);
    // Hands one received message to every receiver, in the order they were added (input thread).
    void midiRead(const std::uint8_t *bytes, std::size_t length, std::uint64_t timestamp) const;

private:
    const MidiPort m_port;
    mutable QMutex m_mutex;
    QList<VXMidiSourceDelegate *> m_delegates;
};
