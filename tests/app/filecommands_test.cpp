// The commands that create, open, save and step through songs, with recording panes, scripted dialogs and real
// song files; the current category is "Rock", which holds first.pro.
#include "launcheddelegate.h"

#include "filename.h"
#include "panesplitview.h"
#include "pdfsong.h"
#include "rawfiles.h"
#include "songs.h"
#include "vellorinwindowlayout.h"

#include <QDirIterator>
#include <QFile>

#include <functional>

namespace {

class FileCommandsTest : public LaunchedDelegateTest
{
protected:
    void SetUp() override
    {
        LaunchedDelegateTest::SetUp();
        launchInRock();
    }

    // Every file under the song folder, relative to it, sorted.
    QStringList filesInSongFolder() const
    {
        QStringList files;
        QDirIterator it(root(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(root()).relativeFilePath(it.next()));
        files.sort();
        return files;
    }
};

} // namespace

TEST_F(FileCommandsTest, ANewSongTakesTheTemplateTheCategoryAndTheEditorsFocusAfterItsTitle)
{
    struct Case
    {
        const char *what;
        std::optional<QByteArray> templateBytes; // nothing: no template file
        qsizetype caret;
    };
    const Case cases[] = {
        {"the shipped template", std::nullopt, 7},
        {"a template of three characters", QByteArray("{t}"), 3},
        {"an empty template", QByteArray(), 0},
    };
    const QByteArray shipped = TestFiles::read(Prefs::songTemplatePath());
    ASSERT_TRUE(shipped.startsWith("{title: New Song}"));
    for (const Case &c : cases) {
        if (c.templateBytes)
            TestFiles::write(Prefs::songTemplatePath(), *c.templateBytes);
        if (delegate->isSongEditVisible())
            delegate->splitView()->toggleSongEdit();
        songEdit.focused = false;
        calls.calls.clear();

        delegate->newDocument();
        const SongPtr song = delegate->currentSong();
        ASSERT_NE(song, nullptr) << c.what;
        EXPECT_EQ(song->text().toUtf8(), c.templateBytes.value_or(shipped)) << c.what;
        EXPECT_TRUE(song->path().isEmpty()) << c.what << ": no file before it is saved";
        EXPECT_EQ(song->category(), QStringLiteral("Rock")) << c.what;
        EXPECT_TRUE(delegate->isSongEditVisible()) << c.what;
        EXPECT_TRUE(songEdit.focused) << c.what;
        EXPECT_EQ(songEdit.caret, c.caret) << c.what;
        EXPECT_EQ(calls.count(QStringLiteral("songList.selectCurrentSong")), 1) << c.what << ": no row is the new song";
    }

    ASSERT_TRUE(QFile::remove(Prefs::songTemplatePath()));
    delegate->newDocument();
    EXPECT_TRUE(delegate->currentSong()->text().isEmpty()) << "without a template the new song is empty";
    EXPECT_EQ(songEdit.caret, 0);
    EXPECT_EQ(filesInSongFolder(), QStringList{QStringLiteral("Rock/first.pro")}) << "nothing is written";
}

TEST_F(FileCommandsTest, CommandsThatShowAnotherSongStopWhenTheSaveQuestionIsCancelled)
{
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"new", [this] { delegate->newDocument(); }},   {"duplicate", [this] { delegate->duplicate(); }},
        {"open", [this] { delegate->openDocument(); }}, {"sample song", [this] { delegate->sampleSong(); }},
        {"next", [this] { delegate->nextSong(); }},     {"previous", [this] { delegate->prevSong(); }},
    };
    const SongPtr edited = showEditedSong(QStringLiteral("Rock/first.pro"), QStringLiteral("{title: First}\n[G]la"),
                                          QStringLiteral("{title: First}\n[G]la la"));
    songList.next = songList.prev = std::make_shared<Song>(path(QStringLiteral("Rock/first.pro")));
    const QString other = outside(QStringLiteral("other.pro"), "{title: Other}\nla");
    for (const auto &[what, command] : commands) {
        dialogs.asked.clear();
        dialogs.answers = {Dialogs::Answer::Other};
        dialogs.openPanelAnswers = {{other}};
        command();
        EXPECT_EQ(dialogs.asked.size(), 1) << what;
        EXPECT_EQ(delegate->currentSong(), edited) << what;
        EXPECT_EQ(edited->text(), QStringLiteral("{title: First}\n[G]la la")) << what << ": the edits are kept";
        EXPECT_TRUE(songEdit.dirty) << what;
        EXPECT_TRUE(dialogs.savePanelsShown.isEmpty()) << what;
    }
    EXPECT_EQ(filesInSongFolder(), QStringList{QStringLiteral("Rock/first.pro")});
    EXPECT_EQ(fileText(path(QStringLiteral("Rock/first.pro"))), QStringLiteral("{title: First}\n[G]la"));
}

