// The export commands through scripted panels, and the songs selected in the list pane shown.
#include "launcheddelegate.h"

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
        {&VellorinAppDelegate::exportRTF, "First1.rtf", {QStringLiteral("rtf")}},
        {&VellorinAppDelegate::exportTab,
         "First1.tab",
         {QStringLiteral("tab"), QStringLiteral("crd"), QStringLiteral("txt")}},
        {&VellorinAppDelegate::exportTXT, "First1.txt", {QStringLiteral("txt")}},
    };
    for (const Case &c : cases) {
        const QString target = QDir(out.path()).filePath(QString::fromUtf8(c.name));
        dialogs.savePanelAnswers = {target};
        (delegate.get()->*c.command)();
        ASSERT_FALSE(dialogs.savePanelsShown.isEmpty());
        // The song's default name: a free name beside the song's own file.
        EXPECT_EQ(dialogs.savePanelsShown.last().fileName, QString::fromUtf8(c.name));
        EXPECT_EQ(dialogs.savePanelsShown.last().allowedTypes, c.types) << c.name;
        EXPECT_TRUE(QFileInfo(target).size() > 0) << c.name;
    }
    EXPECT_TRUE(dialogs.folderPanelsShown.isEmpty());
}

TEST_F(ExportsTest, SeveralSongsGoIntoAFolderWithoutOverwritingOneAnother)
{
    // One title in two categories: both default names are "Same1".
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
    ASSERT_EQ(exported(), (QStringList{QStringLiteral("Same1 2.rtf"), QStringLiteral("Same1.rtf")}));
    EXPECT_TRUE(
        TestFiles::readText(QDir(out.path()).filePath(QStringLiteral("Same1.rtf"))).contains(QStringLiteral("rock")));
    EXPECT_TRUE(
        TestFiles::readText(QDir(out.path()).filePath(QStringLiteral("Same1 2.rtf"))).contains(QStringLiteral("folk")));

    // Cancelled: nothing written.
    const QTemporaryDir empty;
    delegate->exportTab();
    EXPECT_EQ(QDir(empty.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ExportsTest, HtmlAsksForAFolderEvenForOneSong)
{
    songList.selection = {first};
    dialogs.folderPanelAnswers = {out.path()};
    delegate->exportHTML();
    ASSERT_EQ(dialogs.folderPanelsShown.size(), 1);
    EXPECT_EQ(dialogs.folderPanelsShown[0].message, QStringLiteral("Select Folder for HTML output"));
    EXPECT_TRUE(exported().contains(QStringLiteral("First1.html")));
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
