// An instrument whose chords the system knows: its strings' open tones and tuning, or a keyboard.
#include "instrument.h"

#include <QtGlobal>

Instrument::Instrument(const QString &title, int numstrings, const std::array<int, maxStrings> &basetones,
                       bool isKeyboard)
    : m_basetones(basetones)
    , m_isKeyboard(isKeyboard)
    , m_numstrings(qBound(0, numstrings, maxStrings))
    , m_title(title)
{}

bool Instrument::hasDiatonicFrets() const
{
    return m_title == QLatin1String("Mountain_Dulcimer");
}

int Instrument::baseToneForString(int string) const
{
    if (m_isKeyboard || string < 0 || string >= m_numstrings)
        return 0;
    return m_basetones[string];
}

int Instrument::tunedToneForString(int string) const
{
    if (m_isKeyboard || string < 0 || string >= m_numstrings)
        return 0;
    return m_basetones[string] + int(m_deltatuning[string]);
}

int Instrument::toneForString(qint64 column, const ChordDisplayOptions &options) const
{
    return tunedToneForString(stringForColumn(column, options));
}

int Instrument::stringForColumn(qint64 column, const ChordDisplayOptions &options) const
{
    if (column < 0 || column >= m_numstrings)
        return -1;
    return options.leftHandedChordDisplay ? m_numstrings - 1 - int(column) : int(column);
}
