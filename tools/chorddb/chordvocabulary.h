// The chord qualities and slash chords the built-in databases hold: what real song files write.
#pragma once

#include "chordformula.h"

#include <string>
#include <vector>

// A slash chord of the vocabulary: a quality with a bass tone at a fixed interval above its root.
struct SlashChord
{
    std::string suffix; // the quality above the bass
    int bassInterval;   // 0..11 above the root: its own third or fifth, or a walking bass
};

class ChordVocabulary
{
public:
    static const std::vector<ChordFormula> &formulas();
    // nullptr when the suffix is not in the vocabulary (aliases are not suffixes).
    static const ChordFormula *find(const std::string &suffix);
    static const std::vector<SlashChord> &slashChords();
};
