// The collection of playlists: where they are found, their order, adding and deleting, keeping them in step.
#include "playlists.h"

#include "failingwrites.h"
#include "libraryfolder.h"
#include "logcapture.h"
#include "notesong.h"
#include "playlist.h"
#include "scopedenv.h"
#include "song.h"
#include "songs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QStringList titles(const PlayLists &playlists)
{
    QStringList result;
    for (const auto &playlist : playlists.playlists())
        result.append(playlist->title());
    return result;
}

class PlayListsTest : public LibraryFolder
{
protected:
    PlayListsTest()
    {
        write(QStringLiteral("b-set.lst"), "beta set\nAlpha - One\n", 30);
        write(QStringLiteral("Rock/Gig.lst"), "Gig\nAlpha - One [A]\n#Tune down\nBravo\n", 10);
        write(QStringLiteral("Rock/Old/Deep.lst"), "Deep\n");
        write(QStringLiteral("Upper.LST"), "Upper\n");
        write(QStringLiteral(".Hidden/Secret.lst"), "Secret\n");
        write(QStringLiteral("a-set.lst"), "Alpha set\nBravo\n", 20);
        write(QStringLiteral("a.pro"), songText("Alpha", "One", "{time: 3:00}\n"));
        write(QStringLiteral("b.pro"), songText("Bravo", QString(), "{time: 1:05}\n"));
        context.songsObject = &library;
        library.refresh();
    }

    Songs library;
};

} // namespace

TEST_F(PlayListsTest, FindsThePlaylistsOfTheRootAndTheCategoriesInOrder)
{
    PlayLists playlists;
    EXPECT_EQ(titles(playlists), QStringList({"Alpha set", "beta set", "Gig"}));
    prefs.setSortPlaylistsByDate(true);
    playlists.refresh();
    EXPECT_EQ(titles(playlists), QStringList({"Gig", "Alpha set", "beta set"}));
    EXPECT_EQ(playlists.playlistWithTitle(QStringLiteral("Gig")), playlists.playListAtIndex(0));
    EXPECT_EQ(playlists.playlistWithTitle(QStringLiteral("gig")), nullptr);
    EXPECT_EQ(playlists.playListAtIndex(3), nullptr);
}

TEST_F(PlayListsTest, NoSongFolderNoPlaylists)
{
    prefs.setSongDirectoryPath(QString());
    EXPECT_EQ(PlayLists().count(), 0);
}

TEST_F(PlayListsTest, AddingAnsweresAnExistingPlaylistAndSavesOnlyTitledOnes)
{
    PlayLists playlists;
    const auto gig = playlists.playlistWithTitle(QStringLiteral("Gig"));
    EXPECT_EQ(playlists.addPlaylistWithTitle(QStringLiteral("Gig")), gig);
    EXPECT_EQ(playlists.count(), 3);

    const auto untitled = playlists.addPlaylistWithTitle(QString());
    EXPECT_TRUE(untitled->path().isEmpty());
    const auto added = playlists.addPlaylistWithTitle(QStringLiteral("Christmas"));
    EXPECT_EQ(added->path(), path(QStringLiteral("Christmas.lst")));
    EXPECT_EQ(read(added->path()), "Christmas\n");
    EXPECT_EQ(titles(playlists), QStringList({"", "Alpha set", "beta set", "Christmas", "Gig"}));

    playlists.deletePlayListAtIndex(3);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Christmas.lst"))));
    EXPECT_EQ(playlists.count(), 4);
}

