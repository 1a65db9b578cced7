// One typed range of a song text, as the editor colours it.
#pragma once

#include <QString>

class ChordproToken
{
public:
    enum Type { Text = 0, Control = 1, Comment = 2, Chord = 3, Tab = 4 };

    // A token of one character at location; not valid until its proper end closes it.
    ChordproToken(int type, qsizetype location);

    int type() const { return m_type; }
    qsizetype location() const { return m_location; }
    qsizetype length() const { return m_length; }
    bool valid() const { return m_valid; }
    void setValid(bool valid) { m_valid = valid; }

    void increment() { ++m_length; }
    // "<type name> <start>-<end>", for diagnostics.
    QString description() const;

    bool operator==(const ChordproToken &other) const = default;

private:
    int m_type;
    qsizetype m_location;
    qsizetype m_length = 1;
    bool m_valid = false;
};
