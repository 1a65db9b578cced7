// The three-pane window: which panes show, the list type, divider limits, remembered widths and window layouts.
#include "panesplitview.h"

#include "fakeappcontext.h"
#include "fakepanes.h"
#include "logcapture.h"
#include "prefs.h"
#include "scripteddialogs.h"
#include "userdefaults.h"
#include "vellorinwindowlayout.h"

#include <QDir>
#include <QSplitter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PaneSplitViewTest : public ::testing::Test
{
protected:
    PaneSplitViewTest()
    {
        for (const QString &key : PaneSplitView::widthKeys)
            UserDefaults::remove(key);
        context.prefsObject = &prefs;
    }
    ~PaneSplitViewTest() override { delete split.verticalSplitView(); }

    void init()
    {
        PaneSplitView::Hooks hooks;
        hooks.saveEditedSong = [this] {
            ++saveQuestions;
            return saveAnswer;
        };
        hooks.refreshSongView = [this] { ++songViewRefreshes; };
        split.initSplitView(PaneControllers{&songList, &songEdit, &playlists, &tags}, songView, songEdit.widget(),
                            hooks);
        split.verticalSplitView()->resize(1000, 600);
        split.verticalSplitView()->show();
    }
    // Shown panes, in order: "list", "tags", "playlists", "song", "editor".
    QStringList shown() const
    {
        QStringList names;
        const std::pair<QWidget *, const char *> views[] = {{songList.view, "list"},
                                                            {tags.view, "tags"},
                                                            {playlists.view, "playlists"},
                                                            {songView, "song"},
                                                            {songEdit.view, "editor"}};
        for (const auto &[view, name] : views) {
            if (!view->isHidden())
                names.append(QString::fromLatin1(name));
        }
        return names;
    }
    void selectSegments(bool list, bool song, bool editor)
    {
        split.setSegmentSelected(PaneSplitView::ListPane, list);
        split.setSegmentSelected(PaneSplitView::SongViewPane, song);
        split.setSegmentSelected(PaneSplitView::SongEditPane, editor);
        split.changeViewSelector();
    }

    FakeAppContext context;
    Prefs prefs;
    ScriptedDialogs dialogs;
    PaneCalls calls;
    FakeSongListPane songList{calls};
    FakeSongEditPane songEdit{calls};
    FakePlaylistsPane playlists{calls};
    FakeTagsPane tags{calls};
    QWidget *songView = new QWidget;
    PaneSplitView split{prefs, dialogs};
    int saveQuestions = 0;
    bool saveAnswer = true;
    int songViewRefreshes = 0;
};

} // namespace

TEST_F(PaneSplitViewTest, StartsWithThePanesTheSettingsShow)
{
    prefs.setShowSongEdit(false);
    init();
    EXPECT_EQ(shown(), (QStringList{"list", "song"}));
    EXPECT_TRUE(split.isSegmentSelected(PaneSplitView::ListPane));
    EXPECT_FALSE(split.isSegmentSelected(PaneSplitView::SongEditPane));
    EXPECT_EQ(split.selectedListType(), PaneSplitView::SongListType);
}

TEST_F(PaneSplitViewTest, PaneSelectorShowsAndHidesAndNeverLeavesNone)
{
    init();
    selectSegments(false, true, false);
    EXPECT_EQ(shown(), QStringList{"song"});
    EXPECT_FALSE(prefs.showSongList());
    EXPECT_FALSE(prefs.showSongEdit());
    EXPECT_EQ(saveQuestions, 1) << "hiding the editor settles its unsaved changes";

    selectSegments(false, false, false);
    EXPECT_EQ(shown(), QStringList{"list"});
    EXPECT_TRUE(split.isSegmentSelected(PaneSplitView::ListPane));

    // A cancelled save question keeps the editor.
    selectSegments(true, true, true);
    saveAnswer = false;
    split.toggleSongEdit();
    EXPECT_EQ(shown(), (QStringList{"list", "song", "editor"}));
    EXPECT_TRUE(prefs.showSongEdit());
}

TEST_F(PaneSplitViewTest, ListTypesAndTheirMenuCommands)
{
    init();
    selectSegments(false, true, true);
    // Choosing the tags while the list pane is hidden shows it with the tags.
    split.showList(PaneSplitView::TagsType);
    EXPECT_EQ(shown(), (QStringList{"tags", "song", "editor"}));
    EXPECT_TRUE(prefs.showTags());
    EXPECT_EQ(calls.count("tags.refresh"), 1);

    // The command for the list shown hides the list pane; again, it shows it.
    split.showList(PaneSplitView::TagsType);
    EXPECT_EQ(shown(), (QStringList{"song", "editor"}));
    split.showList(PaneSplitView::TagsType);
    EXPECT_EQ(shown(), (QStringList{"tags", "song", "editor"}));

    split.showList(PaneSplitView::PlaylistsType);
    EXPECT_EQ(shown(), (QStringList{"playlists", "song", "editor"}));
    EXPECT_TRUE(prefs.showPlaylists());
    EXPECT_FALSE(prefs.showTags());
    split.showList(PaneSplitView::SongListType);
    EXPECT_EQ(shown(), (QStringList{"list", "song", "editor"}));
    EXPECT_EQ(calls.count("songList.refresh"), 1);
}

