// Chord fingerings: the definition string both ways, derived values, comparison, barre, notes and tones.
#include "chord.h"
#include "testinstruments.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

Chord chord(const char *title, Chord::Strings strings)
{
    Chord c;
    c.setTitle(s(title));
    c.strings() = strings;
    return c;
}

std::vector<int> noteValues(const QList<Note> &notes)
{
    std::vector<int> values;
    for (const Note &note : notes)
        values.push_back(note.noteValue());
    return values;
}

constexpr int x = Chord::muted;
constexpr int f15 = Chord::fretFifteen;

} // namespace

TEST(ChordDefinition, Reads)
{
    struct Case
    {
        const char *definition;
        const char *title;
        Chord::Strings strings;
        bool favorite;
    };
    const Case cases[] = {
        {"C 0 x 3 2 0 1 0", "C", {x, 3, 2, 0, 1, 0}, false},
        {"C base 0 frets x 3 2 0 1 0", "C", {x, 3, 2, 0, 1, 0}, false}, // both optional words skipped
        {"C x 3 2 0 1 0", "C", {5, 0, 4, 0, x, x}, false}, // no base fret: the first fret is taken as the word
        {"F 3 1 3 3 2 1 1", "F", {4, 6, 6, 5, 4, 4}, false},
        {"C 1 x 3 2 0 1 0", "C", {x, 3, 2, 0, 1, 0}, false}, // base fret 1 counts as 0
        {"X 0 15 x x x x x", "X", {f15, x, x, x, x, x}, false},
        {"X 3 15 x x x x x", "X", {f15, x, x, x, x, x}, false},  // "15" is fret 15 whatever the base
        {"X 12 3 x x x x x", "X", {f15, x, x, x, x, x}, false},  // relative 3 on base 12 is fret 15, not muted
        {"D 0 x x 0 2", "D", {x, x, 0, 2, x, x}, false},         // missing strings are muted
        {"E 0 0 2 2 1 0 0 5 5", "E", {0, 2, 2, 1, 0, 0}, false}, // more than six are ignored
        {"A 0 x 0 2 2 2 0*", "A", {x, 0, 2, 2, 2, 0}, true},
        {"A 0 x 0 2 2 2 0 *", "A", {x, 0, 2, 2, 2, 0}, true},
        {"A 0 x 0 2 2 x*", "A", {x, 0, 2, 2, x, x}, true}, // a glued star does not open a muted string
        {"G 0 3 2 0 0 *", "G", {3, 2, 0, 0, x, x}, true},  // a lone star is no fret
        {"C\t0\tx\t3\t2\t0\t1\t0", "C", {x, 3, 2, 0, 1, 0}, false},
        {"  C   0  x 3 2 0 1 0  ", "C", {x, 3, 2, 0, 1, 0}, false},
        {"C -3 4 5 6", "C", {1, 2, 3, x, x, x}, false},
        {"C 0 +2 x", "C", {2, x, x, x, x, x}, false},
        {"C 0 a b c d e f", "C", {0, 0, 0, 0, 0, x}, false}, // a word, then pieces without numbers
        {"C 0", "C", {0, 0, 0, 0, 0, 0}, false},
        {"C 0 *", "C", {0, 0, 0, 0, 0, 0}, false}, // no fret pieces: never a favourite
        {"C*", "C*", {0, 0, 0, 0, 0, 0}, false},
        {"C", "C", {0, 0, 0, 0, 0, 0}, false},
        {"", "", {0, 0, 0, 0, 0, 0}, false},
        {" \t ", "", {0, 0, 0, 0, 0, 0}, false},
        // Values beyond what a chord can hold are refused: the title alone, not valid.
        {"C 0 999 x x x x x", "C", {0, 0, 0, 0, 0, 0}, false},
        {"C 99999999999999999999999 1 x", "C", {0, 0, 0, 0, 0, 0}, false},
        {"C 0 -99999999999999999999999 x *", "C", {0, 0, 0, 0, 0, 0}, false},
    };
    for (const Case &c : cases) {
        const Chord read = Chord::fromDefinition(s(c.definition));
        EXPECT_EQ(read.title(), s(c.title)) << c.definition;
        EXPECT_EQ(read.strings(), c.strings) << c.definition;
        EXPECT_EQ(read.favorite(), c.favorite) << c.definition;
        EXPECT_FALSE(read.editable()) << c.definition;
    }
}

