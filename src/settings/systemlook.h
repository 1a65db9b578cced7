// The desktop's fonts and colours as the settings' defaults use them: every stand-in for a system font or
// colour is chosen here, once.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class SystemLook
{
public:
    // The size of ordinary interface text, in points. A fixed 13 pt rather than the desktop's setting, so
    // that default settings, and the layouts made with them, are the same on every machine.
    static double systemFontSize();
    // A family at a size; a size of 0 or less gives the system font size.
    static QFont font(const QString &family, double pointSize);
    static QFont systemFont(double pointSize);
    static QFont boldSystemFont(double pointSize);
    // The desktop's monospaced font at the size, or the first installed fixed-pitch family where Qt does not
    // find the desktop's one fixed pitch.
    static QFont fixedPitchFont(double pointSize);
    // A font family installed on this machine. QFont itself never reports a missing family, it silently
    // substitutes one, so every "is this font here" question comes through this check.
    static bool hasFamily(const QString &family);
    // The chord names' default family: a rounded, hand-written-looking one. When none of those is installed
    // the first is still named, so the chord font falls back to the bold system font until it is.
    static QString chordFontFamily();

    static QColor textColor();
    static QColor textBackgroundColor();
    static QColor clearColor();
    static QColor indigoColor();
    static QColor yellowColor();
};
