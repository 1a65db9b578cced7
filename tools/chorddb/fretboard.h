// A fretted instrument as the fingering search sees it: open pitches, frets, and how it is played.
#pragma once

#include <vector>

struct Fretboard
{
    std::vector<int> openPitches;  // semitones from middle C (0), lowest string first, as stored
    int highestFret = 15;          // the search stays below it
    int highestPosition = 12;      // the lowest fretted fret of a fingering: one octave of positions
    bool diatonicFrets = false;    // fret numbers count the frets of a diatonic (mountain dulcimer) neck
    bool rootInBass = false;       // guitar-like and bass instruments: the lowest note names the chord
    bool strumsAllStrings = false; // small and re-entrant instruments: a muted string is unusual there

    int strings() const { return static_cast<int>(openPitches.size()); }
    // The pitch a string sounds at a fret (semitones from middle C).
    int pitch(int string, int fret) const;
    // Semitones above the open string at a diatonic fret 0..10.
    static int diatonicSemitones(int fret);
};
