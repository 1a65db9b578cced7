// Encoding of chord records as the chord library reads them.
#include "chordrecord.h"

namespace {

int storedValue(int value)
{
    return value == Chord::muted ? Chord::fretFifteen : value;
}

} // namespace

Chord::Strings ChordRecord::valuesForFrets(const Frets &frets)
{
    Chord::Strings values;
    values.fill(Chord::muted);
    for (size_t string = 0; string < frets.size() && string < values.size(); ++string)
        values[string] = frets[string] == Playability::Muted ? Chord::muted : storedValue(frets[string]);
    return values;
}

Chord::Strings ChordRecord::valuesForNotes(const KeyboardVoicer::Notes &notes)
{
    Chord::Strings values;
    values.fill(Chord::muted);
    for (size_t slot = 0; slot < notes.size() && slot < values.size(); ++slot)
        values[slot] = storedValue(notes[slot]);
    return values;
}

QByteArray ChordRecord::data(const Chord &chord)
{
    QByteArray data;
    for (int value : chord.strings())
        data.append(static_cast<char>(static_cast<qint8>(value)));
    data.append(2, '\0'); // not read
    // Our titles are plain ASCII, which Windows-1252 stores byte for byte.
    data.append(chord.title().toLatin1());
    data.append('\0');
    return data;
}
