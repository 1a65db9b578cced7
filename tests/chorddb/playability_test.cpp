#include "playability.h"

#include <gtest/gtest.h>

namespace {
constexpr int x = Playability::Muted;
}

TEST(Playability, CountsFingersBarreAndStretch)
{
    struct Case
    {
        const char *what;
        Frets frets;
        int fingers;
        bool barre;
        int span;
        bool withinReach;
    };
    const Case cases[] = {
        {"open C", {x, 3, 2, 0, 1, 0}, 3, false, 3, true},
        {"barre F: the index finger lies across all six strings", {1, 3, 3, 2, 1, 1}, 4, true, 3, true},
        {"open strings under the lowest fret forbid a barre", {1, 0, 3, 2, 1, 1}, 5, false, 3, false},
        {"a muted string under the lowest fret forbids a barre", {1, x, 3, 2, 1, 1}, 5, false, 3, false},
        {"A: one finger across three strings", {x, 0, 2, 2, 2, 0}, 1, true, 1, true},
        {"a partial barre with fingers above it", {x, 3, 5, 5, 5, 3}, 4, true, 3, true},
        {"five frets are too wide low on the neck", {x, 1, 3, 5, x, x}, 3, false, 5, false},
        {"five frets are fine from the seventh fret up", {x, 7, 9, 11, x, x}, 3, false, 5, true},
        {"all open", {0, 0, 0, 0}, 0, false, 0, true},
    };
    for (const Case &c : cases) {
        const HandShape shape = Playability::handShape(c.frets);
        EXPECT_EQ(shape.fingers, c.fingers) << c.what;
        EXPECT_EQ(shape.barre, c.barre) << c.what;
        EXPECT_EQ(shape.span, c.span) << c.what;
        EXPECT_EQ(Playability::withinReach(shape), c.withinReach) << c.what;
    }
}

TEST(Playability, FindsMutedStringsBetweenSoundedOnes)
{
    EXPECT_EQ(Playability::innerMutedStrings({3, x, 0, 0, 0, 3}), 1);
    EXPECT_EQ(Playability::innerMutedStrings({x, x, 0, 2, 3, 2}), 0);
    EXPECT_EQ(Playability::innerMutedStrings({x, 3, x, 3, x, x}), 1);
    EXPECT_EQ(Playability::innerMutedStrings({x, x, x}), 0);
}
