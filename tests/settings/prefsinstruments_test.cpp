// The settings' instrument list, the current instrument and the chord library made for it.
#include "chorddatabasefixture.h"
#include "chords.h"
#include "logcapture.h"
#include "paths.h"
#include "prefs.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Three instruments' databases in a folder of the test's own, and a song folder; no settings archive.
class PrefsInstrumentsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Paths::supportDirectory()).removeRecursively();
        for (const char *title : {"Guitar", "Bass_Guitar", "Ukulele_C"})
            writeChordDatabase(databases.path(), QString::fromLatin1(title), {{"C", {15, 3, 2, 0, 1, 0}}});
    }

    std::unique_ptr<Prefs> loadPrefs()
    {
        auto prefs = Prefs::initFromFileSystem(databases.path());
        prefs->setSongDirectoryPath(songs.path());
        return prefs;
    }

    static void waitUntilReady(Chords &chords)
    {
        QSignalSpy ready(&chords, &Chords::ready);
        if (!chords.isReady()) {
            ASSERT_TRUE(ready.wait(10000));
        }
    }

    QTemporaryDir databases;
    QTemporaryDir songs;
};

} // namespace

TEST_F(PrefsInstrumentsTest, TheStoredTitleChoosesTheCurrentInstrument)
{
    Prefs stored;
    stored.setCurrentInstrumentTitle(QStringLiteral("Ukulele_C"));
    ASSERT_TRUE(stored.save());
    const auto prefs = loadPrefs();
    ASSERT_NE(prefs->instruments(), nullptr);
    EXPECT_EQ(prefs->instruments()->count(), 3);
    ASSERT_NE(prefs->currentInstrument(), nullptr);
    EXPECT_EQ(prefs->currentInstrument()->title(), QStringLiteral("Ukulele_C"));
    EXPECT_EQ(prefs->chords(), nullptr) << "the chord library is made on request";
}

TEST_F(PrefsInstrumentsTest, SelectingAnInstrumentRemembersItAndMakesItsChordLibrary)
{
    const auto prefs = loadPrefs();
    ASSERT_TRUE(
        TextFile::write(songs.filePath(QStringLiteral("Bass_Guitar.chords.txt")), QStringLiteral("E7 0 0 2 0 1\n")));

    EXPECT_TRUE(prefs->selectInstrumentByTitle(QStringLiteral("bass guitar")));
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Bass_Guitar"));
    EXPECT_EQ(prefs->currentInstrument()->title(), QStringLiteral("Bass_Guitar"));
    ASSERT_NE(prefs->chords(), nullptr);
    EXPECT_EQ(prefs->chords()->definedChordsPath(), songs.filePath(QStringLiteral("Bass_Guitar.chords.txt")));
    EXPECT_EQ(&prefs->chords()->instrument(), prefs->currentInstrument());
    waitUntilReady(*prefs->chords());
    EXPECT_TRUE(prefs->chords()->containsChord(QStringLiteral("E7")));

    prefs->selectInstrument(1);
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Guitar"));
    EXPECT_EQ(&prefs->chords()->instrument(), prefs->currentInstrument());
}

TEST_F(PrefsInstrumentsTest, UnknownInstrumentChangesNothing)
{
    const auto prefs = loadPrefs();
    ASSERT_TRUE(prefs->selectInstrumentByTitle(QStringLiteral("Guitar")));
    const Chords *chords = prefs->chords();
    LogCapture log;
    EXPECT_FALSE(prefs->selectInstrumentByTitle(QStringLiteral("Theremin")));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Instrument Theremin not found")});
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Guitar"));
    EXPECT_EQ(prefs->currentInstrument()->title(), QStringLiteral("Guitar"));
    EXPECT_EQ(prefs->chords(), chords);
}

TEST_F(PrefsInstrumentsTest, ChordLibraryFollowsTheSongFolder)
{
    const auto prefs = loadPrefs();
    prefs->initChordsForCurrentInstrument();
    EXPECT_EQ(prefs->chords()->definedChordsPath(), songs.filePath(QStringLiteral("Guitar.chords.txt")));
    QTemporaryDir otherSongs;
    prefs->setSongDirectoryPath(otherSongs.path());
    prefs->initChordsForCurrentInstrument();
    EXPECT_EQ(prefs->chords()->definedChordsPath(), otherSongs.filePath(QStringLiteral("Guitar.chords.txt")));
}

TEST(PrefsWithoutDatabases, HaveNoInstrumentAndNoChordLibrary)
{
    QTemporaryDir empty;
    LogCapture log;
    const auto prefs = Prefs::initFromFileSystem(empty.path());
    EXPECT_EQ(prefs->currentInstrument(), nullptr);
    prefs->initChordsForCurrentInstrument();
    EXPECT_EQ(prefs->chords(), nullptr);
    EXPECT_FALSE(prefs->selectInstrumentByTitle(QStringLiteral("Guitar")));
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Guitar"));
}
