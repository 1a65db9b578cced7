// What one fretted chord diagram shows, in display columns: a fingering made ready for drawing.
#pragma once

#include <QList>
#include <QString>

#include <optional>

class Chord;
struct DiagramSettings;

struct FretDiagram
{
    struct Column
    {
        bool muted = false;
        int fret = 0;      // 0 open, else the absolute fret; fret 15 (stored as -17) is 15 here
        bool root = false; // the string sounds the chord's root: drawn as a ring when the bass is marked
    };
    struct Barre
    {
        int firstColumn = 0;
        int lastColumn = 0;
        int fret = 0; // absolute, like Column::fret
    };

    QString title;
    QList<Column> columns; // left to right as drawn
    int baseFret = 0;      // 0: the diagram starts at the nut
    int numFrets = 4;      // fret rows shown
    QString baseFretLabel; // shown beside the first fret row when baseFret is not 0
    std::optional<Barre> barre;
    bool temp = false;     // defined in the song shown
    bool editable = false; // the user's own chord
    bool favorite = false;
    bool invert = false; // selected: drawn with foreground and background exchanged

    // The chord as the settings show it, in the given number of columns.
    static FretDiagram fromChord(const Chord &chord, int columns, const DiagramSettings &settings);
};
