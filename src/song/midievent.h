// One MIDI event as songs carry it: its text form in the "midi" and "midi-index" directives, and its bytes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class MidiEvent
{
public:
    // The kinds, numbered as the text and the stored values count them.
    enum EventType : std::uint64_t {
        ProgramChange = 0,
        Note = 1,
        ControlChange = 2,
        SongSelect = 3,
        Start = 4,
        Stop = 5,
        Pause = 6,
        Raw = 7,
    };

    std::uint64_t eventType() const { return m_eventType; }
    void setEventType(std::uint64_t eventType) { m_eventType = eventType; }
    std::uint8_t msb() const { return m_msb; }
    void setMsb(std::uint8_t msb) { m_msb = msb; }
    std::uint8_t lsb() const { return m_lsb; }
    void setLsb(std::uint8_t lsb) { m_lsb = lsb; }
    // Written after ":" in the text; kept and compared, never sent.
    std::uint8_t subvalue() const { return m_subvalue; }
    void setSubvalue(std::uint8_t subvalue) { m_subvalue = subvalue; }
    // 0 = no channel given (MIDI channel 1); 1..16 = that MIDI channel.
    std::uint8_t channel() const { return m_channel; }
    void setChannel(std::uint8_t channel) { m_channel = channel; }
    // Milliseconds, for the pause kind.
    std::int64_t pause() const { return m_pause; }
    void setPause(std::int64_t pause) { m_pause = pause; }
    const std::optional<QByteArray> &rawbytes() const { return m_rawbytes; }
    void setRawbytes(const std::optional<QByteArray> &rawbytes) { m_rawbytes = rawbytes; }

    // A directive value: tokens separated by blanks, tabs, "," or "|"; tokens that do not parse are dropped.
    static QList<MidiEvent> midiEventsFromString(const QString &text);
    static std::optional<MidiEvent> midiEventFromString(const QString &token);
    // "f8.fa" style hexadecimal pairs; nothing when a part is not two characters or no byte was read.
    static std::optional<QByteArray> rawBytesFromString(const QString &text);
    static QString stringFromMidiEvents(const QList<MidiEvent> &events);
    // Decodes the first message of a received packet; nothing for kinds a song cannot be triggered by.
    static std::optional<MidiEvent> midiEventFromBytes(const std::uint8_t *bytes, std::size_t length);

    QString toString() const;
    // The messages that sending this event puts on the wire, in order. A note gives two: the note-on,
    // and the note-off that the sender sends 0.1 s later. A pause gives none: the sender waits pause() ms.
    QList<QByteArray> messages() const;

    // Equal in kind, values and channel; pause and raw bytes are not compared.
    bool operator==(const MidiEvent &other) const;
    // A copy for use as a key: kind, values and channel only.
    MidiEvent keyCopy() const;

private:
    std::uint64_t m_eventType = ProgramChange;
    std::uint8_t m_msb = 0;
    std::uint8_t m_lsb = 0;
    std::uint8_t m_subvalue = 0;
    std::uint8_t m_channel = 0;
    std::int64_t m_pause = 0;
    std::optional<QByteArray> m_rawbytes;
};

// Hashes exactly what operator== compares, so equal events always hash alike.
size_t qHash(const MidiEvent &event, size_t seed = 0);
