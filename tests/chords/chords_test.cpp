// The chord library: loading on its own thread, look-ups, favourites, search, retuning and the user chord file.
#include "chorddatabasefixture.h"
#include "chordloader.h"
#include "chords.h"
#include "failingwrites.h"
#include "fakeappcontext.h"
#include "logcapture.h"
#include "textfile.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

constexpr int x = Chord::muted;

class ChordsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        guitar = Instrument::fromPath(writeChordDatabase(folder.path(), QStringLiteral("Guitar"),
                                                         {
                                                             {"C", {x, 3, 2, 0, 1, 0}},
                                                             {"C", {x, 3, 5, 5, 5, 3}},
                                                             {"C#7", {x, 4, 3, 4, 2, x}},
                                                             {"Csus4", {x, 3, 3, 0, 1, 1}},
                                                             {"Dsus2", {x, x, 0, 2, 3, 0}},
                                                             {"D", {x, x, 0, 2, 3, 2}},
                                                             {"E", {0, 2, 2, 1, 0, 0}},
                                                             {"Junk", {-2, 0, 0, 0, 0, 0}}, // 0xFE: no chord
                                                             {"G", {x, 10, 12, 12, 12, 10}},
                                                             {"G", {3, 2, 0, 0, 0, 3}},
                                                             {"G", {3, 2, 0, 0, 3, 3}},
                                                             {"Am", {x, 0, 2, 2, 1, 0}},
                                                         }));
    }

    QString userFile() const { return guitar.definedChordsPath(folder.path()); }
    void writeUserFile(const QString &text) const { ASSERT_TRUE(TextFile::write(userFile(), text)); }
    QString readUserFile() const { return TextFile::read(userFile(), TextFile::LastResort::None).value_or(QString()); }

    // A library of the instrument, loaded.
    std::unique_ptr<Chords> load(Instrument &instrument)
    {
        auto chords = std::make_unique<Chords>(instrument, instrument.definedChordsPath(folder.path()));
        waitUntilReady(*chords);
        return chords;
    }

    static void waitUntilReady(Chords &chords)
    {
        QSignalSpy ready(&chords, &Chords::ready);
        if (!chords.isReady()) {
            ASSERT_TRUE(ready.wait(10000));
        }
    }

    static QList<Chord::Strings> fingerings(const QList<Chord> &chords)
    {
        QList<Chord::Strings> strings;
        for (const Chord &chord : chords)
            strings.append(chord.strings());
        return strings;
    }

    QTemporaryDir folder; // the song folder, and the chord databases
    FakeAppContext context;
    Instrument guitar;
};

Chord userChord(const char *definition)
{
    Chord chord = Chord::fromDefinition(QString::fromLatin1(definition));
    chord.setEditable(true);
    return chord;
}

} // namespace

TEST_F(ChordsTest, FilesTheDatabaseByCanonicalNameAndRoot)
{
    const auto chords = load(guitar);
    EXPECT_EQ(fingerings(chords->chordsForTitle(QStringLiteral("Db7"))), (QList<Chord::Strings>{{x, 4, 3, 4, 2, x}}));
    EXPECT_EQ(chords->chordsForTitle(QStringLiteral("Db7")).front().title(), QStringLiteral("C#7"));
    EXPECT_EQ(fingerings(chords->chordsForTitle(QStringLiteral("(Am)"))), (QList<Chord::Strings>{{x, 0, 2, 2, 1, 0}}));
    EXPECT_TRUE(chords->containsChord(QStringLiteral("Db7")));
    EXPECT_FALSE(chords->containsChord(QStringLiteral("Junk")));
    EXPECT_TRUE(chords->chordsForTitle(QStringLiteral("F")).isEmpty());

    EXPECT_EQ(chords->chordBaseNames(), (QStringList{"C", "C#", "D", "E", "G", "A"}));
    EXPECT_EQ(chords->chordsForBaseName(QStringLiteral("C")), (QStringList{"C", "Csus4"}));
    EXPECT_EQ(chords->chordsForBaseName(QStringLiteral("D")), (QStringList{"D", "Dsus2"}));
    EXPECT_EQ(chords->allChords().size(), 11);
}

