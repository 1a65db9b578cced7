// Instruments by title, tuning lines, and chords carried over to a detuned tuning.
#include "chord.h"
#include "instrument.h"
#include "logcapture.h"

#include <gtest/gtest.h>

namespace {

Instrument guitarFromDatabase()
{
    return Instrument::fromPath(QStringLiteral(":/chords/Guitar.pdb"));
}

Instrument::Tuning tuningOf(std::initializer_list<qint64> detunings)
{
    Instrument::Tuning tuning{};
    std::copy(detunings.begin(), detunings.end(), tuning.begin());
    return tuning;
}

Chord chord(const char *title, Chord::Strings strings)
{
    Chord c;
    c.setTitle(QString::fromLatin1(title));
    c.strings() = strings;
    return c;
}

constexpr int x = Chord::muted;

} // namespace

TEST(Instrument, TitleChoosesStringsTonesAndFlags)
{
    struct Case
    {
        const char *path;
        const char *title;
        int numstrings;
        std::array<int, 6> tones;
        bool isBass;
        bool isKeyboard;
    };
    const Case cases[] = {
        {":/chords/Guitar.pdb", "Guitar", 6, {-8, -3, 2, 7, 11, 16}, false, false},
        {"/somewhere/Ukulele_C.pdb", "Ukulele_C", 4, {7, 0, 4, 9, 0, 0}, false, false},
        {"Banjo.pdb", "Banjo", 5, {-5, 2, 7, 11, 14, 0}, false, false},
        {"Bass_5.pdb", "Bass_5", 5, {-25, -20, -15, -10, -5, 0}, true, false},
        {"Charango.pdb", "Charango", 5, {19, 24, 28, 21, 28, 0}, false, false},
        {"Mountain_Dulcimer.pdb", "Mountain_Dulcimer", 3, {2, 9, 14, 0, 0, 0}, false, false},
        {"Piano.pdb", "Piano", 6, {0, 0, 0, 0, 0, 0}, false, true},
        // The title is compared exactly: anything else is a guitar.
        {"bass_guitar.pdb", "bass_guitar", 6, {-8, -3, 2, 7, 11, 16}, false, false},
    };
    for (const Case &c : cases) {
        const Instrument instrument = Instrument::fromPath(QString::fromLatin1(c.path));
        EXPECT_EQ(instrument.title(), QLatin1String(c.title)) << c.path;
        EXPECT_EQ(instrument.chorddbpath(), QLatin1String(c.path));
        EXPECT_EQ(instrument.numstrings(), c.numstrings) << c.path;
        EXPECT_EQ(instrument.isBass(), c.isBass) << c.path;
        EXPECT_EQ(instrument.isKeyboard(), c.isKeyboard) << c.path;
        for (int s = 0; s < c.numstrings; ++s)
            EXPECT_EQ(instrument.baseToneForString(s), c.tones[s]) << c.path << " string " << s;
    }
}

TEST(Instrument, IsShownByTheNamePeopleUseAndStoredByItsTitle)
{
    struct Case
    {
        const char *title;
        const char *shown;
    };
    const Case cases[] = {
        {"Guitar", "Guitar"},
        {"Cigar_Box_Guitar", "Cigar Box Guitar"},
        {"Ukulele_C", "Ukulele (C tuning)"},
        {"Ukulele_D", "Ukulele (D tuning)"},
        {"Ukulele_Bariton", "Baritone Ukulele"},
        {"Bass_5", "5-String Bass"},
        {"Banjo_Tenor", "Tenor Banjo"},
        {"Mountain_Dulcimer", "Mountain Dulcimer"},
        {"Piano", "Piano"},
        {"My_Own_Harp", "My Own Harp"}, // a database the program does not know: its file name, readable
    };
    for (const Case &c : cases) {
        const Instrument instrument = Instrument::fromPath(QStringLiteral("/chords/%1.pdb").arg(c.title));
        EXPECT_EQ(instrument.displayName(), QLatin1String(c.shown)) << c.title;
        EXPECT_EQ(instrument.title(), QLatin1String(c.title));
    }
}

TEST(Instrument, UserChordFileIsNamedAfterTheTitle)
{
    EXPECT_EQ(guitarFromDatabase().definedChordsPath(QStringLiteral("/songs")),
              QStringLiteral("/songs/Guitar.chords.txt"));
}

