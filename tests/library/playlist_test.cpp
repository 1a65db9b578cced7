// The edits of a playlist: entries added, moved and deleted, shuffled and sorted with one undo, renamed songs
// followed, and the totals.
#include "playlist.h"

#include "libraryfolder.h"
#include "notesong.h"
#include "song.h"
#include "songs.h"

namespace {

SongPtr entry(const char *reference, std::optional<QString> key = std::nullopt)
{
    SongPtr song = Song::fromTitleSubtitleReference(QString::fromUtf8(reference));
    song->setPlaylistkey(key);
    return song;
}

SongPtr note(const char *text)
{
    return NoteSong::fromLineString(QString::fromUtf8(text));
}

QStringList titles(const QList<SongPtr> &songs)
{
    QStringList result;
    for (const SongPtr &song : songs)
        result.append(song->isNote() ? QStringLiteral("#") + song->text() : song->title());
    return result;
}

// A library to resolve entries against: three songs, one of them without a playing time.
class PlayListEdits : public LibraryFolder
{
protected:
    PlayListEdits()
    {
        write(QStringLiteral("a.pro"), songText("Alpha", "One", "{key: G}\n{time: 3:00}\n"));
        write(QStringLiteral("b.pro"), songText("Bravo", QString(), "{key: c}\n{time: 1:30}\n"));
        write(QStringLiteral("c.pro"), songText("Charlie", "Three", "{key: Am}\n"));
        context.songsObject = &library;
        library.refresh();
    }

    Songs library;
};

} // namespace

TEST_F(PlayListEdits, EditsDropTheUndoOrderButAMoveKeepsIt)
{
    PlayList playlist;
    playlist.addSong(entry("Alpha - One"));
    playlist.addSong(entry("Bravo"));
    playlist.sortByTitle();
    ASSERT_TRUE(playlist.originalSongs().has_value());
    EXPECT_TRUE(playlist.moveSong(0, 1));
    EXPECT_TRUE(playlist.originalSongs().has_value());
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Bravo", "Alpha"}));
    EXPECT_FALSE(playlist.moveSong(0, 2));

    playlist.insertSong(note("#Break"), 1);
    EXPECT_FALSE(playlist.originalSongs().has_value());
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Bravo", "#Break", "Alpha"}));
    playlist.sortByTitle();
    playlist.deleteSongAtIndex(0);
    EXPECT_FALSE(playlist.originalSongs().has_value());
    playlist.sortByTitle();
    playlist.addSong(entry("Charlie - Three"));
    EXPECT_FALSE(playlist.originalSongs().has_value());
    EXPECT_EQ(playlist.songForRow(2)->title(), QStringLiteral("Charlie"));
    EXPECT_EQ(playlist.songForRow(3), nullptr);
}

TEST_F(PlayListEdits, ShuffleSwapsPairsDrawnFromTheRandomSourceAndUndoes)
{
    PlayList playlist;
    for (const char *reference : {"Alpha", "Bravo", "Charlie"})
        playlist.addSong(entry(reference));
    QList<int> draws = {0, 2, 1, 1, 2, 1};
    QList<int> bounds;
    playlist.shuffle([&](int bound) {
        bounds.append(bound);
        return draws.takeFirst();
    });
    EXPECT_EQ(bounds, QList<int>({3, 3, 3, 3, 3, 3}));
    // Swaps (0,2), (1,1), (2,1).
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Charlie", "Alpha", "Bravo"}));
    playlist.undoSort();
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Alpha", "Bravo", "Charlie"}));
    EXPECT_FALSE(playlist.originalSongs().has_value());

    PlayList empty;
    empty.shuffle();
    ASSERT_TRUE(empty.originalSongs().has_value());
    EXPECT_TRUE(empty.originalSongs()->isEmpty());
    empty.undoSort();
    EXPECT_TRUE(empty.songs().isEmpty());
}

