// The playlist file: its lines read into entries and written back, where it is saved, renamed and trashed.
#include "playlist.h"

#include "failingwrites.h"
#include "filename.h"
#include "libraryfolder.h"
#include "logcapture.h"
#include "notesong.h"
#include "rawfiles.h"
#include "scopedenv.h"
#include "song.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

#include <unistd.h>

namespace {

using PlayListFile = LibraryFolder;

// An entry as one line of text, to compare entries in tables.
QString described(const SongPtr &entry)
{
    if (const auto *note = dynamic_cast<const NoteSong *>(entry.get()))
        return QStringLiteral("note<%1>").arg(note->text());
    QString text = QStringLiteral("<%1|%2>").arg(entry->title(), entry->subtitle());
    if (entry->playlistkey())
        text += QStringLiteral("[%1]").arg(*entry->playlistkey());
    return text;
}

QStringList described(const PlayList &playlist)
{
    QStringList entries;
    for (const SongPtr &entry : playlist.songs())
        entries.append(described(entry));
    return entries;
}

QString trashedFile(const QString &name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Trash/files/") + name);
}

} // namespace

TEST(PlayListKey, OnlyABracketPairAtTheVeryEnd)
{
    struct Case
    {
        const char *line;
        std::optional<QString> key;
    };
    const Case cases[] = {
        {"Amazing Grace - Traditional [G]", QStringLiteral("G")},
        {"Song [G] live", std::nullopt},            // a key in the middle is none
        {"Song [Live] [Am]", QStringLiteral("Am")}, // the last pair only
        {"Song []", QStringLiteral("")},            // an empty key is a key
        {"Song", std::nullopt},
        {"Song [G", std::nullopt},
        {"[a[b]", QStringLiteral("a[b")}, // the shortest pair from the first "["
    };
    for (const Case &c : cases)
        EXPECT_EQ(PlayList::extractKeyFromLine(QString::fromUtf8(c.line)), c.key) << c.line;
}

TEST(PlayListParsing, EachLineForm)
{
    struct Case
    {
        const char *line;
        const char *entry; // nullptr: no entry
    };
    const Case cases[] = {
        {"Amazing Grace - Traditional [G]", "<Amazing Grace|Traditional>[G]"},
        {"Rock - Live - 2019", "<Rock - Live|2019>"},
        {"  Solo\t", "<Solo|>"},
        {"Song [Live] [Am]", "<Song [Live]|>[Am]"},
        {"Song [G] live", "<Song [G] live|>"},
        {"Hallelujah.pdf", "<Hallelujah|PDF>"},
        {"Hallelujah.PDF [C]", "<Hallelujah|PDF>"}, // the key of a PDF entry is not kept
        {"Hallelujah - PDF", "<Hallelujah|PDF>"},
        {"#Tune%20down %25 half a step%0Athen go", "note<Tune down % half a step\nthen go>"},
        {"#100% loud", "note<100% loud>"},             // a stray "%" keeps the note's text
        {"[G]", nullptr},                              // neither title nor subtitle
        {"Hallelujah [Live]", "<Hallelujah [Live]|>"}, // a pair holding no key name is part of the title
        {"Song [G] []", "<Song [G]|>"},                // the writer's mark: the title ends in a key itself
        {"Song [] []", "<Song []|>"},
        {".pdf", nullptr}, // names no file
    };
    for (const Case &c : cases) {
        const auto playlist = PlayList::fromString(QStringLiteral("Title\n") + QString::fromUtf8(c.line));
        EXPECT_EQ(described(*playlist), c.entry ? QStringList{QString::fromUtf8(c.entry)} : QStringList()) << c.line;
    }
}

// Entries written and read back are the same entries: a title ending in brackets once came back with a key,
// or with nothing left at all.
TEST(PlayListParsing, EntriesSurviveAWriteAndARead)
{
    struct Case
    {
        const char *title;
        const char *subtitle;
        std::optional<QString> key;
        const char *line;
    };
    const Case cases[] = {
        {"Amazing Grace", "Traditional", QStringLiteral("Am"), "Amazing Grace - Traditional [Am]"},
        {"Hallelujah [Live]", "", std::nullopt, "Hallelujah [Live]"},
        {"Hallelujah [Live]", "", QStringLiteral("G"), "Hallelujah [Live] [G]"},
        {"Song [G]", "", std::nullopt, "Song [G] []"},
        {"Song [G]", "", QStringLiteral("F#m"), "Song [G] [F#m]"},
        {"[G]", "", std::nullopt, "[G] []"},
        {"Song []", "", std::nullopt, "Song [] []"},
        {"Song", "Band [Bb]", std::nullopt, "Song - Band [Bb] []"},
    };
    for (const Case &c : cases) {
        const auto written = PlayList::fromString(QStringLiteral("Set"));
        const SongPtr entry = Song::fromTitleSubtitleReference(QString());
        entry->setTitle(QString::fromUtf8(c.title));
        entry->setSubtitle(QString::fromUtf8(c.subtitle));
        entry->setPlaylistkey(c.key);
        written->addSong(entry);
        const QString text = written->asString();
        EXPECT_EQ(text, QStringLiteral("Set\n%1\n").arg(QString::fromUtf8(c.line)));
        const auto read = PlayList::fromString(text);
        EXPECT_EQ(described(*read), described(*written)) << c.line;
        EXPECT_EQ(read->asString(), text) << c.line;
    }
}

