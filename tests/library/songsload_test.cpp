// The library read in the background: the same songs as a blocking read, refreshes and folder changes asked
// while it runs, actions waiting for it, and a library destroyed under it.
#include "songs.h"

#include "libraryfolder.h"
#include "libraryload.h"
#include "logcapture.h"
#include "song.h"
#include "songorder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <memory>
#include <vector>

namespace {

QStringList paths(const QList<SongPtr> &songs)
{
    QStringList result;
    for (const SongPtr &song : songs)
        result.append(song->path());
    return result;
}

class SongsLoadTest : public LibraryFolder
{
protected:
    SongsLoadTest() { context.songsObject = &songs; }

    // The sample folder and enough songs beside it that a load spans several batches of files and categories.
    void writeLargeFolder()
    {
        writeSampleFolder();
        for (int number = 0; number < 1200; ++number) {
            const QString title = QStringLiteral("Tune %1").arg(number, 4, 10, QLatin1Char('0'));
            const QString more =
                QStringLiteral("{key: %1}\n{tag: t%2}\n").arg(QChar(u'A' + number % 7)).arg(number % 5);
            write((number % 2 ? QStringLiteral("Folk/") : QString()) + title + QStringLiteral(".pro"),
                  songText(title, QStringLiteral("Band %1").arg(number % 9), more));
        }
    }

    // What the library holds, as the panes and look-ups see it.
    static void expectSameLibrary(Songs &loaded, Songs &read)
    {
        EXPECT_EQ(paths(loaded.allSongs()), paths(read.allSongs()));
        EXPECT_EQ(paths(loaded.songs()), paths(read.songs()));
        EXPECT_EQ(paths(loaded.rows()), paths(read.rows()));
        EXPECT_EQ(loaded.categories().categories(), read.categories().categories());
        EXPECT_EQ(loaded.categories().hasUnfiled(), read.categories().hasUnfiled());
        EXPECT_EQ(loaded.songsByTag().keys(), read.songsByTag().keys());
        for (const QString &tag : read.songsByTag().keys())
            EXPECT_EQ(paths(loaded.songsByTag().value(tag)), paths(read.songsByTag().value(tag))) << tag.toStdString();
        EXPECT_EQ(paths(loaded.songsWithoutTag()), paths(read.songsWithoutTag()));
        ASSERT_EQ(loaded.allSongs().size(), read.allSongs().size());
        for (qsizetype index = 0; index < read.allSongs().size(); ++index) {
            const Song &background = *loaded.allSongs().at(index);
            const Song &blocking = *read.allSongs().at(index);
            EXPECT_EQ(background.titleSubtitleReference(), blocking.titleSubtitleReference());
            EXPECT_EQ(background.category(), blocking.category());
            EXPECT_EQ(background.key(), blocking.key());
            EXPECT_EQ(background.date(), blocking.date());
        }
    }

