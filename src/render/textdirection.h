// Which way a song's text runs, decided by the letters of its lyrics.
#pragma once

#include <QString>
#include <Qt>

class TextDirection
{
public:
    // Right alignment when the lyric letters are mostly of right-to-left scripts (Hebrew, Arabic, Persian,
    // Urdu, Yiddish, ...), else left. Strong right-to-left letters are counted against strong
    // left-to-right ones; chords in brackets, directives in braces, comment lines and words that are
    // chord names (chord lines of tab songs) do not count. Empty or letterless text runs left to right.
    static Qt::Alignment alignmentForString(const QString &text);
};
