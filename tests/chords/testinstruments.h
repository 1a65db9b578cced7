// Instruments for tests, with the open tones the instrument table gives them (semitones from middle C).
#pragma once

#include "instrument.h"

inline Instrument guitar()
{
    return Instrument(QStringLiteral("Guitar"), 6, {-8, -3, 2, 7, 11, 16});
}

inline Instrument ukulele()
{
    return Instrument(QStringLiteral("Ukulele_C"), 4, {7, 0, 4, 9});
}

inline Instrument banjo()
{
    return Instrument(QStringLiteral("Banjo"), 5, {-5, 2, 7, 11, 14});
}

inline Instrument dulcimer()
{
    return Instrument(QStringLiteral("Mountain_Dulcimer"), 3, {2, 9, 14});
}

inline Instrument piano()
{
    return Instrument(QStringLiteral("Piano"), 6, {}, true);
}
