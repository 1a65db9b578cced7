// The song tables' context menu in the launched application: the right-click that chooses its row, the tags
// and playlists submenus, New Tag, Copy as Text and Show in File Manager.
#include "songcontextmenus.h"

#include "doubleclicktextview.h"
#include "failingwrites.h"

#include "logcapture.h"
#include "notesong.h"
#include "openedurls.h"
#include "panestestwindow.h"
#include "pdfsong.h"
#include "playlist.h"
#include "playlists.h"
#include "prefs.h"
#include "songeditviewcontroller.h"
#include "songlistviewcontroller.h"
#include "songs.h"
#include "songtableview.h"
#include "vellorinappdelegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace {

class SongMenusTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        writeSampleFolder();
        write("Live/amsterdam.pro", amsterdam);
        write("Score.pdf", "%PDF-1.4 not really a document");
        launch();
        table().resize(400, 300);
    }

    SongContextMenus &menus() const { return songList().menus(); }
    QPoint centreOfRow(const QString &title) const
    {
        return table().visualRect(table().model()->index(rowOfTitle(title), 0)).center();
    }
    static QAction *item(const QMenu &menu, const QString &title)
    {
        for (QAction *action : menu.actions()) {
            if (action->text() == title)
                return action;
        }
        return nullptr;
    }
    // The titles of the tags submenu, a check mark as "✓".
    QStringList tagItems() const
    {
        QStringList titles;
        for (const QAction *action : menus().tagsMenu()->actions())
            titles.append(action->isSeparator() ? "-" : action->text() + (action->isChecked() ? " ✓" : ""));
        return titles;
    }
    QStringList selectedTitles() const
    {
        QStringList titles;
        for (const SongPtr &song : songList().selectedSongs())
            titles.append(song->title());
        return titles;
    }

    const QString amsterdam = QStringLiteral("{title: amsterdam}\n{subtitle: Brel}\n{key: Am}\n{tag: Live}\n");
};

} // namespace

TEST_F(SongMenusTest, ARightClickChoosesItsRowAfterTheSaveQuestion)
{
    struct Case
    {
        const char *name;
        QStringList selected;
        bool edited;
        Dialogs::Answer answer;
        // Empty: a click below the last row.
        QString clicked;
        bool menuShows;
        QString currentAfter;
        QStringList selectedAfter;
        int questions;
    };
    const Case cases[] = {
        {"single selection moves", {"Yesterday"}, false, {}, "Wild Rover", true, "Wild Rover", {"Wild Rover"}, 0},
        {"inside a multi-selection",
         {"amsterdam", "Wild Rover", "Yesterday"},
         true,
         Dialogs::Answer::Alternate,
         "Wild Rover",
         true,
         "Wild Rover",
         {"amsterdam", "Wild Rover", "Yesterday"},
         1},
        {"save refused",
         {"Yesterday"},
         true,
         Dialogs::Answer::Other,
         "Wild Rover",
         false,
         "Yesterday",
         {"Yesterday"},
         1},
        {"current song's own row",
         {"Yesterday", "amsterdam"},
         true,
         {},
         "Yesterday",
         true,
         "Yesterday",
         {"amsterdam", "Yesterday"},
         0},
        {"empty space", {"Yesterday"}, false, {}, "", true, "Yesterday", {"Yesterday"}, 0},
        // Without a selection the clicked row is taken, so that the menu's commands act on the song clicked.
        {"no selection", {}, false, {}, "Wild Rover", true, "Wild Rover", {"Wild Rover"}, 0},
    };
    for (const Case &c : cases) {
        clickRow(rowOfTitle("Yesterday"));
        editor().discardEdits();
        clock.advanceSeconds(10);
        selectRows(c.selected);
        if (c.edited)
            typeIntoEditor("x");
        dialogs.asked.clear();
        dialogs.answers = {c.answer};
        const QPoint at = c.clicked.isEmpty() ? QPoint(10, table().viewport()->height() - 5) : centreOfRow(c.clicked);
        QMenu *menu = table().menuForEvent(at);
        EXPECT_EQ(menu != nullptr, c.menuShows) << c.name;
        EXPECT_EQ(currentSong()->title(), c.currentAfter) << c.name;
        EXPECT_EQ(selectedTitles(), c.selectedAfter) << c.name;
        EXPECT_EQ(dialogs.asked.size(), c.questions) << c.name;
        if (c.clicked == "Yesterday") {
            // The edits stay unsaved, and the question still comes for them.
            EXPECT_TRUE(editor().isDirty()) << c.name;
            EXPECT_EQ(read(path("Blues/Yesterday.pro")),
                      "{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\n");
        }
    }
}

