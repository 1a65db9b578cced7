// Where an edit may cut a song text: never between the two UTF-16 halves of one character.
#pragma once

#include <QString>

class TextBoundary
{
public:
    // The index itself, or the one behind the character when the index falls inside a surrogate pair
    // (an emoji, a rare script), so that text inserted there never splits that character.
    static qsizetype atCharacter(const QString &text, qsizetype index)
    {
        if (index > 0 && index < text.size() && text[index].isLowSurrogate() && text[index - 1].isHighSurrogate())
            return index + 1;
        return index;
    }
};
