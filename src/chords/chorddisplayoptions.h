// The display settings that chord names and chord diagrams follow, handed in by the caller (read from the settings).
#pragma once

// Chord code never reads the settings itself: the caller copies these flags from the settings object at the
// moment of use, so the rules stay pure and testable.
struct ChordDisplayOptions
{
    bool latinChords = false;            // names shown as Do, Re, Mi …
    bool germanChords = false;           // names shown with H for B and B for Bb (Latin wins when both are set)
    bool leftHandedChordDisplay = false; // diagram columns mirror the string order
};
