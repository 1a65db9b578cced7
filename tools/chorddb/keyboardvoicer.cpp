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

// The bass note, then every other tone once, each on its first key above the bass.
KeyboardVoicer::Notes closeAbove(int bass, const std::vector<int> &tones)
{
    KeyboardVoicer::Notes notes = {bass};
    for (int tone : tones) {
        const int above = ((tone - bass) % 12 + 12) % 12;
        if (above != 0)
            notes.push_back(bass + above);
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
        return {closeAbove(target.bass, tones)};

    std::vector<Notes> result = {Notes(tones.begin(), tones.end())};
    for (size_t i = 1; i < intervals.size(); ++i)
        if (intervals[i] < 12)
            result.push_back(closeAbove(tones[i], tones));
    return result;
}
