// Tab text (chord names on a line of their own above the lyrics, placed by column) turned into the song
// text format: chord lines merged into their lyric lines as bracketed chords, "[Section]" lines into comments.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class TabConversion
{
public:
    // The text's lines, read by the song's line iterator, converted. Lines are joined by "\n"; the result
    // ends with "\n" unless the last line stood on its own.
    static QString convertedTabText(const QStringList &lines);

    // A capital A-H followed by letters, digits and "#()+-/": "Am7", "Bb/D", "H7"; not "Intro:" or "N.C.".
    static bool isChordWord(const QString &word);
    // "{c:Chorus}" for a line "[Chorus]"; nothing for other lines, and for a line of bracketed chords.
    static std::optional<QString> commentLine(const QString &line);
    // A line of chord words above a line that is not mostly blanks (not another chord line).
    static bool isTabLine(const std::optional<QString> &line, const std::optional<QString> &next);
    // The lyric line with each chord of the chord line inserted, bracketed, at the chord's column.
    static QString condenseLine(const QString &chords, const QString &lyrics);

private:
    static bool isChordWordLine(const QString &line);
};
