// What a fretting hand needs for a fingering, and whether one hand can do it.
#pragma once

#include <vector>

// Frets per string, lowest string first: Muted, 0 open, or the fret pressed.
using Frets = std::vector<int>;

struct HandShape
{
    int fingers = 0;     // fingers pressing strings; a barre counts as one
    bool barre = false;  // the index finger lies across the lowest fret
    int lowestFret = 0;  // lowest pressed fret, 0 when nothing is pressed
    int highestFret = 0; // highest pressed fret, 0 when nothing is pressed
    int span = 0;        // frets covered from lowest to highest pressed, 0 when nothing is pressed
};

class Playability
{
public:
    static constexpr int Muted = -1;
    static constexpr int MaxFingers = 4;

    static HandShape handShape(const Frets &frets);
    // Frets the hand covers at most: four, five from the seventh fret up, where the frets lie closer.
    static int allowedSpan(int lowestFret);
    static bool withinReach(const HandShape &shape);
    // Muted strings that lie between sounded ones; a strum cannot leave them out cleanly.
    static int innerMutedStrings(const Frets &frets);
};
