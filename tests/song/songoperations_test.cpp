// The song's own operations over its text: transposition, Nashville numbers, tab songs, tags, users,
// chord definitions and linked data.
#include "song.h"

#include "chord.h"
#include "chords.h"
#include "fakeappcontext.h"
#include "instrument.h"
#include "logcapture.h"
#include "prefs.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

class SongOperations : public ::testing::Test
{
protected:
    void SetUp() override
    {
        prefs.setSongDirectoryPath(folder.path());
        context.prefsObject = &prefs;
    }

    QString writeFile(const QString &name, const QString &text)
    {
        return TestFiles::write(folder.filePath(name), text.toUtf8());
    }
    // A song saved in its own file, so that its setters can write.
    SongPtr songWithText(const QString &text, const QString &name = QStringLiteral("song.pro"))
    {
        return std::make_shared<Song>(writeFile(name, text));
    }
    static std::unique_ptr<Song> unsavedSong(const QString &text)
    {
        auto song = std::make_unique<Song>();
        song->setText(text);
        return song;
    }
    static QString fileText(const Song &song) { return TestFiles::readText(song.path()); }

    QTemporaryDir folder;
    FakeAppContext context;
    Prefs prefs;
};

} // namespace

TEST_F(SongOperations, TransposesChordsAndKey)
{
    struct Case
    {
        QString text;
        qint64 step;
        QChar favor;
        QString expected;
        QString key;
    };
    const Case cases[] = {
        {"{key: G}\n[G]Hello [D/F#]world", 2, QChar(), "{key:A}\n[A]Hello [E/G#]world", "A"},
        // The spelling follows the new key: Gb major is a flat key.
        {"[F]la", 1, QChar(), "[Gb]la", "Gb"},
        {"{key: C}\n{sog}\n| C . . . | Am . . . |\n{eog}", -3, u'#', "{key:A}\n{sog}\n| A . . . | F#m . . . |\n{eog}",
         "A"},
        {"{key: }\n[Am7]x", 2, u'b', "{key: }\n[Bm7]x", "Bm"},
        // A key left open ends at its line: the title below it stays a directive of its own.
        {"{key: G\n{title: Amazing Grace}\n[G]la", 1, QChar(), "{key:Ab}\n{title: Amazing Grace}\n[Ab]la", "Ab"},
        // Steps as far as a number goes are taken modulo 12 (A down 8 is Db).
        {"{key: A}\n[A]x", std::numeric_limits<qint64>::min(), QChar(), "{key:Db}\n[Db]x", "Db"},
    };
    for (const Case &c : cases) {
        const auto song = unsavedSong(c.text);
        EXPECT_EQ(song->key().isEmpty(), false);
        song->transpose(c.step, c.favor);
        EXPECT_EQ(song->text(), c.expected) << c.text.toStdString();
        EXPECT_EQ(song->key(), c.key) << c.text.toStdString(); // the cached key was dropped
        EXPECT_TRUE(song->path().isEmpty());                   // nothing saved
    }
}

TEST_F(SongOperations, KeyArithmetic)
{
    const auto song = unsavedSong("{key: Em}");
    EXPECT_EQ(song->deltaForTransposeKey("G"), 3);
    EXPECT_EQ(song->keyForTransposeDelta(2), "F#m");
    EXPECT_EQ(song->keyForTransposeDelta(1, u'#'), "Fm");
    const auto keyless = unsavedSong("no chords");
    EXPECT_EQ(keyless->deltaForTransposeKey("G"), 0);
    EXPECT_EQ(keyless->keyForTransposeDelta(2), std::nullopt);
}

TEST_F(SongOperations, ConvertsToNashvilleNumbersAndBackAndSaves)
{
    const QString text = "{title: A}\n{key: D}\n[D]one [G]two [A7]three [Bm]four\n{sog}\n| D . | A/C# . |\n{eog}";
    const SongPtr song = songWithText(text);
    EXPECT_FALSE(song->isNNS());
    ASSERT_TRUE(song->convertToNNS());
    EXPECT_EQ(fileText(*song), "{title: A}\n{key: D}\n[1]one [4]two [57]three [6m]four\n{sog}\n| 1 . | 5/7 . |\n{eog}");
    EXPECT_TRUE(song->isNNS());
    ASSERT_TRUE(song->convertFromNNS());
    EXPECT_EQ(fileText(*song), text);
    EXPECT_EQ(song->gridRanges().size(), 1);
}

