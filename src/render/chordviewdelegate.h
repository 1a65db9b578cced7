// How a chord view tells its owner which chord diagram was clicked.
#pragma once

class Chord;
class ChordView;

class ChordViewDelegate
{
public:
    virtual ~ChordViewDelegate() = default;
    // The chord under the click, already highlighted in the view. The view is not redrawn for the
    // owner: its reaction (a menu, a chord window) follows first.
    virtual void chordView(ChordView &view, const Chord &selectedChord) = 0;
};
