// Finds the fingerings of a chord on a fretboard: every playable voicing, ranked from the easiest.
#pragma once

#include "chordtarget.h"
#include "fretboard.h"
#include "playability.h"

#include <string>
#include <vector>

class FretSearch
{
public:
    // What a candidate fingering breaks first, if anything.
    enum class Verdict { Playable, TooFewStrings, ForeignTone, MissingTone, WrongBass, InnerMutes, OutOfReach };

    explicit FretSearch(Fretboard board);

    // Where on the neck a grip sits: 0 for every grip with open strings, else its lowest pressed fret.
    static int position(const Frets &frets);
    // The easiest fingering at each position, easiest first, at most maxCount.
    std::vector<Frets> fingerings(const ChordTarget &target, int maxCount) const;
    // Why fingerings() finds nothing, in words for a reader of the gap list; empty when it finds something.
    std::string whyUnplayable(const ChordTarget &target) const;

    Verdict judge(const Frets &frets, const ChordTarget &target) const;
    // Lower is easier: high frets, muted strings, fingers, barre, stretch and missing usual tones all cost.
    int difficulty(const Frets &frets, const ChordTarget &target) const;

    const Fretboard &board() const { return m_board; }

private:
    // Tones sounded (bit per tone) and the lowest pitch sounded.
    unsigned soundedTones(const Frets &frets, int &lowestPitch) const;
    int mutingCost(const Frets &frets) const;

    Fretboard m_board;
};
