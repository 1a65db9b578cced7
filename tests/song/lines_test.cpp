// Song text line by line: the line iterator, the line helpers and the plain text for searching.
#include "song.h"

#include <gtest/gtest.h>

namespace {

QStringList allLines(const QString &text)
{
    QStringList lines;
    TextRange range;
    while (const std::optional<QString> line = Song::getNextLineForText(text, range))
        lines.append(*line);
    return lines;
}

} // namespace

TEST(SongLines, IteratorTakesEveryLineBreak)
{
    struct Case
    {
        const char *what;
        QString text;
        QStringList expected;
    };
    const Case cases[] = {
        {"LF", QStringLiteral("a\nb\n"), {"a", "b"}},
        {"CRLF", QStringLiteral("a\r\nb\r\n\r\nc"), {"a", "b", "", "c"}},
        {"CR only", QStringLiteral("a\rb\r"), {"a", "b"}},
        {"Unicode separators", QStringLiteral("a\u2028b\u2029c\u0085d"), {"a", "b", "c", "d"}},
        {"no break at the end", QStringLiteral("a"), {"a"}},
        {"empty", QString(), {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(allLines(c.text), c.expected) << c.what;
}

TEST(SongLines, IteratorRangesCoverTheText)
{
    const QString text = QStringLiteral("ab\r\ncd");
    TextRange range;
    EXPECT_TRUE(Song::hasNextLineForText(text, range));
    EXPECT_EQ(Song::getNextLineForText(text, range), QStringLiteral("ab"));
    EXPECT_EQ(range.location, 0);
    EXPECT_EQ(range.length, 4);
    EXPECT_EQ(Song::getNextLineForText(text, range), QStringLiteral("cd"));
    EXPECT_EQ(range.location, 4);
    EXPECT_FALSE(Song::hasNextLineForText(text, range));
    EXPECT_EQ(Song::getNextLineForText(text, range), std::nullopt);
    EXPECT_EQ(range.location, 4); // unchanged at the end
}

TEST(SongLines, StripControlSequences)
{
    struct Case
    {
        const char *line;
        const char *expected;
    };
    const Case cases[] = {
        {"{c: Slowly}", "Slowly"},
        {"{comment:Loud}", "Loud"},
        {"{title: Song}", ""},
        {"{soc}", ""},
        {"{ci: x}", ""},
        {"{C: upper}", ""}, // the comment names are case-sensitive
        {"[C]Hello {c:loud}", "[C]Hello loud"},
        {"# {c: hidden}", ""},
        {"a # b", "a # b"},
        {"stray } and {open", "stray  and "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::stripControlSequencesFromLine(QString::fromUtf8(c.line)), QString::fromUtf8(c.expected))
            << c.line;
}

TEST(SongLines, ExtractChordLine)
{
    struct Case
    {
        const char *line;
        const char *chords;
        const char *lyrics;
    };
    const Case cases[] = {
        {"[C]Hello [Am7]wo[G]rld", "C     Am7 G", "Hello wo--rld"},
        {"[C][G]Two", "C G", "  Two"},
        {"Hel[Asus4]lo you", "   Asus4", "Hello you"},
        {"end [D]", "    D", "end "},
    };
    for (const Case &c : cases) {
        QString chordLine = QStringLiteral("old");
        QString line = QString::fromUtf8(c.line);
        EXPECT_TRUE(Song::extractChordLine(chordLine, line)) << c.line;
        EXPECT_EQ(chordLine, QString::fromUtf8(c.chords)) << c.line;
        EXPECT_EQ(line, QString::fromUtf8(c.lyrics)) << c.line;
    }

    QString chordLine = QStringLiteral("kept");
    QString line = QStringLiteral("no chords [here");
    EXPECT_FALSE(Song::extractChordLine(chordLine, line));
    EXPECT_EQ(chordLine, QStringLiteral("kept"));
    EXPECT_EQ(line, QStringLiteral("no chords [here"));
}

TEST(SongLines, BreakUpLine)
{
    struct Case
    {
        const char *line;
        QStringList lyrics;
        QStringList chords;
    };
    const Case cases[] = {
        {"Hello [C]world", {"Hello ", "world"}, {"", "C"}},
        {"[C]Hello [G]world", {"Hello ", "world"}, {"C", "G"}},
    };
    for (const Case &c : cases) {
        QStringList lyrics;
        QStringList chords;
        EXPECT_TRUE(Song::breakUpLine(QString::fromUtf8(c.line), lyrics, chords)) << c.line;
        EXPECT_EQ(lyrics, c.lyrics) << c.line;
        EXPECT_EQ(chords, c.chords) << c.line;
    }
    QStringList lyrics;
    QStringList chords;
    EXPECT_FALSE(Song::breakUpLine(QStringLiteral("plain"), lyrics, chords));
    EXPECT_TRUE(lyrics.isEmpty());
}

TEST(SongLines, PlainText)
{
    struct Case
    {
        const char *what;
        const char *text;
        const char *expected;
    };
    const Case cases[] = {
        {"chords, comment directive, comment line", "[C]Hello {c: Intro}\n# note\nworld", "Hello  Intro\nworld"},
        {"a # inside a line is text", "Symphony #9 in [D]D", "Symphony #9 in D"},
        {"comment lines with CRLF, CR and at the end", "a\r\n# x\r\nb\r# y\rc\n# z", "a\r\nb\rc\n"},
        {"directive values gone, capo value kept", "{title: T}\n{capo: 2}", "\n 2"},
        {"a chord never spans lines", "[Am\nla]", "[Am\nla]"},
    };
    for (const Case &c : cases) {
        Song song;
        song.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(song.plainText(), QString::fromUtf8(c.expected)) << c.what;
    }
}
