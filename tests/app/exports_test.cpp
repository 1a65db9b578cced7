// The export commands through scripted panels, and the songs selected in the list pane shown.
#include "launcheddelegate.h"

#include "panelfolders.h"
#include "paths.h"
#include "songs.h"

namespace {

class ExportsTest : public LaunchedDelegateTest
{
protected:
    void SetUp() override
    {
        LaunchedDelegateTest::SetUp();
        launchOnFolder();
        first = delegate->songs()->songForSong(Song::fromTitleSubtitleReference(QStringLiteral("First")));
        ASSERT_NE(first, nullptr);
    }

    QStringList exported() const { return QDir(out.path()).entryList(QDir::Files, QDir::Name); }

    SongPtr first;
    QTemporaryDir out;
};

} // namespace

TEST_F(ExportsTest, WithoutACurrentSongOrASelectionNothingHappens)
{
    delegate->exportRTF();
    delegate->exportTab();
    delegate->exportHTML();
    delegate->exportTXT();
    EXPECT_TRUE(dialogs.savePanelsShown.isEmpty());
    EXPECT_TRUE(dialogs.folderPanelsShown.isEmpty());
}

TEST_F(ExportsTest, OneSelectedSongGivesASavePanelForTheCurrentSong)
{
    delegate->setCurrentSong(first);
    songList.selection = {first};
    struct Case
    {
        void (VellorinAppDelegate::*command)();
        const char *name;
        QStringList types;
    };
    const Case cases[] = {
        {&VellorinAppDelegate::exportRTF, "First.rtf", {QStringLiteral("rtf")}},
        {&VellorinAppDelegate::exportTab,
         "First.tab",
         {QStringLiteral("tab"), QStringLiteral("crd"), QStringLiteral("txt")}},
        {&VellorinAppDelegate::exportTXT, "First.txt", {QStringLiteral("txt")}},
    };
    for (const Case &c : cases) {
        const QString target = QDir(out.path()).filePath(QString::fromUtf8(c.name));
        dialogs.savePanelAnswers = {target};
        (delegate.get()->*c.command)();
        ASSERT_FALSE(dialogs.savePanelsShown.isEmpty());
        // The song's name with the export's extension.
        EXPECT_EQ(dialogs.savePanelsShown.last().fileName, QString::fromUtf8(c.name));
        EXPECT_EQ(dialogs.savePanelsShown.last().allowedTypes, c.types) << c.name;
        EXPECT_TRUE(QFileInfo(target).size() > 0) << c.name;
    }
    EXPECT_TRUE(dialogs.folderPanelsShown.isEmpty());
}

