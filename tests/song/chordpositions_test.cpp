#include "chordpositions.h"

#include <gtest/gtest.h>

// Found by argument-dependent lookup, so it stands in the namespace of ChordPosition.
inline void PrintTo(const ChordPosition &position, std::ostream *out)
{
    *out << position.chord.toStdString() << '@' << position.pos;
}

TEST(ChordPositions, ReadsChordsWithTheirColumns)
{
    struct Case
    {
        QString line;
        ChordPositionList chords;
    };
    const Case cases[] = {
        {"[C]Hel[G]lo", {{"C", 0}, {"G", 3}}},
        {"no chords", {}},
        {"[C]", {{"C", 0}}},
        // A "[" with no "]" behind it is text, and shifts no position.
        {"a[C]b [", {{"C", 1}}},
        {"[", {}},
        {"[Am7][G]x", {{"Am7", 0}, {"G", 0}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChordPositions::chordsWithPositionsForLine(c.line), c.chords) << c.line.toStdString();
}

TEST(ChordPositions, ClipboardTextReadsBackToTheSamePositions)
{
    const QList<ChordPositionList> lists = {{{"C", 0}, {"G", 4}}, {}, {{"Am", 2}}};
    const QString clipboard = ChordPositions::chordsWithSpacesFor(lists);
    EXPECT_EQ(clipboard, "[C]    [G]\n\n  [Am]");
    EXPECT_EQ(ChordPositions::chordsWithPositionsForRange({0, clipboard.size()}, clipboard), lists);
    EXPECT_TRUE(ChordPositions::hasChordsInRange({0, clipboard.size()}, clipboard));
    EXPECT_FALSE(ChordPositions::hasChordsInRange({0, 7}, "la\nla\n[C"));
}

TEST(ChordPositions, InsertsChordsAtTheirColumns)
{
    struct Case
    {
        ChordPositionList chords;
        QString line;
        QString expected;
    };
    const Case cases[] = {
        {{{"C", 0}, {"G", 4}}, "Hello world", "[C]Hell[G]o world"},
        {{{"G", 8}}, "Hey", "Hey     [G]"},
        {{{"C", 0}}, "la", "[C]la"},
        {{{"C", 3}}, "abc", "abc[C]"},
        // A column inside a surrogate pair puts the chord behind that character.
        {{{"C", 1}, {"D", 3}}, "\U0001F600ab", "\U0001F600[C]a[D]b"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChordPositions::insertChordsWithPositions(c.chords, c.line), c.expected) << c.line.toStdString();
}

TEST(ChordPositions, AppliesCopiedChordsToASelection)
{
    const QString copied = "[C]Hello [G]dear\nno chords here\n[Am]bye";
    const QList<ChordPositionList> lists = ChordPositions::chordsWithPositionsForRange({0, copied.size()}, copied);

    const QString text = "{title: X}\nSecond verse\nmiddle\nend of it\nlast";
    const TextRange verse{11, 29}; // "Second verse\nmiddle\nend of it"
    EXPECT_EQ(ChordPositions::applyChordsWithPositions(lists, verse, text),
              "{title: X}\n[C]Second[G] verse\nmiddle\n[Am]end of it\nlast");

    // A selection longer than the copied chords keeps every line; a shorter one gets empty lines.
    EXPECT_EQ(ChordPositions::applyChordsWithPositions({{{"D", 0}}}, verse, text),
              "{title: X}\n[D]Second verse\nmiddle\nend of it\nlast");
    EXPECT_EQ(ChordPositions::applyChordsWithPositions(lists, {0, 2}, "ab"), QString("[C]ab    [G]\n\n[Am]"));
    EXPECT_EQ(ChordPositions::applyChordsWithPositions(lists, {3, 0}, text), std::nullopt);
    // A range beyond the text is kept within it.
    EXPECT_EQ(ChordPositions::applyChordsWithPositions({{{"E", 0}}}, {5, 99}, "{t:}\nla"), "{t:}\n[E]la");
}

TEST(ChordPositions, RemovesChords)
{
    EXPECT_EQ(ChordPositions::removeChordsFromText("[C]Hello [Am]world"), "Hello world");
    EXPECT_EQ(ChordPositions::removeChordsFromText("a [b\nc] [D]d"), "a [b\nc] d");
}
