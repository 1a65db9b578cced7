// The chord-name rules, checked against tables of names.
#include "chord.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(ChordNames, RootsAndTones)
{
    struct Case
    {
        const char *name;
        const char *root;
        int tone;
    };
    const Case cases[] = {
        {"C", "C", 0},    {"C#m", "C#", 1},   {"Dbmaj7", "Db", 1}, {"D", "D", 2},    {"D#", "D#", 3},  {"Eb7", "Eb", 3},
        {"Fb", "Fb", 4},  {"E#", "E#", 5},    {"F#m", "F#", 6},    {"Gb", "Gb", 6},  {"G/B", "G", 7},  {"Ab", "Ab", 8},
        {"A#", "A#", 10}, {"Bbm7", "Bb", 10}, {"H7", "H", 11},     {"Cb", "Cb", 11}, {"N.C.", "N", 0}, {"(Am)", "(", 0},
        {"", "", 0},      {"c", "c", 0},      {"Hb", "Hb", 0},     {"/E", "/", 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Chord::chordBaseForChord(s(c.name)), s(c.root)) << c.name;
        EXPECT_EQ(Chord::toneForChordTitle(s(c.name)), c.tone) << c.name;
    }
    EXPECT_EQ(Chord::toneForChordBaseName(s("Cm")), 0) << "the whole argument must be a root";
}

TEST(ChordNames, SpellsTonesModuloTwelve)
{
    struct Case
    {
        qint64 tone;
        const char *plain;
        const char *sharp;
        const char *flat;
    };
    const Case cases[] = {
        {0, "C", "C", "C"},    {1, "C#", "C#", "Db"},  {3, "Eb", "D#", "Eb"},   {6, "F#", "F#", "Gb"},
        {8, "Ab", "G#", "Ab"}, {10, "Bb", "A#", "Bb"}, {11, "B", "B", "B"},     {-1, "B", "B", "B"},
        {12, "C", "C", "C"},   {25, "C#", "C#", "Db"}, {-14, "Bb", "A#", "Bb"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Chord::chordForTone(c.tone), s(c.plain)) << c.tone;
        EXPECT_EQ(Chord::chordForTone(c.tone, true), s(c.sharp)) << c.tone;
        EXPECT_EQ(Chord::chordForTone(c.tone, false), s(c.flat)) << c.tone;
    }
}

TEST(ChordNames, ValidityAndMinor)
{
    struct Case
    {
        const char *name;
        bool valid;
        bool minor;
    };
    const Case cases[] = {
        {"", false, false},       {"/", false, false},   {"/E", true, false},    {"(Am", false, false},
        {"(x)", false, false},    {"am", false, true},   {"Am", true, true},     {"Am7", true, true},
        {"Bbm", true, true},      {"Ami", true, true},   {"Amaj7", true, false}, {"AM7", true, false},
        {"A", true, false},       {"(Am)", true, false}, {"H7", true, false},    {"N.C.", false, false},
        {"(N.C.)", false, false}, {"C#ma", true, false}, {"Cm", true, true},     {"m", false, false},
        {"(A)", true, false},     {"()", false, false},
    };
    // The minor test looks only at the character after the root, valid name or not ("am" is minor).
    for (const Case &c : cases) {
        EXPECT_EQ(Chord::isValidChord(s(c.name)), c.valid) << c.name;
        EXPECT_EQ(Chord::isMinor(s(c.name)), c.minor) << c.name;
    }
    EXPECT_TRUE(Chord::isMinorKey(s("F#m")));
    EXPECT_FALSE(Chord::isMinorKey(s("F#")));
    EXPECT_FALSE(Chord::isMinorKey(QString()));
}

TEST(ChordNames, FlatKeys)
{
    const int majorFlats[] = {1, 3, 5, 6, 8, 10};
    const int minorFlats[] = {0, 2, 3, 5, 7, 10};
    for (int tone = 0; tone < 12; ++tone) {
        EXPECT_EQ(Chord::isFlatTone(tone, false), std::count(std::begin(majorFlats), std::end(majorFlats), tone) == 1)
            << tone;
        EXPECT_EQ(Chord::isFlatTone(tone, true), std::count(std::begin(minorFlats), std::end(minorFlats), tone) == 1)
            << tone;
    }
    EXPECT_TRUE(Chord::isFlatTone(-2, false)) << "-2 is tone 10, Bb major";
    EXPECT_TRUE(Chord::isFlatTone(24 + 5, true)) << "Fm";
}

