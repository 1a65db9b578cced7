// Files dropped on the main window: which drops the window takes where, and what each file becomes.
#include "launcheddelegate.h"

#include "filedrag.h"
#include "logcapture.h"
#include "panesplitview.h"
#include "pdfsong.h"
#include "songs.h"
#include "vellorinwindowlayout.h"

namespace {

enum class Place { List, SongView, Editor };

class FileDropsTest : public LaunchedDelegateTest
{
protected:
    void SetUp() override
    {
        LaunchedDelegateTest::SetUp();
        launchInRock();
    }

    QPoint at(Place place) const
    {
        const PaneSplitView::Pane pane = place == Place::List       ? PaneSplitView::ListPane
                                         : place == Place::SongView ? PaneSplitView::SongViewPane
                                                                    : PaneSplitView::SongEditPane;
        const QWidget *view = delegate->splitView()->paneView(pane);
        return view->mapTo(delegate->window(), view->rect().center());
    }

    bool drag(const QStringList &paths, const QPoint &windowPos, bool drop = false)
    {
        return FileDrag::over(*delegate->window(), paths, windowPos, drop);
    }

    QStringList songFiles(const QString &category) const
    {
        return QDir(path(category)).entryList({QStringLiteral("*.pro")}, QDir::Files, QDir::Name);
    }
};

} // namespace

TEST_F(FileDropsTest, TheFirstFileAndThePlaceDecideWhetherTheWindowTakesTheDrop)
{
    const QString fonts = outside(QStringLiteral("stage.vellorinfontsettings"), "{}");
    const QString layout = outside(QStringLiteral("stage.vellorinlayout"), "{}");
    const QString song = outside(QStringLiteral("song.cho"));
    const QString pdf = outside(QStringLiteral("sheet.PDF"), "%PDF-1.4");
    const QString text = outside(QStringLiteral("notes.md"), "# notes");
    const QString image = outside(QStringLiteral("photo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    struct Case
    {
        QString file;
        bool list, songView, editor, hiddenEditor;
    };
    const Case cases[] = {
        {fonts, true, true, true, true}, {layout, true, true, true, true},  {song, true, false, true, false},
        {pdf, true, false, true, false}, {text, false, false, true, false}, {image, false, false, true, false},
    };
    const QPoint list = at(Place::List), songView = at(Place::SongView), editor = at(Place::Editor);
    for (const Case &c : cases) {
        const QString name = QFileInfo(c.file).fileName();
        EXPECT_EQ(drag({c.file, song}, list), c.list) << name.toStdString();
        EXPECT_EQ(drag({c.file, song}, songView), c.songView) << name.toStdString();
        EXPECT_EQ(drag({c.file, song}, editor), c.editor) << name.toStdString();
    }
    delegate->splitView()->toggleSongEdit();
    ASSERT_FALSE(delegate->isSongEditVisible());
    for (const Case &c : cases)
        EXPECT_EQ(drag({c.file}, editor), c.hiddenEditor) << c.file.toStdString();
    EXPECT_FALSE(delegate->acceptsDrop({}, list));
}

TEST_F(FileDropsTest, RealDragEventsReachTheDecisionsAndASongIsImportedIntoTheCurrentCategory)
{
    const QString song = outside(QStringLiteral("dropped.pro"));
    EXPECT_FALSE(drag({song}, at(Place::SongView), true)) << "a song is refused over the song pane";
    EXPECT_EQ(songFiles(QStringLiteral("Rock")), QStringList{QStringLiteral("first.pro")});

    ASSERT_TRUE(drag({song}, at(Place::List), true));
    EXPECT_EQ(songFiles(QStringLiteral("Rock")),
              (QStringList{QStringLiteral("Dropped.pro"), QStringLiteral("first.pro")}));
    ASSERT_NE(delegate->currentSong(), nullptr);
    EXPECT_EQ(delegate->currentSong()->path(), path(QStringLiteral("Rock/Dropped.pro")));
    EXPECT_EQ(calls.count(QStringLiteral("songList.refresh")), 1);
    EXPECT_TRUE(delegate->noFSRefresh()) << "the import is the program's own write";
}

TEST_F(FileDropsTest, EachFileOfADropIsHandledByItsKind)
{
    const QString one = outside(QStringLiteral("one.pro"), "{title: One}");
    const QString two = outside(QStringLiteral("two.txt"), "{title: Two}");
    const QString three = outside(QStringLiteral("three.chopro"), "{title: Three}");
    const QString image = outside(QStringLiteral("photo.jpg"), QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10));
    const QString wide = outside(QStringLiteral("wide.lyrics"), QByteArray("\xFF\xFE{\0t\0i\0t\0l\0e\0:\0W\0}\0", 20));

    // Three songs give three files; the last is shown.
    ASSERT_TRUE(delegate->performDrop({one, two, three}, at(Place::List)));
    EXPECT_EQ(songFiles(QStringLiteral("Rock")).size(), 4);
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("Three"));

    // A file that is not text, dropped with a song outside the editor, is skipped, never a junk song; a UTF-16
    // text of another extension is still read as a song.
    const LogCapture log;
    ASSERT_TRUE(delegate->performDrop({one, image, wide}, at(Place::List)));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Not importing %1").arg(image)));
    EXPECT_EQ(songFiles(QStringLiteral("Rock")).size(), 6);
    EXPECT_EQ(delegate->currentSong()->title(), QStringLiteral("W"));

    // Over the editor an image becomes a file link, songs with it are passed over, and nothing else happens.
    const SongPtr shown = delegate->currentSong();
    EXPECT_TRUE(delegate->performDrop({one, image}, at(Place::Editor)));
    EXPECT_EQ(songEdit.fileLinks, QStringList{image});
    EXPECT_EQ(delegate->currentSong(), shown);
    EXPECT_EQ(songFiles(QStringLiteral("Rock")).size(), 6);
}

