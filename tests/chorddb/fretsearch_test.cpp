#include "chordvocabulary.h"
#include "fretsearch.h"

#include <gtest/gtest.h>

namespace {

constexpr int x = Playability::Muted;

Fretboard guitar()
{
    Fretboard board;
    board.openPitches = {-8, -3, 2, 7, 11, 16};
    board.rootInBass = true;
    return board;
}

ChordTarget chord(int root, const char *suffix, int bass = ChordTarget::NoBass)
{
    const ChordFormula *formula = ChordVocabulary::find(suffix);
    EXPECT_NE(formula, nullptr) << suffix;
    return {root, formula, bass};
}

} // namespace

TEST(FretSearch, RanksTheShapesEveryGuitaristKnowsFirst)
{
    struct Case
    {
        const char *name;
        ChordTarget target;
        Frets first;
    };
    const Case cases[] = {
        {"C", chord(0, ""), {x, 3, 2, 0, 1, 0}},   {"G", chord(7, ""), {3, 2, 0, 0, 0, 3}},
        {"D", chord(2, ""), {x, x, 0, 2, 3, 2}},   {"Am", chord(9, "m"), {x, 0, 2, 2, 1, 0}},
        {"E", chord(4, ""), {0, 2, 2, 1, 0, 0}},   {"F", chord(5, ""), {1, 3, 3, 2, 1, 1}},
        {"C7", chord(0, "7"), {x, 3, 2, 3, 1, 0}}, {"D/F#", chord(2, "", 6), {2, 0, 0, 2, 3, 2}},
        {"Cm", chord(0, "m"), {x, 3, 5, 5, 4, 3}}, {"Gm", chord(7, "m"), {3, 5, 5, 3, 3, 3}},
    };
    const FretSearch search(guitar());
    for (const Case &c : cases) {
        const std::vector<Frets> found = search.fingerings(c.target, 6);
        ASSERT_FALSE(found.empty()) << c.name;
        EXPECT_EQ(found.front(), c.first) << c.name;
    }
}

// A reviewer reads why a grip comes first: the A-shape barre of Cm against the open grip whose fingers
// crowd round the open G string.
TEST(FretSearch, NamesTheRulesThatRankAGrip)
{
    const FretSearch search(guitar());
    const GripScore barre = search.score({x, 3, 5, 5, 4, 3}, chord(0, "m"));
    const GripScore open = search.score({x, 3, 1, 0, 1, 3}, chord(0, "m"));
    EXPECT_LT(barre.total(), open.total());
    EXPECT_EQ(barre.describe(), "frets 10, strings 4, fingers 8, barre 6, movable form -4, span 4");
    EXPECT_EQ(open.describe(), "frets 6, strings 4, fingers 8, span 4, open strings 5, fifth over the bass 3");
    EXPECT_EQ(search.difficulty({x, 3, 5, 5, 4, 3}, chord(0, "m")), barre.total());
}

TEST(FretSearch, OffersOneFingeringPerPositionEasiestFirst)
{
    const FretSearch search(guitar());
    const ChordTarget target = chord(0, "");
    const std::vector<Frets> found = search.fingerings(target, 6);
    ASSERT_EQ(found.size(), 6u);
    std::vector<int> positions;
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(search.judge(found[i], target), FretSearch::Verdict::Playable);
        if (i > 0) {
            EXPECT_LE(search.difficulty(found[i - 1], target), search.difficulty(found[i], target));
        }
        positions.push_back(FretSearch::position(found[i]));
    }
    std::sort(positions.begin(), positions.end());
    EXPECT_EQ(std::adjacent_find(positions.begin(), positions.end()), positions.end()) << "one per position";
}

TEST(FretSearch, JudgesEachRule)
{
    struct Case
    {
        const char *what;
        Frets frets;
        FretSearch::Verdict verdict;
    };
    using V = FretSearch::Verdict;
    const Case cases[] = {
        {"C with an E in the bass is no C", {0, 3, 2, 0, 1, 0}, V::WrongBass},
        {"a D on top of C is no chord tone", {x, 3, 2, 0, 3, 0}, V::ForeignTone},
        {"C without its third", {x, 3, 5, 5, x, x}, V::MissingTone},
        {"two strings are no chord", {x, 3, 2, x, x, x}, V::TooFewStrings},
        {"two muted strings inside", {x, 3, x, 0, x, 0}, V::InnerMutes},
        {"five fingers over five frets", {x, 3, 2, 5, 1, 3}, V::OutOfReach},
        {"open C", {x, 3, 2, 0, 1, 0}, V::Playable},
    };
    const FretSearch search(guitar());
    for (const Case &c : cases)
        EXPECT_EQ(search.judge(c.frets, chord(0, "")), c.verdict) << c.what;
    EXPECT_EQ(search.judge({x, 3, 2, 3, 1, 3}, chord(0, "7")), V::OutOfReach) << "five fingers, no barre";
}

TEST(FretSearch, HandlesReentrantAndDiatonicNecks)
{
    Fretboard ukulele;
    ukulele.openPitches = {7, 0, 4, 9}; // the G string sounds above the C string
    ukulele.strumsAllStrings = true;
    const FretSearch uke(ukulele);
    EXPECT_EQ(uke.fingerings(chord(0, ""), 1).front(), (Frets{0, 0, 0, 3}));
    EXPECT_EQ(uke.fingerings(chord(7, ""), 1).front(), (Frets{0, 2, 3, 2}));
    EXPECT_EQ(uke.fingerings(chord(9, "m"), 1).front(), (Frets{2, 0, 0, 0}));

    Fretboard dulcimer;
    dulcimer.openPitches = {2, 9, 14};
    dulcimer.diatonicFrets = true;
    dulcimer.highestFret = 10;
    dulcimer.highestPosition = 10;
    const FretSearch search(dulcimer);
    for (const Frets &frets : search.fingerings(chord(7, ""), 6)) { // G, with the diatonic frets' own sounds
        EXPECT_EQ(search.judge(frets, chord(7, "")), FretSearch::Verdict::Playable);
        for (int fret : frets)
            EXPECT_LE(fret, 10);
    }
    EXPECT_FALSE(search.fingerings(chord(7, ""), 1).empty());
    EXPECT_EQ(search.whyUnplayable(chord(3, "")), "a note it needs lies between the frets"); // Eb: no Eb, G or Bb
    EXPECT_EQ(search.whyUnplayable(chord(2, "dim7")), "needs 4 different notes, the instrument has 3 strings");
    EXPECT_EQ(search.whyUnplayable(chord(2, "")), "");
}
