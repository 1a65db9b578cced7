// Pitch-class views of a chord formula.
#include "chordformula.h"

#include <bit>

unsigned ChordFormula::toneMask() const
{
    unsigned mask = 0;
    for (const ChordTone &tone : tones)
        mask |= 1u << (tone.interval % 12);
    return mask;
}

unsigned ChordFormula::roleMask(ToneRole role) const
{
    unsigned mask = 0;
    for (const ChordTone &tone : tones)
        if (tone.role == role)
            mask |= 1u << (tone.interval % 12);
    return mask;
}

unsigned ChordFormula::requiredMask() const
{
    return roleMask(ToneRole::Required);
}

int ChordFormula::requiredCount() const
{
    return std::popcount(requiredMask());
}
