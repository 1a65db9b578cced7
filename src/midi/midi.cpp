#include "midi.h"

#include "appcontext.h"
#include "log.h"
#include "modalgate.h"
#include "songs.h"

#include <QMetaObject>

namespace {
// Channel 1 written out ("@1") is the channel a message without one arrives on.
MidiEvent withFirstChannelFolded(MidiEvent event)
{
    if (event.channel() == 1)
        event.setChannel(0);
    return event;
}

MidiEvent indexKey(const MidiEvent &event)
{
    return withFirstChannelFolded(event.keyCopy());
}

QString matchText(const MidiEvent &event)
{
    return withFirstChannelFolded(event).toString();
}
} // namespace

Midi::Midi(std::unique_ptr<MidiBackend> backend, ShowSong showSong, std::unique_ptr<MidiSleeper> sleeper,
           QObject *parent)
    : QObject(parent)
    , m_showSong(std::move(showSong))
{
    m_sender = std::make_unique<MidiSender>([this](const QByteArray &message) { m_midi->sendBytes(message); },
                                            std::move(sleeper));
    // The first scan tells this controller of every source, which it then receives from.
    m_midi = std::make_shared<VXMidi>(std::move(backend), static_cast<VXMidiDelegate *>(this));
    m_midi->setNetworkEnabled(true);
}

Midi::~Midi()
{
    m_sender.reset();
    m_midi->setDelegate(nullptr);
    // Ends every input thread, so no message arrives for this controller any more.
    m_midi->close();
    Log::write(QStringLiteral("Midi dealloc %1").arg(m_midi.use_count() - 1));
    m_midi.reset();
}

void Midi::indexSongs(const QList<SongPtr> &songs)
{
    m_midiSelectSongs.emplace();
    for (const SongPtr &song : songs)
        if (song)
            indexSong(*song);
}

void Midi::indexSong(const Song &song)
{
    if (!m_midiSelectSongs)
        return;
    const QList<MidiEvent> triggers = song.midiEventsToSelectSong();
    if (triggers.isEmpty())
        return;
    Log::write(QStringLiteral("MIDI Indexing %1: %2").arg(song.path(), MidiEvent::stringFromMidiEvents(triggers)));
    (*m_midiSelectSongs)[indexKey(triggers.last())].append(song.path());
}

void Midi::updateSong(const Song &song)
{
    deleteSong(song);
    indexSong(song);
}

void Midi::deleteSong(const Song &song)
{
    if (!m_midiSelectSongs)
        return;
    for (QStringList &paths : *m_midiSelectSongs)
        paths.removeOne(song.path());
}

void Midi::sendMidiEvents(const QList<MidiEvent> &events)
{
    m_sender->enqueue(MidiSender::planFor(events));
}

QList<SongPtr> Midi::songsForMidiEvent(const MidiEvent &event) const
{
    QList<SongPtr> songs;
    if (!m_midiSelectSongs)
        return songs;
    for (const QString &path : m_midiSelectSongs->value(indexKey(event)))
        songs.append(std::make_shared<Song>(path));
    return songs;
}

SongPtr Midi::songForMidiEvents(const QList<MidiEvent> &recent) const
{
    if (recent.isEmpty())
        return nullptr;
    QStringList recentTexts;
    for (const MidiEvent &event : recent)
        recentTexts.append(matchText(event));
    const QString recentText = MidiEvent::stringFromMidiEvents(recent);
    SongPtr chosen;
    qsizetype best = 1000;
    for (const SongPtr &candidate : songsForMidiEvent(recent.first())) {
        Log::write(QStringLiteral("MIDI Searching for song %1 to match %2").arg(candidate->path(), recentText));
        const std::optional<qsizetype> span = matchSpan(*candidate, recentTexts);
        if (span && *span < best) {
            chosen = candidate;
            best = *span;
        }
    }
    if (chosen)
        Log::write(QStringLiteral("Found %1").arg(chosen->title()));
    return chosen;
}

std::optional<qsizetype> Midi::matchSpan(const Song &candidate, const QStringList &recent)
{
    const QList<MidiEvent> triggers = candidate.midiEventsToSelectSong();
    if (triggers.isEmpty())
        return std::nullopt;
    // From the last trigger back to the first, each found at or after where the one before it was found.
    qsizetype position = 0;
    for (auto trigger = triggers.crbegin(); trigger != triggers.crend(); ++trigger) {
        if (position >= recent.size())
            return std::nullopt;
        const qsizetype found = recent.indexOf(matchText(*trigger), position);
        if (found < 0)
            return std::nullopt;
        position = found + 1;
    }
    return position;
}

void Midi::midiReceived(const VXMidiSource &source, const std::uint8_t *bytes, std::size_t length,
                        std::uint64_t timestamp)
{
    const std::optional<MidiEvent> event = MidiEvent::midiEventFromBytes(bytes, length);
    if (!event)
        return;
    Log::write(QStringLiteral("Received Midi packet %1 at %2 from %3")
                   .arg(event->toString(), QString::number(timestamp).rightJustified(2, u'0'), source.name()));
    // Queued with this controller as context: a step still waiting when it goes is dropped with it. While the
    // library loads, the songs to choose from are not indexed yet: the step waits for them.
    QMetaObject::invokeMethod(
        this,
        [this, event = *event] {
            // The question asked last is waited for last: one opened while the library loads holds the step.
            const auto selectWhenNoQuestion = [this, event] {
                ModalGate::whenNoQuestion(this, [this, event] { selectSong(event); });
            };
            if (Songs *songs = AppContext::instance()->songs())
                songs->whenLoaded(this, selectWhenNoQuestion);
            else
                selectWhenNoQuestion();
        },
        Qt::QueuedConnection);
}

void Midi::selectSong(const MidiEvent &event)
{
    remember(event);
    const SongPtr song = songForMidiEvents(m_lastMidiCommands);
    if (!song)
        return;
    Log::write(QStringLiteral("Selected song %1").arg(song->title()));
    if (m_showSong)
        m_showSong(song);
}

void Midi::remember(const MidiEvent &event)
{
    m_lastMidiCommands.removeOne(event);
    m_lastMidiCommands.prepend(event);
    while (m_lastMidiCommands.size() > maximumRecentEvents)
        m_lastMidiCommands.removeLast();
}

void Midi::sourceAdded(VXMidi &midi, VXMidiSource &source)
{
    Q_UNUSED(midi);
    Log::write(QStringLiteral("Midi Source added %1").arg(source.name()));
    source.addDelegate(this);
    Q_EMIT connectionsChanged();
}

void Midi::sourceRemoved(VXMidi &midi, const MidiPort &source)
{
    Q_UNUSED(midi);
    Q_UNUSED(source);
    Q_EMIT connectionsChanged();
}

void Midi::destinationAdded(VXMidi &midi, const MidiPort &destination)
{
    Q_UNUSED(midi);
    Log::write(QStringLiteral("Midi Destination added %1").arg(destination.name));
    Q_EMIT connectionsChanged();
}

void Midi::destinationRemoved(VXMidi &midi, const MidiPort &destination)
{
    Q_UNUSED(midi);
    Q_UNUSED(destination);
    Q_EMIT connectionsChanged();
}