TEST(Instrument, ReadsTuningLines)
{
    struct Case
    {
        const char *line;
        bool accepted;
        Instrument::Tuning tuning;
    };
    const Case cases[] = {
        {"# D A D G B E", true, tuningOf({-2, 0, 0, 0, 0, 0})},
        {"# Eb Ab Db Gb Bb Eb", true, tuningOf({-1, -1, -1, -1, -1, -1})},
        {"# d a d g b e", true, tuningOf({-2, 0, 0, 0, 0, 0})},
        {"# D\tA D G B E", true, tuningOf({-2, 0, 0, 0, 0, 0})},
        // Six semitones away: up on the lowest string, down on the fourth.
        {"# Bb A D C# B E", true, tuningOf({6, 0, 0, -6, 0, 0})},
        {"# E A D G B E F G", true, tuningOf({})}, // names beyond the strings are ignored
        {"#D A D G B E", false, {}},
        {"# D A D G B", false, {}},
        // A trailing blank is no sixth name.
        {"# D A D G B ", false, {}},
        // Two blanks give an empty first name, which reads as C; every name moves one string on.
        {"#  D A D G B E", true, tuningOf({-4, 5, -5, -5, -4, -5})},
    };
    for (const Case &c : cases) {
        Instrument instrument = guitarFromDatabase();
        instrument.setDeltaTuning(tuningOf({1, 1, 1, 1, 1, 1}));
        EXPECT_EQ(instrument.loadTuning(QString::fromLatin1(c.line)), c.accepted) << c.line;
        EXPECT_EQ(instrument.deltaTuning(), c.accepted ? c.tuning : tuningOf({1, 1, 1, 1, 1, 1})) << c.line;
    }
}

TEST(Instrument, WritesTuningLinesWithDefaultSpellings)
{
    Instrument instrument = guitarFromDatabase();
    QString text;
    instrument.saveTuning(text);
    EXPECT_EQ(text, QString()) << "standard tuning writes no line";

    ASSERT_TRUE(instrument.loadTuning(QStringLiteral("# Eb Ab Db Gb Bb Eb")));
    instrument.saveTuning(text);
    EXPECT_EQ(text, QStringLiteral("# Eb Ab C# F# Bb Eb\n"));
    Instrument reread = guitarFromDatabase();
    ASSERT_TRUE(reread.loadTuning(text));
    EXPECT_EQ(reread.deltaTuning(), instrument.deltaTuning());
    EXPECT_TRUE(reread.isDetuned());
    reread.resetTuning();
    EXPECT_FALSE(reread.isDetuned());
}

TEST(Instrument, DescribesTheTuningAsShownAndAsEdited)
{
    Instrument instrument = guitarFromDatabase();
    ASSERT_TRUE(instrument.loadTuning(QStringLiteral("# D A D G B E")));
    ChordDisplayOptions leftHandedLatin;
    leftHandedLatin.leftHandedChordDisplay = true;
    leftHandedLatin.latinChords = true;
    ChordDisplayOptions german;
    german.germanChords = true;
    EXPECT_EQ(instrument.tuningDescription(leftHandedLatin), QStringLiteral("Mi Si Sol Re La Re"));
    EXPECT_EQ(instrument.tuningDescription(german), QStringLiteral("D A D G H E"));

    // The form the user edits is the plain one in storage order, which reads back as the same tuning.
    const QString edited = instrument.tuningDescription();
    EXPECT_EQ(edited, QStringLiteral("D A D G B E"));
    Instrument reread = guitarFromDatabase();
    ASSERT_TRUE(reread.loadTuning(QStringLiteral("# ") + edited));
    EXPECT_EQ(reread.deltaTuning(), instrument.deltaTuning());
}

TEST(Instrument, KeyboardIsNeverDetuned)
{
    Instrument piano = Instrument::fromPath(QStringLiteral("Piano.pdb"));
    piano.setDeltaTuning(tuningOf({1}));
    EXPECT_FALSE(piano.isDetuned());
    QString text;
    piano.saveTuning(text);
    EXPECT_EQ(text, QString());
}

