// One concrete chord to finger: a root, a quality and, for a slash chord, the tone in the bass.
#pragma once

struct ChordFormula;

struct ChordTarget
{
    static constexpr int NoBass = -1;
    static constexpr int NoTone = -1;

    int root = 0; // tone 0..11, C = 0
    const ChordFormula *formula = nullptr;
    int bass = NoBass; // tone of a slash chord's bass, or NoBass

    // Masks of absolute tones (bit t for tone t, 0..11).
    unsigned allowedTones() const;  // every tone that may sound: the formula's and the slash bass
    unsigned requiredTones() const; // tones that must sound, the slash bass among them
    unsigned usualTones() const;
    unsigned spareTones() const;
    int requiredCount() const;
    // The chord's third (minor or major) or the tone a sus chord puts in its place; NoTone for power chords.
    int third() const;
    // The tone that must sound lowest: the slash bass, else the root when the instrument keeps the root below.
    int lowestTone(bool rootInBass) const;

    static unsigned transposedMask(unsigned mask, int steps);
};