TEST_F(FileDropsTest, APdfIsCopiedIntoTheSongFolderRootAndAnExistingOneIsShown)
{
    const QString pdf = outside(QStringLiteral("sheet.pdf"), "%PDF-1.4 dropped");
    ASSERT_TRUE(delegate->performDrop({pdf}, at(Place::List)));
    EXPECT_EQ(delegate->currentSong()->path(), path(QStringLiteral("sheet.pdf")));
    EXPECT_NE(dynamic_cast<PDFSong *>(delegate->currentSong().get()), nullptr);
    EXPECT_EQ(TestFiles::read(path(QStringLiteral("sheet.pdf"))), "%PDF-1.4 dropped");

    // The name is taken: the file there is shown, not written over.
    TestFiles::write(pdf, "%PDF-1.4 another");
    ASSERT_TRUE(delegate->performDrop({pdf}, at(Place::List)));
    EXPECT_EQ(delegate->currentSong()->path(), path(QStringLiteral("sheet.pdf")));
    EXPECT_EQ(TestFiles::read(path(QStringLiteral("sheet.pdf"))), "%PDF-1.4 dropped");

    // A copy that fails with nothing of that name there shows nothing and says so.
    const SongPtr shown = delegate->currentSong();
    const QString other = QDir(elsewhere.path()).filePath(QStringLiteral("other.pdf"));
    ASSERT_TRUE(QDir().mkpath(other)); // a folder cannot be copied as a file
    EXPECT_FALSE(delegate->performDrop({other}, at(Place::List)));
    EXPECT_EQ(delegate->currentSong(), shown);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("other.pdf"))));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("The PDF other.pdf could not be copied into the song folder."));
}

TEST_F(FileDropsTest, SettingsAndLayoutFilesAreAppliedAndEndTheDrop)
{
    const QString song = outside(QStringLiteral("ignored.pro"));
    const double size = delegate->prefs()->textfontprefs()->size();
    const QString fonts = QDir(elsewhere.path()).filePath(QStringLiteral("big.vellorinfontsettings"));
    delegate->prefs()->textfontprefs()->setSize(size + 11);
    ASSERT_TRUE(delegate->prefs()->exportFontPrefs(fonts));
    delegate->prefs()->textfontprefs()->setSize(size);
    ASSERT_TRUE(delegate->performDrop({fonts, song}, at(Place::SongView)));
    EXPECT_EQ(delegate->prefs()->textfontprefs()->size(), size + 11);

    // Whatever the case of its extension, a layout file is applied, not imported as a song.
    VellorinWindowLayout layout;
    delegate->splitView()->savePaneWidths(layout);
    layout.setSonglistcol0(0.7);
    const QString layoutFile = QDir(elsewhere.path()).filePath(QStringLiteral("X.VELLORINLAYOUT"));
    ASSERT_TRUE(layout.save(layoutFile));
    ASSERT_TRUE(delegate->acceptsDrop({layoutFile, song}, at(Place::SongView)));
    ASSERT_TRUE(delegate->performDrop({layoutFile, song}, at(Place::SongView)));
    EXPECT_NEAR(songList.titleShare, 0.7, 1e-6);
    EXPECT_EQ(songFiles(QStringLiteral("Rock")), QStringList{QStringLiteral("first.pro")})
        << "the songs with them are ignored";
}