TEST_F(SongMenusTest, CopyAsTextWritesOneLinePerSelectedSong)
{
    const QString timed = write("Timed.pro", "{title: Timed}\n{subtitle: Band}\n{key: Bb}\n{time: 185}\n");
    const QString bare = write("Bare.pro", "{title: Bare}\nno chords\n");
    const QString zero = write("Zero.pro", "{title: Zero}\n{key: C#m}\n{time: 0}\n");
    const QList<SongPtr> songs = {std::make_shared<Song>(timed), std::make_shared<Song>(bare),
                                  std::make_shared<Song>(zero)};
    struct Case
    {
        bool withTime;
        QString text;
    };
    const Case cases[] = {
        {true, "Timed - Band [Bb] 3:05\nBare\nZero [C#m]\n"},
        {false, "Timed - Band [Bb]\nBare\nZero [C#m]\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SongContextMenus::textForSongs(songs, c.withTime), c.text) << c.withTime;

    // From the pane: the key as the song writes it, whatever the display naming; nothing selected gives "".
    prefs().setLatinChords(true);
    selectRows({"amsterdam"});
    menus().copyAsText();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "amsterdam - Brel [Am]\n");
    table().clearSelectionQuietly();
    menus().copyAsText();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

TEST_F(SongMenusTest, ShowInFileManagerOpensTheCurrentSongsFolder)
{
    OpenedUrls opened;
    clickRow(rowOfTitle("Yesterday"));
    selectRows({"amsterdam"});
    menus().showInFinder();
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl::fromLocalFile(path("Blues"))});
}

TEST_F(SongMenusTest, SwitchingATagTouchesOnlyTheSongsThatNeedIt)
{
    clickRow(rowOfTitle("Amazing Grace"));
    selectRows({"Amazing Grace", "amsterdam", "Score", "Wild Rover"});
    const QByteArray pdfBefore = read(path("Score.pdf")).toLatin1();
    EXPECT_EQ(tagItems(), (QStringList{"Live", "-", "New Tag…"}));

    item(*menus().tagsMenu(), "Live")->trigger();
    EXPECT_EQ(read(path("Amazing Grace.pro")),
              "{title: Amazing Grace}\n{subtitle: Traditional}\n{key: G}\n[G]Amazing [C]grace\n\n{tag: Live}");
    EXPECT_EQ(read(path("Live/Wild Rover.pro")),
              "{title: Wild Rover}\n{key: D}\n[D]I've been a wild rover\n\n{tag: Live}");
    EXPECT_EQ(read(path("Live/amsterdam.pro")), amsterdam) << "already tagged: untouched";
    EXPECT_EQ(read(path("Score.pdf")).toLatin1(), pdfBefore);
    EXPECT_EQ(prefs().currentTag(), std::optional<QString>("Live"));
    EXPECT_EQ(delegate->songs()->songsByTag().value("Live").size(), 3);
    EXPECT_EQ(tagItems(), (QStringList{"Live ✓", "-", "New Tag…"}));
    EXPECT_EQ(selectedTitles(), (QStringList{"Amazing Grace", "amsterdam", "Score", "Wild Rover"}));

    // The current song carries it now: the same item takes it from every selected song.
    prefs().setCurrentTag(QStringLiteral("Other"));
    item(*menus().tagsMenu(), "Live")->trigger();
    EXPECT_EQ(read(path("Live/amsterdam.pro")), "{title: amsterdam}\n{subtitle: Brel}\n{key: Am}\n\n");
    EXPECT_FALSE(read(path("Live/Wild Rover.pro")).contains("{tag:"));
    EXPECT_EQ(prefs().currentTag(), std::optional<QString>("Other")) << "switching off leaves the stored tag";
    EXPECT_TRUE(delegate->songs()->songsByTag().isEmpty());
}

TEST_F(SongMenusTest, TheTagsItemIsEnabledWhileASelectedSongCanCarryTags)
{
    LogCapture log;
    selectRows({"Score"});
    Q_EMIT table().selectionDidChange();
    EXPECT_FALSE(songList().enableTags());
    EXPECT_FALSE(menus().tagsMenuItem()->isEnabled());
    selectRows({"Score", "Yesterday"});
    Q_EMIT table().selectionDidChange();
    EXPECT_TRUE(menus().tagsMenuItem()->isEnabled());
    EXPECT_TRUE(log.hasLineStartingWith("enableTags"));
}

TEST_F(SongMenusTest, NewTagWritesTheNameAsItReadsBack)
{
    struct Case
    {
        QString typed;
        // The name as it reads back from the file; empty when nothing may change.
        QString name;
        bool written;
    };
    const Case cases[] = {
        {"  Live ", "Live", true}, {"a}b", "a)b", true}, {"x\ny", "x y", true},
        {"", "", false},           {" \n ", "", false},  {"a)b", "a)b", false}, // carried already: no second one
    };
    clickRow(rowOfTitle("Wild Rover"));
    QString expected = read(path("Live/Wild Rover.pro"));
    for (const Case &c : cases) {
        prefs().setCurrentTag(std::nullopt);
        dialogs.textAnswers = {c.typed};
        menus().newTag();
        if (c.written)
            expected += "\n{tag: " + c.name + "}";
        EXPECT_EQ(read(path("Live/Wild Rover.pro")), expected) << c.typed.toStdString();
        if (c.name.isEmpty()) {
            EXPECT_EQ(prefs().currentTag(), std::nullopt) << c.typed.toStdString();
            continue;
        }
        EXPECT_EQ(prefs().currentTag(), std::optional<QString>(c.name)) << c.typed.toStdString();
        EXPECT_TRUE(currentSong()->tags().contains(c.name)) << c.typed.toStdString();
        EXPECT_TRUE(delegate->songs()->songsByTag().contains(c.name)) << c.typed.toStdString();
        EXPECT_TRUE(tagItems().contains(c.name + " ✓")) << c.typed.toStdString();
    }
    EXPECT_EQ(delegate->songs()->songsByTag().value("a)b").size(), 1);
    EXPECT_FALSE(editor().isDirty());
}