TEST(PlayListParsing, TitleIsTheFirstNonEmptyLineWhateverItHolds)
{
    const auto playlist = PlayList::fromString(QStringLiteral("\n  \n#Gig night\r\n\r\nSong A\n#a note\n"));
    EXPECT_EQ(playlist->title(), QStringLiteral("#Gig night"));
    EXPECT_EQ(described(*playlist), QStringList({"<Song A|>", "note<a note>"}));
}

TEST_F(PlayListFile, AFileInTheWritersFormReadsAndWritesBackByteForByte)
{
    const QByteArray bytes = "Sunday set\n"
                             "Amazing Grace - Traditional [G]\n"
                             "Caf\xc3\xa9 Song\n"
                             "Hallelujah - PDF\n"
                             "#Tune down, then 100%25 %5Bloud%5D%0Aand smile\n"
                             "Highway - Band [Bb]\n";
    const QString file = write(QStringLiteral("Sunday set.lst"), bytes);
    const auto playlist = PlayList::fromFile(file);
    EXPECT_EQ(playlist->songs().size(), 5);
    EXPECT_EQ(playlist->asString().toUtf8(), bytes);
    ASSERT_TRUE(playlist->save());
    EXPECT_EQ(read(file), bytes);
    EXPECT_EQ(context.fsRefreshPauses, 1);
}

TEST_F(PlayListFile, OtherFormsAreRewrittenInTheWritersForm)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        QByteArray written;
    };
    const Case cases[] = {
        {"CRLF and blanks", "  Set \r\n\r\n\tSong A - X [G] \r\nSong B\r\n", "Set\nSong A - X [G]\nSong B\n"},
        {"Windows-1252", "Caf\xe9 set\n\x93Quoted\x94 - Band\n",
         "Caf\xc3\xa9 set\n\xe2\x80\x9cQuoted\xe2\x80\x9d - Band\n"},
        {"Latin-1 only, past Windows-1252", "Set\nSong \x81\n", "Set\nSong \xc2\x81\n"},
        {"PDF file names", "Set\nScore.pdf [G]\n", "Set\nScore - PDF\n"},
        {"UTF-16 with BOM", QByteArray("\xff\xfeS\0e\0t\0\n\0A\0\n\0", 14), "Set\nA\n"},
        {"no line break at the end", "Set\nA", "Set\nA\n"},
    };
    for (const Case &c : cases) {
        const QString file = write(QStringLiteral("form.lst"), c.bytes);
        const auto playlist = PlayList::fromFile(file);
        EXPECT_FALSE(playlist->loadFailed()) << c.what;
        ASSERT_TRUE(playlist->save()) << c.what;
        EXPECT_EQ(read(file), c.written) << c.what;
    }
}

TEST_F(PlayListFile, NotesKeepPercentSignsAndLineBreaksButNotTrailingBlanks)
{
    PlayList playlist;
    playlist.setTitle(QStringLiteral("Notes"));
    auto note = std::make_shared<NoteSong>();
    note->setText(QStringLiteral("  50% slower\n[G] only #2 {tag}  "));
    playlist.addSong(note);
    ASSERT_TRUE(playlist.save());
    const QByteArray written = read(playlist.path());
    EXPECT_EQ(written, "Notes\n#  50%25 slower%0A%5BG%5D only %232 %7Btag%7D  \n");
    const auto back = PlayList::fromFile(playlist.path());
    EXPECT_EQ(described(*back), QStringList({"note<  50% slower\n[G] only #2 {tag}>"}));
}

TEST_F(PlayListFile, ANewPlaylistIsNamedByItsTitleInTheChosenFolder)
{
    write(QStringLiteral("Playlist.lst"), "Playlist\n");
    PlayList untitled;
    ASSERT_TRUE(untitled.save());
    EXPECT_EQ(untitled.title(), QStringLiteral("Playlist"));
    EXPECT_EQ(untitled.path(), path(QStringLiteral("Playlist1.lst")));

    PlayList gig;
    gig.setTitle(QStringLiteral("Gig: 12/5"));
    ASSERT_TRUE(gig.save(QStringLiteral("Rock")));
    EXPECT_EQ(gig.path(), path(QStringLiteral("Rock/Gig 125.lst")));
    EXPECT_EQ(read(gig.path()), "Gig: 12/5\n");
}

