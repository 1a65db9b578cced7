// What the chord windows read from the shared objects.
#include "chordwindowcontext.h"

#include "appcontext.h"
#include "instrument.h"
#include "prefs.h"

Chords *ChordWindowContext::chords()
{
    return AppContext::instance()->chords();
}

const Instrument &ChordWindowContext::instrument()
{
    static const Instrument none;
    const Prefs *prefs = AppContext::instance()->prefs();
    const Instrument *current = prefs ? prefs->currentInstrument() : nullptr;
    return current ? *current : none;
}

bool ChordWindowContext::isKeyboard()
{
    return instrument().isKeyboard();
}

ChordDisplayOptions ChordWindowContext::displayOptions()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    return prefs ? prefs->chordDisplayOptions() : ChordDisplayOptions();
}

bool ChordWindowContext::largeChordDiagrams()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    return prefs && prefs->largeChordDiagrams();
}