    Songs songs;
};

TEST_F(SongsLoadTest, ABackgroundLoadGivesExactlyTheSongsOfABlockingLoad)
{
    writeLargeFolder();
    songs.setFilter(QStringLiteral("band 3"));
    int loadedCalls = 0;
    songs.setLoadedHandler([&loadedCalls] { ++loadedCalls; });
    songs.refreshInBackground();
    EXPECT_TRUE(songs.isLoading());
    // Nothing is read on this thread while the load runs, not even for a look-up.
    EXPECT_TRUE(songs.allSongs().isEmpty());
    ASSERT_TRUE(waitForLibrary(songs));
    EXPECT_EQ(loadedCalls, 1);
    EXPECT_EQ(context.midiIndexedSongs, songs.songs());

    Songs read;
    read.setFilter(QStringLiteral("band 3"));
    read.refresh();
    ASSERT_EQ(read.allSongs().size(), 1206);
    expectSameLibrary(songs, read);

    // A load after changes reuses the unchanged songs and still equals a blocking read.
    const SongPtr unchanged = songs.allSongs().first();
    write(QStringLiteral("Folk/Tune 0001.pro"), songText("Tune One", "Changed"));
    write(QStringLiteral("Rock/New.pro"), songText("New"));
    songs.refreshInBackground();
    ASSERT_TRUE(waitForLibrary(songs));
    read.refresh();
    expectSameLibrary(songs, read);
    EXPECT_EQ(songs.allSongs().first(), unchanged);
}

TEST_F(SongsLoadTest, ARefreshAskedDuringALoadIsFollowedByAnotherLoad)
{
    writeLargeFolder();
    songs.refreshInBackground();
    // A file written after the load may have listed its folder.
    write(QStringLiteral("Rock/Late.pro"), songText("Late"));
    songs.refresh();
    EXPECT_TRUE(songs.isLoading());
    ASSERT_TRUE(waitForLibrary(songs));
    EXPECT_TRUE(paths(songs.allSongs()).contains(path(QStringLiteral("Rock/Late.pro"))));
}

TEST_F(SongsLoadTest, ChangingTheSongFolderDuringALoadGivesTheNewFoldersSongsOnly)
{
    writeLargeFolder();
    const QTemporaryDir other;
    const QString song = QDir(other.path()).filePath(QStringLiteral("Other.pro"));
    {
        QFile file(song);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(songText("Other"));
    }
    int loadedCalls = 0;
    songs.setLoadedHandler([&loadedCalls] { ++loadedCalls; });
    songs.refreshInBackground();
    prefs.setSongDirectoryPath(other.path());
    songs.refresh();
    ASSERT_TRUE(waitForLibrary(songs));
    EXPECT_EQ(paths(songs.allSongs()), QStringList({song}));
    EXPECT_EQ(paths(songs.songs()), QStringList({song}));
    EXPECT_EQ(loadedCalls, 1);
    // The cancelled load never arrives later either.
    QCoreApplication::processEvents();
    EXPECT_EQ(paths(songs.allSongs()), QStringList({song}));
}

TEST_F(SongsLoadTest, ALibraryDestroyedDuringItsLoadStopsItSafely)
{
    writeLargeFolder();
    int loadedCalls = 0;
    {
        Songs leaving;
        context.songsObject = &leaving;
        leaving.setLoadedHandler([&loadedCalls] { ++loadedCalls; });
        leaving.refreshInBackground();
        ASSERT_TRUE(leaving.isLoading());
    }
    context.songsObject = &songs;
    QCoreApplication::processEvents();
    EXPECT_EQ(loadedCalls, 0);
    EXPECT_EQ(context.midiIndexings, 0);
}

TEST_F(SongsLoadTest, ActionsWaitingForTheLoadRunOnceItIsTakenUnlessTheirContextWent)
{
    writeLargeFolder();
    QStringList ran;
    songs.whenLoaded(nullptr, [&ran] { ran.append(QStringLiteral("at once")); });
    EXPECT_EQ(ran, QStringList({"at once"}));
    songs.refreshInBackground();
    QObject stays;
    auto goes = std::make_unique<QObject>();
    qsizetype songsSeen = -1;
    songs.whenLoaded(&stays, [&] {
        ran.append(QStringLiteral("stays"));
        songsSeen = songs.allSongs().size();
    });
    songs.whenLoaded(goes.get(), [&ran] { ran.append(QStringLiteral("goes")); });
    goes.reset();
    EXPECT_EQ(ran.size(), 1);
    ASSERT_TRUE(waitForLibrary(songs));
    EXPECT_EQ(ran, QStringList({"at once", "stays"}));
    EXPECT_EQ(songsSeen, 1206);
}

// What the panes and look-ups see of the library, in numbers: a library taken in part would mix two of them.
struct Shape
{
    qsizetype allSongs, songs, rows, categories, tags, songsWithoutTag;
    bool operator==(const Shape &) const = default;
};

Shape shapeOf(Songs &songs)
{
    return {songs.allSongs().size(),    songs.songs().size(),      songs.rows().size(),
            songs.categories().count(), songs.songsByTag().size(), songs.songsWithoutTag().size()};
}

TEST_F(SongsLoadTest, ALoadTakenOverSeveralTurnsIsNeverSeenInPart)
{
    writeLargeFolder();
    songs.setFilter(QStringLiteral("tune"));
    songs.refresh();
    const Shape before = shapeOf(songs);
    // Enough new songs, in a new category with a new tag, that the load is taken over several turns.
    for (int number = 0; number < 4000; ++number)
        write(QStringLiteral("Jazz/Standard %1.pro").arg(number),
              songText(QStringLiteral("Tune %1").arg(number), QString(), QStringLiteral("{tag: jazz}\n")));
    songs.refreshInBackground();
    std::vector<Shape> seen;
    const QDeadlineTimer deadline(20000);
    while (songs.isLoading() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        seen.push_back(shapeOf(songs));
    }
    ASSERT_FALSE(songs.isLoading());
    const Shape after = shapeOf(songs);
    EXPECT_EQ(after.allSongs, before.allSongs + 4000);
    EXPECT_EQ(after.categories, before.categories + 1);
    for (const Shape &shape : seen)
        EXPECT_TRUE(shape == before || shape == after);
    // The order, merged a slice at a time, is that of one sort.
    QList<SongPtr> sorted = songs.allSongs();
    SongOrder().sort(sorted, SongOrder::current());
    EXPECT_EQ(paths(songs.songs()), paths(sorted));
}

TEST_F(SongsLoadTest, TheFolderIsReadOnceAndLoggedAsARefresh)
{
    writeSampleFolder();
    LogCapture log;
    songs.refreshInBackground();
    songs.setFilter(QStringLiteral("grace")); // a search typed while the load runs
    ASSERT_TRUE(waitForLibrary(songs));
    EXPECT_EQ(log.lines().filter(QStringLiteral("read songs in ") + folder.path() + QStringLiteral(" in ")).size(), 1);
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("refresh songs in ")));
    ASSERT_EQ(songs.numberOfRows(), 1);
    EXPECT_EQ(songs.songForRow(0)->title(), QStringLiteral("Amazing Grace"));
}

} // namespace
