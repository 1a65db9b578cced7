#include "syntaxcolors.h"

#include "chordprotoken.h"
#include "systemlook.h"

#include <QPalette>

std::optional<QColor> SyntaxColors::colorForTokenType(int type, bool dark)
{
    switch (type) {
    case ChordproToken::Control:
        return dark ? QColor(172, 142, 104) : QColor(153, 102, 51);
    case ChordproToken::Comment:
        return dark ? QColor(48, 209, 88) : QColor::fromRgbF(0.2f, 0.7f, 0.2f);
    case ChordproToken::Chord:
        // Chords are indigo in both appearances; the dark one is a little brighter.
        return dark ? QColor(94, 92, 230) : SystemLook::indigoColor();
    case ChordproToken::Tab:
        return dark ? QColor(191, 90, 242) : QColor(128, 0, 128);
    default:
        return std::nullopt;
    }
}

bool SyntaxColors::isDark(const QPalette &palette)
{
    return palette.color(QPalette::Text).lightness() > palette.color(QPalette::Base).lightness();
}
