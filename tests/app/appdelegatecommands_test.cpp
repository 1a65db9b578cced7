// The delegate's menu commands on the offscreen main window with recording panes: toggles, insert templates,
// sorting, zoom, find, the next and previous rule, the toolbar and the help and contact items.
#include "vellorinappdelegate.h"

#include "fakepanes.h"
#include "libraryload.h"
#include "logcapture.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "openedurls.h"
#include "panesplitview.h"
#include "paths.h"
#include "prefs.h"
#include "scripteddialogs.h"
#include "songdisplay.h"
#include "songviewviewcontroller.h"
#include "textfile.h"
#include "userdefaults.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

class AppDelegateCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override { QDir(Paths::supportDirectory()).removeRecursively(); }

    void launch()
    {
        UserDefaults::setValue(QStringLiteral("songDirSecurityBookmark"), folder.path());
        delegate = std::make_unique<VellorinAppDelegate>(dialogs, [this](MainWindow &) { return panes.controllers(); });
        delegate->applicationDidFinishLaunching();
        ASSERT_TRUE(waitForLibrary(*delegate->songs()));
        QCoreApplication::processEvents();
        calls.calls.clear();
    }

    QAction *action(const char *name) const { return delegate->menus()->action(QString::fromLatin1(name)); }
    Prefs &prefs() const { return *delegate->prefs(); }
    // The settings as the next launch reads them.
    static std::unique_ptr<Prefs> savedPrefs() { return Prefs::initFromFileSystem(); }

    // Runs the command whatever its rule says now; the rules have tests of their own.
    void run(const char *name)
    {
        QAction *item = action(name);
        item->setEnabled(true);
        item->trigger();
    }

    FakePaneSet panes;
    PaneCalls &calls = panes.calls;
    FakeSongListPane &songList = panes.songList;
    FakeSongEditPane &songEdit = panes.songEdit;
    FakePlaylistsPane &playlistsPane = panes.playlistsPane;
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    std::unique_ptr<VellorinAppDelegate> delegate;
};

} // namespace

TEST_F(AppDelegateCommandsTest, EachToggleFlipsItsSettingMirrorsItAndKeepsIt)
{
    struct Case
    {
        const char *action;
        bool (Prefs::*setting)() const;
        bool kept;
    };
    const Case cases[] = {
        {"actInlineChords", &Prefs::inlinechords, true},
        {"actCenterNarrowSongs", &Prefs::centerNarrowSongs, true},
        {"actShowTitle", &Prefs::showTitleSubtitle, true},
        {"actShowTimeColumn", &Prefs::showTimeColumn, true},
        {"actStartMusicWithAutoScroll", &Prefs::startMusicWithAutoScroll, true},
        {"actEditWithFixedFont", &Prefs::editWithFixedFont, true},
        {"actNoChords", &Prefs::showlyricsonly, false},
        {"actSecondaryNoChords", &Prefs::showlyricsonlyOnSecondaryDisplay, false},
    };
    launch();
    for (const Case &c : cases) {
        const bool before = (prefs().*c.setting)();
        run(c.action);
        EXPECT_EQ((prefs().*c.setting)(), !before) << c.action;
        EXPECT_EQ(action(c.action)->isChecked(), !before) << c.action;
        if (c.kept)
            EXPECT_EQ((savedPrefs().get()->*c.setting)(), !before) << c.action;
        else
            EXPECT_FALSE((savedPrefs().get()->*c.setting)()) << c.action << " lasts for the run only";
    }
    EXPECT_EQ(calls.count(QStringLiteral("songList.refresh")), 1) << "the time column is the list's";
    EXPECT_EQ(calls.count(QStringLiteral("songEdit.performSyntaxColoring")), 1) << "the fixed font is the editor's";
}

TEST_F(AppDelegateCommandsTest, CentredTitleIsCheckedWhileTitlesAreNotLeftAligned)
{
    launch();
    ASSERT_FALSE(prefs().leftAlignTitle());
    EXPECT_TRUE(action("actTitleCentered")->isChecked());
    run("actTitleCentered");
    EXPECT_TRUE(prefs().leftAlignTitle());
    EXPECT_FALSE(action("actTitleCentered")->isChecked());
}

