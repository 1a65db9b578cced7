// The song's tags, users, chord definitions, instrument and tuning, linked audio, MIDI events and checksum.
#include "song.h"

#include "appcontext.h"
#include "chord.h"
#include "chords.h"
#include "filestamp.h"
#include "log.h"
#include "songsettings.h"
#include "songtextdata.h"

#include <QDir>
#include <QFileInfo>

QSet<QString> Song::tags() const
{
    const QStringList &tags = tagList();
    return QSet<QString>(tags.cbegin(), tags.cend());
}

const QStringList &Song::tagList() const
{
    if (!m_cachedTags)
        m_cachedTags = SongTextData::tags(heldText()).values();
    return *m_cachedTags;
}

bool Song::addTag(const QString &tag)
{
    m_cachedTags.reset();
    return saveText(SongTextData::textWithTag(heldText(), sanitizedDirectiveValue(tag)));
}

bool Song::deleteTag(const QString &tag)
{
    m_cachedTags.reset();
    const std::optional<QString> text = SongTextData::textWithoutTag(heldText(), tag);
    return text && saveText(*text);
}

QStringList Song::users() const
{
    return SongTextData::users(heldText());
}

void Song::addDefineChord(const Chord &chord, const Instrument &instrument)
{
    changeText(SongTextData::textWithChordDefinition(heldText(), chord.definition(instrument)));
}

void Song::removeDefineChord(const Chord &chord)
{
    if (const std::optional<QString> text = SongTextData::textWithoutChordDefinition(heldText(), chord.title()))
        changeText(*text);
    else
        Log::write(QStringLiteral("Definition for chord %1 not found in song %2").arg(chord.title(), m_title));
}

std::optional<Chord> Song::definedChordForName(const QString &name) const
{
    const std::optional<QString> definition = SongTextData::chordDefinition(heldText(), name);
    if (!definition)
        return std::nullopt;
    const Chord chord = Chord::fromDefinition(*definition);
    // A definition without frets gives no chord, so that the chord library's can stand in.
    if (!chord.valid())
        return std::nullopt;
    return chord;
}

std::optional<Chord> Song::chordForName(const QString &name) const
{
    if (std::optional<Chord> chord = definedChordForName(name))
        return chord;
    Chords *library = AppContext::instance()->chords();
    if (!library)
        return std::nullopt;
    const QList<Chord> chords = library->chordsForTitle(name);
    return chords.isEmpty() ? std::nullopt : std::optional<Chord>(chords.first());
}

QString Song::instrument() const
{
    return valueInTextForUserControl(heldText(), QStringLiteral("instrument")).replace(u' ', u'_');
}

std::optional<QString> Song::tuning() const
{
    return SongTextData::tuning(valueInTextForUserControl(heldText(), QStringLiteral("tuning")));
}

QString Song::musicpath() const
{
    if (!m_musicpathValue)
        m_musicpathValue = valueInText(heldText(), QStringLiteral("musicpath"));
    QString path = *m_musicpathValue;
    if (path.isEmpty())
        return QString();
    if (!path.startsWith(u'/')) {
        const QString songFolder = SongSettings::songDirectory();
        if (songFolder.isEmpty())
            return QString();
        path = QDir(songFolder).filePath(path);
    }
    return FileStamp::of(path).exists() ? path : QString();
}

bool Song::setMusicpath(const QString &path)
{
    return saveText(replaceValueInText(heldText(), QStringLiteral("musicpath"), path));
}

QList<MidiEvent> Song::midiEventsToSend() const
{
    return MidiEvent::midiEventsFromString(valueInTextForUserControl(heldText(), QStringLiteral("midi")));
}

std::optional<QString> Song::midiIndex() const
{
    if (!m_midiIndexValue)
        m_midiIndexValue = valueInText(heldText(), QStringLiteral("midi-index"));
    return m_midiIndexValue->isEmpty() ? std::nullopt : m_midiIndexValue;
}

QList<MidiEvent> Song::midiEventsToSelectSong() const
{
    return MidiEvent::midiEventsFromString(midiIndex().value_or(QString()));
}

quint32 Song::checksum() const
{
    return SongTextData::checksum(heldText());
}

void Song::replaceUmlauts()
{
    changeText(SongTextData::replacedUmlauts(heldText()));
}
