// Tone sets of a concrete chord.
#include "chordtarget.h"

#include "chordformula.h"

#include <bit>

unsigned ChordTarget::transposedMask(unsigned mask, int steps)
{
    const int shift = ((steps % 12) + 12) % 12;
    return ((mask << shift) | (mask >> (12 - shift))) & 0xFFFu;
}

unsigned ChordTarget::allowedTones() const
{
    const unsigned tones = transposedMask(formula->toneMask(), root);
    return bass == NoBass ? tones : tones | (1u << bass);
}

unsigned ChordTarget::requiredTones() const
{
    const unsigned tones = transposedMask(formula->requiredMask(), root);
    return bass == NoBass ? tones : tones | (1u << bass);
}

unsigned ChordTarget::usualTones() const
{
    return transposedMask(formula->roleMask(ToneRole::Usual), root) & ~requiredTones();
}

unsigned ChordTarget::spareTones() const
{
    return transposedMask(formula->roleMask(ToneRole::Spare), root) & ~requiredTones();
}

int ChordTarget::requiredCount() const
{
    return std::popcount(requiredTones());
}

int ChordTarget::lowestTone(bool rootInBass) const
{
    if (bass != NoBass)
        return bass;
    return rootInBass ? root : NoBass;
}

int ChordTarget::third() const
{
    for (const ChordTone &tone : formula->tones)
        if (tone.interval >= 2 && tone.interval <= 5)
            return (root + tone.interval) % 12;
    return NoTone;
}
