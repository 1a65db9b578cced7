#include "tabconversion.h"

#include <gtest/gtest.h>

TEST(TabConversion, ConvertsTabTextIntoTheSongFormat)
{
    struct Case
    {
        QStringList lines;
        QString expected;
    };
    const Case cases[] = {
        {{"  G        D", "Amazing grace, how sweet"}, "Am[G]azing gra[D]ce, how sweet\n"},
        // The empty line between a chord line and its lyrics goes.
        {{"C       G", "", "Hello my friend", "bye"}, "[C]Hello my[G] friend\nbye"},
        {{"[Verse 1]", "Am", "la la", "end"}, "{c:Verse 1}\n[Am]la la\nend"},
        // A "." forces a chord line, whatever its words.
        {{"x", ".Intro riff", "la la la la la la", "y"}, "x\n[Intro]la la [riff]la la la la\ny"},
        // A chord line above another chord line (mostly blanks) stays a line of its own.
        {{"x", "C   G", "  Am     F", "la"}, "x\nC   G\nla [Am] [F]\n"},
        // A bracketed line of chords is no section name.
        {{"[C]   [G]", "la", "x"}, "[C]   [G]\nla\nx"},
        // The last line is looked at like the others; a trailing "." line merges into an empty lyric line.
        {{"a", "b", "[Outro]"}, "a\nb\n{c:Outro}"},
        {{"a", "b", ".C G"}, "a\nb\n[C] [G]"},
        // A short text merges its first line only when it holds chords.
        {{"Am G"}, "[Am] [G]\n"},
        {{"Am G", "   "}, "[Am] [G]\n"},
        {{"Hello world"}, "Hello world\n"},
        {{"Hello world", "second"}, "Hello world\nsecond"},
        {{}, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TabConversion::convertedTabText(c.lines), c.expected) << c.lines.join("|").toStdString();
}

TEST(TabConversion, TellsChordWordsAndChordLines)
{
    for (const char *word : {"Am7", "C#m7b5", "Bb/D", "Gsus4", "H7", "Ebadd9", "C(add9)", "E+"})
        EXPECT_TRUE(TabConversion::isChordWord(word)) << word;
    for (const char *word : {"Intro:", "x2", "N.C.", "", "am", "|"})
        EXPECT_FALSE(TabConversion::isChordWord(word)) << word;

    EXPECT_TRUE(TabConversion::isTabLine(QString("C  G\t Am"), QString("Hello there")));
    EXPECT_TRUE(TabConversion::isTabLine(QString("C"), QString("")));
    EXPECT_FALSE(TabConversion::isTabLine(QString("C"), std::nullopt));
    EXPECT_FALSE(TabConversion::isTabLine(QString(" \t"), QString("la")));
    EXPECT_FALSE(TabConversion::isTabLine(QString("C Intro"), QString("la")));
    // Whitespace counts against the lyric line, also the no-break space.
    EXPECT_FALSE(TabConversion::isTabLine(QString("C"), QString("a \u00a0 b")));
    EXPECT_TRUE(TabConversion::isTabLine(QString("C"), QString("ab \u00a0 cd")));

    EXPECT_EQ(TabConversion::commentLine(" [Chorus]\t"), "{c:Chorus}");
    EXPECT_EQ(TabConversion::commentLine("[C]   [G]"), std::nullopt);
    EXPECT_EQ(TabConversion::commentLine("[C] la"), std::nullopt);
    EXPECT_EQ(TabConversion::commentLine("]"), std::nullopt);
}

TEST(TabConversion, CondensesChordsIntoTheLyricsByColumn)
{
    struct Case
    {
        QString chords;
        QString lyrics;
        QString expected;
    };
    const Case cases[] = {
        {"C       G", "Hello my friend", "[C]Hello my[G] friend"},
        {"\tG", "0123456789", "01234567[G]89"},
        {"C        G", "Hi", "[C]Hi [G]"},
        {"C", "", "[C]"},
        {"Am\u00a0G", "la la la", "[Am]la [G]la la"},
        // A chord whose column falls inside a surrogate pair goes behind that character, never between its halves.
        {"C  G", "\U0001F600\U0001F600 la", "[C]\U0001F600\U0001F600[G] la"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TabConversion::condenseLine(c.chords, c.lyrics), c.expected) << c.chords.toStdString();
}
