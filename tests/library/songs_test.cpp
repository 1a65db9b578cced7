// The library: reading the folder by category, the sample song, the filter, the orders, tags and look-ups.
#include "songs.h"

#include "filebytes.h"
#include "filename.h"
#include "filestamp.h"
#include "libraryfolder.h"
#include "logcapture.h"
#include "notesong.h"
#include "song.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList titles(const QList<SongPtr> &songs)
{
    QStringList result;
    for (const SongPtr &song : songs)
        result.append(song->title());
    return result;
}

class SongsTest : public LibraryFolder
{
protected:
    SongsTest() { context.songsObject = &songs; }

    Songs songs;
};

} // namespace

TEST_F(SongsTest, ReadsTheRootAndEachCategoryFolderOnly)
{
    writeSampleFolder();
    songs.refresh();
    // Root first, then the categories in listing order; hidden entries, deeper folders and non-songs never.
    EXPECT_EQ(titles(songs.allSongs()),
              QStringList({"Amazing Grace", "Blues", "Hallelujah", "Yesterday", "Caf\u00e9 Song", "Highway"}));
    EXPECT_EQ(songs.allSongs().at(3)->category(), QStringLiteral("acoustic"));
    EXPECT_EQ(songs.allSongs().at(5)->category(), QStringLiteral("Rock"));
    EXPECT_EQ(songs.allSongs().at(0)->category(), QString());
    EXPECT_EQ(songs.categories().categories(), QStringList({"acoustic", "Ballads", "Rock"}));
    // All songs in title order.
    EXPECT_EQ(titles(songs.songs()),
              QStringList({"Amazing Grace", "Blues", "Caf\u00e9 Song", "Hallelujah", "Highway", "Yesterday"}));
}

TEST_F(SongsTest, PdfFilesAreSongsOnlyWhileSupported)
{
    writeSampleFolder();
    prefs.setSupportPDF(false);
    songs.refresh();
    EXPECT_FALSE(titles(songs.allSongs()).contains(QStringLiteral("Hallelujah")));
    prefs.setSupportPDF(true);
    songs.refresh();
    const SongPtr pdf = songs.allSongs().at(2);
    EXPECT_EQ(pdf->title(), QStringLiteral("Hallelujah"));
    EXPECT_EQ(pdf->subtitle(), QStringLiteral("PDF"));
}

TEST_F(SongsTest, TheCurrentCategoryTakesTheSameSongObjectsAndGoesToMidi)
{
    writeSampleFolder();
    songs.setCurrentCategory(QStringLiteral("Rock"));
    EXPECT_EQ(prefs.currentCategory(), std::optional<QString>(QStringLiteral("Rock")));
    songs.refresh();
    ASSERT_EQ(titles(songs.songs()), QStringList({"Highway"}));
    // One object per file: the category's list holds the library's own song.
    EXPECT_EQ(songs.songs().first(), songs.allSongs().last());
    EXPECT_EQ(context.midiIndexings, 1);
    EXPECT_EQ(context.midiIndexedSongs, songs.songs());

    songs.setCurrentCategory(QString());
    songs.refresh();
    EXPECT_EQ(titles(songs.songs()), QStringList({"Amazing Grace", "Blues", "Hallelujah"}));

    songs.setCurrentCategory(std::nullopt);
    songs.refresh();
    EXPECT_EQ(songs.songs().size(), 6);
    EXPECT_EQ(context.midiIndexedSongs, songs.songs());
}

TEST_F(SongsTest, NothingHappensWithoutASongFolder)
{
    prefs.setSongDirectoryPath(QString());
    songs.refresh();
    EXPECT_TRUE(songs.songs().isEmpty());
    EXPECT_EQ(context.midiIndexings, 0);
}

TEST_F(SongsTest, AnEmptyNewFolderShowsTheSampleSongAtOnce)
{
    prefs.setSongDirectoryPath(path(QStringLiteral("New/Songs")));
    songs.refresh();
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("New/Songs/Greensleeves.pro"))));
    // Written before the folder is read, so the first refresh already lists it.
    ASSERT_EQ(titles(songs.songs()), QStringList({"Greensleeves"}));
    EXPECT_FALSE(songs.songs().first()->key().isEmpty());
    EXPECT_GE(context.fsRefreshPauses, 1);
}

