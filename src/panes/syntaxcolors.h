// The editor's colours for the kinds of tokens of a song text, in a light and a dark appearance.
#pragma once

#include <QColor>
#include <optional>

class QPalette;

class SyntaxColors
{
public:
    // The colour of a token type (ChordproToken::Type); nothing for plain text, which keeps the text colour.
    static std::optional<QColor> colorForTokenType(int type, bool dark);
    // A dark appearance: the text is lighter than the background it is written on.
    static bool isDark(const QPalette &palette);
};
