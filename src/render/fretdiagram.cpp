// A chord's fingering made ready for a fretted diagram.
#include "fretdiagram.h"

#include "chord.h"
#include "diagramsettings.h"
#include "instrument.h"

FretDiagram FretDiagram::fromChord(const Chord &chord, int columns, const DiagramSettings &settings)
{
    const Instrument &instrument = settings.instrument;
    FretDiagram diagram;
    diagram.title = chord.displayName(settings.display);
    for (int column = 0; column < columns; ++column) {
        const int value = chord.stringAt(column, instrument, settings.display);
        Column c;
        c.muted = value == Chord::muted;
        c.fret = c.muted ? 0 : Chord::fretOfValue(value);
        c.root = settings.markBaseInChord && chord.isBaseAt(column, instrument, settings.display);
        diagram.columns.append(c);
    }
    diagram.baseFret = chord.baseFret(instrument);
    diagram.numFrets = chord.numFrets(instrument);
    diagram.baseFretLabel = chord.baseFretAsString(instrument);
    int fromString = 0;
    int toString = 0;
    int fret = 0;
    if (chord.barreFromString(fromString, toString, fret, instrument)) {
        // Mirroring maps a column to its string and a string to its column alike.
        diagram.barre = Barre{instrument.stringForColumn(fromString, settings.display),
                              instrument.stringForColumn(toString, settings.display), Chord::fretOfValue(fret)};
    }
    diagram.temp = chord.temp();
    diagram.editable = chord.editable();
    diagram.favorite = chord.favorite();
    diagram.invert = chord.invert();
    return diagram;
}