TEST_F(SongsTest, TheSampleSongIsAddedOnlyWhereTheRootHoldsNoSongAndNoCategory)
{
    struct Case
    {
        const char *what;
        const char *file;
        bool sample;
    };
    const Case cases[] = {
        {"a category", "Rock/Highway.pro", false},
        {"only a tab file, which does not count", "Blues.tab", true},
        {"a song", "Highway.pro", false},
    };
    for (const Case &c : cases) {
        QTemporaryDir songFolder;
        prefs.setSongDirectoryPath(songFolder.path());
        const QString file = QDir(songFolder.path()).filePath(QString::fromUtf8(c.file));
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile(file).open(QIODevice::WriteOnly);
        songs.refresh();
        EXPECT_EQ(QFileInfo::exists(QDir(songFolder.path()).filePath("Greensleeves.pro")), c.sample) << c.what;
    }
}

TEST_F(SongsTest, TheSampleSongNeverReplacesTheUsersOwnGreensleeves)
{
    const QByteArray edited = songText(QStringLiteral("Greensleeves"), QStringLiteral("my arrangement"));
    const QString file = write(QStringLiteral("Greensleeves.pro"), edited);
    EXPECT_EQ(songs.createSampleSong(), file);
    EXPECT_EQ(read(file), edited);
}

TEST_F(SongsTest, FilterIgnoresCaseAndDiacritics)
{
    writeSampleFolder();
    songs.refresh();
    struct Case
    {
        const char *filter;
        QStringList found;
    };
    const Case cases[] = {
        {"cafe", {"Caf\u00e9 Song"}},       // title, without the accent
        {"TRADITIONAL", {"Amazing Grace"}}, // subtitle
        {"em", {"Highway"}},                // key ("Em"); no other text holds "em"
        {"ON THE ROAD", {"Highway"}},       // the song's text
        {"petit CAFÉ", {"Caf\u00e9 Song"}}, // the text, accents on the other side
        {"hallelujah", {"Hallelujah"}},     // a PDF song by its title
        {"pdf", {"Hallelujah"}},            // and by its subtitle
        {"moonlight", {}},                  // its document's text only with searchPDFs
        {"Yesterday", {"Yesterday"}},
        {"nothing like this", {}},
    };
    for (const Case &c : cases) {
        songs.setFilter(QString::fromUtf8(c.filter));
        ASSERT_TRUE(songs.filteredSongs().has_value());
        EXPECT_EQ(titles(*songs.filteredSongs()), c.found) << c.filter;
        EXPECT_EQ(songs.numberOfRows(), c.found.size()) << c.filter;
    }
    prefs.setSearchPDFs(true);
    songs.setFilter(QStringLiteral("moonlight"));
    EXPECT_EQ(titles(*songs.filteredSongs()), QStringList({"Hallelujah"}));
    EXPECT_EQ(songs.songForRow(0)->title(), QStringLiteral("Hallelujah"));
    EXPECT_EQ(songs.songForRow(1), nullptr);

    songs.setFilter(QString());
    EXPECT_FALSE(songs.filter().has_value());
    EXPECT_FALSE(songs.filteredSongs().has_value());
    EXPECT_EQ(songs.numberOfRows(), 6);
}

TEST_F(SongsTest, FilterSeesASongsSavedText)
{
    writeSampleFolder();
    songs.refresh();
    songs.setFilter(QStringLiteral("midnight"));
    EXPECT_TRUE(songs.filteredSongs()->isEmpty());
    const SongPtr highway = songs.allSongs().last();
    highway->setText(highway->text() + QStringLiteral("Midnight train\n"));
    ASSERT_TRUE(highway->save());
    songs.setFilter(QStringLiteral("midnight"));
    EXPECT_EQ(titles(*songs.filteredSongs()), QStringList({"Highway"}));
}

