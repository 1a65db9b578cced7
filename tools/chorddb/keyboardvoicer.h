// Keyboard voicings: root position and inversions in close position, from middle C upwards.
#pragma once

#include "chordtarget.h"

#include <vector>

class KeyboardVoicer
{
public:
    // Notes of one voicing, semitones from middle C (0), ascending.
    using Notes = std::vector<int>;

    static constexpr int MaxNotes = 6; // a keyboard chord record holds six notes

    // Root position first, its root in the octave from middle C, then the inversions on the chord's third,
    // fifth and seventh, each starting on that tone above the root. Every note is at or above middle C, so
    // no record starts with a negative byte that readers take for a non-chord mark, and the inversions
    // climb: a list ordered by its lowest notes keeps root position first.
    // A slash chord gets one voicing: its bass in the octave from middle C, the other tones closely above.
    static std::vector<Notes> voicings(const ChordTarget &target);
};