// A playlist whose file cannot go to the Trash stays in the list, as it stays on disk.
TEST_F(PlayListsTest, APlaylistWhoseFileCannotGoToTheTrashStaysListed)
{
    QTemporaryDir data;
    const ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QFile blocker(QDir(data.path()).filePath(QStringLiteral("Trash")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << "a file where the Trash would be";
    PlayLists playlists;
    const QString gig = playlists.playlistWithTitle(QStringLiteral("Gig"))->path();
    EXPECT_FALSE(playlists.deletePlayListAtIndex(2));
    EXPECT_EQ(titles(playlists), QStringList({"Alpha set", "beta set", "Gig"}));
    EXPECT_TRUE(QFileInfo::exists(gig));
    EXPECT_EQ(context.failedTrashes.size(), 1);
}

TEST_F(PlayListsTest, APlaylistWhoseFileCannotBeMadeIsNotAdded)
{
    PlayLists playlists;
    const FailingWrites failing(TextFile::WriteStep::Commit);
    EXPECT_EQ(playlists.addPlaylistWithTitle(QStringLiteral("Christmas")), nullptr);
    EXPECT_EQ(titles(playlists), QStringList({"Alpha set", "beta set", "Gig"}));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Christmas.lst"))));
    ASSERT_EQ(context.failedWrites.size(), 1);
    EXPECT_EQ(context.failedWrites.constFirst().first, QStringLiteral("The playlist \u201cChristmas\u201d"));
}

TEST_F(PlayListsTest, ARenamedSongIsFollowedInExactlyThePlaylistsNamingIt)
{
    PlayLists playlists;
    const QByteArray alphaSetBefore = read(path(QStringLiteral("a-set.lst")));
    const int pausesBefore = context.fsRefreshPauses;
    const SongPtr old = Song::fromTitleSubtitleReference(QStringLiteral("Alpha - One"));
    playlists.updatePlaylistsForSong(*old, *old); // same title and subtitle: nothing happens
    EXPECT_EQ(context.fsRefreshPauses, pausesBefore);

    playlists.updatePlaylistsForSong(*old, *Song::fromTitleSubtitleReference(QStringLiteral("Alpha - Live")));
    EXPECT_EQ(read(path(QStringLiteral("b-set.lst"))), "beta set\nAlpha - Live\n");
    EXPECT_EQ(read(path(QStringLiteral("Rock/Gig.lst"))), "Gig\nAlpha - Live [A]\n#Tune down\nBravo\n");
    EXPECT_EQ(read(path(QStringLiteral("a-set.lst"))), alphaSetBefore);
    EXPECT_EQ(context.fsRefreshPauses, pausesBefore + 2);
}

TEST_F(PlayListsTest, AnEditedNoteSavesThePlaylistsHoldingIt)
{
    PlayLists playlists;
    const auto gig = playlists.playlistWithTitle(QStringLiteral("Gig"));
    auto *note = dynamic_cast<NoteSong *>(gig->songs().at(1).get());
    ASSERT_NE(note, nullptr);
    note->setText(QStringLiteral("Tune down, 100%"));
    LogCapture log;
    playlists.updateNoteSong(note);
    EXPECT_EQ(read(path(QStringLiteral("Rock/Gig.lst"))), "Gig\nAlpha - One [A]\n#Tune down, 100%25\nBravo\n");
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Updating playlist Gig with note ")));
    const auto equalText = NoteSong::fromLineString(QStringLiteral("#Tune down, 100%25"));
    const int pauses = context.fsRefreshPauses;
    playlists.updateNoteSong(equalText.get()); // the same text in another object: no playlist holds it
    EXPECT_EQ(context.fsRefreshPauses, pauses);
}

TEST_F(PlayListsTest, PopupItemsWithCountsAndTimes)
{
    PlayLists playlists;
    QList<PopupMenuItem> expected = {
        {"Alpha set (1, 1:05)", 0, {}}, {"beta set (1, 3:00)", 1, {}}, {"Gig (2, 4:05)", 2, {}}};
    EXPECT_EQ(playlists.popupMenuItems(true), expected);
    expected = {{"Alpha set", 0, {}}, {"beta set", 1, {}}, {"Gig", 2, {}}};
    EXPECT_EQ(playlists.popupMenuItems(false), expected);
    // A song without a time: only the count.
    playlists.playListAtIndex(2)->addSong(Song::fromTitleSubtitleReference(QStringLiteral("Blank")));
    write(QStringLiteral("Blank.pro"), songText("Blank"));
    library.refresh();
    EXPECT_EQ(playlists.popupMenuItems(true).at(2).title, QStringLiteral("Gig (3)"));
}