TEST_F(SongsTest, SortOrdersOfTheSettings)
{
    write(QStringLiteral("a.pro"), songText("The Boxer", "Simon", "{key: C}\n{time: 3:00}\n"), 30);
    write(QStringLiteral("b.pro"), songText("Africa", "Toto", "{key: am}\n"), 10);
    write(QStringLiteral("c.pro"), songText("the abc", "Zed", "{key: B}\n{time: 2:00}\n"), 20);
    write(QStringLiteral("d.pro"), songText("\u00c9t\u00e9", "Abba", "{key: D}\n{time: 3:00}\n"), 40);
    struct Case
    {
        const char *what;
        void (Prefs::*setting)(bool);
        bool iPodStyle;
        QStringList order;
    };
    const Case cases[] = {
        {"title", nullptr, false, {"Africa", "\u00c9t\u00e9", "the abc", "The Boxer"}},
        {"title without articles", nullptr, true, {"Africa", "The Boxer", "\u00c9t\u00e9", "the abc"}},
        {"subtitle", &Prefs::setSortbysubtitle, false, {"\u00c9t\u00e9", "The Boxer", "Africa", "the abc"}},
        {"key ignoring case", &Prefs::setSortbykey, false, {"Africa", "the abc", "The Boxer", "\u00c9t\u00e9"}},
        {"newest first", &Prefs::setSortbydate, false, {"Africa", "the abc", "The Boxer", "\u00c9t\u00e9"}},
        {"longest first, no time last",
         &Prefs::setSortbytime,
         false,
         {"\u00c9t\u00e9", "The Boxer", "the abc", "Africa"}},
    };
    for (const Case &c : cases) {
        Prefs sorted;
        sorted.setSongDirectoryPath(folder.path());
        sorted.setSortIPodStyle(c.iPodStyle);
        if (c.setting)
            (sorted.*c.setting)(true);
        context.prefsObject = &sorted;
        songs.refresh();
        EXPECT_EQ(titles(songs.songs()), c.order) << c.what;
    }
}

TEST_F(SongsTest, TagIndexOverAllSongsInOrder)
{
    writeSampleFolder();
    songs.setCurrentCategory(QStringLiteral("Rock"));
    songs.refresh();
    EXPECT_EQ(songs.songsByTag().keys(), QStringList({"hymn", "rock"}));
    EXPECT_EQ(titles(songs.songsByTag().value("hymn")), QStringList({"Amazing Grace", "Caf\u00e9 Song"}));
    EXPECT_EQ(titles(songs.songsWithoutTag()), QStringList({"Blues", "Hallelujah", "Yesterday"}));
    songs.addTag(QStringLiteral("live"), songs.songs().first());
    EXPECT_EQ(titles(songs.songsByTag().value("live")), QStringList({"Highway"}));
}

TEST_F(SongsTest, SongsTheOrderFindsEqualKeepTheirFolderOrderInEveryList)
{
    // Same title, subtitle and time: only the order of all songs (the root, then each category) tells them apart.
    const QByteArray same = songText(QStringLiteral("Same"), QStringLiteral("Sub"), "{tag: x}\n");
    QStringList paths;
    for (const char *path : {"B/same.pro", "same.pro", "A/same.pro"})
        paths.append(write(path, same));
    paths.append(write(QStringLiteral("A/first.pro"), songText(QStringLiteral("Abc"), QString(), "{tag: x}\n")));
    // One time for all, to the millisecond: times taken while writing could differ and order the songs.
    const QDateTime time = QDateTime::currentDateTime().addSecs(-300);
    for (const QString &path : paths) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    songs.refresh();
    const QStringList expected = {"Abc", "Same", "Same", "Same"};
    const QStringList categories = {"A", "", "A", "B"};
    for (const QList<SongPtr> &list : {songs.songs(), songs.songsByTag().value(QStringLiteral("x"))}) {
        EXPECT_EQ(titles(list), expected);
        QStringList listed;
        for (const SongPtr &song : list)
            listed.append(song->category());
        EXPECT_EQ(listed, categories);
    }
}

TEST_F(SongsTest, ContainsPathLooksAtTheCurrentList)
{
    writeSampleFolder();
    songs.setCurrentCategory(QStringLiteral("Rock"));
    songs.refresh();
    EXPECT_TRUE(songs.containsPath(path(QStringLiteral("Rock/Highway.pro"))));
    EXPECT_FALSE(songs.containsPath(path(QStringLiteral("Amazing Grace.pro"))));
}