TEST(ChordNames, Transposes)
{
    struct Case
    {
        const char *name;
        qint64 steps;
        char16_t favor;
        const char *expected;
    };
    const Case cases[] = {
        {"C/E", 1, 0, "C#/F"},
        {"D/F#", 1, 0, "Eb/G"},
        {"C#/G#", 1, 0, "D/A"},
        {"G/B", 1, 0, "Ab/C"}, // the bass follows the new root's flat
        {"(Am)", 3, 0, "(Cm)"},
        {"(N.C.)", 3, 0, "(N.C.)"},
        {"N.C.", 2, 0, "N.C."},
        {"", 1, 0, ""},
        {"/E", 2, 0, "/F#"}, // a bare bass moves on its own
        {"H7", 0, 0, "B7"},
        {"Cb", 0, 0, "B"},
        {"E#", 0, 0, "F"},
        {"G", -8, 0, "B"},
        {"A", 13, u'#', "A#"},
        {"A", 1, u'b', "Bb"},
        {"Am7", 2, u'x', "Bm7"}, // any favour but '#' spells flats
        {"F/A", 1, u'#', "F#/A#"},
        {"Eb/G", 0, u'#', "D#/G"},
        {"Db/Ab", 0, u'#', "C#/G#"},
        {"C/E/G", 2, 0, "D/F#/A"},
        {"(C/E)", 1, 0, "(C#/F)"},
        {"C/(E)", 1, 0, "C#/(F)"},
        {"C/x", 1, 0, "C#/x"}, // a bass that is no chord stays
        {"C/", 1, 0, "C#/"},
        // Steps as far as a number goes: taken modulo 12 before any arithmetic.
        {"A", std::numeric_limits<qint64>::max(), 0, "E"},
        {"A/C", std::numeric_limits<qint64>::min(), 0, "C#/E"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Chord::transpose(s(c.name), c.steps, QChar(c.favor)), s(c.expected)) << c.name << " by " << c.steps;

    EXPECT_EQ(Chord::flatChordForName(s("A#m7")), s("Bbm7"));
    EXPECT_EQ(Chord::sharpChordForName(s("Ebsus4")), s("D#sus4"));
    EXPECT_EQ(Chord::flatChordForName(s("H7")), s("B7"));
    EXPECT_EQ(Chord::sharpChordForName(s("H7")), s("B7"));
    EXPECT_EQ(Chord::majorForMinor(s("Am")), s("C"));
    EXPECT_EQ(Chord::majorForMinor(s("F#m7")), s("A"));
    EXPECT_EQ(Chord::majorForMinor(s("Em")), s("G"));
}

TEST(ChordNames, CanonicalNames)
{
    struct Case
    {
        const char *name;
        const char *canonical;
    };
    const Case cases[] = {
        {"CM7", "Cmaj7"},
        {"Cmaj7", "Cmaj7"},
        {"Db7", "C#7"},
        {"C#7", "C#7"},
        {"H", "B"},
        {"", "C"},
        {"N.C.", "C.C."},
        {"(Gb)", "F#"},
        {"Bbm", "Bbm"},
        {"A#m", "Bbm"},
        // Basses meet too, so a slash chord finds its diagrams however its bass is spelled.
        {"Db/Ab", "C#/Ab"},
        {"C#/G#", "C#/Ab"},
        {"C/H", "C/B"},
        {"Am/x", "Am/x"},
        {"C/", "C/"},
        {"CM7/E", "Cmaj7/E"},
        {"C/E/Gb", "C/E/F#"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Chord::canonicalNameForChordTitle(s(c.name)), s(c.canonical)) << c.name;
}

TEST(ChordNames, LatinAndGermanNames)
{
    struct Case
    {
        const char *name;
        const char *latin;
        const char *german;
    };
    const Case cases[] = {
        {"C#m", "Do#m", "C#m"},
        {"Bb", "Sib", "B"},
        {"Bm", "Sim", "Hm"},
        {"Bb7", "Sib7", "B7"},
        {"C/G", "Do/Sol", "C/G"},
        {"Bb/B", "Sib/Si", "B/H"},
        {"(Am)", "(Lam)", "(Am)"},
        {"(Bb/F)", "(Sib/Fa)", "(B/F)"},
        {"H7", "H7", "H7"},
        {"", "", ""},
        {"/E", "/Mi", "/E"},
        {"N.C.", "N.C.", "N.C."},
        {"G/B/D", "Sol/Si/Re", "G/H/D"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Chord::latinNameForChordTitle(s(c.name)), s(c.latin)) << c.name;
        EXPECT_EQ(Chord::germanNameForChordTitle(s(c.name)), s(c.german)) << c.name;
    }

    ChordDisplayOptions options;
    EXPECT_EQ(Chord::displayNameForChordname(s("Bb"), options), s("Bb"));
    options.germanChords = true;
    EXPECT_EQ(Chord::displayNameForChordname(s("Bb"), options), s("B"));
    options.latinChords = true; // Latin wins over German
    EXPECT_EQ(Chord::displayNameForChordname(s("Bb"), options), s("Sib"));
    EXPECT_EQ(Chord::displayNameForChordname(QString(), options), QString());
}

TEST(ChordNames, RecognisesNashvilleNumbers)
{
    struct Case
    {
        const char *text;
        bool number;
    };
    const Case cases[] = {
        {"", false},  {"1", true},   {"7m7", true},  {"8", false},  {"0", false}, {"(5)", true}, {"#4", true},
        {"#", false}, {"#8", false}, {"(#4)", true}, {"((2", true}, {"(", false}, {"Am", false}, {"b3", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Chord::isNashvilleNumber(s(c.text)), c.number) << c.text;

    EXPECT_EQ(Chord::nashvilleNumberForBase(s("Eb")), s("2#"));
    EXPECT_EQ(Chord::nashvilleNumberForBase(s("D#m")), s("2#m"));
    EXPECT_EQ(Chord::nashvilleNumberForBase(s("Bbm")), s("6#m"));
    EXPECT_TRUE(Chord::nashvilleNumberForBase(s("Db")).isNull()) << "only default and sharp spellings";
    EXPECT_TRUE(Chord::nashvilleNumberForBase(s("H")).isNull());
    EXPECT_TRUE(Chord::nashvilleNumberForBase(QString()).isNull());
}

TEST(ChordNames, NamesToNashvilleNumbers)
{
    struct Case
    {
        const char *name;
        const char *key;
        const char *number;
    };
    const Case cases[] = {
        {"D7", "G", "57"},
        {"Em", "G", "6m"},
        {"C/E", "G", "4/6"},
        {"F#m7b5", "G", "7m7b5"},
        {"Am", "Am", "1m"}, // numbers count from the key's root, minor or not
        {"C", "Am", "2#"},
        {"Cmaj7", "C", "1maj7"},
        {"CM7", "C", "1M7"},
        {"Dbm7", "Ab", "4m7"},
        {"(N.C.)", "C", "(N.C.)"},
        {"(Am)", "C", "(6m)"},
        {"/E", "C", "/E"}, // its root, the "/", has no number
        {"", "C", ""},
        {"C/Em", "C", "1/3"}, // a bass is a bare degree
        {"Amaj7", "C", "6maj7"},
        {"Cmi7", "C", "1mi7"},
        {"Bb", "F", "4"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Chord::nashvilleNumberForName(s(c.name), s(c.key)), s(c.number)) << c.name << " in " << c.key;
}

TEST(ChordNames, NashvilleNumbersToNames)
{
    struct Case
    {
        const char *number;
        const char *key;
        char16_t favor;
        const char *name;
    };
    const Case cases[] = {
        {"57", "G", 0, "D7"},      {"6m7", "G", 0, "Em7"},   {"4/6", "G", 0, "C/E"},  {"1maj7", "G", 0, "Gmaj7"},
        {"6M7", "G", 0, "EM7"},                         // a major seventh stays one
        {"1M7", "C", 0, "CM7"},    {"1M", "C", 0, "C"}, // a bare M is the major mark
        {"1#M", "C", 0, "C#"},     {"1#M7", "C", 0, "C#M7"}, {"2#", "G", u'b', "Bb"}, {"2#", "G", u'#', "A#"},
        {"7#", "C", 0, "C"},       {"(5)", "D", 0, "(A)"},   {"#4", "C", 0, "#4"},    {"(#4)", "C", 0, "(#4)"},
        {"8", "C", 0, "8"},        {"", "C", 0, ""},         {"6-", "C", 0, "A-"}, // a "-" is no marker
        {"1#m", "C", u'#', "C#m"}, {"4/6m", "C", 0, "F/A"},  {"1m", "Am", 0, "Am"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Chord::nameForNashvilleNumber(s(c.number), s(c.key), QChar(c.favor)), s(c.name))
            << c.number << " in " << c.key;
}

// A second accidental was read as the start of the suffix, and an "M" before an accidental as a quality mark:
// the chord's pitch moved under transposition, in the library's name and through Nashville numbers.
TEST(ChordNames, RareSpellingsKeepTheirPitch)
{
    struct Case
    {
        const char *name;
        const char *upTwo;
        const char *canonical;
        const char *numberInC;
    };
    const Case cases[] = {
        {"C##", "E", "D", "2"},          {"Bbb", "B", "A", "6"},          {"Fbb7", "F7", "Eb7", "2#7"},
        {"C#bm", "Dm", "Cm", "1m"},      {"G/E#b", "A/F#", "G/E", "5/3"}, {"BMb5", "C#Mb5", "Bmajb5", "7Mb5"},
        {"EM#", "F#M#", "Emaj#", "3M#"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Chord::transpose(s(c.name), 2), s(c.upTwo)) << c.name;
        EXPECT_EQ(Chord::canonicalNameForChordTitle(s(c.name)), s(c.canonical)) << c.name;
        EXPECT_EQ(Chord::nashvilleNumberForName(s(c.name), s("C")), s(c.numberInC)) << c.name;
    }
}

// Converting a song to numbers and back must give the same chords, up to the spelling the key chooses.
TEST(ChordNames, NashvilleNumbersGoThereAndBack)
{
    const QStringList names = {
        s("C"),
        s("Cm"),
        s("C7"),
        s("CM7"),
        s("Cmaj7"),
        s("Cm7"),
        s("Cm7b5"),
        s("Csus4"),
        s("Cdim7"),
        s("C/E"),
        s("Am/G"),
        s("D/F#"),
        s("Bbm7"),
        s("F#m7b5"),
        s("C#M7"),
        s("Ebadd9"),
        s("G6/9"),
        s("(Am)"),
        s("Cmi7"),
        s("Dbmaj7/F"),
        s("Cm(maj7)"),
        s("E7#9"),
        s("N.C."),
        // Rare spellings: a double accidental, a bass with two, an "M" before an accidental.
        s("C##"),
        s("Bbb7"),
        s("G/E#b"),
        s("BMb5"),
        s("EM#"),
    };
    const QStringList keys = {s("C"), s("G"), s("F"), s("Bb"), s("Am"), s("Em"), s("Db"), s("F#"), s("C#m")};
    for (const QString &key : keys) {
        const QChar favor = Chord::isFlatTone(Chord::toneForChordTitle(key), Chord::isMinorKey(key)) ? u'b' : u'#';
        for (const QString &name : names) {
            const QString number = Chord::nashvilleNumberForName(name, key);
            const QString back = Chord::nameForNashvilleNumber(number, key, favor);
            EXPECT_EQ(Chord::transpose(back, 0), Chord::transpose(name, 0))
                << name.toStdString() << " in " << key.toStdString() << " via " << number.toStdString();
        }
    }
}

TEST(ChordNames, OrdersNamesByToneThenSuffix)
{
    EXPECT_LT(Chord::chordCompare(s("C"), s("Cm")), 0);
    EXPECT_LT(Chord::chordCompare(s("Cm"), s("C#")), 0);
    EXPECT_EQ(Chord::chordCompare(s("Db7"), s("C#7")), 0);
    EXPECT_EQ(Chord::chordCompare(s("H"), s("B")), 0);
    EXPECT_GT(Chord::chordCompare(s("N.C."), s("C")), 0) << "N.C. is root N (tone 0) with suffix .C.";
    EXPECT_GT(Chord::chordCompare(s("Bb"), s("A7")), 0);

    QStringList names = {s("Bm"), s("C#"), s("C"), s("Cm"), s("A7"), s("Ab"), s("Eb")};
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return Chord::chordCompare(a, b) < 0; });
    EXPECT_EQ(names, (QStringList{s("C"), s("Cm"), s("C#"), s("Eb"), s("Ab"), s("A7"), s("Bm")}));
}

// A strange song may hold a "chord" with thousands of slashes: every rule walks it without deep recursion.
TEST(ChordNames, LongSlashChainsAreHandled)
{
    constexpr int links = 20000;
    const QString name = s("(C") + s("/E").repeated(links) + s(")");
    EXPECT_EQ(Chord::transpose(name, 1), s("(C#") + s("/F").repeated(links) + s(")"));
    EXPECT_EQ(Chord::latinNameForChordTitle(name), s("(Do") + s("/Mi").repeated(links) + s(")"));
    const QString number = Chord::nashvilleNumberForName(name, s("C"));
    EXPECT_EQ(number, s("(1") + s("/3").repeated(links) + s(")"));
    EXPECT_EQ(Chord::nameForNashvilleNumber(number, s("C")), name);
    EXPECT_EQ(Chord::canonicalNameForChordTitle(name), s("C") + s("/E").repeated(links));
}
