// An instrument whose chords the system knows: its strings' open tones and tuning, or a keyboard.
#pragma once

#include "chorddisplayoptions.h"

#include <QString>

#include <array>

class Instrument
{
public:
    // Chords store one value per string for at most this many strings.
    static constexpr int maxStrings = 6;

    // 6 strings, not a keyboard, no tones and no title.
    Instrument() = default;
    // An instrument with the given strings; numstrings is kept within 0..maxStrings.
    // Open tones are in semitones from middle C (0), lowest string first; a keyboard has no tones.
    Instrument(const QString &title, int numstrings, const std::array<int, maxStrings> &basetones,
               bool isKeyboard = false);

    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    int numstrings() const { return m_numstrings; }
    bool isKeyboard() const { return m_isKeyboard; }
    // The Mountain Dulcimer's frets are diatonic: chords store fret numbers, not semitones.
    bool hasDiatonicFrets() const;

    // Open tone of a string in storage order, without detuning; 0 for a keyboard or a string it lacks.
    int baseToneForString(int string) const;
    // Open tone plus detuning of a string in storage order; 0 for a keyboard or a string it lacks.
    int tunedToneForString(int string) const;
    // Tuned tone of the string shown in a diagram column (mirrored for left-handed display).
    int toneForString(qint64 column, const ChordDisplayOptions &options) const;
    // The string (storage order) shown in a diagram column, or -1 for a column the instrument lacks.
    int stringForColumn(qint64 column, const ChordDisplayOptions &options) const;

private:
    std::array<int, maxStrings> m_basetones{};
    std::array<qint64, maxStrings> m_deltatuning{}; // semitones per string; all 0 is standard tuning
    bool m_isKeyboard = false;
    int m_numstrings = maxStrings;
    QString m_title;
};
