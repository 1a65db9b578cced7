// Keyboard voicings: root position and inversions in close position around middle C.
#pragma once

#include "chordtarget.h"

#include <vector>

class KeyboardVoicer
{
public:
    // Notes of one voicing, semitones from middle C (0), ascending.
    using Notes = std::vector<int>;

    static constexpr int MaxNotes = 6; // a keyboard chord record holds six notes
    // Lowest note of every voicing: G below middle C up to F# above it.
    static constexpr int LowestBass = -5;
    static constexpr int HighestBass = 6;
    // A record whose first byte is 0xFE (-2) is no chord to the reader, so that bass goes an octave up.
    static constexpr int ForbiddenBass = -2;

    // Root position first, then the inversions on the chord's third, fifth and seventh.
    // A slash chord gets one voicing: its bass, then the other chord tones closely above it.
    static std::vector<Notes> voicings(const ChordTarget &target);
};
