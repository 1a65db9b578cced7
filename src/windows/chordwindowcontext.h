// What the chord windows read from the shared objects at the moment of use, safe while any of them is missing.
#pragma once

#include "chorddisplayoptions.h"

class Chords;
class Instrument;

class ChordWindowContext
{
public:
    // The current instrument's chord library, asked anew each time: switching the instrument replaces it.
    static Chords *chords();
    // The current instrument; a default six-string instrument while there is none.
    static const Instrument &instrument();
    static bool isKeyboard();
    static ChordDisplayOptions displayOptions();
    static bool largeChordDiagrams();
};
