// Notes on the staff and on the keyboard.
#include "note.h"

#include <QList>

#include <gtest/gtest.h>

#include <algorithm>

TEST(Note, StaffKeyboardAndBlackKeys)
{
    struct Case
    {
        int value;
        float treble;
        float bass;
        int whiteKey;
        bool sharp;
    };
    const Case cases[] = {
        {0, -1.0f, 1.5f, 0, false},                                     // middle C
        {1, -1.0f, 1.5f, 0, true},                                      // C# sits with C
        {4, 0.0f, 2.5f, 2, false},                                      // E, the treble staff's bottom line
        {7, 1.0f, 3.5f, 4, false},                                      // G
        {11, 2.0f, 4.5f, 6, false},                                     // B
        {12, 2.5f, 5.0f, 7, false},                                     // the next C
        {13, 2.5f, 5.0f, 7, true},      {-1, -1.5f, 1.0f, -1, false},   // B below middle C
        {-12, -4.5f, -2.0f, -7, false}, {-13, -5.0f, -2.5f, -8, false}, // pitch class 11, octave -2
        {-11, -4.5f, -2.0f, -7, true},
    };
    for (const Case &c : cases) {
        const Note note(c.value);
        EXPECT_FLOAT_EQ(note.stafflineTreble(true), c.treble) << c.value;
        EXPECT_FLOAT_EQ(note.stafflineTreble(false), c.bass) << c.value;
        EXPECT_EQ(note.whiteKeyboardKey(), c.whiteKey) << c.value;
        EXPECT_EQ(note.isSharp(), c.sharp) << c.value;
    }
    EXPECT_EQ(Note(4).description(), QStringLiteral("value 4 staffline 0.000000"));
}

TEST(Note, OrdersByValue)
{
    EXPECT_EQ(Note(4).compare(Note(4)), 0);
    EXPECT_LT(Note(-5).compare(Note(0)), 0);
    EXPECT_GT(Note(7).compare(Note(0)), 0);
    QList<Note> notes = {Note(7), Note(-5), Note(0)};
    std::sort(notes.begin(), notes.end());
    EXPECT_EQ(notes, (QList<Note>{Note(-5), Note(0), Note(7)}));
    EXPECT_EQ(Note().noteValue(), 0);
}