TEST_F(ChordsTest, RealChordsAreValidNamesTheLibraryKnows)
{
    const auto chords = load(guitar);
    EXPECT_TRUE(Chord::isRealChord(QStringLiteral("Db7"), chords.get()));
    EXPECT_TRUE(Chord::isRealChord(QStringLiteral("(Am)"), chords.get()));
    EXPECT_FALSE(Chord::isRealChord(QStringLiteral("F"), chords.get()));
    EXPECT_FALSE(Chord::isRealChord(QStringLiteral("#"), chords.get())) << "filed as C, but no chord name";
    EXPECT_FALSE(Chord::isRealChord(QStringLiteral("C"), nullptr));
}

TEST_F(ChordsTest, SortsByBaseFretKeepingTheDatabaseOrder)
{
    const auto chords = load(guitar);
    EXPECT_EQ(fingerings(chords->chordsForTitle(QStringLiteral("G"))),
              (QList<Chord::Strings>{{3, 2, 0, 0, 0, 3}, {3, 2, 0, 0, 3, 3}, {x, 10, 12, 12, 12, 10}}));
}

TEST(ChordLoader, TakesChordsOnlyFromSoundRecords)
{
    struct Case
    {
        QByteArray data;
        const char *title; // null: no chord
    };
    const QByteArray values("\x0f\x03\x02\x00\x01\x00\x00\x00", 8);
    const QByteArray titleC("C\0", 2);
    const Case cases[] = {
        {values + titleC, "C"},
        {values + QByteArray("\xc4m\0", 3), "\u00c4m"}, // Windows-1252 title
        {QByteArray(), nullptr},
        {values, nullptr},                       // fewer than 9 bytes
        {values + "C", nullptr},                 // the title never ends
        {values + QByteArray(1, '\0'), nullptr}, // no title
        {QByteArray(1, char(0xCE)) + values.mid(1) + titleC, nullptr},
        {QByteArray(1, char(0xFE)) + values.mid(1) + titleC, nullptr},
    };
    for (const Case &c : cases) {
        const std::optional<Chord> chord = ChordLoader::chordFromRecord(c.data);
        ASSERT_EQ(chord.has_value(), c.title != nullptr) << c.data.toHex().toStdString();
        if (chord) {
            EXPECT_EQ(chord->title(), QString::fromUtf8(c.title));
            EXPECT_EQ(chord->strings(), (Chord::Strings{x, 3, 2, 0, 1, 0}));
        }
    }
}

TEST_F(ChordsTest, FavouriteTakesThePlaceOfTheSameBuiltInChord)
{
    writeUserFile(QStringLiteral("C 0 x 3 2 0 1 3\nC 0 x 3 2 0 1 0 *\n"));
    const auto chords = load(guitar);
    const QList<Chord> c = chords->chordsForTitle(QStringLiteral("C"));
    EXPECT_EQ(fingerings(c), (QList<Chord::Strings>{{x, 3, 2, 0, 1, 0}, {x, 3, 5, 5, 5, 3}, {x, 3, 2, 0, 1, 3}}));
    EXPECT_TRUE(c[0].favorite());
    EXPECT_FALSE(c[0].editable());
    EXPECT_FALSE(c[1].favorite() || c[1].editable());
    EXPECT_TRUE(c[2].editable());
}

TEST_F(ChordsTest, UserChordFileTuningLine)
{
    struct Case
    {
        const char *file;
        Instrument::Tuning tuning;
    };
    const Case cases[] = {
        {"# D A D G B E\nC 0 x 3 2 0 1 3\n", {-2, 0, 0, 0, 0, 0}},
        // A line with too few names is no tuning, nor a chord; a later tuning line still counts.
        {"# D A D\nC 0 x 3 2 0 1 3\n# Eb Ab Db Gb Bb Eb\n", {-1, -1, -1, -1, -1, -1}},
        {"# D A D\nC 0 x 3 2 0 1 3\n", {1, 0, 0, 0, 0, 0}},
        {"C 0 x 3 2 0 1 3\n", {1, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        writeUserFile(QString::fromLatin1(c.file));
        guitar.setDeltaTuning({1, 0, 0, 0, 0, 0});
        const auto chords = load(guitar);
        EXPECT_EQ(guitar.deltaTuning(), c.tuning) << c.file;
        EXPECT_EQ(chords->allChords().size(), 12) << c.file;
        const QList<Chord> all = chords->allChords();
        EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](const Chord &chord) {
            return chord.title().startsWith(u'#');
        })) << c.file;
    }
}

