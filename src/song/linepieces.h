// A line of song text cut into lyric pieces, each with the chord before it, as the exports lay it out.
#pragma once

#include <QStringList>

#include <optional>

struct LinePieces
{
    QStringList lyrics;
    // One chord per lyric piece; "" for the piece before the first chord.
    QStringList chords;

    // Nothing for a line without chords. A "[" that is never closed starts no chord: it and the rest of
    // the line stay lyrics, so both lists always have the same length.
    static std::optional<LinePieces> fromLine(const QString &line);
};
