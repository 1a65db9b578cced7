#include "chordrecord.h"

#include <gtest/gtest.h>

TEST(ChordRecord, StoresMutedStringsUnusedSlotsAndFretFifteenAsTheReaderExpects)
{
    constexpr int x = Playability::Muted;
    EXPECT_EQ(ChordRecord::valuesForFrets({x, 3, 2, 0, 1, 0}), (Chord::Strings{15, 3, 2, 0, 1, 0}));
    EXPECT_EQ(ChordRecord::valuesForFrets({12, 15, 14, x}), (Chord::Strings{12, -17, 14, 15, 15, 15}));
    EXPECT_EQ(ChordRecord::valuesForNotes({9, 12, 15, 19}), (Chord::Strings{9, 12, -17, 19, 15, 15}));
}

TEST(ChordRecord, WritesSixSignedValuesTwoUnusedBytesAndTheTitle)
{
    Chord chord;
    chord.setTitle(QStringLiteral("F#m7b5"));
    chord.strings() = {2, -17, 2, 2, 1, 15};
    EXPECT_EQ(ChordRecord::data(chord), QByteArray("\x02\xEF\x02\x02\x01\x0F\0\0F#m7b5\0", 15));
}
