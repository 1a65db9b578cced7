// Chord names as drawn: transposed, respelled, in Latin or German naming; and the accidental a key favours.
#include "songfixture.h"

using ChordNamesTest = SongFixture;

TEST_F(ChordNamesTest, displayNames)
{
    struct Case
    {
        bool flat;
        bool sharp;
        bool latin;
        const char *name;
        const char *shown;
    };
    const Case cases[] =
        {
            {false, false, false, "C#m7", "C#m7"}, {true, false, false, "C#m7", "Dbm7"},
            {true, false, false, "Bb", "Bb"},      {false, true, false, "Bb", "A#"},
            {true, true, false, "C#", "C#"},  // first respelled with flats, then back with sharps
            {true, false, true, "C#", "Reb"}, // respelled before the Latin naming
            {false, false, true, "Am", "Lam"},
        };
    for (const Case &c : cases) {
        view.setAllChordsFlat(c.flat);
        view.setAllChordsSharp(c.sharp);
        prefs.setLatinChords(c.latin);
        EXPECT_EQ(view.displayChordName(QString::fromUtf8(c.name)), QString::fromUtf8(c.shown)) << c.name;
    }
}

TEST_F(ChordNamesTest, namingComesFromTheApplicationSettingsNotTheViewsCopy)
{
    Prefs privateCopy;
    privateCopy.setGermanChords(true);
    view.setPrefs(&privateCopy);
    EXPECT_EQ(view.displayChordName(QStringLiteral("Bm")), QStringLiteral("Bm"));
    prefs.setGermanChords(true);
    EXPECT_EQ(view.displayChordName(QStringLiteral("Bm")), QStringLiteral("Hm"));
}

TEST_F(ChordNamesTest, transpositionFavoursTheAccidentalOfTheNewKey)
{
    layOut(QStringLiteral("{title: T}\n{key: F}\n[F]la [Bb]li\n"));
    EXPECT_EQ(view.favoredTransposeChar(), QChar()); // not transposed
    view.setTranspose(1);                            // Gb major is written with flats
    EXPECT_EQ(view.favoredTransposeChar(), QChar(u'b'));
    EXPECT_EQ(view.transposedChordName(QStringLiteral("Bb")), QStringLiteral("B"));
    EXPECT_EQ(view.transposedChordName(QStringLiteral("F")), QStringLiteral("Gb"));
    EXPECT_EQ(view.transposedChordName(QStringLiteral("N.C.")), QStringLiteral("N.C."));
    view.setTranspose(2); // G major: sharps
    EXPECT_EQ(view.favoredTransposeChar(), QChar(u'#'));
}

TEST_F(ChordNamesTest, tabSongsFavourNoAccidental)
{
    layOut(QStringLiteral("C     G\nla la la\n"));
    ASSERT_TRUE(view.isTab());
    view.setTranspose(1);
    EXPECT_EQ(view.favoredTransposeChar(), QChar());
}
