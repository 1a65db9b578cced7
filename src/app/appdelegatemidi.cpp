// MIDI in the application: switching it on and off, the names for the MIDI item's title, and songs chosen by MIDI.
#include "vellorinappdelegate.h"

#include "midi.h"
#include "prefs.h"
#include "rtmidibackend.h"
#include "songs.h"

void VellorinAppDelegate::switchMidi(bool on)
{
    if (on && !m_midi) {
        std::unique_ptr<MidiBackend> backend =
            m_makeMidiBackend ? m_makeMidiBackend() : std::make_unique<RtMidiBackend>();
        m_midi = std::make_unique<Midi>(
            std::move(backend), [this](const SongPtr &song) { showSongFromOutside(librarySongForFile(song), true); });
        connect(m_midi.get(), &Midi::connectionsChanged, this, &VellorinAppDelegate::updateCommandStates);
        // Otherwise triggers would do nothing until the library's next refresh.
        m_midi->indexSongs(m_songs->songs());
    } else if (!on) {
        m_midi.reset();
    }
    if (m_prefs->midi() != on) {
        m_prefs->setMidi(on);
        m_prefs->save();
    }
    if (m_menus)
        setChecked(QStringLiteral("actToggleMIDI"), on);
    updateCommandStates();
}

void VellorinAppDelegate::toggleMIDI()
{
    switchMidi(!m_prefs->midi());
}

QString VellorinAppDelegate::midiConnectionsAsString() const
{
    return m_midi ? m_midi->connectionsAsString() : QString();
}

void VellorinAppDelegate::setMidiBackendMaker(std::function<std::unique_ptr<MidiBackend>()> maker)
{
    m_makeMidiBackend = std::move(maker);
}

void VellorinAppDelegate::indexSongsForMidi(const QList<SongPtr> &songs)
{
    if (m_midi)
        m_midi->indexSongs(songs);
}

bool VellorinAppDelegate::showSongFromOutside(const SongPtr &song, bool notifyPeers)
{
    if (!saveCurrentSongInteractive(false))
        return false;
    showSong(song, notifyPeers);
    return true;
}

SongPtr VellorinAppDelegate::librarySongForFile(const SongPtr &song)
{
    for (const SongPtr &own : m_songs->allSongs())
        if (own->path() == song->path())
            return own;
    return song;
}
