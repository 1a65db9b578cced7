// How an instrument is played, as far as choosing its chord grips goes; its tuning is the Instrument's own.
#pragma once

#include "fretboard.h"

class Instrument;

class PlayingStyle
{
public:
    // The fingering search's view of a fretted instrument: its open tones as the instrument table gives
    // them, its frets, and the rules its players follow.
    static Fretboard fretboardFor(const Instrument &instrument);
    // Guitar-like and bass instruments keep the chord's root (or a slash chord's bass) lowest.
    static bool keepsRootInBass(const Instrument &instrument);
};
