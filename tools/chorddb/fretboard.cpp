// Pitches of a fretboard, chromatic or diatonic.
#include "fretboard.h"

#include <array>

int Fretboard::diatonicSemitones(int fret)
{
    // A dulcimer's frets give the major scale of the open string with a lowered seventh (no 6+ fret).
    static constexpr std::array<int, 11> semitones = {0, 2, 4, 5, 7, 9, 10, 12, 14, 16, 17};
    return fret >= 0 && fret < static_cast<int>(semitones.size()) ? semitones[fret] : 0;
}

int Fretboard::pitch(int string, int fret) const
{
    return openPitches[string] + (diatonicFrets ? diatonicSemitones(fret) : fret);
}