TEST_F(AppDelegateCommandsTest, MenuStatesAtLaunchFollowTheSettings)
{
    {
        auto stored = Prefs::initFromFileSystem();
        stored->setInlinechords(true);
        stored->setLeftAlignTitle(true);
        stored->setShowChordDiagrams(true);
        stored->setSongChordsAtRight(true);
        stored->setAutozoom(true);
        stored->setMidi(false);
        stored->save();
    }
    launch();
    EXPECT_TRUE(action("actInlineChords")->isChecked());
    EXPECT_FALSE(action("actTitleCentered")->isChecked());
    EXPECT_TRUE(action("actChordDiagrams")->isChecked());
    EXPECT_TRUE(action("actSongChordsAtRight")->isChecked());
    EXPECT_TRUE(action("actAutoZoom")->isChecked());
    EXPECT_TRUE(delegate->window()->autoZoomButton()->isChecked()) << "the button is the menu item's";
    EXPECT_FALSE(action("actNoChords")->isChecked()) << "lyrics only starts off at every launch";
    EXPECT_FALSE(action("actToggleMIDI")->isChecked());
    EXPECT_EQ(action("actToggleMIDI")->text(), QStringLiteral("MIDI"));
}

TEST_F(AppDelegateCommandsTest, ChordDiagramsSwitchInlineChordsOff)
{
    launch();
    prefs().setInlinechords(true);
    prefs().setShowChordDiagrams(false);
    action("actInlineChords")->setChecked(true);
    run("actChordDiagrams");
    EXPECT_TRUE(prefs().showChordDiagrams());
    EXPECT_FALSE(prefs().inlinechords());
    EXPECT_FALSE(action("actInlineChords")->isChecked());
    EXPECT_TRUE(action("actChordDiagrams")->isChecked());
    run("actChordDiagrams");
    EXPECT_FALSE(prefs().showChordDiagrams());
    EXPECT_FALSE(prefs().inlinechords()) << "diagrams off leave inline chords off";
    EXPECT_FALSE(savedPrefs()->showChordDiagrams());
}

TEST_F(AppDelegateCommandsTest, TheChordItemsAskForASongWithChords)
{
    launch();
    const auto show = [this](const QString &name, const QString &text) {
        const QString path = QDir(folder.path()).filePath(name);
        ASSERT_TRUE(TextFile::write(path, text));
        delegate->setCurrentSong(std::make_shared<Song>(path));
        QCoreApplication::processEvents();
    };
    show(QStringLiteral("words.pro"), QStringLiteral("{title: Words}\nonly words\n"));
    EXPECT_FALSE(action("actChordDiagrams")->isEnabled());
    EXPECT_FALSE(action("actShowSongChords")->isEnabled());
    show(QStringLiteral("chords.pro"), QStringLiteral("{title: Chords}\n[G]Amazing [C]grace\n"));
    EXPECT_TRUE(action("actChordDiagrams")->isEnabled());
    EXPECT_TRUE(action("actShowSongChords")->isEnabled());
}

TEST_F(AppDelegateCommandsTest, ChordsAtRightWithTheChordPaneClosedOnlyFlipsTheSide)
{
    launch();
    prefs().setShowSongChords(false);
    const bool atRight = prefs().songChordsAtRight();
    run("actSongChordsAtRight");
    EXPECT_EQ(prefs().songChordsAtRight(), !atRight);
    EXPECT_EQ(action("actSongChordsAtRight")->isChecked(), !atRight);
    EXPECT_FALSE(delegate->songViewViewController()->isSongChordsVisible());
    EXPECT_EQ(savedPrefs()->songChordsAtRight(), !atRight);
}

TEST_F(AppDelegateCommandsTest, InsertItemsHandTheirTemplatesToTheFocusedEditor)
{
    launch();
    songEdit.focused = true;
    delegate->updateCommandStates();
    const QStringList expected = {"[X]",          "{c:X}\n",           "{soc}\nX\n{eoc}\n",    "{sot}\nX\n{eot}\n",
                                  "{soh}X{eoh}",  "{define: X}\n",     "{key: X}\n",           "{pause: X}\n",
                                  "{new_page}\n", "{sog}\nX\n{eog}\n", "{image src=\"...\"}\n"};
    for (QAction *item : delegate->menus()->menu(QStringLiteral("menuChordpro"))->actions()) {
        ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
        item->trigger();
    }
    EXPECT_EQ(songEdit.inserted, expected);

    songEdit.inserted.clear();
    const LogCapture log;
    delegate->insertChordproControl(0);
    delegate->insertChordproControl(12);
    EXPECT_TRUE(songEdit.inserted.isEmpty());
    EXPECT_EQ(log.lines().count(QStringLiteral("Invalid chordpro insert menu item")), 2);

    songEdit.focused = false;
    delegate->updateCommandStates();
    EXPECT_FALSE(action("actInsertChord")->isEnabled()) << "only while the editor's text has the focus";
}

