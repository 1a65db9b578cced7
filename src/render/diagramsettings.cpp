// What chord diagrams read of the settings, at the moment they are drawn.
#include "diagramsettings.h"

#include "appcontext.h"
#include "instrument.h"
#include "prefs.h"

DiagramSettings DiagramSettings::current()
{
    static const Instrument noInstrument;
    DiagramSettings settings{noInstrument, {}, false};
    if (const Prefs *prefs = AppContext::instance()->prefs()) {
        settings.display.latinChords = prefs->latinChords();
        settings.display.germanChords = prefs->germanChords();
        settings.display.leftHandedChordDisplay = prefs->leftHandedChordDisplay();
        settings.markBaseInChord = prefs->markBaseInChord();
    }
    return settings;
}