TEST_F(FileCommandsTest, ADuplicateIsWrittenWhereTheUserSaysWithASongExtension)
{
    delegate->setCurrentSong(std::make_shared<Song>(path(QStringLiteral("Rock/first.pro"))));
    dialogs.savePanelAnswers = {QString()};
    delegate->duplicate();
    const SongPtr copy = delegate->currentSong();
    ASSERT_EQ(dialogs.savePanelsShown.size(), 1);
    const Dialogs::SavePanel &panel = dialogs.savePanelsShown[0];
    EXPECT_EQ(panel.directory, path(QStringLiteral("Rock")));
    EXPECT_EQ(panel.allowedTypes, (QStringList{"pro", "txt", "chopro", "chordpro"}));
    EXPECT_EQ(QFileInfo(panel.fileName).suffix(), QStringLiteral("pro"));
    EXPECT_NE(panel.fileName.toLower(), QStringLiteral("first.pro")) << "the proposed name is free";
    EXPECT_EQ(copy->text(), QStringLiteral("{title: First}\n[G]la")) << "cancelled: the copy stays, unsaved";
    EXPECT_TRUE(copy->path().isEmpty());
    EXPECT_EQ(copy->title(), QStringLiteral("First"));

    struct Case
    {
        const char *chosen;
        const char *written;
    };
    const Case cases[] = {
        {"Rock/Copy.chopro", "Rock/Copy.chopro"},
        {"Rock/Loud.TXT", "Rock/Loud.TXT"},
        // A name of no song type would never be read as a song again.
        {"Rock/Plain", "Rock/Plain.pro"},
        {"Rock/Notes.md", "Rock/Notes.md.pro"},
    };
    for (const Case &c : cases) {
        delegate->setCurrentSong(std::make_shared<Song>(path(QStringLiteral("Rock/first.pro"))));
        dialogs.savePanelAnswers = {path(QString::fromLatin1(c.chosen))};
        delegate->duplicate();
        EXPECT_EQ(delegate->currentSong()->path(), path(QString::fromLatin1(c.written))) << c.chosen;
        EXPECT_EQ(fileText(path(QString::fromLatin1(c.written))), QStringLiteral("{title: First}\n[G]la")) << c.chosen;
    }
    EXPECT_TRUE(delegate->songs()->containsPath(path(QStringLiteral("Rock/Plain.pro")))) << "the library was refreshed";
}

