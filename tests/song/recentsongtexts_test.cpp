// Song texts left to their files beyond the recently used: read again the same, never in place of an edit or of
// a song held, and never as the old text once another program changed the file.
#include "recentsongtexts.h"

#include "fakeappcontext.h"
#include "logcapture.h"
#include "song.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

class RecentSongTextsTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::write(folder.filePath(name), bytes);
    }
    // Uses the texts of more other songs than are kept: every song used before leaves its text to its file.
    void useOtherSongs()
    {
        for (int i = 0; i <= RecentSongTexts::kCapacity; ++i)
            others.push_back(std::make_shared<Song>(write(QStringLiteral("other%1.pro").arg(i), "{title: Other}\n")));
        EXPECT_LE(RecentSongTexts::count(), RecentSongTexts::kCapacity);
    }

    QTemporaryDir folder;
    FakeAppContext context;
    std::vector<SongPtr> others;
};

} // namespace

TEST_F(RecentSongTextsTest, ATextReadAgainIsTheTextReadFirst)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8", QByteArray("{title: Caf\xC3\xA9}\n[Am]la \xE2\x82\xAC\n")},
        {"UTF-8 BOM, CR-LF", QByteArray("\xEF\xBB\xBF{title: B}\r\n[G]la\r\n")},
        {"Windows-1252, CR", QByteArray("{title: Caf\xE9 \x93noir\x94}\r[Am]\x80uro")},
        {"UTF-16 LE", QByteArray("\xFF\xFE{\0t\0:\0 \0\xE9\0}\0\n\0", 18)},
        {"empty", QByteArray()},
    };
    for (const Case &c : cases) {
        Song song(write(QStringLiteral("song.pro"), c.bytes));
        const QString text = song.text();
        const int generation = song.storeGeneration();
        useOtherSongs();
        EXPECT_EQ(song.text(), text) << c.what;
        EXPECT_EQ(song.storeGeneration(), generation) << c.what;
        EXPECT_FALSE(song.fileChangedOnDisk()) << c.what;
    }
}

// Reading a changed file in place of the old text would be silent: the file is taken as a reload takes it, and
// the next save settles the change first, as it would have with the old text in memory.
TEST_F(RecentSongTextsTest, AFileChangedMeanwhileIsReadAsAReload)
{
    const QString path = write(QStringLiteral("song.pro"), "{title: Old}\n[G]la\n");
    Song song(path);
    const int generation = song.storeGeneration();
    useOtherSongs();
    const QByteArray changed = "{title: New}\n{key: D}\n[D]other words\n";
    TestFiles::write(path, changed);
    LogCapture log;
    EXPECT_EQ(song.text(), QString::fromUtf8(changed));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Reading %1 again").arg(path)));
    EXPECT_EQ(song.title(), QStringLiteral("New"));
    EXPECT_EQ(song.key(), QStringLiteral("D"));
    EXPECT_GT(song.storeGeneration(), generation);
    EXPECT_TRUE(song.fileChangedOnDisk());
    EXPECT_FALSE(song.setCapo(2));
    EXPECT_EQ(TestFiles::read(path), changed);
    EXPECT_TRUE(song.setCapo(2));
    EXPECT_EQ(TestFiles::read(path), QByteArray("{title: New}\n{Capo: 2}\n{key: D}\n[D]other words\n"));
}

// The file is removed after the change: reading it again would find nothing, so whatever shows the text came
// from memory.
TEST_F(RecentSongTextsTest, AnUnsavedChangeStaysInMemory)
{
    struct Case
    {
        const char *what;
        std::function<void(Song &)> change;
        QString text;
    };
    const Case cases[] = {
        {"set", [](Song &song) { song.setText(QStringLiteral("{title: Edited}\n")); }, "{title: Edited}\n"},
        {"transposed", [](Song &song) { song.transpose(2); }, "{title: T}\n{capo: 1}\n[A]la\n"},
        {"capo removed", [](Song &song) { song.deleteCapo(); }, "{title: T}\n[G]la\n"},
    };
    for (const Case &c : cases) {
        const QString path = write(QStringLiteral("song.pro"), "{title: T}\n{capo: 1}\n[G]la\n");
        Song song(path);
        c.change(song);
        useOtherSongs();
        ASSERT_TRUE(QFile::remove(path));
        EXPECT_EQ(song.text(), c.text) << c.what;
        EXPECT_FALSE(song.loadFailed()) << c.what;
    }
}

TEST_F(RecentSongTextsTest, ASongHeldKeepsItsTextWhenItsFileGoes)
{
    const QString path = write(QStringLiteral("song.pro"), "{title: Shown}\n[G]la\n");
    auto song = std::make_shared<Song>(path);
    {
        const Song::TextHold hold(song);
        useOtherSongs();
        ASSERT_TRUE(QFile::remove(path));
        EXPECT_EQ(song->text(), QStringLiteral("{title: Shown}\n[G]la\n"));
        // Trashed while shown: it becomes a song without a file, and keeps its text to be saved again.
        song->setPath(QString());
    }
    useOtherSongs();
    EXPECT_EQ(song->text(), QStringLiteral("{title: Shown}\n[G]la\n"));
}

// Without a hold, a file that is gone leaves a song that failed to read it, which never writes it again.
TEST_F(RecentSongTextsTest, ASongLeftToAFileThatIsGoneIsOneThatCouldNotBeRead)
{
    const QString path = write(QStringLiteral("song.pro"), "{title: Gone}\n");
    Song song(path);
    useOtherSongs();
    ASSERT_TRUE(QFile::remove(path));
    LogCapture log;
    EXPECT_EQ(song.text(), QString());
    EXPECT_TRUE(song.loadFailed());
    EXPECT_FALSE(song.save());
    EXPECT_FALSE(QFile::exists(path));
}

// A song filed into another folder is written there from the text of its old file, which goes afterwards.
TEST_F(RecentSongTextsTest, ANewPathTakesTheTextAlong)
{
    const QString path = write(QStringLiteral("song.pro"), "{title: Moved}\n[G]la\n");
    Song song(path);
    useOtherSongs();
    song.setPath(folder.filePath(QStringLiteral("moved.pro")));
    ASSERT_TRUE(QFile::remove(path));
    useOtherSongs();
    EXPECT_EQ(song.text(), QStringLiteral("{title: Moved}\n[G]la\n"));
    ASSERT_TRUE(song.save());
    EXPECT_EQ(TestFiles::read(folder.filePath(QStringLiteral("moved.pro"))), QByteArray("{title: Moved}\n[G]la\n"));
}
