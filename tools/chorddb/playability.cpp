// The hand's rules: fingers, barre and stretch.
#include "playability.h"

#include <algorithm>

namespace {

// A barre at the lowest pressed fret frees the fingers for the higher frets. It needs every string
// under it pressed at that fret or higher, since the finger would stop an open string and sound a muted one,
// and no string pressed beyond its treble end: the other fingers cannot reach round the flat index finger.
bool barreFits(const Frets &frets, int fret, int &fingersWithBarre)
{
    const auto first = std::find(frets.begin(), frets.end(), fret);
    const auto last = std::find(frets.rbegin(), frets.rend(), fret).base() - 1;
    if (first == last)
        return false;
    if (std::any_of(first, last, [fret](int f) { return f < fret; }))
        return false;
    if (std::any_of(last + 1, frets.end(), [](int f) { return f > 0; }))
        return false;
    fingersWithBarre =
        1 + static_cast<int>(std::count_if(frets.begin(), frets.end(), [fret](int f) { return f > fret; }));
    return true;
}

} // namespace

HandShape Playability::handShape(const Frets &frets)
{
    HandShape shape;
    int pressed = 0;
    for (int fret : frets) {
        if (fret <= 0)
            continue;
        shape.lowestFret = pressed == 0 ? fret : std::min(shape.lowestFret, fret);
        shape.highestFret = std::max(shape.highestFret, fret);
        ++pressed;
    }
    shape.fingers = pressed;
    if (pressed == 0)
        return shape;
    shape.span = shape.highestFret - shape.lowestFret + 1;
    int fingersWithBarre = 0;
    if (barreFits(frets, shape.lowestFret, fingersWithBarre) && fingersWithBarre < pressed) {
        shape.fingers = fingersWithBarre;
        shape.barre = true;
    }
    return shape;
}

int Playability::allowedSpan(int lowestFret)
{
    return lowestFret >= 7 ? 5 : 4;
}

bool Playability::withinReach(const HandShape &shape)
{
    return shape.fingers <= MaxFingers && shape.span <= allowedSpan(shape.lowestFret);
}

int Playability::innerMutedStrings(const Frets &frets)
{
    const auto sounded = [](int fret) { return fret != Muted; };
    const auto first = std::find_if(frets.begin(), frets.end(), sounded);
    const auto last = std::find_if(frets.rbegin(), frets.rend(), sounded).base();
    if (first >= last)
        return 0;
    return static_cast<int>(std::count(first, last, Muted));
}