TEST_F(SongsTest, SongForSongPassesInOrder)
{
    writeSampleFolder();
    write(QStringLiteral("Rock/Amazing Grace live.pro"), songText("Amazing Grace", "Live"));
    write(QStringLiteral("acoustic/Highway.pro"), songText("Highway", "Band"));
    songs.setCurrentCategory(QStringLiteral("Rock"));
    songs.refresh();
    struct Case
    {
        const char *reference;
        const char *expected; // relative path; nullptr for no song
    };
    const Case cases[] = {
        {"Highway - Band", "Rock/Highway.pro"},              // the current list first
        {"Yesterday - Beatles", "acoustic/Yesterday.cho"},   // then all songs
        {"Amazing Grace - Somebody", "Amazing Grace.pro"},   // same title: the first of all songs
        {"AmazingGrace - Traditional", "Amazing Grace.pro"}, // the condensed reference
        {"Hallelujah - PDF", "Hallelujah.pdf"},              // a PDF song
        {"Yester", "acoustic/Yesterday.cho"},                // a file name starting with the title
        {"Unknown - Nobody", nullptr},
        {" - Band", nullptr}, // an empty title matches no file name
    };
    for (const Case &c : cases) {
        const SongPtr found = songs.songForSong(Song::fromTitleSubtitleReference(QString::fromUtf8(c.reference)));
        if (!c.expected)
            EXPECT_EQ(found, nullptr) << c.reference;
        else
            EXPECT_EQ(found ? found->path() : QString(), path(QString::fromUtf8(c.expected))) << c.reference;
    }
    const SongPtr note = NoteSong::fromLineString(QStringLiteral("#Break"));
    EXPECT_EQ(songs.songForSong(note), note);
}

TEST_F(SongsTest, SongForSongFollowsAnEditedTitle)
{
    writeSampleFolder();
    songs.refresh();
    const SongPtr highway = songs.songForSong(Song::fromTitleSubtitleReference(QStringLiteral("Highway - Band")));
    ASSERT_NE(highway, nullptr);
    highway->setText(songText("Motorway", "Band"));
    ASSERT_TRUE(highway->save());
    highway->refreshTitleSubtitle();
    EXPECT_EQ(songs.songForSong(Song::fromTitleSubtitleReference(QStringLiteral("Motorway - Band"))), highway);
    // The file still starts with the old title.
    EXPECT_EQ(songs.songForSong(Song::fromTitleSubtitleReference(QStringLiteral("Highway - Band"))), highway);
}

TEST_F(SongsTest, RefreshReusesUnchangedSongsAndEqualsAFullRead)
{
    writeSampleFolder();
    songs.refresh();
    const QList<SongPtr> before = songs.allSongs();
    write(QStringLiteral("Rock/Highway.pro"), songText("Highway", "Band", "{key: A}\nlonger now\n"));
    QFile::remove(path(QStringLiteral("acoustic/Yesterday.cho")));
    write(QStringLiteral("Ballads/Tomorrow.pro"), songText("Tomorrow"));
    songs.refresh();

    EXPECT_EQ(songs.allSongs().at(0), before.at(0)); // unchanged: the same object
    EXPECT_EQ(songs.allSongs().at(1), before.at(1));
    const SongPtr highway = songs.allSongs().last();
    EXPECT_NE(highway, before.last()); // changed: read again
    EXPECT_EQ(highway->key(), QStringLiteral("A"));

    Songs fresh;
    fresh.refresh();
    ASSERT_EQ(songs.allSongs().size(), fresh.allSongs().size());
    for (qsizetype index = 0; index < fresh.allSongs().size(); ++index) {
        const Song &reused = *songs.allSongs().at(index);
        const Song &read = *fresh.allSongs().at(index);
        EXPECT_EQ(reused.path(), read.path());
        EXPECT_EQ(reused.text(), read.text());
        EXPECT_EQ(reused.titleSubtitleReference(), read.titleSubtitleReference());
        EXPECT_EQ(reused.category(), read.category());
        EXPECT_EQ(reused.date(), read.date());
    }
    EXPECT_EQ(titles(songs.songs()), titles(fresh.songs()));
}

