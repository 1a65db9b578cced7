// The chords of lyric lines with their columns, and the chord clipboard text: how the editor copies the
// chords of some lines and applies them to other lines with the same melody.
#pragma once

#include "textrange.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One chord of a lyric line: its name without brackets and its column in the line with all chords
// removed, counted in UTF-16 units from 0.
struct ChordPosition
{
    QString chord;
    qsizetype pos = 0;
    bool operator==(const ChordPosition &other) const = default;
};
// The chords of one line, in line order.
using ChordPositionList = QList<ChordPosition>;

class ChordPositions
{
public:
    static ChordPositionList chordsWithPositionsForLine(const QString &line);
    static QList<ChordPositionList> chordsWithPositionsForLines(const QStringList &lines);
    static QList<ChordPositionList> chordsWithPositionsForRange(TextRange range, const QString &text);

    // The line with each chord inserted at its column; a column beyond the line is reached with blanks.
    static QString insertChordsWithPositions(const ChordPositionList &chords, const QString &line);
    // List i inserted into line i (an empty line where there are fewer lines than lists); lines beyond the
    // lists stay as they are.
    static QStringList insertChordsWithPositions(const QList<ChordPositionList> &lists, const QStringList &lines);

    // The chord clipboard text: one line per list, each chord bracketed at its column, blanks between.
    static QString chordsWithSpacesFor(const QList<ChordPositionList> &lists);
    // The text of the range (kept within the text) split at "\n".
    static QStringList linesForRange(TextRange range, const QString &text);
    // The whole text with the range's lines replaced by those lines with the chords inserted; nothing for
    // an empty range.
    static std::optional<QString> applyChordsWithPositions(const QList<ChordPositionList> &lists, TextRange range,
                                                           const QString &text);
    static bool hasChordsInRange(TextRange range, const QString &text);
    static QString removeChordsFromText(const QString &text);
};