TEST_F(ChordsTest, SongTuningIsNeitherReplacedByTheFileNorSavedIntoIt)
{
    writeUserFile(QStringLiteral("# D A D G B E\nC 0 x 3 2 0 1 3\n"));
    guitar.setSongTuning(true);
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# Eb Ab Db Gb Bb Eb")));
    const auto chords = load(guitar);
    EXPECT_EQ(guitar.deltaTuning(), (Instrument::Tuning{-1, -1, -1, -1, -1, -1}));

    ASSERT_TRUE(chords->saveDefines());
    EXPECT_EQ(readUserFile(), QStringLiteral("# D A D G B E\nC 0 x 3 2 0 1 3\n"));

    // A tuning the user sets once the song's is gone is the user's own.
    guitar.setSongTuning(false);
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# C# A D G B E")));
    ASSERT_TRUE(chords->saveDefines());
    EXPECT_EQ(readUserFile(), QStringLiteral("# C# A D G B E\nC 0 x 3 2 0 1 3\n"));
}

TEST_F(ChordsTest, TuningSetWhileLoadingIsNewerThanTheFile)
{
    writeUserFile(QStringLiteral("# D A D G B E\n"));
    Chords chords(guitar, userFile());
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# Eb Ab Db Gb Bb Eb")));
    waitUntilReady(chords);
    EXPECT_EQ(guitar.deltaTuning(), (Instrument::Tuning{-1, -1, -1, -1, -1, -1}));
}

