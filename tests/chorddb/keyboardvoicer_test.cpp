#include "chordvocabulary.h"
#include "keyboardvoicer.h"

#include <gtest/gtest.h>

namespace {

using Notes = KeyboardVoicer::Notes;

std::vector<Notes> voicings(int root, const char *suffix, int bass = ChordTarget::NoBass)
{
    return KeyboardVoicer::voicings({root, ChordVocabulary::find(suffix), bass});
}

} // namespace

TEST(KeyboardVoicer, StacksRootPositionAndClimbingInversionsFromMiddleC)
{
    EXPECT_EQ(voicings(0, ""), (std::vector<Notes>{{0, 4, 7}, {4, 7, 12}, {7, 12, 16}}));
    EXPECT_EQ(voicings(9, "m7"),
              (std::vector<Notes>{{9, 12, 16, 19}, {12, 16, 19, 21}, {16, 19, 21, 24}, {19, 21, 24, 28}}));
    EXPECT_EQ(voicings(0, "9").front(), (Notes{0, 4, 7, 10, 14})) << "the ninth stays on top";
    EXPECT_EQ(voicings(0, "13").front(), (Notes{0, 4, 7, 10, 14, 21})) << "six notes: the eleventh is left out";
    EXPECT_EQ(voicings(0, "11").front(), (Notes{0, 7, 10, 14, 17})) << "the third is left out";
}

TEST(KeyboardVoicer, PutsTheSlashBassBelow)
{
    EXPECT_EQ(voicings(0, "", 11), (std::vector<Notes>{{11, 12, 16, 19}}));
    EXPECT_EQ(voicings(2, "", 6), (std::vector<Notes>{{6, 9, 14}}));
}

TEST(KeyboardVoicer, FitsEveryChordIntoARecordAboveMiddleC)
{
    for (const ChordFormula &formula : ChordVocabulary::formulas())
        for (int root = 0; root < 12; ++root)
            for (const Notes &notes : KeyboardVoicer::voicings({root, &formula, ChordTarget::NoBass})) {
                EXPECT_GE(notes.front(), 0) << root << formula.suffix;
                EXPECT_LE(static_cast<int>(notes.size()), KeyboardVoicer::MaxNotes) << root << formula.suffix;
            }
}