TEST_F(SongMenusTest, NewTagRefusesSongsThatCannotCarryTags)
{
    auto note = NoteSong::fromLineString(QStringLiteral("#Capo 2 for the encore"));
    note->setPath(path("Live/Wild Rover.pro"));
    const SongPtr pdf = delegate->songs()->songForRow(rowOfTitle("Score"));
    const SongPtr unsaved = std::make_shared<Song>();
    for (const SongPtr &song : {SongPtr(note), pdf, unsaved}) {
        EXPECT_FALSE(SongContextMenus::canCarryTags(*song));
        delegate->setCurrentSong(song);
        const QString noteText = note->text();
        dialogs.textAnswers = {QStringLiteral("Gig")};
        menus().newTag();
        EXPECT_EQ(note->text(), noteText);
    }
    EXPECT_TRUE(dialogs.textPromptsShown.isEmpty());
    EXPECT_FALSE(read(path("Live/Wild Rover.pro")).contains("Gig"));
    EXPECT_FALSE(delegate->songs()->songsByTag().contains("Gig"));
}

TEST_F(SongMenusTest, ATagGivenAfterASaveReachesTheEditorAndTheNextSave)
{
    clickRow(rowOfTitle("Yesterday"));
    typeIntoEditor("first");
    ASSERT_TRUE(delegate->saveCurrentSongInteractive(false));
    // The library read the saved file again; the row may hold another object for it than the current song.
    selectRows({"Yesterday"});
    item(*menus().tagsMenu(), "Live")->trigger();
    typeIntoEditor("second");
    ASSERT_TRUE(delegate->saveCurrentSongInteractive(false));
    EXPECT_EQ(read(path("Blues/Yesterday.pro")),
              "{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\nfirst\n{tag: Live}second");
}

TEST_F(SongMenusTest, ATagThatCannotBeWrittenIsToldAndNotShown)
{
    clickRow(rowOfTitle("Yesterday"));
    const QString before = read(path("Blues/Yesterday.pro"));
    const FailingWrites failing(TextFile::WriteStep::Flush);
    selectRows({"Yesterday"});
    item(*menus().tagsMenu(), "Live")->trigger();
    EXPECT_EQ(read(path("Blues/Yesterday.pro")), before);
    EXPECT_FALSE(currentSong()->tags().contains("Live"));
    EXPECT_FALSE(editor().songTextView()->toPlainText().contains("{tag: Live}"));
    // The settings written with it fail on the full disk too, and say so once.
    QStringList titles;
    for (const Dialogs::Alert &alert : dialogs.asked)
        titles.append(alert.title);
    EXPECT_EQ(titles, QStringList({"The tag \u201cLive\u201d of \u201cYesterday\u201d could not be saved.",
                                   "The preferences could not be saved."}));
    ASSERT_FALSE(dialogs.asked.isEmpty());
    EXPECT_TRUE(dialogs.asked.constFirst().informativeText.startsWith("Flush failed"));
}

TEST_F(SongMenusTest, ThePlaylistSubmenuAddsTheSelectedSongs)
{
    clickRow(rowOfTitle("Yesterday"));
    selectRows({"amsterdam", "Yesterday"});
    dialogs.textAnswers = {QStringLiteral("  Friday Gig ")};
    menus().newPlaylist();
    PlayLists &playlists = *delegate->playlists();
    ASSERT_EQ(playlists.count(), 1);
    const std::shared_ptr<PlayList> gig = playlists.playListAtIndex(0);
    EXPECT_EQ(gig->title(), "Friday Gig");
    EXPECT_EQ(gig->songsCount(), 2);
    const QList<QAction *> items = menus().addToPlaylistMenu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items.at(0)->text(), "Friday Gig");
    EXPECT_TRUE(items.at(0)->isChecked());
    EXPECT_EQ(items.at(2)->text(), "New Playlist…");
    EXPECT_EQ(items.at(2)->shortcut(), QKeySequence("Ctrl+Shift+N"));

    selectRows({"Wild Rover"});
    items.at(0)->trigger();
    EXPECT_EQ(PlayList::fromFile(gig->path())->songsCount(), 3);

    // Cancel and an empty title change nothing.
    dialogs.textAnswers = {std::nullopt, QStringLiteral(" ")};
    menus().newPlaylist();
    menus().newPlaylist();
    EXPECT_EQ(playlists.count(), 1);
}