TEST_F(ChordsTest, SearchesNamesIgnoringCaseAndDiacriticsOrFrets)
{
    const auto chords = load(guitar);
    struct Case
    {
        const char *text;
        QStringList titles;
    };
    const Case cases[] = {
        {"sus", {"Csus4", "Dsus2"}},
        {"SUS", {"Csus4", "Dsus2"}},
        {"s\u00fas", {"Csus4", "Dsus2"}},
        {"3 2 0", {"C", "G"}}, // C x 3 2 0 1 0 and G 3 2 0 0 0 3
        {"x 3 2", {}},         // not a digit first: a name search
        {"12 12 12", {"G"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(chords->chordNamesForSearch(QString::fromUtf8(c.text)), c.titles) << c.text;
    EXPECT_EQ(chords->chordNamesForSearch(QString()).size(), 8);
}

TEST_F(ChordsTest, AutomaticFingeringForADetunedGuitarIsAddedOnce)
{
    const auto chords = load(guitar);
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# D A D G B E")));
    LogCapture log;
    QList<Chord> d;
    for (int i = 0; i < 3; ++i)
        d = chords->chordsForTitle(QStringLiteral("D"));
    EXPECT_EQ(fingerings(d), (QList<Chord::Strings>{{0, 0, 0, 2, 3, 2}, {x, x, 0, 2, 3, 2}}));
    EXPECT_TRUE(d[0].automatic());
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Inserting auto tuned chord D 0 0 0 2 3 2")});
    // It is a fingering for this tuning already: drawing does not retune it again.
    EXPECT_EQ(guitar.tunedChordForChord(d[0]).strings(), d[0].strings());

    // The retuned E chord (2 2 2 1 0 0) is what the automatic fingering would be: nothing is added.
    EXPECT_EQ(chords->chordsForTitle(QStringLiteral("E")).size(), 1);

    // Another tuning gets fingerings of its own; standard tuning needs none.
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# C# A D G B E")));
    EXPECT_EQ(fingerings(chords->chordsForTitle(QStringLiteral("D"))),
              (QList<Chord::Strings>{{1, 0, 0, 2, 3, 2}, {x, x, 0, 2, 3, 2}}));
    guitar.resetTuning();
    EXPECT_EQ(fingerings(chords->chordsForTitle(QStringLiteral("D"))), (QList<Chord::Strings>{{x, x, 0, 2, 3, 2}}));

    // An automatic chord left alone when the user removed the chord it was made from goes with its tuning.
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# D A D G B E")));
    chords->removeChord(chords->chordsForTitle(QStringLiteral("D")).back());
    guitar.resetTuning();
    EXPECT_TRUE(chords->chordsForTitle(QStringLiteral("D")).isEmpty());
    EXPECT_FALSE(chords->containsChord(QStringLiteral("D")));
}

TEST_F(ChordsTest, FingeringToDrawIsRetunedExactlyOnce)
{
    const auto chords = load(guitar);
    EXPECT_EQ(chords->fingeringToDraw(QStringLiteral("G"))->strings(), (Chord::Strings{3, 2, 0, 0, 0, 3}));
    EXPECT_FALSE(chords->fingeringToDraw(QStringLiteral("Gmaj13")));

    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# D A D G B E")));
    // A built-in chord moves onto the detuned string.
    EXPECT_EQ(chords->fingeringToDraw(QStringLiteral("E"))->strings(), (Chord::Strings{2, 2, 2, 1, 0, 0}));
    // The automatic fingering leads and is drawn as made, every time it is asked for.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(chords->fingeringToDraw(QStringLiteral("D"))->strings(), (Chord::Strings{0, 0, 0, 2, 3, 2})) << i;
}

TEST_F(ChordsTest, KeyboardFallsBackFromASlashChord)
{
    Instrument piano =
        Instrument::fromPath(writeChordDatabase(folder.path(), QStringLiteral("Piano"), {{"C", {0, 4, 7, x, x, x}}}));
    const auto pianoChords = load(piano);
    EXPECT_EQ(pianoChords->chordsForTitle(QStringLiteral("C/E")).size(), 1);
    const auto guitarChords = load(guitar);
    EXPECT_TRUE(guitarChords->chordsForTitle(QStringLiteral("C/E")).isEmpty());
}

TEST_F(ChordsTest, RemovingTheLastChordOfANameKeepsItsRoot)
{
    const auto chords = load(guitar);
    chords->removeChord(chords->chordsForTitle(QStringLiteral("E")).front());
    EXPECT_FALSE(chords->containsChord(QStringLiteral("E")));
    EXPECT_TRUE(chords->chordBaseNames().contains(QStringLiteral("E")));
    EXPECT_TRUE(chords->chordsForBaseName(QStringLiteral("E")).isEmpty());
}

TEST_F(ChordsTest, SavesTuningUserChordsAndFavouritesAtomically)
{
    const auto chords = load(guitar);
    chords->addChord(userChord("Cadd9 0 x 3 2 0 3 0"));
    Chord favourite = chords->chordsForTitle(QStringLiteral("Am")).front();
    chords->removeChord(favourite);
    favourite.setFavorite(true);
    chords->addChord(favourite);
    ASSERT_TRUE(guitar.loadTuning(QStringLiteral("# Eb Ab Db Gb Bb Eb")));
    chords->chordsForTitle(QStringLiteral("D")); // an automatic chord is never saved

    ASSERT_TRUE(chords->saveDefines());
    EXPECT_EQ(readUserFile(), QStringLiteral("# Eb Ab C# F# Bb Eb\nAm 0 x 0 2 2 1 0 *\nCadd9 0 x 3 2 0 3 0\n"));
    EXPECT_EQ(context.fsRefreshPauses, 1);
}

TEST_F(ChordsTest, SaveBeforeReadyWaitsAndKeepsTheFile)
{
    writeUserFile(QStringLiteral("Am 0 x 0 2 2 1 3\n"));
    Chords chords(guitar, userFile());
    chords.addChord(userChord("Cadd9 0 x 3 2 0 3 0"));
    ASSERT_TRUE(chords.saveDefines());
    EXPECT_EQ(readUserFile(), QStringLiteral("Am 0 x 0 2 2 1 3\n"));
    waitUntilReady(chords);
    EXPECT_EQ(readUserFile(), QStringLiteral("Am 0 x 0 2 2 1 3\nCadd9 0 x 3 2 0 3 0\n"));
    EXPECT_EQ(chords.chordsForTitle(QStringLiteral("Cadd9")).size(), 1);
    EXPECT_EQ(chords.chordsForTitle(QStringLiteral("Am")).size(), 2);
}

TEST_F(ChordsTest, DroppedWhileLoadingPublishesNothing)
{
    for (int i = 0; i < 20; ++i) {
        Chords chords(guitar, userFile());
    }
    QCoreApplication::processEvents();
}

TEST_F(ChordsTest, FileFailuresAreLogged)
{
    QByteArray undecodable("C 0 x 3 2 0 1 3\x81\n");
    ASSERT_TRUE(TextFile::writeBytes(userFile(), undecodable));
    LogCapture log;
    auto chords = load(guitar);
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Could not read %1: unknown text encoding").arg(userFile())});
    EXPECT_EQ(chords->allChords().size(), 11);

    Chords elsewhere(guitar, folder.filePath(QStringLiteral("missing/Guitar.chords.txt")));
    waitUntilReady(elsewhere);
    EXPECT_FALSE(elsewhere.saveDefines());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing %1: ").arg(elsewhere.definedChordsPath())));
}

TEST_F(ChordsTest, AFullDiskKeepsTheUserChordFile)
{
    writeUserFile(QStringLiteral("Am 0 x 0 2 2 1 3\n"));
    const auto chords = load(guitar);
    chords->addChord(userChord("Cadd9 0 x 3 2 0 3 0"));
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        LogCapture log;
        EXPECT_FALSE(chords->saveDefines()) << int(step);
        EXPECT_EQ(readUserFile(), QStringLiteral("Am 0 x 0 2 2 1 3\n")) << int(step);
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing %1: ").arg(userFile()))) << int(step);
    }
    // Each failure is told to the user.
    ASSERT_EQ(context.failedWrites.size(), std::size(FailingWrites::kAllSteps));
    EXPECT_EQ(context.failedWrites.constFirst().first, QStringLiteral("Your chords for the %1").arg(guitar.title()));
}

TEST_F(ChordsTest, ReplacingAChordKeepsItsPlaceOrFilesItUnderItsNewName)
{
    const auto chords = load(guitar);
    chords->addChord(userChord("G 0 3 2 0 0 0 x"));
    chords->addChord(userChord("G 0 3 x 0 0 3 3"));
    const Chord first = userChord("G 0 3 2 0 0 0 x");

    EXPECT_TRUE(chords->replaceChord(first, userChord("G 0 3 2 0 0 3 x")));
    QList<Chord> user = chords->chordsForTitle(QStringLiteral("G"));
    user.removeIf([](const Chord &c) { return !c.editable(); });
    EXPECT_EQ(fingerings(user), (QList<Chord::Strings>{{3, 2, 0, 0, 3, x}, {3, x, 0, 0, 3, 3}}));

    EXPECT_TRUE(chords->replaceChord(userChord("G 0 3 x 0 0 3 3"), userChord("G6 0 3 x 0 0 3 0")));
    EXPECT_EQ(chords->chordsForTitle(QStringLiteral("G")).size(), 4);
    EXPECT_EQ(fingerings(chords->chordsForTitle(QStringLiteral("G6"))), (QList<Chord::Strings>{{3, x, 0, 0, 3, 0}}));
    EXPECT_EQ(chords->chordsForBaseName(QStringLiteral("G")), (QStringList{"G", "G6"}));

    EXPECT_FALSE(chords->replaceChord(first, userChord("G 0 3 2 0 0 0 0")));
}

TEST_F(ChordsTest, OneFavouritePerNameInTheLibraryAndInTheFile)
{
    const auto chords = load(guitar);
    const QList<Chord> g = chords->chordsForTitle(QStringLiteral("G"));
    ASSERT_EQ(g.size(), 3);
    EXPECT_TRUE(chords->setFavorite(g[0], true));
    EXPECT_TRUE(chords->setFavorite(g[1], true));
    chords->addChord(userChord("G 0 3 x 0 0 3 3"));
    const auto favourites = [&] {
        QList<Chord> marked = chords->chordsForTitle(QStringLiteral("G"));
        marked.removeIf([](const Chord &c) { return !c.favorite(); });
        return fingerings(marked);
    };
    EXPECT_EQ(favourites(), (QList<Chord::Strings>{g[1].strings()}));
    ASSERT_TRUE(chords->saveDefines());
    EXPECT_EQ(readUserFile(), QStringLiteral("G 0 3 2 0 0 3 3 *\nG 0 3 x 0 0 3 3\n"));

    EXPECT_TRUE(chords->setFavorite(g[1], false));
    EXPECT_TRUE(favourites().isEmpty());
    EXPECT_FALSE(chords->setFavorite(userChord("G 0 1 1 1 1 1 1"), true));
}
