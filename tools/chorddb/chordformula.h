// A chord quality as music theory writes it: the tones above the root, and which of them a player may leave out.
#pragma once

#include <string>
#include <vector>

// How much a tone matters to the sound of its chord.
enum class ToneRole {
    Required, // names the quality: root, third, the fourth of sus, the seventh of seventh chords, altered tones
    Usual,    // part of the full chord but often left out (the fifth of seventh chords): a small cost when missing
    Spare,    // may sound, usually left out because it clashes (the third of 11): a small cost when sounding
};

struct ChordTone
{
    int interval; // semitones above the root; ninths and above keep their height (a ninth is 14) for keyboards
    ToneRole role;
};

struct ChordFormula
{
    std::string suffix;               // as the chord library files names: "" major, "m7", "6/9", ...
    std::vector<ChordTone> tones;     // root first, then upwards as a keyboard player stacks them
    std::vector<std::string> aliases; // other suffixes songs write for it that the name rules do not map

    // Pitch-class masks (bit t for tone t above the root).
    unsigned toneMask() const;
    unsigned requiredMask() const;
    unsigned roleMask(ToneRole role) const;
    int requiredCount() const;
};