TEST_F(PlayListFile, AFileThatCannotBeReadIsNeverWrittenOver)
{
    QDir().mkpath(path(QStringLiteral("Folder.lst"))); // a folder: there is nothing to read
    LogCapture log;
    const auto playlist = PlayList::fromFile(path(QStringLiteral("Folder.lst")));
    EXPECT_TRUE(playlist->loadFailed());
    EXPECT_TRUE(playlist->songs().isEmpty());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error reading ")));
    EXPECT_FALSE(playlist->save());
    EXPECT_FALSE(playlist->rename(QStringLiteral("Other")));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ")));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("Folder.lst"))).isDir());
}

TEST_F(PlayListFile, AFullDiskKeepsTheOldFile)
{
    const QByteArray old = "Sunday\nAmazing Grace\n";
    const QString file = write(QStringLiteral("Sunday.lst"), old);
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        LogCapture log;
        const auto playlist = PlayList::fromFile(file);
        playlist->addSong(Song::fromTitleSubtitleReference(QStringLiteral("Yesterday")));
        EXPECT_FALSE(playlist->save()) << int(step);
        EXPECT_EQ(read(file), old) << int(step);
        EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error writing ") + file)) << int(step);
        // Renaming writes the new file first: it fails without touching the old one.
        EXPECT_FALSE(playlist->rename(QStringLiteral("Monday"))) << int(step);
        EXPECT_EQ(read(file), old) << int(step);
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Monday.lst")))) << int(step);
    }
}

TEST_F(PlayListFile, RenameWritesTheNewFileThenTrashesTheOldOne)
{
    write(QStringLiteral("Other.lst"), "Other\n");
    const QString old = write(QStringLiteral("set.lst"), "set\nSong A\n");
    struct Case
    {
        const char *title;
        const char *fileName;
    };
    const Case cases[] = {
        {"set", "set.lst"}, // the same title keeps its file
        {"Set", "Set.lst"}, // only the case changed: no "Set1.lst"
        {"Sunday", "Sunday.lst"},
        {"Other", "Other1.lst"}, // another playlist's name stays taken
    };
    QString current = old;
    for (const Case &c : cases) {
        const auto playlist = PlayList::fromFile(current);
        ASSERT_TRUE(playlist->rename(QString::fromUtf8(c.title))) << c.title;
        EXPECT_EQ(playlist->path(), path(QString::fromUtf8(c.fileName))) << c.title;
        EXPECT_EQ(read(playlist->path()), QStringLiteral("%1\nSong A\n").arg(c.title).toUtf8()) << c.title;
        if (playlist->path() != current) {
            EXPECT_FALSE(QFileInfo::exists(current)) << c.title;
        }
        current = playlist->path();
    }
    EXPECT_EQ(read(path(QStringLiteral("Other.lst"))), "Other\n");
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.lst")}), QStringList({"Other.lst", "Other1.lst"}));
    EXPECT_TRUE(QFileInfo::exists(trashedFile(QStringLiteral("Sunday.lst"))));
}

TEST_F(PlayListFile, DeletingMovesTheFileToTheTrash)
{
    const QString file = write(QStringLiteral("Old set.lst"), "Old set\n");
    const auto playlist = PlayList::fromFile(file);
    playlist->deleteFromFileSystem();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(QFileInfo::exists(trashedFile(QStringLiteral("Old set.lst"))));
    PlayList unsaved;
    unsaved.deleteFromFileSystem(); // no file: nothing happens
}