TEST(ChordDefinition, Writes)
{
    struct Case
    {
        Instrument instrument;
        Chord::Strings strings;
        bool favorite;
        const char *definition;
    };
    const Case cases[] = {
        {guitar(), {x, 3, 2, 0, 1, 0}, false, "T 0 x 3 2 0 1 0"},
        {guitar(), {4, 6, 6, 5, 4, 4}, false, "T 3 1 3 3 2 1 1"},
        {guitar(), {x, 0, 2, 2, 2, 0}, true, "T 0 x 0 2 2 2 0 *"},
        {guitar(), {f15, x, x, x, x, x}, false, "T 0 -17 x x x x x"},
        {guitar(), {x, f15, 7, 7, 7, 10}, false, "T 6 x -23 1 1 1 4"},
        {guitar(), {x, 2, 4, 4, 4, 7}, false, "T 0 x 2 4 4 4 7"}, // base fret 1 is written as 0
        // Relative to base 6, fret 21 would be written "15", which reads as fret 15: written absolute.
        {guitar(), {x, 7, 9, 21, x, x}, false, "T 0 x 7 9 21 x x"},
        {ukulele(), {0, 0, 0, 3, 9, 9}, false, "T 0 0 0 0 3"}, // only the instrument's strings
        {piano(), {-5, -1, 2, 7, x, x}, false, "T -6 1 5 8 13 x x"},
        // Keyboard notes whose base would turn a note into "15" or "0": written absolute.
        {piano(), {-5, 4, 9, x, x, x}, false, "T 0 -5 4 9 x x x"},
        {piano(), {-16, f15, 7, x, x, x}, false, "T 0 -16 -17 7 x x x"},
    };
    for (const Case &c : cases) {
        Chord written = chord("T", c.strings);
        written.setFavorite(c.favorite);
        EXPECT_EQ(written.definition(c.instrument), s(c.definition)) << c.definition;
    }
}

// Whatever the values, a chord written and read back has the same values on the instrument's strings,
// muted strings beyond them, and the same title and favourite flag.
TEST(ChordDefinition, RoundTripsEveryFingering)
{
    const int values[] = {0, x, f15, 1, 2, 3, 5, 6, 7, 9, 12, 14, 16, 21, 24, -1, -5, -12, -16, -30, 40};
    const Instrument instruments[] = {guitar(), ukulele(), banjo(), dulcimer(), piano()};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> pick(0, std::size(values) - 1);
    for (const Instrument &instrument : instruments) {
        for (int round = 0; round < 3000; ++round) {
            Chord original = chord("Am7", {});
            for (int &value : original.strings())
                value = values[pick(random)];
            original.setFavorite(round % 2 == 1);
            const QString text = original.definition(instrument);
            const Chord read = Chord::fromDefinition(text);
            EXPECT_EQ(read.title(), original.title()) << text.toStdString();
            EXPECT_EQ(read.favorite(), original.favorite()) << text.toStdString();
            for (int string = 0; string < Instrument::maxStrings; ++string) {
                const int expected = string < instrument.numstrings() ? original.strings()[string] : x;
                ASSERT_EQ(read.strings()[string], expected) << text.toStdString() << " string " << string;
            }
        }
    }
}

TEST(ChordFingering, ValidityAndUpdate)
{
    EXPECT_FALSE(chord("C", {0, 0, 0, 0, 0, 0}).valid()) << "six open strings";
    EXPECT_TRUE(chord("C", {0, 0, 0, 0, 0, x}).valid()) << "a muted string counts";
    EXPECT_FALSE(chord("", {x, 3, 2, 0, 1, 0}).valid());

    Chord source = chord("D", {x, x, 0, 2, 3, 2});
    source.setEditable(true);
    source.setFavorite(true);
    source.setTemp(true);
    source.setInvert(true);
    source.setBounds(QRectF(1, 2, 3, 4));
    Chord target;
    target.updateFromChord(source);
    EXPECT_EQ(target, source);
    EXPECT_TRUE(target.editable());
    EXPECT_TRUE(target.favorite());
    EXPECT_FALSE(target.temp());
    EXPECT_FALSE(target.invert());
    EXPECT_TRUE(target.bounds().isNull());
}

TEST(ChordFingering, BaseFretAndFretsShown)
{
    struct Case
    {
        Instrument instrument;
        Chord::Strings strings;
        int baseFret;
        const char *label;
        int numFrets;
    };
    const Case cases[] = {
        {guitar(), {5, 7, 7, 6, 5, 5}, 4, "5", 4},
        {guitar(), {0, 2, 2, 1, 0, 0}, 0, "", 4},
        {guitar(), {x, x, 7, 7, 7, 10}, 6, "7", 4},
        {guitar(), {x, f15, 7, 7, 7, 10}, 6, "7", 9}, // fret 15 counts for the rows, not the base
        {guitar(), {x, x, 10, 12, 13, 12}, 9, "10", 4},
        {guitar(), {x, x, x, x, x, x}, 0, "", 4},
        {guitar(), {3, 5, 5, 4, 3, 12}, 2, "3", 10},
        {ukulele(), {0, 0, 0, 3, 12, 12}, 0, "", 4}, // strings beyond the instrument's do not count
    };
    for (const Case &c : cases) {
        const Chord k = chord("T", c.strings);
        EXPECT_EQ(k.baseFret(c.instrument), c.baseFret) << c.label;
        EXPECT_EQ(k.baseFretAsString(c.instrument), s(c.label));
        EXPECT_EQ(k.numFrets(c.instrument), c.numFrets) << c.label;
    }
}

