// One sounding tone of a chord, placed on a staff and on a keyboard.
#include "note.h"

namespace {

// Staff offset of each pitch class from the treble staff's bottom line (E), in line distances.
constexpr double kStaffOffsets[12] = {-1.0, -1.0, -0.5, -0.5, 0.0, 0.5, 0.5, 1.0, 1.0, 1.5, 1.5, 2.0};
// The bass staff's lines sit 2.5 line distances above the same pitch's treble position.
constexpr double kBassStaffShift = 2.5;
// One octave spans three and a half line distances (seven staff positions).
constexpr double kOctaveHeight = 3.5;

} // namespace

int Note::compare(const Note &other) const
{
    return m_noteValue < other.m_noteValue ? -1 : (m_noteValue > other.m_noteValue ? 1 : 0);
}

int Note::pitchClass() const
{
    return ((m_noteValue % 12) + 12) % 12;
}

int Note::octave() const
{
    // Rounded down: -1 is in octave -1.
    return (m_noteValue - pitchClass()) / 12;
}

double Note::staffPosition(bool treble) const
{
    const double position = octave() * kOctaveHeight + kStaffOffsets[pitchClass()];
    return treble ? position : position + kBassStaffShift;
}

float Note::stafflineTreble(bool treble) const
{
    return float(staffPosition(treble));
}

int Note::whiteKeyboardKey() const
{
    // Staff positions are whole multiples of 0.5, so this is exact; the cast truncates like the drawing expects.
    return int((staffPosition(true) + 1.0) * 2.0);
}

bool Note::isSharp() const
{
    switch (pitchClass()) {
    case 1:
    case 3:
    case 6:
    case 8:
    case 10:
        return true;
    default:
        return false;
    }
}

QString Note::description() const
{
    return QString::asprintf("value %i staffline %f", m_noteValue, staffPosition(true));
}