// A load reads its new files several at once: every song still gets its own file's text and metadata, in the
// folder's order, whatever the file's encoding.
TEST_F(SongsTest, ALoadOfManyFilesGivesEachSongItsOwnFile)
{
    for (int number = 0; number < 300; ++number) {
        const QString title = QStringLiteral("Song %1").arg(number, 3, 10, QLatin1Char('0'));
        const QString more = QStringLiteral("{key: %1}\n{tag: t%2}\n").arg(QChar(u'A' + number % 7)).arg(number);
        const QString name = (number % 3 ? QStringLiteral("Folk/") : QString()) + title + QStringLiteral(".pro");
        const QByteArray utf8 = songText(title + QStringLiteral(" Caf\u00e9"), QString(), more);
        write(name, number % 5 ? utf8 : QString::fromUtf8(utf8).toLatin1());
    }
    songs.refresh();

    ASSERT_EQ(songs.allSongs().size(), 300);
    for (const SongPtr &loaded : songs.allSongs()) {
        const Song alone(loaded->path());
        EXPECT_EQ(loaded->text(), alone.text());
        EXPECT_EQ(loaded->title(), alone.title());
        EXPECT_EQ(loaded->key(), alone.key());
        EXPECT_EQ(loaded->tags(), alone.tags());
        EXPECT_EQ(loaded->playingTime(), alone.playingTime());
        EXPECT_FALSE(loaded->loadFailed());
    }
    EXPECT_EQ(songs.allSongs().first()->title(), QStringLiteral("Song 000 Caf\u00e9"));
    EXPECT_EQ(songs.allSongs().at(99)->title(), QStringLiteral("Song 297 Caf\u00e9"));
    EXPECT_EQ(songs.allSongs().at(100)->title(), QStringLiteral("Song 001 Caf\u00e9"));
}

// A library keeps few texts: a song whose file another program changed since the load gives the new text with its
// title, never the old one, and settles the change before it writes.
TEST_F(SongsTest, ASongLoadedAndChangedOnDiskIsReadAsAReload)
{
    writeSampleFolder();
    songs.refresh();
    const SongPtr grace = songs.allSongs().first();
    ASSERT_EQ(grace->title(), QStringLiteral("Amazing Grace"));
    const QByteArray changed = songText(QStringLiteral("Amazing Grace 2"), QString(), QStringLiteral("{key: A}\n"));
    write(QStringLiteral("Amazing Grace.pro"), changed);
    EXPECT_EQ(grace->text(), QString::fromUtf8(changed));
    EXPECT_EQ(grace->title(), QStringLiteral("Amazing Grace 2"));
    EXPECT_FALSE(grace->setKey(QStringLiteral("B")));
    EXPECT_EQ(read(path(QStringLiteral("Amazing Grace.pro"))), changed);
}

// A sync tool replaces a file by renaming a new one over it; one of the same size and modification time was
// taken for the old file and never read.
TEST_F(SongsTest, RefreshReadsAFileReplacedByOneOfTheSameSizeAndTime)
{
    const QString song = write(QStringLiteral("Song.pro"), songText("Mine"));
    songs.refresh();
    const FileStamp before = FileStamp::of(song);
    const QString replacement = write(QStringLiteral(".sync-tmp"), songText("Ours"));
    const timespec times[2] = {{0, UTIME_OMIT}, {before.modified / 1000000000, before.modified % 1000000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(replacement).constData(), times, 0), 0);
    ASSERT_EQ(::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(song).constData()), 0);
    ASSERT_TRUE(FileStamp::of(song).sameSizeAndTime(before));

    songs.refresh();
    ASSERT_EQ(songs.allSongs().size(), 1);
    EXPECT_EQ(songs.allSongs().at(0)->title(), QStringLiteral("Ours"));
}