TEST_F(PlayListEdits, SortByTitleSubtitleAndKey)
{
    PlayList playlist;
    playlist.addSong(entry("Charlie - Three"));   // the song's key: Am
    playlist.addSong(entry("Bravo"));             // c
    playlist.addSong(entry("Alpha - One", "Bb")); // the playlist's key wins over G
    playlist.addSong(entry("Unknown"));           // no key at all
    playlist.addSong(entry("Zulu - Zero", ""));   // an empty playlist key counts as set
    playlist.sortByTitle();
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Alpha", "Bravo", "Charlie", "Unknown", "Zulu"}));
    playlist.sortBySubTitle();
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Bravo", "Unknown", "Alpha", "Charlie", "Zulu"}));
    playlist.sortByKey();
    // "" < "Am" < "Bb" < "c": case-sensitive, so a capital comes before every small letter; no key last.
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Zulu", "Charlie", "Alpha", "Bravo", "Unknown"}));
    playlist.undoSort();
    EXPECT_EQ(titles(playlist.songs()), QStringList({"Bravo", "Unknown", "Alpha", "Charlie", "Zulu"}));
}

TEST_F(PlayListEdits, AnEntryWithoutSubtitleNamesTheSongWithAnEmptyOne)
{
    PlayList playlist;
    playlist.addSong(note("#Note")); // titled "Note" too, but a note names no song
    playlist.addSong(entry("Bravo"));
    playlist.addSong(entry("Alpha - One"));
    const SongPtr bravo = library.songForSong(entry("Bravo"));
    ASSERT_NE(bravo, nullptr);
    ASSERT_TRUE(bravo->subtitle().isEmpty());
    EXPECT_TRUE(playlist.containsSong(*bravo));
    Song namedNote;
    namedNote.setTitle(QStringLiteral("Note"));
    EXPECT_FALSE(playlist.containsSong(namedNote));
    EXPECT_FALSE(playlist.containsSong(*entry("Alpha")));
    playlist.deleteSong(*bravo);
    EXPECT_EQ(titles(playlist.songs()), QStringList({"#Note", "Alpha"}));
    playlist.deleteSong(namedNote);
    EXPECT_EQ(playlist.songs().size(), 2);
}

TEST_F(PlayListEdits, RenamedSongsAreFollowed)
{
    PlayList playlist;
    playlist.addSong(entry("Alpha - One", "G"));
    playlist.addSong(entry("Bravo"));
    playlist.addSong(entry("Alpha - One"));
    const SongPtr renamed = entry("Alpha - Two");
    EXPECT_TRUE(playlist.updateSong(*entry("Alpha - One"), *renamed));
    EXPECT_EQ(playlist.asString(), QStringLiteral("\nAlpha - Two [G]\nBravo\nAlpha - Two\n"));
    EXPECT_FALSE(playlist.updateSong(*entry("Alpha - One"), *renamed));
    // A missing subtitle and an empty one are the same.
    Song bravo;
    bravo.setTitle(QStringLiteral("Bravo"));
    bravo.setSubtitle(QStringLiteral(""));
    EXPECT_TRUE(playlist.updateSong(bravo, *entry("Bravissimo")));
    EXPECT_EQ(playlist.songs().at(1)->title(), QStringLiteral("Bravissimo"));
}

TEST_F(PlayListEdits, TotalTimeNeedsEverySongsTime)
{
    PlayList playlist;
    playlist.addSong(entry("Alpha - One"));
    playlist.addSong(note("#Tune up"));
    playlist.addSong(entry("Bravo"));
    playlist.addSong(entry("Gone - Away")); // unresolved: adds nothing
    EXPECT_EQ(playlist.totalPlayingTime(), 270);
    EXPECT_EQ(playlist.songsCount(), 3);
    playlist.addSong(entry("Charlie - Three")); // no playing time
    EXPECT_EQ(playlist.totalPlayingTime(), 0);
}