TEST(ChordFingering, Description)
{
    EXPECT_EQ(chord("C", {x, 3, 2, 0, 1, 0}).description(guitar()), s("C x 3 2 0 1 0"));
    EXPECT_EQ(chord("X", {f15, 17, x, 0, 0, 0}).description(guitar()), s("X 15 17 x 0 0 0"));
    EXPECT_EQ(chord("C", {0, 0, 0, 3, x, x}).description(ukulele()), s("C 0 0 0 3"));
}

TEST(ChordFingering, EqualityIdentityAndOrder)
{
    const Chord c = chord("C", {x, 3, 2, 0, 1, 0});
    Chord flagged = c;
    flagged.setFavorite(true);
    flagged.setEditable(true);
    EXPECT_EQ(flagged, c) << "flags do not count";
    EXPECT_FALSE(chord("Cmaj", {x, 3, 2, 0, 1, 0}) == c);
    EXPECT_FALSE(chord("C", {x, 3, 2, 0, 1, 1}) == c);

    EXPECT_TRUE(c.isIdenticalToChord(chord("other", {3, 3, 2, 0, 1, 0}), guitar())) << "muted matches anything";
    EXPECT_FALSE(c.isIdenticalToChord(chord("C", {x, 3, 2, 0, 1, 1}), guitar()));
    EXPECT_TRUE(c.isIdenticalToChord(chord("C", {x, 3, 2, 0, 5, 5}), ukulele())) << "only the instrument's strings";
    EXPECT_TRUE(c.isIdenticalToChord(chord("C", {1, 1, 1, 1, 1, 1}), Instrument(s("None"), 0, {})));

    Chord favourite = chord("C", {8, 10, 10, 9, 8, 8});
    favourite.setFavorite(true);
    Chord builtIn = chord("C", {x, 3, 2, 0, 1, 0});
    Chord builtInHigh = chord("C", {x, 3, 5, 5, 5, 3});
    Chord user = chord("C", {x, 3, 2, 0, 1, 0});
    user.setEditable(true);
    EXPECT_LT(favourite.compare(builtIn, guitar()), 0);
    EXPECT_LT(builtIn.compare(user, guitar()), 0);
    EXPECT_GT(user.compare(builtInHigh, guitar()), 0) << "built-in before editable, whatever the fret";
    EXPECT_LT(builtIn.compare(chord("C", {8, 10, 10, 9, 8, 8}), guitar()), 0) << "then by base fret";
    EXPECT_EQ(builtIn.compare(builtInHigh, guitar()), 0) << "both drawn from the nut";
}

TEST(ChordFingering, Barre)
{
    struct Case
    {
        Instrument instrument;
        Chord::Strings strings;
        bool barre;
        int from, to, fret;
    };
    const Case cases[] = {
        {guitar(), {1, 3, 3, 2, 1, 1}, true, 0, 5, 1},
        {guitar(), {0, 1, 1, 1, 1, 1}, true, 1, 5, 1},  // five fretted strings, the first open
        {guitar(), {1, 1, 2, 3, 0, 1}, false, 0, 0, 0}, // an open string follows
        {guitar(), {x, 3, 5, 5, 5, 3}, true, 1, 5, 3},
        {guitar(), {3, 5, 5, 5, 5, 5}, false, 0, 0, 0}, // nothing on fret 3 after it; a lower fret before 5
        {guitar(), {x, 3, 2, 0, 1, 0}, false, 0, 0, 0},
        {ukulele(), {2, 2, 2, 2, 2, 2}, false, 0, 0, 0}, // fewer than five fretted strings on the instrument
        {banjo(), {5, 5, 5, 5, 5, 0}, true, 0, 4, 5},
    };
    for (const Case &c : cases) {
        int from = -1, to = -1, fret = -1;
        EXPECT_EQ(chord("T", c.strings).barreFromString(from, to, fret, c.instrument), c.barre);
        if (c.barre) {
            EXPECT_EQ(from, c.from);
            EXPECT_EQ(to, c.to);
            EXPECT_EQ(fret, c.fret);
        } else {
            EXPECT_EQ(from, -1) << "out-values untouched on no";
        }
    }
}