// A song without a key directive came back from numbers in C.
TEST_F(SongOperations, AKeylessSongKeepsItsChordsThroughNashvilleNumbers)
{
    const SongPtr song = songWithText("{title: A}\n[G]one [C]two [D7]three");
    ASSERT_TRUE(song->convertToNNS());
    EXPECT_EQ(fileText(*song), "{title: A}\n{key: G}\n[1]one [4]two [57]three");
    ASSERT_TRUE(song->convertFromNNS());
    EXPECT_EQ(fileText(*song), "{title: A}\n{key: G}\n[G]one [C]two [D7]three");
}

TEST_F(SongOperations, TabSongs)
{
    struct FileCase
    {
        const char *path;
        bool tab;
    };
    for (const FileCase &c : std::initializer_list<FileCase>{
             {"a.tab", true}, {"a.CRD", true}, {"a.pro", false}, {"tab", false}, {"a.tab.txt", false}})
        EXPECT_EQ(Song::isTabFile(c.path), c.tab) << c.path;

    const SongPtr song = songWithText("Amazing Grace\n  G        D\nAmazing grace, how sweet\n", "Amazing.tab");
    EXPECT_FALSE(song->isChordpro());
    prefs.setSupportTabs(false);
    EXPECT_TRUE(song->isChordpro());
    prefs.setSupportTabs(true);

    song->convertTab();
    EXPECT_EQ(song->text(), "{title: Amazing}\nAmazing Grace\nAm[G]azing gra[D]ce, how sweet\n");
    EXPECT_TRUE(song->isChordpro());
    EXPECT_EQ(fileText(*song), "Amazing Grace\n  G        D\nAmazing grace, how sweet\n"); // not saved

    // A text with a title keeps it; lines end at CR-LF too.
    EXPECT_EQ(Song::convertedTabText("{t: X}\r\nC\r\nla\r\nend"), "{t: X}\n[C]la\nend");
}

TEST_F(SongOperations, TagsAreAddedAndDeletedAndSaved)
{
    const SongPtr song = songWithText("{title: A}\n{tag:rock}\n{tag:   pop  }\nla\n");
    EXPECT_EQ(song->tags(), QSet<QString>({"rock", "pop"}));
    ASSERT_TRUE(song->addTag("live"));
    EXPECT_EQ(fileText(*song), "{title: A}\n{tag:rock}\n{tag:   pop  }\nla\n\n{tag: live}");
    EXPECT_EQ(song->tags(), QSet<QString>({"rock", "pop", "live"}));
    ASSERT_TRUE(song->deleteTag("pop"));
    EXPECT_EQ(fileText(*song), "{title: A}\n{tag:rock}\n\nla\n\n{tag: live}");
    EXPECT_EQ(song->tags(), QSet<QString>({"rock", "live"}));
    EXPECT_FALSE(song->deleteTag("jazz"));
    // A tag cannot open or close a directive of its own.
    ASSERT_TRUE(song->addTag("a}b"));
    EXPECT_TRUE(song->tags().contains("a)b"));
}

TEST_F(SongOperations, UsersInstrumentAndTuningFollowTheVariantRule)
{
    prefs.setCurrentUser(QString("Lead"));
    prefs.setCurrentInstrumentTitle("Ukulele");
    const auto song = unsavedSong("{c-Lead: x}\n{comment-Lead: y}\n{instrument-Ukulele: Bass Guitar}\n"
                                  "{tuning: D A D G}\n{tuning-Lead: D A D}");
    EXPECT_EQ(song->users(), QStringList({"Lead", "Lead", "Ukulele"}));
    EXPECT_EQ(song->instrument(), "Bass_Guitar");
    EXPECT_EQ(song->tuning(), std::nullopt); // the user's tuning wins, and names only three notes
    prefs.setCurrentUser(std::nullopt);
    EXPECT_EQ(song->tuning(), "D A D G");
    EXPECT_EQ(unsavedSong("")->instrument(), "");
}

