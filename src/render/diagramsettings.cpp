// What chord diagrams read of the settings, at the moment they are drawn.
#include "diagramsettings.h"

#include "appcontext.h"
#include "instrument.h"
#include "prefs.h"

DiagramSettings DiagramSettings::current()
{
    static const Instrument noInstrument;
    const Prefs *prefs = AppContext::instance()->prefs();
    const Instrument *instrument = prefs ? prefs->currentInstrument() : nullptr;
    DiagramSettings settings{instrument ? *instrument : noInstrument, {}, false};
    if (prefs) {
        settings.display = prefs->chordDisplayOptions();
        settings.markBaseInChord = prefs->markBaseInChord();
    }
    return settings;
}
