// Finding the chords of a song text (bracketed and in chord grids) and rewriting them all: transposition
// and Nashville numbers. Pure functions of the text; Song applies them to its own text and key.
#pragma once

#include "textrange.h"

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

class SongTransposition
{
public:
    // The bodies of the chord grids, sorted: from behind a "start_of_grid"/"sog" directive (any case, with
    // any suffix) to the next directive, or to the end of the text when the grid is left open.
    static QList<TextRange> gridRanges(const QString &text);
    // The chord cells of a grid body: words starting with A-H between the first and the last bar line of
    // their line. Beat marks ".", repeat marks "%" and labels outside the bars are no chords.
    static QList<TextRange> chordRangesInGrid(const QString &grid);
    // The cells of a grid body that are Nashville numbers.
    static QList<TextRange> nnsRangesInGrid(const QString &grid);
    static QString transposeGrid(const QString &grid, qint64 step, QChar favor);

    // The spelling for transposing a song in this key by step: flats when the new key is written with flats.
    static QChar automaticFavor(const QString &key, qint64 step);
    // Every chord of the grids and every valid bracketed chord moved by step; the key directive is left alone.
    static QString transposedChords(const QString &text, qint64 step, QChar favor);

    // True when a grid cell or a bracketed text is a Nashville number.
    static bool isNNS(const QString &text);
    // Valid chords (bracketed and in grids) as Nashville numbers relative to the key.
    static QString convertedToNNS(const QString &text, const QString &key);
    // Nashville numbers (bracketed and in grids) as chord names in the key, spelled as the key is.
    static QString convertedFromNNS(const QString &text, const QString &key);
    // The accidental that naming the numbers of a song in this key uses.
    static QChar favorForNNSKey(const QString &key);

    // The semitones from the song's key to another key (-11..11); 0 when either is empty.
    static int deltaForTransposeKey(const QString &songKey, const QString &newKey);
    // The key moved by step (favor 0: the new key's own spelling); nothing without a key.
    static std::optional<QString> keyForTransposeDelta(const QString &key, qint64 step, QChar favor = QChar());
};
