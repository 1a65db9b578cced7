#include "songtransposition.h"

#include <gtest/gtest.h>

namespace {

QStringList textsOf(const QString &text, const QList<TextRange> &ranges)
{
    QStringList texts;
    for (const TextRange &range : ranges)
        texts << text.mid(range.location, range.length);
    return texts;
}

} // namespace

TEST(SongTransposition, TransposesBracketedChordsAndGrids)
{
    struct Case
    {
        QString text;
        int step;
        QChar favor;
        QString expected;
    };
    const Case cases[] = {
        {"[G]Hello [D/F#]world", 2, u'#', "[A]Hello [E/G#]world"},
        {"[F]la", 1, u'b', "[Gb]la"},
        // Bracketed text that is no chord stays, also in comments and directives; "[" without "]" ends the scan.
        {"[Intro] {c: [C]} # [D]\n[E", 2, u'#', "[Intro] {c: [D]} # [E]\n[E"},
        {"{sog}\n| C . . . | Am . . . |\n{eog}", -3, u'#', "{sog}\n| A . . . | F#m . . . |\n{eog}"},
        // Cells outside the bars, beat and repeat marks are no chords; a grid ends at any directive.
        {"{start_of_grid: Intro}\nIntro | C . | % | G7 . || Coda\n{c: x}\n| C |", 2, u'#',
         "{start_of_grid: Intro}\nIntro | D . | % | A7 . || Coda\n{c: x}\n| C |"},
        // Grid directives in any case open a grid (as the layout reads them), and a grid left open runs to the end.
        {"{SOG}\n| D . |\n{Start_Of_Grid}\n| D |", 1, u'b', "{SOG}\n| Eb . |\n{Start_Of_Grid}\n| Eb |"},
        {"[C]a\n{sog-Lead}\n| C . | G |\n| Am | F |", 2, u'#', "[D]a\n{sog-Lead}\n| D . | A |\n| Bm | G |"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SongTransposition::transposedChords(c.text, c.step, c.favor), c.expected) << c.text.toStdString();
}

TEST(SongTransposition, AutomaticFavorFollowsTheNewKey)
{
    struct Case
    {
        QString key;
        int step;
        QChar favor;
    };
    const Case cases[] = {
        {"G", 2, u'#'},   // A major
        {"F", 1, u'b'},   // Gb major
        {"Am", 2, u'#'},  // Bm
        {"Am", -2, u'b'}, // Gm
        {"", 3, u'b'},    // no key: read as C, to Eb
    };
    for (const Case &c : cases)
        EXPECT_EQ(SongTransposition::automaticFavor(c.key, c.step), c.favor) << c.key.toStdString() << c.step;
}

TEST(SongTransposition, FindsGridBodiesAndCells)
{
    const QString text = "a\n{sog}\n| C |\n{eog}\n{start_of_grid}x{end_of_grid}{sog}tail";
    EXPECT_EQ(textsOf(text, SongTransposition::gridRanges(text)), QStringList({"\n| C |\n", "x", "tail"}));
    EXPECT_TRUE(SongTransposition::gridRanges(QString()).isEmpty());
    EXPECT_TRUE(SongTransposition::gridRanges("{sog\n| C |").isEmpty()); // no directive: "}" is on another line

    struct Case
    {
        QString grid;
        QStringList chords;
    };
    const Case cases[] = {
        {"| Am7 . . . | D/F# . |", {"Am7", "D/F#"}},
        {"C | G | D", {"G"}},
        {"|C.D:E%F|", {"C", "D", "E", "F"}},
        // Each line has its own first and last bar; a cell never runs into the next line.
        {"| C | x G\n| D\n| E |", {"C", "E"}},
        {"| Cmaj7\n| G |", {"G"}},
        {"no bars C D", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(textsOf(c.grid, SongTransposition::chordRangesInGrid(c.grid)), c.chords) << c.grid.toStdString();
}

TEST(SongTransposition, ConvertsToAndFromNashvilleNumbers)
{
    const QString song = "{key: G}\n[G]Amazing [C/G]grace [Em]how [D7]sweet [Intro]\n{sog}\n| G . | D . |\n{eog}";
    const QString numbers = "{key: G}\n[1]Amazing [4/1]grace [6m]how [57]sweet [Intro]\n{sog}\n| 1 . | 5 . |\n{eog}";
    EXPECT_FALSE(SongTransposition::isNNS(song));
    EXPECT_EQ(SongTransposition::convertedToNNS(song, "G"), numbers);
    EXPECT_TRUE(SongTransposition::isNNS(numbers));
    EXPECT_EQ(SongTransposition::convertedFromNNS(numbers, "G"), song);

    // Grid cells alone make a song Nashville; flats come from the key's spelling.
    EXPECT_TRUE(SongTransposition::isNNS("{sog}\n| 1 . . . | 4 . . . |\n{eog}"));
    EXPECT_EQ(SongTransposition::convertedFromNNS("[4] [5]", "Bb"), "[Eb] [F]");
    EXPECT_EQ(SongTransposition::convertedFromNNS("[4]", "F#"), "[B]");
    EXPECT_EQ(SongTransposition::favorForNNSKey("Dm"), u'b');
    EXPECT_EQ(SongTransposition::favorForNNSKey("E"), u'#');
}

TEST(SongTransposition, KeyArithmetic)
{
    EXPECT_EQ(SongTransposition::deltaForTransposeKey("G", "A"), 2);
    EXPECT_EQ(SongTransposition::deltaForTransposeKey("A", "C"), -9);
    EXPECT_EQ(SongTransposition::deltaForTransposeKey("", "C"), 0);
    EXPECT_EQ(SongTransposition::deltaForTransposeKey("C", ""), 0);
    EXPECT_EQ(SongTransposition::keyForTransposeDelta("F", 1), "Gb");
    EXPECT_EQ(SongTransposition::keyForTransposeDelta("F", 1, u'#'), "F#");
    EXPECT_EQ(SongTransposition::keyForTransposeDelta("Em", 2), "F#m");
    EXPECT_EQ(SongTransposition::keyForTransposeDelta("", 2), std::nullopt);
}