TEST(Instrument, TunedChordsMoveBuiltInFingeringsOntoDetunedStrings)
{
    Instrument dropD = guitarFromDatabase();
    ASSERT_TRUE(dropD.loadTuning(QStringLiteral("# D A D G B E")));
    Instrument halfDown = guitarFromDatabase();
    ASSERT_TRUE(halfDown.loadTuning(QStringLiteral("# Eb Ab Db Gb Bb Eb")));
    Instrument halfUp = guitarFromDatabase();
    ASSERT_TRUE(halfUp.loadTuning(QStringLiteral("# F Bb Eb Ab C F")));

    struct Case
    {
        const Instrument *instrument;
        Chord::Strings built;
        Chord::Strings tuned;
    };
    const Case cases[] = {
        {&dropD, {x, x, 0, 2, 3, 2}, {x, x, 0, 2, 3, 2}},
        {&dropD, {0, 2, 2, 1, 0, 0}, {2, 2, 2, 1, 0, 0}},
        {&dropD, {13, -17, -17, 14, 13, 13}, {-17, -17, -17, 14, 13, 13}},
        {&halfDown, {x, 3, 2, 0, 1, 0}, {x, 4, 3, 1, 2, 1}},
        {&halfDown, {3, 2, 0, 0, 0, 3}, {4, 3, 1, 1, 1, 4}},
        // The open strings would have to go up to fret 11, out of reach of the others: they are muted.
        {&halfUp, {0, 2, 2, 1, 0, 0}, {x, 1, 1, 0, x, x}},
    };
    for (const Case &c : cases) {
        const Chord tuned = c.instrument->tunedChordForChord(chord("C", c.built));
        EXPECT_EQ(tuned.strings(), c.tuned) << chord("C", c.built).description(*c.instrument).toStdString();
        EXPECT_EQ(tuned.title(), QStringLiteral("C"));
    }
}

TEST(Instrument, TunedChordsLeaveUserSongAndAutomaticChordsAlone)
{
    Instrument dropD = guitarFromDatabase();
    ASSERT_TRUE(dropD.loadTuning(QStringLiteral("# D A D G B E")));
    const Chord::Strings e = {0, 2, 2, 1, 0, 0};
    const Chord::Strings retuned = {2, 2, 2, 1, 0, 0};

    Chord builtIn = chord("E", e);
    Chord builtInFavourite = chord("E", e);
    builtInFavourite.setFavorite(true);
    Chord user = chord("E", e);
    user.setEditable(true);
    Chord userFavourite = user;
    userFavourite.setFavorite(true);
    Chord song = chord("E", e);
    song.setTemp(true);
    Chord automatic = chord("E", e);
    automatic.setAutomatic(true);

    EXPECT_EQ(dropD.tunedChordForChord(builtIn).strings(), retuned);
    // A favourite of a built-in chord is still a fingering for standard tuning.
    EXPECT_EQ(dropD.tunedChordForChord(builtInFavourite).strings(), retuned);
    EXPECT_TRUE(dropD.tunedChordForChord(builtInFavourite).favorite());
    for (const Chord &asItIs : {user, userFavourite, song, automatic})
        EXPECT_EQ(dropD.tunedChordForChord(asItIs).strings(), e);
    EXPECT_EQ(guitarFromDatabase().tunedChordForChord(builtIn).strings(), e) << "standard tuning";
}

TEST(Instrument, AutomaticChordSoundsTheChordsTonesInTheNewTuning)
{
    Instrument dropD = guitarFromDatabase();
    ASSERT_TRUE(dropD.loadTuning(QStringLiteral("# D A D G B E")));
    const std::optional<Chord> automatic = dropD.automaticTunedChordForChord(chord("D", {x, x, 0, 2, 3, 2}));
    ASSERT_TRUE(automatic);
    EXPECT_EQ(automatic->strings(), (Chord::Strings{0, 0, 0, 2, 3, 2}));
    EXPECT_EQ(automatic->title(), QStringLiteral("D"));
    EXPECT_TRUE(automatic->automatic());
    EXPECT_FALSE(automatic->editable() || automatic->favorite() || automatic->temp());
}

TEST(Instrument, AutomaticChordNeedsEveryTone)
{
    // Tuned to D and A, neither string reaches an Ab within the first five frets.
    Instrument twoStrings(QStringLiteral("Two"), 2, {-8, -3});
    ASSERT_TRUE(twoStrings.loadTuning(QStringLiteral("# D A")));
    LogCapture log;
    EXPECT_FALSE(twoStrings.automaticTunedChordForChord(chord("Ab", {4, x, x, x, x, x})).has_value());
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("No auto-chord found for tuning D A and chord Ab 4 x")});
}
