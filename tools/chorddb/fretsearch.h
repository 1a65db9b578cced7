// Finds the fingerings of a chord on a fretboard: every playable voicing, ranked from the easiest.
#pragma once

#include "chordtarget.h"
#include "fretboard.h"
#include "gripscore.h"
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
    // Lower is easier: the total of score().
    int difficulty(const Frets &frets, const ChordTarget &target) const;
    // The ranking rules that apply to a fingering, each with its cost.
    GripScore score(const Frets &frets, const ChordTarget &target) const;

    const Fretboard &board() const { return m_board; }

private:
    // Tones sounded (bit per tone) and the lowest pitch sounded.
    unsigned soundedTones(const Frets &frets, int &lowestPitch) const;
    int mutingCost(const Frets &frets) const;
    int frettedSoundings(const Frets &frets, int tone) const;
    bool hasFifthOverTheBass(const Frets &frets, const ChordTarget &target) const;
    bool isMovableForm(const Frets &frets, const HandShape &shape, const ChordTarget &target) const;
    int openStringCost(const Frets &frets, const HandShape &shape, const ChordTarget &target) const;

    Fretboard m_board;
};