// A tool that rewrites a file in place and puts its time back leaves size, time and inode as they were.
TEST_F(SongsTest, RefreshReadsAFileRewrittenInPlaceWithItsTimePutBack)
{
    const QString song = write(QStringLiteral("Song.pro"), songText("Mine"));
    songs.refresh();
    const FileStamp before = FileStamp::of(song);
    {
        QFile file(song);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(songText("Ours"));
    }
    const timespec times[2] = {{0, UTIME_OMIT}, {before.modified / 1000000000, before.modified % 1000000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(song).constData(), times, 0), 0);
    const FileStamp after = FileStamp::of(song);
    ASSERT_TRUE(after.sameSizeAndTime(before));
    ASSERT_EQ(after.inode, before.inode);

    songs.refresh();
    ASSERT_EQ(songs.allSongs().size(), 1);
    EXPECT_EQ(songs.allSongs().at(0)->title(), QStringLiteral("Ours"));
}

// What real song folders hold besides songs: sync tools' and editors' leftovers, programs and images under a
// song's name, names at the file system's limit.
TEST_F(SongsTest, OnlyTextFilesAreListedAndNothingElseIsWritten)
{
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + QByteArray(64, '\x7f');
    const QByteArray elf = QByteArray("\x7f"
                                      "ELF\x02\x01\x01\0",
                                      8) +
                           QByteArray(64, '\0');
    write(QStringLiteral("Cover.pro"), png);
    write(QStringLiteral("Tool.pro"), elf);
    write(QStringLiteral("~$Song.pro"), songText("Lock"));
    write(QStringLiteral("Song.pro"), songText("Song"));
    const QString longName = QString(251, u'x') + QStringLiteral(".pro");
    write(longName, songText("Long"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("Pipe.pro"))).constData(), 0600), 0);
    ASSERT_EQ(::symlink("Pipe.pro", QFile::encodeName(path(QStringLiteral("Linked pipe.pro"))).constData()), 0);

    LogCapture log;
    songs.refresh();
    QStringList listed = titles(songs.allSongs());
    listed.sort();
    EXPECT_EQ(listed, QStringList({"Long", "Song"}));
    for (const char *refused : {"Cover.pro", "Tool.pro"})
        EXPECT_TRUE(log.hasLineStartingWith(
            QStringLiteral("Skipping %1: not a text file").arg(path(QString::fromLatin1(refused)))))
            << refused << log.lines().join(u'\n').toStdString();

    // A song under its refused name is never written, so the file stays what it was.
    Song cover(path(QStringLiteral("Cover.pro")));
    EXPECT_TRUE(cover.loadFailed());
    EXPECT_FALSE(cover.setCapo(2));
    EXPECT_FALSE(cover.addTag(QStringLiteral("gig")));
    EXPECT_EQ(read(path(QStringLiteral("Cover.pro"))), png);

    // The name at the limit is saved again and again, with nothing left beside it.
    const SongPtr longSong = songs.allSongs().at(titles(songs.allSongs()).indexOf(QStringLiteral("Long")));
    EXPECT_TRUE(longSong->setCapo(3));
    EXPECT_TRUE(longSong->setCapo(4));
    EXPECT_TRUE(read(path(longName)).contains("{Capo:4}")) << read(path(longName)).toStdString();
    EXPECT_EQ(QDir(path(QString())).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden), QStringList());
}

