// Searching a generated library as the user types, and sorting the found rows: the rows are always those a
// plain scan of every song finds.
#include "songs.h"

#include "libraryfolder.h"
#include "pdfsong.h"
#include "searchtext.h"
#include "song.h"
#include "songcolumns.h"

#include <QSet>

namespace {

constexpr int kSongs = 210;

// Song i holds "heart" exactly when i % 3 == 0 (in its lyrics, split by a chord) or i % 7 == 0 (in its title).
bool holdsHeart(int number)
{
    return number % 3 == 0 || number % 7 == 0;
}

// Each row is what the search field holds after one change: letters typed, deleted, pasted or replaced.
const QStringList kTyped[] = {
    {"h", "he", "hea", "hear", "heart", "hear", "hea", "he", "h"},
    {"HEART", "HEARTS", "HEART", "heart of", "heart of gold"},
    {"c", "ca", "caf", "caf\u00e9", "cafe", "CAF\u00c9 AU", "caf"},
    {"song 1", "song 12", "song 1", "song 12"},
    {"walking down the road", "walking", "w"},
    {"f", "f#", "bb", "b", "em"},                            // keys, and chords that are no text
    {"r", "ro", "rov", "rover", "over the", "stone", "pdf"}, // a title from its file name, a PDF song
    {"zzz", "z", "", "true", "soul"},
};

class SongSearchTest : public LibraryFolder
{
protected:
    // Besides the numbered songs, a song named by its file alone and a PDF song.
    explicit SongSearchTest(int count = kSongs)
    {
        context.songsObject = &songs;
        const char *keys[] = {"C", "Am", "f#", "Bb", nullptr};
        const char *folders[] = {"", "Folk/", "Rock/", "Chansons/"};
        write(QStringLiteral("Folk/Rover.cho"), "[Am]Over the hills\n", 3);
        write(QStringLiteral("Sea Stone.pdf"), pdfWithText(QStringLiteral("Heart of stone")), 4);
        for (int number = 0; number < count; ++number) {
            const QString title =
                QStringLiteral("Song %1 %2").arg(number).arg(number % 7 ? "Blue Sky" : "Heart of Gold");
            QString more;
            if (const char *key = keys[number % 5])
                more += QStringLiteral("{key: %1}\n").arg(QLatin1String(key));
            if (number % 2)
                more += QStringLiteral("{time: %1:%2}\n").arg(number % 5).arg(number % 60, 2, 10, QLatin1Char('0'));
            more += QStringLiteral("[Em]Walking down the [G]road\n");
            more += number % 3 ? QStringLiteral("my soul is true\n") : QStringLiteral("my hea[F]rt is true\n");
            if (number % 5 == 0)
                more += QStringLiteral("{c: Caf\u00e9 au lait}\n");
            write(QString::fromLatin1(folders[number % 4]) + QStringLiteral("song%1.pro").arg(number),
                  songText(title, number % 11 ? QStringLiteral("Band %1").arg(number % 13) : QString(), more),
                  number % 17);
        }
        songs.refresh();
    }

    // The rows a search must give: every current song the text is found in, read afresh, in the list's order.
    QList<SongPtr> plainScan(const QString &text) const
    {
        const QString needle = SearchText::folded(text);
        QList<SongPtr> found;
        for (const SongPtr &song : songs.songs()) {
            const bool isPDF = dynamic_cast<const PDFSong *>(song.get());
            const QString plainText = !isPDF               ? Song::plainTextOf(song->text())
                                      : prefs.searchPDFs() ? song->plainText()
                                                           : QString();
            const QString fields[] = {song->title(), song->subtitle(), song->key(), plainText};
            if (std::any_of(std::begin(fields), std::end(fields),
                            [&needle](const QString &field) { return SearchText::folded(field).contains(needle); }))
                found.append(song);
        }
        return found;
    }

