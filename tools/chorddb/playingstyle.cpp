// Guitar-like instruments versus the small, re-entrant and fifth-tuned ones that strum every string.
#include "playingstyle.h"

#include "instrument.h"

#include <QStringList>

namespace {

// A dulcimer's diatonic frets end at the octave and a half of its scale (Chord::mountainDulcimerString).
constexpr int highestDiatonicFret = 10;

} // namespace

bool PlayingStyle::keepsRootInBass(const Instrument &instrument)
{
    // The cigar box guitar's three strings (G D G) sound every chord whole, in whatever inversion they give.
    static const QStringList guitarLike = {QStringLiteral("Guitar"), QStringLiteral("Guitalele")};
    return instrument.isBass() || guitarLike.contains(instrument.title());
}

Fretboard PlayingStyle::fretboardFor(const Instrument &instrument)
{
    Fretboard board;
    for (int string = 0; string < instrument.numstrings(); ++string)
        board.openPitches.push_back(instrument.baseToneForString(string));
    board.diatonicFrets = instrument.hasDiatonicFrets();
    if (board.diatonicFrets) {
        board.highestFret = highestDiatonicFret;
        board.highestPosition = highestDiatonicFret;
    }
    board.rootInBass = keepsRootInBass(instrument);
    // Ukuleles, mandolins and their kin sound every string; their players rarely mute one. A banjo's
    // players leave its drone string out as freely as a guitarist leaves out a bass string.
    board.strumsAllStrings = !board.rootInBass && instrument.title() != QLatin1String("Banjo");
    return board;
}