// A playlist in a folder, or a file, whose name is not UTF-8 is renamed into one file: the old one goes to the
// Trash under its own bytes, and nothing else in the folder is touched.
TEST_F(PlayListFile, RenamingWhereNamesAreNotUtf8LeavesOneFile)
{
    const QByteArray root = QFile::encodeName(folder.path());
    const QByteArray category = root + "/Lieder \xe9t\xe9";
    RawFiles::makeFolder(category);
    struct Case
    {
        const char *what;
        QByteArray folder;
        QByteArray oldName;
    };
    const Case cases[] = {
        {"folder not UTF-8", category, "set.lst"},
        {"file not UTF-8", root, "f\xeate.lst"},
        {"both", category, "f\xeate.lst"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir data;
        const ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const QByteArray trash = QFile::encodeName(data.path()) + "/Trash/files/";
        const QList<QByteArray> before = RawFiles::namesIn(c.folder);
        RawFiles::write(c.folder + '/' + c.oldName, "Old\nSong A\n");
        const auto playlist = PlayList::fromFile(FileName::fromBytes(c.folder + '/' + c.oldName));
        ASSERT_TRUE(playlist->rename(QStringLiteral("Sunday")));
        EXPECT_EQ(FileName::toBytes(playlist->path()), c.folder + "/Sunday.lst");
        QList<QByteArray> after = before;
        after.append("Sunday.lst");
        std::sort(after.begin(), after.end());
        EXPECT_EQ(RawFiles::namesIn(c.folder), after);
        EXPECT_EQ(RawFiles::read(c.folder + "/Sunday.lst"), "Sunday\nSong A\n");
        EXPECT_EQ(RawFiles::read(trash + c.oldName), "Old\nSong A\n");
        ::unlink((c.folder + "/Sunday.lst").constData());
        RawFiles::removeTree(QFile::encodeName(data.path()) + "/Trash");
    }
    RawFiles::removeTree(category);
}

// Where the Trash cannot be reached, deleting keeps the file and renaming keeps the old file and title alone:
// the disk holds the playlist once, as before, and the user is told.
TEST_F(PlayListFile, AFileThatCannotGoToTheTrashStaysAndTheFailureIsTold)
{
    QTemporaryDir data;
    const ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(data.path()));
    RawFiles::write(QFile::encodeName(data.path()) + "/Trash", "a file where the Trash would be");
    const QString file = write(QStringLiteral("Old set.lst"), "Old set\nSong A\n");
    const auto playlist = PlayList::fromFile(file);
    LogCapture log;
    EXPECT_FALSE(playlist->deleteFromFileSystem());
    EXPECT_EQ(read(file), "Old set\nSong A\n");
    ASSERT_EQ(context.failedTrashes.size(), 1);
    EXPECT_EQ(context.failedTrashes.at(0).first, QStringLiteral("The playlist \u201cOld set\u201d"));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Cannot move %1 to the Trash: ").arg(file)));

    EXPECT_FALSE(playlist->rename(QStringLiteral("Sunday")));
    EXPECT_EQ(playlist->title(), QStringLiteral("Old set"));
    EXPECT_EQ(playlist->path(), file);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Old set.lst"});
    EXPECT_EQ(read(file), "Old set\nSong A\n");
    ASSERT_EQ(context.failedWrites.size(), 1);
    EXPECT_EQ(context.failedWrites.at(0).first,
              QStringLiteral("The name \u201cSunday\u201d of the playlist \u201cOld set\u201d"));
}

TEST_F(PlayListFile, OnlyLowerCaseLstFilesArePlaylists)
{
    EXPECT_TRUE(PlayList::isPlayListFile(QStringLiteral("/songs/Set.lst")));
    EXPECT_FALSE(PlayList::isPlayListFile(QStringLiteral("/songs/Set.LST")));
    EXPECT_FALSE(PlayList::isPlayListFile(QStringLiteral("/songs/Set.lst.txt")));
}

TEST_F(PlayListFile, AFailedWriteIsToldAndThePlaylistStaysWhatItsFileHolds)
{
    const QString file = write(QStringLiteral("Sunday.lst"), "Sunday\nAmazing Grace\nBlues\n");
    for (const TextFile::WriteStep step : FailingWrites::kAllSteps) {
        const FailingWrites failing(step);
        context.failedWrites.clear();
        const auto playlist = PlayList::fromFile(file);
        playlist->addSong(Song::fromTitleSubtitleReference(QStringLiteral("Yesterday")));
        playlist->moveSong(0, 1);
        EXPECT_FALSE(playlist->save()) << int(step);
        EXPECT_EQ(described(*playlist), QStringList({"<Amazing Grace|>", "<Blues|>"})) << int(step);
        EXPECT_FALSE(playlist->rename(QStringLiteral("Monday"))) << int(step);
        EXPECT_EQ(playlist->title(), QStringLiteral("Sunday")) << int(step);
        EXPECT_EQ(playlist->path(), file) << int(step);
        // A playlist without a file gets none, and keeps its title.
        PlayList unsaved;
        unsaved.setTitle(QStringLiteral("Draft"));
        EXPECT_FALSE(unsaved.rename(QStringLiteral("Gig"))) << int(step);
        EXPECT_EQ(unsaved.title(), QStringLiteral("Draft")) << int(step);
        EXPECT_TRUE(unsaved.path().isEmpty()) << int(step);
        EXPECT_EQ(QDir(path(QString())).entryList(QDir::Files), QStringList({"Sunday.lst"})) << int(step);
        ASSERT_EQ(context.failedWrites.size(), 3) << int(step);
        EXPECT_EQ(context.failedWrites.at(0).first, QStringLiteral("The playlist \u201cSunday\u201d"));
        EXPECT_EQ(context.failedWrites.at(1).first, QStringLiteral("The playlist \u201cMonday\u201d"));
        EXPECT_FALSE(context.failedWrites.at(0).second.isEmpty());
    }
}