TEST_F(SongOperations, ChordDefinitions)
{
    const Instrument guitar("Guitar", 6, {-20, -15, -10, -5, -1, 4});
    const auto song = unsavedSong("{define: Am7 0 x 0 2 0 1 0}\n[Am]la");
    const std::optional<Chord> am7 = song->definedChordForName("Am7");
    ASSERT_TRUE(am7);
    EXPECT_EQ(am7->title(), "Am7");
    EXPECT_EQ(song->definedChordForName("Am"), std::nullopt);

    Chord am = Chord::fromDefinition("Am 0 x 0 2 2 1 0");
    song->addDefineChord(am, guitar);
    EXPECT_EQ(song->text(), "{define: Am7 0 x 0 2 0 1 0}\n[Am]la\n{define: Am 0 x 0 2 2 1 0}");
    EXPECT_EQ(song->definedChordForName("Am"), am);

    song->removeDefineChord(am);
    EXPECT_EQ(song->text(), "{define: Am7 0 x 0 2 0 1 0}\n[Am]la");
    LogCapture log;
    song->removeDefineChord(am);
    EXPECT_EQ(log.lines(), QStringList({"Definition for chord Am not found in song "}));
    EXPECT_EQ(song->definedChordForName("Am"), std::nullopt);
    // A definition without frets is no chord.
    EXPECT_EQ(unsavedSong("{define: C}")->definedChordForName("C"), std::nullopt);
}

TEST_F(SongOperations, ChordsComeFromTheSongBeforeTheLibrary)
{
    const auto song = unsavedSong("{define: G 0 3 2 0 0 3 3}\n[G]la [C]la");
    EXPECT_EQ(song->chordForName("C"), std::nullopt); // no library yet

    // An instrument without a chord database: the library holds only the chords added here.
    LogCapture log;
    Instrument guitar("Guitar", 6, {-20, -15, -10, -5, -1, 4});
    Chords library(guitar, folder.filePath("Guitar.chords.txt"));
    QSignalSpy ready(&library, &Chords::ready);
    if (!library.isReady()) {
        ASSERT_TRUE(ready.wait(10000));
    }
    library.addChord(Chord::fromDefinition("C 0 x 3 2 0 1 0"));
    library.addChord(Chord::fromDefinition("G 0 3 2 0 0 0 3"));
    context.chordsObject = &library;

    EXPECT_EQ(song->chordForName("G"), Chord::fromDefinition("G 0 3 2 0 0 3 3"));
    EXPECT_EQ(song->chordForName("C"), Chord::fromDefinition("C 0 x 3 2 0 1 0"));
    EXPECT_EQ(song->chordForName("F#"), std::nullopt);
    context.chordsObject = nullptr;
}

TEST_F(SongOperations, LinkedAudioExistsOrIsNone)
{
    const QString take = writeFile("audio/take1.mp3", "x");
    const SongPtr song = songWithText("{title: A}\n{musicpath: audio/take1.mp3}\n");
    EXPECT_EQ(song->musicpath(), take);
    EXPECT_EQ(unsavedSong("{musicpath: " + take + "}")->musicpath(), take);
    EXPECT_EQ(unsavedSong("{musicpath: audio/missing.mp3}")->musicpath(), "");
    EXPECT_EQ(unsavedSong("{musicpath: }")->musicpath(), "");

    ASSERT_TRUE(song->setMusicpath("audio/take2.mp3"));
    EXPECT_EQ(fileText(*song), "{title: A}\n{musicpath:audio/take2.mp3}\n");
    EXPECT_EQ(song->musicpath(), "");
}

TEST_F(SongOperations, MidiEvents)
{
    prefs.setCurrentUser(QString("Lead"));
    const auto song = unsavedSong("{midi: PC12}\n{midi-Lead: PC3, CC7.100 | junk}\n{midi-index: PC5}");
    EXPECT_EQ(MidiEvent::stringFromMidiEvents(song->midiEventsToSend()), "PC3,CC7.100");
    EXPECT_EQ(song->midiIndex(), "PC5");
    EXPECT_EQ(MidiEvent::stringFromMidiEvents(song->midiEventsToSelectSong()), "PC5");

    const auto none = unsavedSong("{midi-index: }");
    EXPECT_TRUE(none->midiEventsToSend().isEmpty());
    EXPECT_EQ(none->midiIndex(), std::nullopt);
    EXPECT_TRUE(none->midiEventsToSelectSong().isEmpty());
}

TEST_F(SongOperations, ChecksumAndUmlauts)
{
    const auto song = unsavedSong("abc");
    EXPECT_EQ(song->checksum(), 246367770u);
    song->setText("");
    EXPECT_EQ(song->checksum(), 256046910u);

    song->setText("Maedchen Queen");
    song->replaceUmlauts();
    EXPECT_EQ(song->text(), "Mädchen Qüen");
    EXPECT_FALSE(song->isNote());
}
