#include "songtextdata.h"

#include <gtest/gtest.h>

TEST(SongTextData, ReadsAddsAndDeletesTags)
{
    EXPECT_EQ(SongTextData::tags("{tag:rock}\n{tag:   pop  }\n{Tag: jazz}\n{tag: rock}"),
              QSet<QString>({"rock", "pop"}));
    EXPECT_TRUE(SongTextData::tags("").isEmpty());

    const QString tagged = SongTextData::textWithTag("la\n", "live");
    EXPECT_EQ(tagged, "la\n\n{tag: live}");
    EXPECT_EQ(SongTextData::textWithoutTag(tagged, "live"), "la\n\n");
    EXPECT_EQ(SongTextData::textWithoutTag("{tag:   rock  }x{tag:rock}", "rock"), "x{tag:rock}");
    EXPECT_EQ(SongTextData::textWithoutTag("{tag: rocks}", "rock"), std::nullopt);
    EXPECT_EQ(SongTextData::textWithoutTag("{Tag: rock}", "rock"), std::nullopt);
}

TEST(SongTextData, ListsUsers)
{
    EXPECT_EQ(SongTextData::users("{c-Lead: x}\n{COMMENT-Lead: x}\n{instrument-Ukulele: y}\n{capo-Bass: 2}"),
              QStringList({"Lead", "Lead", "Ukulele"}));
    EXPECT_TRUE(SongTextData::users("").isEmpty());
}

TEST(SongTextData, FindsChordDefinitionsByTheirExactName)
{
    const QString text =
        "{define: Am7 base-fret 1 frets x 0 2 0 1 0}\n[Am]la\n{define: Am base-fret 1 frets x 0 2 2 1 0}";
    EXPECT_EQ(SongTextData::chordDefinition(text, "Am"), "Am base-fret 1 frets x 0 2 2 1 0");
    // A definition on the first line is found too.
    EXPECT_EQ(SongTextData::chordDefinition(text, "Am7"), "Am7 base-fret 1 frets x 0 2 0 1 0");
    EXPECT_EQ(SongTextData::chordDefinition(text, "A"), std::nullopt);
    EXPECT_EQ(SongTextData::chordDefinition(text, "am"), std::nullopt);
    EXPECT_EQ(SongTextData::chordDefinition("{define:C(add9) 0 x 3 2 0 3 0}", "C(add9)"), "C(add9) 0 x 3 2 0 3 0");
    // An unclosed definition ends with its line.
    EXPECT_EQ(SongTextData::chordDefinition("x\n{define: G 0 3 2 0 0 0 3\n[C]la}", "G"), "G 0 3 2 0 0 0 3");
    EXPECT_EQ(SongTextData::chordDefinition("[C] {define: G 0 3 2 0 0 0 3}", "G"), std::nullopt);
}

TEST(SongTextData, AddsAndRemovesChordDefinitions)
{
    const QString added = SongTextData::textWithChordDefinition("la\n", "Am 0 x 0 2 2 1 0");
    EXPECT_EQ(added, "la\n\n{define: Am 0 x 0 2 2 1 0}");
    EXPECT_EQ(SongTextData::textWithoutChordDefinition(added, "Am"), "la");

    struct Case
    {
        QString text;
        QString name;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        // Only the exact name goes.
        {"a\n{define: Am7 0 x 0 2 0 1 0}\n{define: Am 0 x 0 2 2 1 0}\nb", "Am", "a\n{define: Am7 0 x 0 2 0 1 0}\nb"},
        {"{define: Am 0 x 0 2 2 1 0}\nb", "Am", "b"},
        {"a\r\n\r\n{define: Am 0 x 0 2 2 1 0}\r\nb", "Am", "a\r\nb"},
        // An unclosed definition never takes the lines after it.
        {"a\n{define: Am 0 x 0 2 2 1 0\n[C]b {c: x}", "Am", "a\n[C]b {c: x}"},
        {"a\n{define: Am7 0 x 0 2 0 1 0}", "Am", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SongTextData::textWithoutChordDefinition(c.text, c.name), c.expected) << c.text.toStdString();
}

TEST(SongTextData, AcceptsTuningsOfFourNotes)
{
    EXPECT_EQ(SongTextData::tuning("D A D G"), "D A D G");
    EXPECT_EQ(SongTextData::tuning("D A D"), std::nullopt);
    EXPECT_EQ(SongTextData::tuning("D A  D"), "D A  D");
    EXPECT_EQ(SongTextData::tuning(""), std::nullopt);
}

TEST(SongTextData, ChecksumFoldsTheSha1OfTheUtf8Text)
{
    EXPECT_EQ(SongTextData::checksum("abc"), 246367770u);
    EXPECT_EQ(SongTextData::checksum(""), 256046910u);
    EXPECT_NE(SongTextData::checksum("Grüße"), SongTextData::checksum("Grusse"));
}

TEST(SongTextData, ReplacesSpelledOutUmlauts)
{
    EXPECT_EQ(SongTextData::replacedUmlauts("Maedchen Oel Queen Uebel AEx"), "Mädchen Öl Qüen Übel AEx");
}