// Names written in a single-byte encoding, as old systems and archives leave them: listed with a readable title,
// read, and saved again and again under their own bytes.
TEST_F(SongsTest, SongsWhoseNamesAreNotUtf8AreListedReadAndSaved)
{
    const QByteArray folder = QFile::encodeName(path(QString()));
    const QByteArray untitled = folder + "/caf\xe9.pro";
    const QByteArray titled = folder + "/Lied f\xfcr dich.pro";
    for (const auto &[name, text] : {std::pair{untitled, QByteArray("{key: C}\n[C]Coffee in the [G]morning\n")},
                                     std::pair{titled, songText("F\u00fcr dich")}}) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, text.constData(), text.size()), text.size());
        ::close(fd);
    }

    songs.refresh();
    QStringList listed = titles(songs.allSongs());
    listed.sort();
    EXPECT_EQ(listed, QStringList({QStringLiteral("F\u00fcr dich"), QStringLiteral("caf\ufffd")}));
    for (const SongPtr &song : songs.allSongs()) {
        SCOPED_TRACE(song->title().toStdString());
        EXPECT_FALSE(song->loadFailed());
        const QByteArray bytes = FileName::toBytes(song->path());
        EXPECT_TRUE(bytes == untitled || bytes == titled) << bytes.toHex().constData();
        EXPECT_FALSE(song->text().isEmpty());
        EXPECT_FALSE(song->fileChangedOnDisk());
        // Saved twice: the second save finds the file it wrote, not another one of a similar name.
        EXPECT_TRUE(song->setCapo(2));
        EXPECT_TRUE(song->setCapo(3));
        EXPECT_FALSE(song->fileChangedOnDisk());
        EXPECT_TRUE(FileBytes::read(song->path(), -1).value_or(QByteArray()).contains("{Capo:3}"));
    }
    const SongPtr untitledSong = songs.allSongs().at(titles(songs.allSongs()).indexOf(QStringLiteral("caf\ufffd")));
    EXPECT_TRUE(untitledSong->text().contains(QStringLiteral("Coffee in the")));
    QList<QByteArray> onDisk; // hidden ones too: a save's leftovers would be
    DIR *listing = ::opendir(folder.constData());
    while (const dirent *entry = listing ? ::readdir(listing) : nullptr)
        if (entry->d_name[0] != '.' || (entry->d_name[1] != '\0' && entry->d_name[1] != '.'))
            onDisk.append(folder + '/' + entry->d_name);
    if (listing)
        ::closedir(listing);
    std::sort(onDisk.begin(), onDisk.end());
    EXPECT_EQ(onDisk, QList<QByteArray>({titled, untitled})) << "no second file appeared";
    songs.refresh();
    EXPECT_EQ(titles(songs.allSongs()).size(), 2);
    ::unlink(untitled.constData()); // no path the temporary folder makes of the names leads to them
    ::unlink(titled.constData());
}

TEST_F(SongsTest, ASongTheApplicationSavedKeepsItsObjectAChangeFromOutsideMakesANewOne)
{
    // A save used to make the next refresh read the file into a second object: the list acted on a stale copy.
    writeSampleFolder();
    songs.refresh();
    const SongPtr saved = songs.allSongs().at(0);
    saved->setText(saved->text() + QStringLiteral("a verse more\n"));
    ASSERT_TRUE(saved->save());
    songs.refresh();
    EXPECT_EQ(songs.allSongs().at(0), saved);
    EXPECT_EQ(saved->date(), QFileInfo(saved->path()).lastModified()) << "its time follows the file";
    songs.refresh();
    EXPECT_EQ(songs.allSongs().at(0), saved);

    // Typed into after the save: still the one object while the file is the one it wrote.
    saved->setText(saved->text() + QStringLiteral("typed, not saved\n"));
    songs.refresh();
    EXPECT_EQ(songs.allSongs().at(0), saved);

    // Saved, then changed by another program before the refresh: the change is read.
    ASSERT_TRUE(saved->save());
    write(QFileInfo(saved->path()).fileName(), songText("Changed Elsewhere"));
    songs.refresh();
    EXPECT_NE(songs.allSongs().at(0), saved);
    EXPECT_EQ(titles(songs.allSongs()).count(QStringLiteral("Changed Elsewhere")), 1);
}

TEST_F(SongsTest, RefreshLogsItsSteps)
{
    writeSampleFolder();
    LogCapture log;
    songs.refresh();
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Songs refresh")));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("read songs in ") + folder.path()));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("refresh songs in ")));
    EXPECT_FALSE(log.hasLineStartingWith(QStringLiteral("No songs")));
}

TEST_F(SongsTest, AFolderThatCannotBeMadeIsLoggedAndNothingBreaks)
{
    write(QStringLiteral("plain file"), "not a folder");
    prefs.setSongDirectoryPath(path(QStringLiteral("plain file/Songs")));
    LogCapture log;
    songs.refresh();
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Cannot create ") + path(QStringLiteral("plain file/Songs"))));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error reading ")));
    EXPECT_TRUE(songs.songs().isEmpty());
    EXPECT_EQ(context.midiIndexings, 1);
}
