// Songs and MIDI: chooses the song whose trigger events match the events received last, and sends a song's
// own events.
#pragma once

#include "midievent.h"
#include "midisender.h"
#include "song.h"
#include "vxmidi.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// Lives while MIDI is switched on. Receives from every source (on their input threads), chooses songs on the
// main thread, and sends on a thread of its own. Triggers written with channel 1 ("@1") match messages of the
// first channel, as triggers without a channel do.
class Midi : public QObject, private VXMidiDelegate, private VXMidiSourceDelegate
{
    Q_OBJECT

public:
    // Shows the song a MIDI selection chose; the application decides how.
    using ShowSong = std::function<void(const SongPtr &song)>;

    static constexpr qsizetype maximumRecentEvents = 10;

    // sleeper: the waits between sent events (real waits when none is given).
    Midi(std::unique_ptr<MidiBackend> backend, ShowSong showSong, std::unique_ptr<MidiSleeper> sleeper = {},
         QObject *parent = nullptr);
    // Drops what is still to be sent and stops receiving before it goes.
    ~Midi() override;

    // The index of trigger events: rebuilt from these songs, in their order (earlier songs win ties).
    void indexSongs(const QList<SongPtr> &songs);
    // These change nothing until the index has been built once.
    void indexSong(const Song &song);
    void updateSong(const Song &song);
    void deleteSong(const Song &song);

    // Returns at once: the events go out on the sender thread, after those of earlier calls.
    void sendMidiEvents(const QList<MidiEvent> &events);
    // Blocks until everything handed to sendMidiEvents() has gone out.
    void waitUntilSent() { m_sender->waitUntilIdle(); }

    // The songs whose trigger sequence ends with the event, read afresh from their files, in index order.
    QList<SongPtr> songsForMidiEvent(const MidiEvent &event) const;
    // The song whose triggers appear, in order, in the recent events (newest first) ending at the newest one,
    // reaching back the least; nullptr when none does.
    SongPtr songForMidiEvents(const QList<MidiEvent> &recent) const;

    QString connectionsAsString() const { return m_midi->connectionsAsString(); }
    // Newest first, each event once, at most maximumRecentEvents.
    const QList<MidiEvent> &lastMidiCommands() const { return m_lastMidiCommands; }
    VXMidi &midi() { return *m_midi; }

Q_SIGNALS:
    // A source or destination came or went.
    void connectionsChanged();

private:
    void sourceAdded(VXMidi &midi, VXMidiSource &source) override;
    void sourceRemoved(VXMidi &midi, const MidiPort &source) override;
    void destinationAdded(VXMidi &midi, const MidiPort &destination) override;
    void destinationRemoved(VXMidi &midi, const MidiPort &destination) override;
    void midiReceived(const VXMidiSource &source, const std::uint8_t *bytes, std::size_t length,
                      std::uint64_t timestamp) override;

    // The main-thread step after an event arrived: remember it, then show the song it chooses.
    void selectSong(const MidiEvent &event);
    void remember(const MidiEvent &event);
    // The span of the candidate's triggers in the recent events; nothing when they do not all match.
    static std::optional<qsizetype> matchSpan(const Song &candidate, const QStringList &recent);

    ShowSong m_showSong;
    std::unique_ptr<MidiSender> m_sender;
    std::shared_ptr<VXMidi> m_midi;
    QList<MidiEvent> m_lastMidiCommands;
    // Key copy of a song's last trigger event -> the files of the songs whose triggers end with it.
    std::optional<QHash<MidiEvent, QStringList>> m_midiSelectSongs;
};
