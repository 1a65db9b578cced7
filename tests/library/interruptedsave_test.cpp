// A save cut off by the end of the process (a crash, a power cut) just before its new file is put in place:
// the old file stays byte for byte, and whatever temporary file the cut-off save leaves beside it is never
// read as a song or a playlist.
#include "libraryfolder.h"
#include "playlist.h"
#include "playlists.h"
#include "song.h"
#include "songs.h"
#include "textfile.h"

#include <unistd.h>

namespace {

// Ends the process the moment a write is about to replace its file.
void endTheProcessBeforeEveryCommit()
{
    TextFile::setWriteHook([](TextFile::WriteStep step) {
        if (step == TextFile::WriteStep::Commit)
            _exit(0);
        return false;
    });
}

class InterruptedSaveTest : public LibraryFolder
{
protected:
    InterruptedSaveTest()
    {
        songPath = write(QStringLiteral("Old Song.pro"), oldSong);
        playlistPath = write(QStringLiteral("Gig.lst"), oldPlaylist);
        context.songsObject = &library;
        context.playlistsObject = &playlists;
    }

    const QByteArray oldSong = songText(QStringLiteral("Old Song"));
    const QByteArray oldPlaylist = "Gig\nOld Song\n";
    QString songPath;
    QString playlistPath;
    Songs library;
    PlayLists playlists;
};

} // namespace

TEST_F(InterruptedSaveTest, TheOldFileStaysAndNoTemporaryFileIsRead)
{
    EXPECT_EXIT(
        {
            endTheProcessBeforeEveryCommit();
            Song song(songPath);
            song.setText(QString::fromUtf8(songText(QStringLiteral("New Song"))));
            song.save();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            endTheProcessBeforeEveryCommit();
            const auto playlist = PlayList::fromFile(playlistPath);
            playlist->addSong(Song::fromTitleSubtitleReference(QStringLiteral("Another")));
            playlist->save();
        },
        ::testing::ExitedWithCode(0), "");

    EXPECT_EQ(read(songPath), oldSong);
    EXPECT_EQ(read(playlistPath), oldPlaylist);

    // File systems without unnamed temporary files leave a named one ("<name>.XXXXXX") behind.
    write(QStringLiteral("Old Song.pro.a1B2c3"), songText(QStringLiteral("Half Written")));
    write(QStringLiteral("Gig.lst.a1B2c3"), "Half\nWritten\n");
    library.refresh();
    playlists.refresh();
    ASSERT_EQ(library.allSongs().size(), 1);
    EXPECT_EQ(library.allSongs().first()->title(), QStringLiteral("Old Song"));
    ASSERT_EQ(playlists.playlists().size(), 1);
    EXPECT_EQ(playlists.playlists().first()->title(), QStringLiteral("Gig"));
}