TEST_F(FileCommandsTest, OpenedSongsFromOutsideAreImportedIntoTheCurrentCategoryAndTheLastIsShown)
{
    const QStringList chosen = {outside(QStringLiteral("a.pro"), "{title: Alpha}\nla"),
                                outside(QStringLiteral("b.txt"), "{title: Beta}\nla"),
                                outside(QStringLiteral("c.chopro"), "{title: Gamma}\nla")};
    dialogs.openPanelAnswers = {chosen};
    delegate->openDocument();
    ASSERT_EQ(dialogs.openPanelsShown.size(), 1);
    EXPECT_TRUE(dialogs.openPanelsShown[0].allowsMultipleSelection);
    EXPECT_TRUE(dialogs.openPanelsShown[0].allowsOtherFileTypes);
    EXPECT_EQ(filesInSongFolder(),
              (QStringList{"Rock/Alpha.pro", "Rock/Beta.pro", "Rock/Gamma.pro", "Rock/first.pro"}));
    EXPECT_EQ(delegate->currentSong()->path(), path(QStringLiteral("Rock/Gamma.pro")));
    EXPECT_EQ(calls.count(QStringLiteral("songList.refresh")), 1);

    // A song among the shown ones is shown as it is: nothing is written.
    delegate->songs()->refresh();
    dialogs.openPanelAnswers = {{path(QStringLiteral("Rock/Alpha.pro"))}};
    delegate->openDocument();
    EXPECT_EQ(delegate->currentSong()->path(), path(QStringLiteral("Rock/Alpha.pro")));
    EXPECT_EQ(filesInSongFolder().size(), 4);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(FileCommandsTest, OpeningAFileThatHoldsNoTextTellsTheUserAndWritesNothing)
{
    const SongPtr shown = std::make_shared<Song>(path(QStringLiteral("Rock/first.pro")));
    delegate->setCurrentSong(shown);
    QByteArray image("\x89PNG\r\n\x1a\n", 8);
    image.append('\0').append("IHDR");
    dialogs.openPanelAnswers = {{outside(QStringLiteral("cover.png"), image)}};
    dialogs.answers = {Dialogs::Answer::Default};
    delegate->openDocument();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The file cover.png is no song: it holds no text."));
    EXPECT_EQ(delegate->currentSong(), shown);
    EXPECT_EQ(filesInSongFolder(), QStringList{QStringLiteral("Rock/first.pro")});
}

TEST_F(FileCommandsTest, SettingsAndLayoutFilesAreAppliedWhateverTheCaseOfTheirExtension)
{
    const double size = delegate->prefs()->textfontprefs()->size();
    const QString fonts = QDir(elsewhere.path()).filePath(QStringLiteral("Big.VellorinFontSettings"));
    delegate->prefs()->textfontprefs()->setSize(size + 11);
    ASSERT_TRUE(delegate->prefs()->exportFontPrefs(fonts));
    delegate->prefs()->textfontprefs()->setSize(size);
    VellorinWindowLayout layout;
    delegate->splitView()->savePaneWidths(layout);
    layout.setSonglistcol0(0.7);
    const QString layoutFile = QDir(elsewhere.path()).filePath(QStringLiteral("X.VELLORINLAYOUT"));
    ASSERT_TRUE(layout.save(layoutFile));
    const QString song = outside(QStringLiteral("song.pro"), "{title: With Them}\nla");

    dialogs.openPanelAnswers = {{fonts, layoutFile, song}};
    delegate->openDocument();
    EXPECT_EQ(delegate->prefs()->textfontprefs()->size(), size + 11);
    EXPECT_NEAR(songList.titleShare, 0.7, 1e-6);
    EXPECT_EQ(filesInSongFolder(), (QStringList{"Rock/With Them.pro", "Rock/first.pro"}))
        << "each file is handled in turn; only the song is imported";
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("With Them"));
}

TEST_F(FileCommandsTest, AnOpenedPdfIsCopiedIntoTheSongFolderAndOneThatCannotBeIsNotShown)
{
    const QString pdf = outside(QStringLiteral("sheet.pdf"), "%PDF-1.4 opened");
    dialogs.openPanelAnswers = {{pdf}};
    delegate->openDocument();
    EXPECT_NE(dynamic_cast<PDFSong *>(delegate->currentSong().get()), nullptr);
    EXPECT_EQ(delegate->currentSong()->path(), path(QStringLiteral("sheet.pdf")));
    EXPECT_EQ(TestFiles::read(path(QStringLiteral("sheet.pdf"))), "%PDF-1.4 opened");

    const SongPtr shown = delegate->currentSong();
    const QString folderNamedPdf = QDir(elsewhere.path()).filePath(QStringLiteral("score.pdf"));
    ASSERT_TRUE(QDir().mkpath(folderNamedPdf)); // a folder cannot be copied as a file
    dialogs.openPanelAnswers = {{folderNamedPdf}};
    dialogs.answers = {Dialogs::Answer::Default};
    delegate->openDocument();
    EXPECT_EQ(delegate->currentSong(), shown);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("score.pdf"))));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The PDF score.pdf could not be copied into the song folder."));
}

