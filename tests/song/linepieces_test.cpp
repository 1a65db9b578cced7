#include "linepieces.h"

#include <gtest/gtest.h>

TEST(LinePieces, PairsEveryLyricPieceWithAChord)
{
    struct Case
    {
        QString line;
        std::optional<QStringList> lyrics;
        QStringList chords;
    };
    const Case cases[] = {
        {QStringLiteral("no chords"), std::nullopt, {}},
        {QStringLiteral("Hello [C]world"), QStringList{"Hello ", "world"}, {"", "C"}},
        {QStringLiteral("[C]Hello [G]world"), QStringList{"Hello ", "world"}, {"C", "G"}},
        {QStringLiteral("Go [G]"), QStringList{"Go ", ""}, {"", "G"}},
        {QStringLiteral("[C][G]Hi"), QStringList{"", "Hi"}, {"C", "G"}},
        // An unclosed "[" starts no chord: it and the rest of the line stay with the last piece.
        {QStringLiteral("Hello [C]wor[ld"), QStringList{"Hello ", "wor[ld"}, {"", "C"}},
        {QStringLiteral("[C]Hi [G"), QStringList{"Hi [G"}, {"C"}},
        {QStringLiteral("a]b[C"), std::nullopt, {}},
        {QStringLiteral("a [C]b [D"), QStringList{"a ", "b [D"}, {"", "C"}},
        // A "[" inside a chord and a "]" outside one are text, as the line helper reads them.
        {QStringLiteral("x[C[D]y]"), QStringList{"x", "y]"}, {"", "C[D"}},
    };
    for (const Case &c : cases) {
        const std::optional<LinePieces> pieces = LinePieces::fromLine(c.line);
        ASSERT_EQ(pieces.has_value(), c.lyrics.has_value()) << c.line.toStdString();
        if (!pieces)
            continue;
        EXPECT_EQ(pieces->lyrics, *c.lyrics) << c.line.toStdString();
        EXPECT_EQ(pieces->chords, c.chords) << c.line.toStdString();
    }
}