TEST_F(AppDelegateCommandsTest, SortingByTitleAfterSortingByTimeClearsEveryOrderAndKeepsIt)
{
    launch();
    prefs().setSortbytime(true);
    run("actSortByKey");
    EXPECT_TRUE(prefs().sortbykey());
    EXPECT_FALSE(prefs().sortbytime());
    run("actSortByTitle");
    const auto saved = savedPrefs();
    for (const Prefs *each : {&prefs(), saved.get()}) {
        EXPECT_FALSE(each->sortbysubtitle());
        EXPECT_FALSE(each->sortbykey());
        EXPECT_FALSE(each->sortbydate());
        EXPECT_FALSE(each->sortbytime());
    }
    EXPECT_EQ(calls.count(QStringLiteral("songList.refresh")), 2);
    EXPECT_EQ(calls.count(QStringLiteral("tags.refresh")), 2);
}

TEST_F(AppDelegateCommandsTest, TheZoomSliderTurnsAutoZoomOffAndKeepsIt)
{
    launch();
    action("actAutoZoom")->trigger();
    ASSERT_TRUE(prefs().autozoom());
    ASSERT_TRUE(action("actAutoZoom")->isChecked());
    delegate->window()->zoomSlider()->setValue(150);
    EXPECT_FALSE(prefs().autozoom());
    EXPECT_FALSE(action("actAutoZoom")->isChecked());
    EXPECT_FALSE(savedPrefs()->autozoom());
    EXPECT_FLOAT_EQ(delegate->songViewViewController()->songView().zoomScale(), 1.5f);
    EXPECT_EQ(calls.count(QStringLiteral("songEdit.performSyntaxColoring")), 2) << "auto-zoom, then the slider";
}

TEST_F(AppDelegateCommandsTest, ZoomKeysZoomTheSongAndTheEditorsFont)
{
    launch();
    action("actResetZoom")->trigger();
    action("actZoomIn")->trigger();
    EXPECT_FLOAT_EQ(delegate->songViewViewController()->songView().zoomScale(), 1.05f);
    EXPECT_EQ(delegate->window()->zoomSlider()->value(), 105);
    EXPECT_EQ(calls.count(QStringLiteral("songEdit.performSyntaxColoring")), 2);
    EXPECT_EQ(action("actZoomIn")->shortcutContext(), Qt::ApplicationShortcut) << "also from the second display";
}

TEST_F(AppDelegateCommandsTest, FindSearchesTheEditorWhileItHasTheFocusElseTheSongList)
{
    launch();
    songEdit.focused = true;
    action("actFind")->trigger();
    songEdit.focused = false;
    action("actFind")->trigger();
    EXPECT_EQ(calls.calls, (QStringList{"songEdit.showFindBar", "songList.focusSearchField"}));
}

TEST_F(AppDelegateCommandsTest, NextPreviousAndSortAreEnabledFromTheListShown)
{
    launch();
    songList.next = std::make_shared<Song>();
    playlistsPane.prev = std::make_shared<Song>();
    panes.tags.prev = std::make_shared<Song>();
    struct Case
    {
        PaneSplitView::ListType list;
        bool next;
        bool prev;
        bool sort;
    };
    // Each list steps through its own rows; the tags list sorts as the song list does.
    const Case cases[] = {{PaneSplitView::TagsType, false, true, true},
                          {PaneSplitView::PlaylistsType, false, true, false},
                          {PaneSplitView::SongListType, true, false, true}};
    for (const Case &c : cases) {
        delegate->splitView()->showList(c.list);
        const CommandState::Inputs in = delegate->commandInputs();
        EXPECT_EQ(in.hasNextSong, c.next) << c.list;
        EXPECT_EQ(in.hasPrevSong, c.prev) << c.list;
        EXPECT_EQ(in.canViewSort, c.sort) << c.list;
    }
}

TEST_F(AppDelegateCommandsTest, CommandsOnSelectedSongsActOnlyOnTheSongListShown)
{
    launch();
    delegate->splitView()->showList(PaneSplitView::TagsType);
    run("actDeleteSongs");
    run("actChangeCategory");
    EXPECT_EQ(calls.count(QStringLiteral("songList.deleteSelectedSongs")), 0);
    delegate->splitView()->showList(PaneSplitView::SongListType);
    run("actDeleteSongs");
    run("actChangeCategory");
    EXPECT_EQ(calls.count(QStringLiteral("songList.deleteSelectedSongs")), 1);
    EXPECT_EQ(calls.count(QStringLiteral("songList.changeCategoryOfSelectedSongs")), 1);
}