TEST(ChordFingering, DisplayColumnsMirrorForLeftHanders)
{
    const Instrument instrument = guitar();
    ChordDisplayOptions rightHanded;
    ChordDisplayOptions leftHanded;
    leftHanded.leftHandedChordDisplay = true;

    Chord c = chord("C", {x, 3, 2, 0, 1, 0});
    const bool roots[] = {false, true, false, false, true, false}; // the A string's C and the B string's C
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(c.stringAt(column, instrument, rightHanded), c.strings()[column]);
        EXPECT_EQ(c.stringAt(column, instrument, leftHanded), c.strings()[5 - column]);
        EXPECT_EQ(c.isBaseAt(column, instrument, rightHanded), roots[column]) << column;
        EXPECT_EQ(c.isBaseAt(column, instrument, leftHanded), roots[5 - column]) << column;
        EXPECT_EQ(instrument.toneForString(column, leftHanded), instrument.baseToneForString(5 - column));
    }
    EXPECT_EQ(c.stringAt(6, instrument, rightHanded), x) << "a column the instrument lacks";
    EXPECT_EQ(c.stringAt(-1, instrument, leftHanded), x);
    EXPECT_FALSE(c.isBaseAt(7, instrument, rightHanded));

    c.setStringAt(0, 3, instrument, leftHanded);
    EXPECT_EQ(c.strings()[5], 3);
    c.setStringAt(9, 3, instrument, leftHanded);
    EXPECT_EQ(c.strings(), (Chord::Strings{x, 3, 2, 0, 1, 3}));

    EXPECT_TRUE(chord("C", {0, 4, 7, x, x, x}).isBaseAt(0, piano(), rightHanded)) << "keyboard values are notes";
    EXPECT_TRUE(chord("G", {f15, x, x, x, x, x}).isBaseAt(0, guitar(), rightHanded)) << "E string fret 15 is G";
}

TEST(ChordFingering, NotesAndBaseTones)
{
    struct Case
    {
        const char *what;
        Instrument instrument;
        Chord::Strings strings;
        std::vector<int> notes;
        std::set<int> tones;
    };
    const Case cases[] = {
        {"guitar C", guitar(), {x, 3, 2, 0, 1, 0}, {0, 4, 7, 12, 16}, {0, 4, 7}},
        {"guitar fret 15", guitar(), {f15, x, x, x, x, x}, {7}, {7}},
        {"ukulele C, re-entrant", ukulele(), {0, 0, 0, 3, 5, 5}, {0, 4, 7, 12}, {0, 4, 7}},
        {"keyboard notes, 15 stored as -17", piano(), {4, 0, 7, x, x, f15}, {0, 4, 7, 15}, {0, 3, 4, 7}},
        {"keyboard below middle C", piano(), {-12, -8, -5, x, x, x}, {-12, -8, -5}, {0, 4, 7}},
        // The dulcimer's frets are diatonic: fret 3 is five semitones, fret 1 two.
        {"dulcimer G", dulcimer(), {3, 1, 0, 7, 7, 7}, {7, 11, 14}, {2, 7, 11}},
        {"dulcimer high frets", dulcimer(), {7, 11, 14, x, x, x}, {14, 28, 38}, {2, 4}},
    };
    for (const Case &c : cases) {
        const Chord k = chord("T", c.strings);
        EXPECT_EQ(noteValues(k.notes(c.instrument)), c.notes) << c.what;
        EXPECT_EQ(k.baseTones(c.instrument), c.tones) << c.what;
    }
}

TEST(ChordFingering, DulcimerFretsCountDiatonically)
{
    const qint64 semitones[] = {0, 2, 4, 5, 7, 9, 10, 12, 14, 16, 17, 19, 21, 22, 24};
    for (qint64 fret = 0; fret < qint64(std::size(semitones)); ++fret)
        EXPECT_EQ(Chord::mountainDulcimerString(fret), semitones[fret]) << fret;
    EXPECT_EQ(Chord::mountainDulcimerString(-17), 0);
    EXPECT_EQ(Chord::mountainDulcimerString(-1), 0);
}

TEST(ChordFingering, NameRulesOnItsTitle)
{
    const Chord c = chord("Bbm7/F", {});
    EXPECT_EQ(c.chordBase(), s("Bb"));
    EXPECT_EQ(c.chordModifier(), s("m7/F"));
    EXPECT_EQ(c.tone(), 10);
    EXPECT_TRUE(c.isMinor());
    EXPECT_EQ(c.canonicalName(), s("Bbm7/F"));
    ChordDisplayOptions german;
    german.germanChords = true;
    EXPECT_EQ(c.displayName(german), s("Bm7/F"));
}
