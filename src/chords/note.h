// One sounding tone of a chord, placed on a staff and on a keyboard.
#pragma once

#include <QString>

class Note
{
public:
    // Semitones from middle C (0): -12 is the C an octave lower, 16 the E in the next octave.
    explicit Note(int noteValue = 0)
        : m_noteValue(noteValue)
    {}

    int noteValue() const { return m_noteValue; }
    void setNoteValue(int noteValue) { m_noteValue = noteValue; }

    // -1, 0 or 1 as this value is lower than, equal to or higher than the other's.
    int compare(const Note &other) const;
    bool operator<(const Note &other) const { return m_noteValue < other.m_noteValue; }
    bool operator==(const Note &other) const { return m_noteValue == other.m_noteValue; }

    // Position in staff-line distances: on the treble staff E above middle C is 0, middle C -1;
    // the bass staff (treble false) is 2.5 higher. A sharp sits on its natural below.
    float stafflineTreble(bool treble) const;
    // Index of the white key: middle C 0, D 1 … the next C 7, the B below -1; a sharp gives the key below.
    int whiteKeyboardKey() const;
    // A black key.
    bool isSharp() const;
    QString description() const;

private:
    int pitchClass() const;
    int octave() const;
    double staffPosition(bool treble) const;

    int m_noteValue = 0;
};