TEST_F(AppDelegateCommandsTest, TheToolbarNamesItsControls)
{
    launch();
    const QToolBar *toolbar = delegate->window()->mainToolbar();
    QStringList listTypes;
    for (const QToolButton *button : delegate->splitView()->listTypeSelector()->findChildren<QToolButton *>())
        listTypes.append(button->text());
    EXPECT_EQ(listTypes, (QStringList{"Categories", "Tags", "Playlists"}));
    QStringList paneTips;
    for (const QToolButton *button : delegate->splitView()->viewSelector()->findChildren<QToolButton *>())
        paneTips.append(button->toolTip());
    EXPECT_EQ(paneTips, (QStringList{"Song List", "Song View", "Song Editor"}));
    struct Item
    {
        const char *name;
        const char *label;
        bool enabled;
    };
    const Item items[] = {{"toolbarNewDocument", "New Song", true},
                          {"toolbarToggleTransposeToolbar", "Transpose", true},
                          {"toolbarToggleAutoScrollToolbar", "Auto-Scroll", true}};
    for (const Item &item : items) {
        const auto *button = toolbar->findChild<QToolButton *>(QString::fromLatin1(item.name));
        ASSERT_NE(button, nullptr) << item.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(item.label));
        EXPECT_EQ(button->isEnabled(), item.enabled) << item.name;
    }
    EXPECT_FALSE(toolbar->isMovable());
}

TEST_F(AppDelegateCommandsTest, HidingAPaneLaysTheSongOutForItsNewWidth)
{
    launch();
    const QString path = QDir(folder.path()).filePath(QStringLiteral("wide.pro"));
    ASSERT_TRUE(TextFile::write(path, QStringLiteral("{title: Wide}\n[G]words and words and words\n")));
    delegate->setCurrentSong(std::make_shared<Song>(path));
    QCoreApplication::processEvents();
    const QWidget *song = delegate->songViewViewController()->songView().widget();
    const QWidget *viewport = delegate->songViewViewController()->songScrollView()->viewport();
    const int before = song->width();
    action("actShowSongList")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewport->width() > before; }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return song->width() > before; }, 1000)) << "laid out for the wider pane";
}

TEST_F(AppDelegateCommandsTest, TheTransposeButtonShowsTheSongPaneFirst)
{
    launch();
    delegate->splitView()->toggleSongView();
    ASSERT_FALSE(delegate->isSongViewVisible());
    delegate->window()
        ->mainToolbar()
        ->findChild<QToolButton *>(QStringLiteral("toolbarToggleTransposeToolbar"))
        ->click();
    EXPECT_TRUE(delegate->isSongViewVisible());
    EXPECT_TRUE(delegate->songViewViewController()->transposeToolbarVisible());
}

TEST_F(AppDelegateCommandsTest, TheMetronomeCommandShowsTheSongPaneAndItsSaveWritesTheSong)
{
    launch();
    const QString path = folder.filePath(QStringLiteral("beat.pro"));
    ASSERT_TRUE(TextFile::write(path, QStringLiteral("{title: Beat}\nla")));
    delegate->setCurrentSong(std::make_shared<Song>(path));
    QCoreApplication::processEvents();
    prefs().setMetronomeTick(false); // flash only: no sound in a test
    prefs().setMetronomeFlash(true);
    delegate->splitView()->toggleSongView();
    ASSERT_FALSE(delegate->isSongViewVisible());

    run("actStartStopMetronome");
    SongViewViewController *pane = delegate->songViewViewController();
    EXPECT_TRUE(delegate->isSongViewVisible());
    EXPECT_TRUE(pane->isMetronomePlaying());
    run("actStartStopMetronome");
    EXPECT_FALSE(pane->isMetronomePlaying());

    pane->senderincreaseMetronomeTempo();
    pane->findChild<QPushButton *>(QStringLiteral("metronomeSaveButton"))->click();
    EXPECT_TRUE(Song(path).text().contains(QStringLiteral("{metronome: 121}")));
}

TEST_F(AppDelegateCommandsTest, HelpPagesAndContactGoToTheDesktop)
{
    launch();
    const OpenedUrls opened;
    action("actShowHelp")->trigger();
    action("actChordproFormatHelp")->trigger();
    action("actContact")->trigger();
    ASSERT_EQ(opened.urls().size(), 3);
    for (const QUrl &page : opened.urls().mid(0, 2)) {
        ASSERT_TRUE(page.isLocalFile()) << page.toString().toStdString();
        EXPECT_TRUE(page.toLocalFile().startsWith(Paths::supportDirectory()));
        EXPECT_TRUE(TextFile::read(page.toLocalFile(), TextFile::LastResort::Latin1)
                        .value_or(QString())
                        .contains(QLatin1String("<h1>")));
    }
    const QUrl mail = opened.urls().at(2);
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), VellorinAppDelegate::supportAddress);
    EXPECT_TRUE(mail.toEncoded().contains("subject=Vellorin%20Linux%20")) << mail.toEncoded().toStdString();
    EXPECT_EQ(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              VellorinAppDelegate::contactSubject());
}