TEST_F(ExportsTest, SeveralSongsGoIntoAFolderWithoutOverwritingOneAnother)
{
    // One title in two categories: both are named "Same".
    const SongPtr rock = writeSong(QStringLiteral("Rock/same.pro"), "{title: Same}\nrock");
    const SongPtr folk = writeSong(QStringLiteral("Folk/same.pro"), "{title: Same}\nfolk");
    rock->setCategory(QStringLiteral("Rock"));
    folk->setCategory(QStringLiteral("Folk"));
    songList.selection = {rock, folk};
    dialogs.folderPanelAnswers = {out.path()};
    delegate->exportRTF();
    ASSERT_EQ(dialogs.folderPanelsShown.size(), 1);
    EXPECT_EQ(dialogs.folderPanelsShown[0].message, QStringLiteral("Select Folder for output"));
    EXPECT_EQ(dialogs.folderPanelsShown[0].prompt, QStringLiteral("Select Folder"));
    EXPECT_TRUE(dialogs.savePanelsShown.isEmpty());
    ASSERT_EQ(exported(), (QStringList{QStringLiteral("Same.rtf"), QStringLiteral("Same1.rtf")}));
    EXPECT_TRUE(
        TestFiles::readText(QDir(out.path()).filePath(QStringLiteral("Same.rtf"))).contains(QStringLiteral("rock")));
    EXPECT_TRUE(
        TestFiles::readText(QDir(out.path()).filePath(QStringLiteral("Same1.rtf"))).contains(QStringLiteral("folk")));

    // Cancelled: nothing written.
    const QTemporaryDir empty;
    delegate->exportTab();
    EXPECT_EQ(QDir(empty.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ExportsTest, AnExportIsNamedAsTheSongAndMadeUniqueOnlyByAnExportOfThatName)
{
    // Named by title and subtitle, in a category whose folder holds the song's own file.
    const SongPtr song = writeSong(QStringLiteral("Rock/Harbor Wind - Me.pro"), "{title: Harbor Wind}\n{subtitle: Me}");
    song->setCategory(QStringLiteral("Rock"));
    delegate->setCurrentSong(song);
    songList.selection = {song};
    struct Case
    {
        const char *what;
        const char *inFolder; // a file already in the destination, or nullptr
        void (VellorinAppDelegate::*command)();
        const char *proposed;
    };
    const Case cases[] = {
        {"the song's own folder", "Harbor Wind - Me.pro", &VellorinAppDelegate::exportRTF, "Harbor Wind - Me.rtf"},
        {"an empty folder", nullptr, &VellorinAppDelegate::exportTXT, "Harbor Wind - Me.txt"},
        {"an older export", "Harbor Wind - Me.tab", &VellorinAppDelegate::exportTab, "Harbor Wind - Me1.tab"},
        {"an export of another kind", "Harbor Wind - Me.rtf", &VellorinAppDelegate::exportTab, "Harbor Wind - Me.tab"},
    };
    for (const Case &c : cases) {
        const QTemporaryDir destination;
        if (c.inFolder)
            TestFiles::write(QDir(destination.path()).filePath(QString::fromUtf8(c.inFolder)), "older");
        // The panel opens where the last export of its kind went.
        const QString extension = QString::fromUtf8(c.proposed).section(u'.', -1);
        PanelFolders::remember(extension, destination.path());
        dialogs.savePanelAnswers = {QString()};
        (delegate.get()->*c.command)();
        ASSERT_FALSE(dialogs.savePanelsShown.isEmpty());
        EXPECT_EQ(dialogs.savePanelsShown.last().directory, destination.path()) << c.what;
        EXPECT_EQ(dialogs.savePanelsShown.last().fileName, QString::fromUtf8(c.proposed)) << c.what;
    }

    // Into a folder: an older export there is kept, the new one takes a free name.
    const SongPtr other = writeSong(QStringLiteral("Other.pro"), "{title: Other}");
    songList.selection = {song, other};
    TestFiles::write(QDir(out.path()).filePath(QStringLiteral("Harbor Wind - Me.rtf")), "older");
    dialogs.folderPanelAnswers = {out.path()};
    delegate->exportRTF();
    EXPECT_EQ(exported(), (QStringList{QStringLiteral("Harbor Wind - Me.rtf"), QStringLiteral("Harbor Wind - Me1.rtf"),
                                       QStringLiteral("Other.rtf")}));
    EXPECT_EQ(TestFiles::read(QDir(out.path()).filePath(QStringLiteral("Harbor Wind - Me.rtf"))), "older");
}

TEST_F(ExportsTest, EachKindOfPanelOpensWhereTheLastOfItsKindWasChosen)
{
    delegate->setCurrentSong(first);
    songList.selection = {first};
    // Nothing chosen yet: the documents folder when there is one, else home; never the working folder.
    const QString documents = Paths::documentsDirectory();
    const QString fresh = QFileInfo(documents).isDir() ? documents : Paths::homeDirectory();
    const QTemporaryDir rtfFolder, htmlFolder;
    dialogs.savePanelAnswers = {QDir(rtfFolder.path()).filePath(QStringLiteral("a.rtf")), QString(), QString()};
    dialogs.folderPanelAnswers = {htmlFolder.path(), QString()};
    delegate->exportRTF();
    delegate->exportHTML();
    delegate->exportRTF();
    delegate->exportTXT();
    delegate->exportHTML();
    QStringList savePanels, folderPanels;
    for (const Dialogs::SavePanel &panel : dialogs.savePanelsShown)
        savePanels.append(panel.directory);
    for (const Dialogs::FolderPanel &panel : dialogs.folderPanelsShown)
        folderPanels.append(panel.directory);
    EXPECT_EQ(savePanels, (QStringList{fresh, rtfFolder.path(), fresh})) << "plain text is a kind of its own";
    EXPECT_EQ(folderPanels, (QStringList{fresh, htmlFolder.path()}));
    EXPECT_NE(fresh, QDir::currentPath());

    // A remembered folder that is gone no longer counts.
    const QString gone = QDir(htmlFolder.path()).filePath(QStringLiteral("gone"));
    PanelFolders::remember(QStringLiteral("html"), htmlFolder.path());
    ASSERT_TRUE(QDir().mkdir(gone));
    PanelFolders::remember(QStringLiteral("html"), gone);
    ASSERT_TRUE(QDir(gone).removeRecursively());
    EXPECT_EQ(PanelFolders::start(QStringLiteral("html")), fresh);
}

TEST_F(ExportsTest, HtmlAsksForAFolderEvenForOneSong)
{
    songList.selection = {first};
    dialogs.folderPanelAnswers = {out.path()};
    delegate->exportHTML();
    ASSERT_EQ(dialogs.folderPanelsShown.size(), 1);
    EXPECT_EQ(dialogs.folderPanelsShown[0].message, QStringLiteral("Select Folder for HTML output"));
    EXPECT_TRUE(exported().contains(QStringLiteral("First.html")));
    EXPECT_TRUE(exported().contains(QStringLiteral("vellorin.css")));
}

TEST_F(ExportsTest, AnExportIntoTheSongFolderIsTheProgramsOwnWrite)
{
    delegate->setCurrentSong(first);
    delegate->enableFSRefresh();
    dialogs.savePanelAnswers = {QDir(out.path()).filePath(QStringLiteral("away.txt"))};
    delegate->exportTXT();
    EXPECT_FALSE(delegate->noFSRefresh()) << "outside the song folder";
    dialogs.savePanelAnswers = {path(QStringLiteral("Rock/first.txt"))};
    delegate->exportTXT();
    EXPECT_TRUE(delegate->noFSRefresh());
}

TEST_F(ExportsTest, TheSelectedSongsComeFromTheListPaneShown)
{
    const SongPtr second = writeSong(QStringLiteral("second.pro"), "{title: Second}");
    delegate->songs()->refresh();
    songList.selection = {first};
    tags.selection = {second, first};
    // Playlist entries name songs by reference and carry their keys; an entry without a library song is skipped.
    const SongPtr entry = Song::fromTitleSubtitleReference(QStringLiteral("Second"));
    entry->setPlaylistkey(QStringLiteral("A"));
    playlistsPane.selection = {Song::fromTitleSubtitleReference(QStringLiteral("Missing")), entry};

    EXPECT_EQ(delegate->selectedSongs(), QList<SongPtr>{first});
    delegate->prefs()->setShowPlaylists(true);
    const QList<SongPtr> fromPlaylist = delegate->selectedSongs();
    ASSERT_EQ(fromPlaylist.size(), 1);
    EXPECT_EQ(fromPlaylist[0]->title(), QStringLiteral("Second"));
    EXPECT_NE(fromPlaylist[0], entry) << "the library's song";
    EXPECT_EQ(fromPlaylist[0]->playlistkey(), std::optional<QString>(QStringLiteral("A")));
    delegate->prefs()->setShowTags(true);
    EXPECT_EQ(delegate->selectedSongs(), (QList<SongPtr>{second, first})) << "tags come before playlists";
}
