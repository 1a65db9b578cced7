// What chord diagrams read of the settings, at the moment they are drawn.
#pragma once

#include "chorddisplayoptions.h"

class Instrument;

struct DiagramSettings
{
    const Instrument &instrument; // the current instrument; a plain six-string one while there is none
    ChordDisplayOptions display;
    bool markBaseInChord = false;

    // From the shared settings; defaults when there are none (yet).
    static DiagramSettings current();
};