// A PDF whose name is not UTF-8 is copied in by its own bytes, and shown.
TEST_F(FileCommandsTest, AnOpenedPdfWhoseNameIsNotUtf8IsCopiedUnderItsOwnBytes)
{
    const QByteArray source = QFile::encodeName(elsewhere.path()) + "/Bl\xe4tter.pdf";
    RawFiles::write(source, "%PDF-1.4 opened");
    dialogs.openPanelAnswers = {{FileName::fromBytes(source)}};
    delegate->openDocument();
    ASSERT_NE(dynamic_cast<PDFSong *>(delegate->currentSong().get()), nullptr);
    const QByteArray copied = QFile::encodeName(root()) + "/Bl\xe4tter.pdf";
    EXPECT_EQ(FileName::toBytes(delegate->currentSong()->path()), copied);
    EXPECT_EQ(RawFiles::read(copied), "%PDF-1.4 opened");
    EXPECT_TRUE(RawFiles::exists(source));
    RawFiles::removeTree(copied);
    RawFiles::removeTree(source);
}

TEST_F(FileCommandsTest, SavingWritesTheEditsWithoutAskingAndRefreshesTheLists)
{
    const SongPtr song = showEditedSong(QStringLiteral("Rock/first.pro"), QStringLiteral("{title: First}\n[G]la"),
                                        QStringLiteral("{title: First Light}\n[G]la"));
    delegate->saveDocument();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(fileText(song->path()), QStringLiteral("{title: First Light}\n[G]la"));
    for (const char *pane : {"songList.refresh", "playlists.refresh", "tags.refresh", "songEdit.refresh"})
        EXPECT_EQ(calls.count(QString::fromLatin1(pane)), 1) << pane;
}

TEST_F(FileCommandsTest, TheSampleSongIsShownAmongAllSongsAndNeverWrittenOverTheUsersCopy)
{
    delegate->sampleSong();
    const QString sample = path(QStringLiteral("Greensleeves.pro"));
    ASSERT_NE(delegate->currentSong(), nullptr);
    EXPECT_EQ(delegate->currentSong()->path(), sample);
    EXPECT_EQ(delegate->songs()->currentCategory(), std::nullopt);
    EXPECT_EQ(delegate->prefs()->currentCategory(), std::nullopt);
    EXPECT_TRUE(delegate->songs()->containsPath(sample));

    TestFiles::write(sample, "{title: Greensleeves}\nmy own arrangement");
    delegate->sampleSong();
    EXPECT_EQ(TestFiles::read(sample), "{title: Greensleeves}\nmy own arrangement");
}

TEST_F(FileCommandsTest, NextAndPreviousStepThroughThePlaylistWhileItIsShownElseTheSongList)
{
    const SongPtr inList = std::make_shared<Song>(path(QStringLiteral("Rock/first.pro")));
    const SongPtr inPlaylist = writeSong(QStringLiteral("set.pro"), QStringLiteral("{title: Set}\nla"));
    songList.next = inList;
    playlistsPane.prev = inPlaylist;
    struct Case
    {
        bool playlistShown;
        bool forward;
        SongPtr shown; // null: nothing at that end
        const char *refreshed;
    };
    const Case cases[] = {
        {false, true, inList, "songList.refresh"},
        {false, false, nullptr, nullptr},
        {true, false, inPlaylist, "playlists.refresh"},
        {true, true, nullptr, nullptr},
    };
    for (const Case &c : cases) {
        const auto type = c.playlistShown ? PaneSplitView::PlaylistsType : PaneSplitView::SongListType;
        if (delegate->splitView()->selectedListType() != type)
            delegate->splitView()->showList(type);
        ASSERT_TRUE(delegate->splitView()->isSongListVisible());
        const SongPtr before = std::make_shared<Song>(path(QStringLiteral("Rock/first.pro")));
        delegate->setCurrentSong(before);
        calls.calls.clear();
        c.forward ? delegate->nextSong() : delegate->prevSong();
        EXPECT_EQ(delegate->currentSong(), c.shown ? c.shown : before) << c.playlistShown << c.forward;
        EXPECT_EQ(calls.count(QStringLiteral("songList.refresh")) + calls.count(QStringLiteral("playlists.refresh")),
                  c.refreshed ? 1 : 0);
        if (c.refreshed) {
            EXPECT_EQ(calls.count(QString::fromLatin1(c.refreshed)), 1);
        }
    }
}