TEST_F(PaneSplitViewTest, DividersStayWithinTheirLimits)
{
    init();
    QSplitter &splitter = *split.verticalSplitView();
    splitter.setSizes({1, 0, 0, 1, 5000});
    EXPECT_GE(songList.widget()->width(), 100) << "divider 0 at least 100 from the left";
    EXPECT_GE(songView->width(), 100);
    EXPECT_GE(songView->geometry().right(), 200) << "divider 1 at least 200 from the left";
    splitter.setSizes({5000, 0, 0, 1, 1});
    EXPECT_GE(songEdit.widget()->width(), 100) << "divider 1 at most the width less 100";
    EXPECT_GE(splitter.width() - songList.view->geometry().right(), 200) << "divider 0 at most the width less 200";

    // With two panes the second keeps 200.
    selectSegments(true, true, false);
    splitter.setSizes({5000, 0, 0, 1, 0});
    EXPECT_GE(songView->width(), 200);
}

TEST_F(PaneSplitViewTest, PaneWidthsAreRememberedAndRestored)
{
    init();
    QSplitter &splitter = *split.verticalSplitView();
    splitter.setSizes({250, 0, 0, 450, 300});
    Q_EMIT splitter.splitterMoved(250, 1);
    EXPECT_EQ(UserDefaults::value(PaneSplitView::widthKeys[0]).toInt(), songList.widget()->width());
    EXPECT_EQ(UserDefaults::value(PaneSplitView::widthKeys[2]).toInt(), songEdit.widget()->width());

    // A hidden pane keeps its stored width.
    const int editorWidth = songEdit.widget()->width();
    selectSegments(true, true, false);
    Q_EMIT splitter.splitterMoved(300, 1);
    EXPECT_EQ(UserDefaults::value(PaneSplitView::widthKeys[2]).toInt(), editorWidth);

    PaneSplitView again(prefs, dialogs);
    prefs.setShowSongEdit(true);
    FakeSongListPane otherList{calls};
    FakeSongEditPane otherEditor{calls};
    auto *otherSongView = new QWidget;
    again.initSplitView(PaneControllers{&otherList, &otherEditor, nullptr, nullptr}, otherSongView,
                        otherEditor.widget(), {});
    again.verticalSplitView()->resize(1000, 600);
    again.verticalSplitView()->show();
    EXPECT_EQ(otherList.widget()->width(), songList.widget()->width());
    delete again.verticalSplitView();
}

TEST_F(PaneSplitViewTest, LayoutFilesSizeTheShownPanesOnly)
{
    init();
    QSplitter &splitter = *split.verticalSplitView();
    selectSegments(true, true, false);
    splitter.setSizes({300, 0, 0, 700, 0});
    QTemporaryDir files;
    const QString file = QDir(files.path()).filePath("Mine.vellorinlayout");
    dialogs.savePanelAnswers = {file};
    split.saveLayoutToFile();
    ASSERT_EQ(dialogs.savePanelsShown.size(), 1);
    // The test's home has no Desktop folder: the panel opens in the home folder.
    EXPECT_EQ(dialogs.savePanelsShown.at(0).directory, QDir::homePath());
    EXPECT_EQ(dialogs.savePanelsShown.at(0).fileName, "Vellorin");
    EXPECT_EQ(dialogs.savePanelsShown.at(0).allowedTypes, QStringList{"vellorinlayout"});
    const std::unique_ptr<VellorinWindowLayout> saved = VellorinWindowLayout::load(file);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->rightPanePercentage(), 0) << "the editor was hidden";
    EXPECT_NEAR(saved->leftPanePercentage(), 300.0 / (1000 - splitter.handleWidth()), 0.01);
    EXPECT_FALSE(prefs.layout()) << "the settings keep their own layout";

    // Loading sizes the shown panes and shows or hides nothing.
    selectSegments(true, true, true);
    splitter.setSizes({500, 0, 0, 300, 200});
    split.loadLayout(file);
    EXPECT_EQ(shown(), (QStringList{"list", "song", "editor"}));
    EXPECT_NEAR(songList.widget()->width(), 300, 10);
    EXPECT_GT(songViewRefreshes, 0);

    LogCapture log;
    const QString invalid = QDir(files.path()).filePath("Zero.vellorinlayout");
    ASSERT_TRUE(VellorinWindowLayout().save(invalid));
    split.loadLayout(invalid);
    EXPECT_TRUE(log.lines().contains("Invalid layout ignored"));
}

TEST_F(PaneSplitViewTest, TheSettingsKeepOneLayout)
{
    init();
    EXPECT_FALSE(split.canRestoreLayout());
    QSplitter &splitter = *split.verticalSplitView();
    splitter.setSizes({200, 0, 0, 500, 300});
    split.saveLayout();
    ASSERT_TRUE(prefs.layout());
    EXPECT_TRUE(split.canRestoreLayout());
    splitter.setSizes({400, 0, 0, 300, 300});
    songList.titleShare = 0.2;
    split.restoreLayout();
    EXPECT_NEAR(songList.widget()->width(), 200, 10);
    EXPECT_EQ(songList.titleShare, 0.4);

    // Without a title column width a layout is not worth restoring.
    prefs.layout()->setSonglistcol0(0);
    EXPECT_FALSE(split.canRestoreLayout());
}
