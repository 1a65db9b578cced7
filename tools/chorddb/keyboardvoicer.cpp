// Stacks a chord's tones on the keys.
#include "keyboardvoicer.h"

#include "chordformula.h"

#include <algorithm>

namespace {

// The tones a pianist plays: required and usual ones, the clashing spare ones left out.
std::vector<int> playedIntervals(const ChordFormula &formula)
{
    std::vector<int> intervals;
    for (const ChordTone &tone : formula.tones)
        if (tone.role != ToneRole::Spare)
            intervals.push_back(tone.interval);
    return intervals;
}

// Moves a voicing by octaves so its bass lies in the comfortable range.
KeyboardVoicer::Notes placed(KeyboardVoicer::Notes notes)
{
    while (notes.front() > KeyboardVoicer::HighestBass)
        for (int &note : notes)
            note -= 12;
    while (notes.front() < KeyboardVoicer::LowestBass || notes.front() == KeyboardVoicer::ForbiddenBass)
        for (int &note : notes)
            note += 12;
    return notes;
}

// The bass tone, then every other tone once, each at its first key above the bass.
KeyboardVoicer::Notes closeAbove(int bassTone, const std::vector<int> &tones)
{
    KeyboardVoicer::Notes notes = {bassTone};
    for (int tone : tones) {
        const int above = ((tone - bassTone) % 12 + 12) % 12;
        if (above != 0)
            notes.push_back(bassTone + above);
    }
    std::sort(notes.begin(), notes.end());
    notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
    return notes;
}

} // namespace

std::vector<KeyboardVoicer::Notes> KeyboardVoicer::voicings(const ChordTarget &target)
{
    const std::vector<int> intervals = playedIntervals(*target.formula);
    std::vector<int> tones;
    for (int interval : intervals)
        tones.push_back(target.root + interval);
    if (target.bass != ChordTarget::NoBass)
        return {placed(closeAbove(target.bass, tones))};

    std::vector<Notes> result = {placed(Notes(tones.begin(), tones.end()))};
    for (size_t i = 1; i < intervals.size(); ++i)
        if (intervals[i] < 12)
            result.push_back(placed(closeAbove(tones[i], tones)));
    return result;
}
