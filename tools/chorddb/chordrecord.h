// Chord values and chord database records: the stored form of a generated fingering or voicing.
#pragma once

#include "chord.h"
#include "keyboardvoicer.h"
#include "playability.h"

#include <QByteArray>

class ChordRecord
{
public:
    // Fret values per string: muted strings 15, fret 15 as Chord::fretFifteen, strings beyond the grip muted.
    static Chord::Strings valuesForFrets(const Frets &frets);
    // Note values, lowest first: unused slots 15 (muted), note 15 as Chord::fretFifteen.
    static Chord::Strings valuesForNotes(const KeyboardVoicer::Notes &notes);
    // A chord record's data: six signed values, two unused bytes, the title and a terminating zero.
    static QByteArray data(const Chord &chord);
};
