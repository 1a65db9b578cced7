// Text rules of the song editor: reading the song text back from the editor, and what a double-click selects.
#pragma once

#include <QString>

class QTextDocument;

class EditorText
{
public:
    // The document's text with every character the song holds: no-break spaces and line separators stay
    // as they are, and each paragraph break becomes a line feed. Positions equal the document's positions.
    static QString toRawText(const QTextDocument &document);

    struct Range
    {
        qsizetype start = 0;
        qsizetype end = 0;
        bool operator==(const Range &other) const = default;
    };
    // The word selection a double-click makes of the proposed range [start, end): it grows over every
    // character but blanks and line ends, and stops after taking a "[" on the left or a "]" on the right,
    // so a bracketed chord is selected with its brackets, together with a word glued to it.
    static Range doubleClickRange(const QString &text, Range proposed);
};
