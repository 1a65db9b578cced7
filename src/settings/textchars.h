// The character classes of the song text format: what is a blank, what ends a line, and trimming by them.
#pragma once

#include <QString>

class TextChars
{
public:
    static bool isBlankOrTab(QChar c) { return c == u' ' || c == u'\t'; }
    // What ends a line: LF, CR (also as CR-LF), NEL, LS and PS.
    static bool isLineTerminator(QChar c)
    {
        return c == u'\n' || c == u'\r' || c == u'\u0085' || c == u'\u2028' || c == u'\u2029';
    }
    // What is trimmed from a line as its line break: the terminators, VT and FF.
    static bool isLineBreak(QChar c) { return isLineTerminator(c) || c == u'\v' || c == u'\f'; }

    // Directive values are trimmed of blanks and tabs only: line breaks stay.
    static QString trimmedBlanksAndTabs(QStringView text) { return trimmed(text, isBlankOrTab); }
    static QString trimmedLineBreaks(QStringView text) { return trimmed(text, isLineBreak); }

private:
    static QString trimmed(QStringView text, bool (*isTrimmed)(QChar));
};