    // Types each row of the table, checking every keystroke's rows.
    void expectEveryKeystrokeAsAPlainScan()
    {
        for (const QStringList &texts : kTyped) {
            for (const QString &text : texts) {
                songs.setFilter(text);
                if (text.isEmpty()) {
                    EXPECT_FALSE(songs.filteredSongs().has_value());
                    continue;
                }
                EXPECT_EQ(songs.rows(), plainScan(text)) << text.toStdString();
            }
        }
    }

    static QSet<QString> paths(const QList<SongPtr> &list)
    {
        QSet<QString> result;
        for (const SongPtr &song : list)
            result.insert(song->path());
        return result;
    }

    Songs songs;
};

} // namespace

TEST_F(SongSearchTest, EveryKeystrokeFindsWhatAPlainScanFinds)
{
    expectEveryKeystrokeAsAPlainScan();
}

// Enough songs for the search to fold and scan on several threads.
class LargeSongSearchTest : public SongSearchTest
{
protected:
    LargeSongSearchTest()
        : SongSearchTest(2100)
    {}
};

TEST_F(LargeSongSearchTest, EveryKeystrokeFindsWhatAPlainScanFinds)
{
    expectEveryKeystrokeAsAPlainScan();
}

TEST_F(SongSearchTest, PDFSongsAreSearchedByTheirDocumentsOnlyWhileTheSettingIsOn)
{
    for (const bool searchPDFs : {true, false, true}) {
        prefs.setSearchPDFs(searchPDFs);
        expectEveryKeystrokeAsAPlainScan();
    }
}

TEST_F(SongSearchTest, ASongWhoseTitleChangedIsSearchedByItsNewTitle)
{
    expectEveryKeystrokeAsAPlainScan();
    // As the editor saves: the new text, then the title and subtitle read from it.
    const SongPtr song = songs.songs().first();
    song->setText(QString::fromUtf8(songText(QStringLiteral("Rovers Return"), QStringLiteral("Heart Street"),
                                             QStringLiteral("{key: Dm}\n[C]Over the sea\n"))));
    ASSERT_TRUE(song->save());
    song->refreshTitleSubtitle();
    ASSERT_EQ(song->title(), QStringLiteral("Rovers Return"));
    expectEveryKeystrokeAsAPlainScan();
}

TEST_F(SongSearchTest, ASongSavedBetweenKeystrokesIsSearchedByItsNewText)
{
    songs.setFilter(QStringLiteral("mid"));
    ASSERT_TRUE(songs.rows().isEmpty());
    const SongPtr song = songs.songs().last();
    song->setText(song->text() + QStringLiteral("Midnight train\n"));
    ASSERT_TRUE(song->save());
    for (const char *text : {"midn", "mid"}) {
        songs.setFilter(QString::fromLatin1(text));
        EXPECT_EQ(songs.rows(), QList<SongPtr>({song})) << text;
    }
}

TEST_F(SongSearchTest, SortingUnderAFilterKeepsExactlyTheFilteredRows)
{
    QSet<QString> expected;
    for (int number = 0; number < kSongs; ++number)
        if (holdsHeart(number))
            expected.insert(path(QString::fromLatin1(number % 4 == 0   ? ""
                                                     : number % 4 == 1 ? "Folk/"
                                                     : number % 4 == 2 ? "Rock/"
                                                                       : "Chansons/") +
                                 QStringLiteral("song%1.pro").arg(number)));
    songs.setFilter(QStringLiteral("heart"));
    ASSERT_EQ(paths(songs.rows()), expected);
    for (const int column : {SongColumns::Key, SongColumns::Time, SongColumns::Subtitle, SongColumns::Title}) {
        // A header click sorts and sets the search again; a sort from elsewhere leaves the search as it is.
        for (const bool searchedAgain : {false, true}) {
            SongColumns::sortBy(prefs, songs, column);
            if (searchedAgain)
                songs.setFilter(QStringLiteral("heart"));
            EXPECT_EQ(songs.numberOfRows(), expected.size()) << column;
            EXPECT_EQ(paths(songs.rows()), expected) << column;
            // In the list's new order.
            EXPECT_EQ(songs.rows(), plainScan(QStringLiteral("heart"))) << column;
        }
    }
}
