// The playlists pane in the launched application: the pop-up and its counts, choosing entries in their keys,
// a missing song, stepping, type-select, and the commands that make, rename, delete, edit and reorder playlists.
#include "playlistsviewcontroller.h"

#include "doubleclicktextview.h"
#include "failingwrites.h"
#include "libraryload.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "openedurls.h"
#include "panesplitview.h"
#include "panestestwindow.h"
#include "playlist.h"
#include "playlisttablemodel.h"
#include "prefs.h"
#include "songcontextmenus.h"
#include "songdisplay.h"
#include "songeditviewcontroller.h"
#include "songs.h"
#include "songtableview.h"
#include "songviewviewcontroller.h"
#include "vellorinappdelegate.h"
#include "vellorinwindowlayout.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

const char *const kSet1 = "Set1\nGreensleeves [D]\nAmazing Grace - Traditional [A]\n#Tuning break\nWild Rover\n"
                          "Lost Song - Nobody\n";

QString trashedFile(const QString &name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Trash/files/") + name);
}

class PlaylistsPaneTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        write("Amazing Grace.pro", "{title: Amazing Grace}\n{subtitle: Traditional}\n{key: G}\n{time: 3:00}\n"
                                   "{tag: Hymn}\n[G]Amazing [C]grace\n");
        write("Greensleeves.pro", "{title: Greensleeves}\n{key: Am}\n{time: 3:05}\n[Am]Alas my love\n");
        // No playing time, and a capo.
        write("Live/Wild Rover.pro", "{title: Wild Rover}\n{key: D}\n{capo: 2}\n[D]I've been a wild rover\n");
        write("Set1.lst", kSet1);
        write("Live/Pub.lst", "Pub\nGreensleeves\nAmazing Grace - Traditional\n");
        write("vellorin/Old.lst", "Old\nAmazing Grace - Traditional\n");
        launch();
        delegate->window()->resize(1200, 800);
        delegate->splitView()->showList(PaneSplitView::PlaylistsType);
        QCoreApplication::processEvents();
    }

    PlaylistsViewController &pane() const
    {
        return *dynamic_cast<PlaylistsViewController *>(delegate->panes().playlists);
    }
    SongTableView &playlistTable() const { return *pane().songsTable(); }
    QStringList popupItems() const
    {
        QStringList items;
        for (int index = 0; index < pane().playlistsPopupButton()->count(); ++index)
            items.append(pane().playlistsPopupButton()->itemText(index));
        return items;
    }
    void choosePlaylist(const QString &title)
    {
        const QStringList items = popupItems();
        const auto found = std::find_if(items.cbegin(), items.cend(), [&title](const QString &item) {
            return item == title || item.startsWith(title + " (");
        });
        ASSERT_NE(found, items.cend()) << title.toStdString();
        const int index = int(found - items.cbegin());
        pane().playlistsPopupButton()->setCurrentIndex(index);
        pane().playlistsPopupSelected(index);
    }
    QStringList entryTitles() const
    {
        QStringList titles;
        for (int row = 0; row < pane().model()->rowCount(); ++row)
            titles.append(pane().model()->index(row, 0).data().toString());
        return titles;
    }
    void clickEntry(int row)
    {
        const QRect rect = playlistTable().visualRect(pane().model()->index(row, 0));
        QTest::mouseClick(playlistTable().viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QCoreApplication::processEvents();
    }
    void selectEntries(const QList<int> &rows)
    {
        const QSignalBlocker quiet(playlistTable().selectionModel());
        playlistTable().clearSelection();
        for (const int row : rows)
            playlistTable().selectionModel()->select(pane().model()->index(row, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    // The song pane's transposition once its waiting refresh has run.
    int shownTransposition() const
    {
        QCoreApplication::processEvents();
        return delegate->songViewViewController()->songView().transpose();
    }
    QStringList filesIn(const QString &relativeFolder, const QString &pattern) const
    {
        return QDir(path(relativeFolder)).entryList({pattern}, QDir::Files);
    }
};

} // namespace

TEST_F(PlaylistsPaneTest, ThePopupShowsEachPlaylistWithItsCountAndTimeAndTheFirstAtFirst)
{
    // Notes never count; a song without a playing time (or a missing one) leaves the count alone.
    EXPECT_EQ(popupItems(), (QStringList{"Old (1, 3:00)", "Pub (2, 6:05)", "Set1 (4)"}));
    EXPECT_EQ(pane().playlistsPopupButton()->currentText(), "Old (1, 3:00)");
    EXPECT_EQ(prefs().currentPlaylist().value_or(QString()), "") << "the fallback is not stored";
    EXPECT_EQ(pane().model()->headerData(2, Qt::Horizontal).toString(), "Key");

    choosePlaylist("Set1");
    EXPECT_EQ(prefs().currentPlaylist(), std::optional<QString>("Set1"));
    EXPECT_EQ(entryTitles(), (QStringList{"Greensleeves", "Amazing Grace", "Tuning break", "Wild Rover", "Lost Song"}));
    pane().refresh();
    EXPECT_EQ(pane().currentPlayList()->title(), "Set1");
}

TEST_F(PlaylistsPaneTest, WithoutPlaylistFilesThePopupAsksToSelectAndTheTableIsEmpty)
{
    for (const char *file : {"Set1.lst", "Live/Pub.lst", "vellorin/Old.lst"})
        ASSERT_TRUE(QFile::remove(path(file)));
    pane().refresh();
    EXPECT_EQ(pane().playlistsPopupButton()->count(), 0);
    EXPECT_EQ(pane().playlistsPopupButton()->currentIndex(), -1);
    EXPECT_EQ(pane().playlistsPopupButton()->placeholderText(), "- Select -");
    EXPECT_EQ(pane().currentPlayList(), nullptr);
    EXPECT_EQ(pane().model()->rowCount(), 0);
    // The commands on the playlist change nothing.
    dialogs.textAnswers = {QStringLiteral("note")};
    pane().addNote();
    pane().sortByTitle();
    EXPECT_TRUE(filesIn("", "*.lst").isEmpty());
}

TEST_F(PlaylistsPaneTest, DeletingTheCurrentPlaylistShowsTheFirstAndTheSettingsStillNameIt)
{
    choosePlaylist("Set1");
    dialogs.answers = {Dialogs::Answer::Default};
    pane().deletePlaylist();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.at(0).title, "Delete playlist?");
    EXPECT_EQ(dialogs.asked.at(0).informativeText, "Set1");
    EXPECT_FALSE(QFile::exists(path("Set1.lst")));
    EXPECT_TRUE(QFile::exists(trashedFile("Set1.lst")));
    EXPECT_EQ(pane().currentPlayList()->title(), "Old");
    EXPECT_EQ(popupItems(), (QStringList{"Old (1, 3:00)", "Pub (2, 6:05)"}));
    EXPECT_EQ(prefs().currentPlaylist(), std::optional<QString>("Set1"));

    dialogs.answers = {Dialogs::Answer::Alternate};
    pane().deletePlaylist();
    EXPECT_TRUE(QFile::exists(path("vellorin/Old.lst")));
}

TEST_F(PlaylistsPaneTest, AnEntryShowsItsSongInTheEntrysKey)
{
    choosePlaylist("Set1");
    // Amazing Grace is in G; the playlist asks for A.
    clickEntry(1);
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(shownTransposition(), 2) << "still after the song pane's own first refresh";
    pane().selectCurrentSong();
    EXPECT_EQ(shownTransposition(), 2);

    // Without a key, the song shows as showing it left it: minus the capo. Selecting it again gives it no key.
    clickEntry(3);
    EXPECT_EQ(currentSong()->title(), "Wild Rover");
    EXPECT_EQ(shownTransposition(), -2);
    pane().selectCurrentSong();
    EXPECT_EQ(shownTransposition(), 0);
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{3});
}

// An entry the library does not hold yet may be among the songs a load is still reading: chosen meanwhile, it is
// shown once they are read, and never reported missing before.
TEST_F(PlaylistsPaneTest, AnEntryChosenWhileTheLibraryLoadsIsShownOnceItsSongIsRead)
{
    choosePlaylist("Set1");
    clickEntry(1);
    write("Lost Song.pro", "{title: Lost Song}\n{subtitle: Nobody}\n[C]Found again\n");
    delegate->songs()->refreshInBackground();
    ASSERT_TRUE(delegate->songs()->isLoading());
    clickEntry(4);
    ASSERT_TRUE(waitForLibrary(*delegate->songs()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "no Song not found";
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(currentSong()->title(), "Lost Song");
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{4});
}

TEST_F(PlaylistsPaneTest, TheSameSongTwiceInAPlaylistIsChosenInEachRowsKey)
{
    write("Set1.lst", "Set1\nAmazing Grace - Traditional [A]\nAmazing Grace - Traditional [C]\n");
    pane().refresh();
    choosePlaylist("Set1");
    clickEntry(0);
    EXPECT_EQ(shownTransposition(), 2);
    clickEntry(1);
    EXPECT_EQ(shownTransposition(), currentSong()->deltaForTransposeKey("C"));
    EXPECT_NE(shownTransposition(), 2);
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{1});
}

TEST_F(PlaylistsPaneTest, AMissingSongLeavesNoCurrentSong)
{
    choosePlaylist("Set1");
    clickEntry(1);
    dialogs.answers = {Dialogs::Answer::Default};
    clickEntry(4);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.at(0).title, "Song not found");
    EXPECT_EQ(dialogs.asked.at(0).informativeText, "Lost Song - Nobody");
    EXPECT_EQ(currentSong(), nullptr);
    EXPECT_EQ(songPaneSong(), nullptr);
    EXPECT_FALSE(delegate->isNormalSong());
    EXPECT_EQ(prefs().currentSong(), std::nullopt);
    EXPECT_TRUE(editor().songTextView()->toPlainText().isEmpty());
    EXPECT_TRUE(editor().songTextView()->isReadOnly());
    EXPECT_EQ(pane().menus().tagsMenu()->actions().last()->text(), "New Tag…");

    // Without a current song, the first missing entry is the current song's row.
    selectEntries({0});
    pane().selectCurrentSong();
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{4});
    EXPECT_EQ(pane().selectedEntry()->title(), "Lost Song");
    EXPECT_TRUE(pane().selectedRealSongs().isEmpty());
    pane().refresh();
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{4});
    delegate->nextSong();
    EXPECT_EQ(currentSong(), nullptr);
}

TEST_F(PlaylistsPaneTest, NextAndPreviousGiveTheNeighboursSongsAndNothingAtTheEnds)
{
    choosePlaylist("Set1");
    struct Case
    {
        QList<int> rows;
        const char *next;
        const char *prev;
    };
    const Case cases[] = {
        {{}, nullptr, nullptr},     {{0}, "Amazing Grace", nullptr}, {{1}, "Note", "Greensleeves"},
        {{0, 3}, nullptr, nullptr}, {{3}, nullptr, "Note"},
    };
    for (const Case &c : cases) {
        selectEntries(c.rows);
        const SongPtr next = pane().nextSong();
        const SongPtr prev = pane().prevSong();
        EXPECT_EQ(next ? next->title() : QString(), QString::fromUtf8(c.next ? c.next : "")) << c.rows.size();
        EXPECT_EQ(prev ? prev->title() : QString(), QString::fromUtf8(c.prev ? c.prev : "")) << c.rows.size();
    }
    selectEntries({4});
    EXPECT_EQ(pane().nextSong(), nullptr);
    EXPECT_EQ(pane().prevSong()->path(), path("Live/Wild Rover.pro"));
}

TEST_F(PlaylistsPaneTest, TheNextSongCommandStepsThroughThePlaylist)
{
    choosePlaylist("Set1");
    clickEntry(0);
    delegate->nextSong();
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{1});
    EXPECT_EQ(shownTransposition(), 2);
    delegate->prevSong();
    EXPECT_EQ(currentSong()->title(), "Greensleeves");
    EXPECT_EQ(shownTransposition(), currentSong()->deltaForTransposeKey("D"));
}

TEST_F(PlaylistsPaneTest, NextAndPreviousWalkTheWholeSetListAcrossRefreshes)
{
    // A song, a note, the same song in two keys, and a song that is missing.
    write("Gig.lst", "Gig\nGreensleeves [Em]\n#Tuning break\nAmazing Grace - Traditional [A]\n"
                     "Amazing Grace - Traditional [C]\nLost Song - Nobody\n");
    pane().refresh();
    choosePlaylist("Gig");
    struct Entry
    {
        const char *shown; // null: no song
        const char *key;   // null: nothing to transpose
        bool hasNext;
        bool hasPrev;
    };
    const Entry entries[] = {
        {"Greensleeves", "Em", true, false}, {"Note", nullptr, true, true},   {"Amazing Grace", "A", true, true},
        {"Amazing Grace", "C", true, true},  {nullptr, nullptr, false, true},
    };
    const auto action = [this](const char *name) { return delegate->menus()->action(QString::fromLatin1(name)); };
    const auto expectAt = [&](int row) {
        // The application reads the playlists again whenever it becomes active.
        pane().refresh();
        const Entry &entry = entries[row];
        EXPECT_EQ(pane().selectedSongIndices(), QList<int>{row});
        EXPECT_EQ(currentSong() ? currentSong()->title() : QString(), QString::fromUtf8(entry.shown ? entry.shown : ""))
            << row;
        if (entry.key) {
            EXPECT_EQ(shownTransposition(), currentSong()->deltaForTransposeKey(entry.key)) << row;
        }
        EXPECT_EQ(action("actNextSong")->isEnabled(), entry.hasNext) << row;
        EXPECT_EQ(action("actPrevSong")->isEnabled(), entry.hasPrev) << row;
        EXPECT_EQ(action("actTransposeUp")->isEnabled(), entry.key != nullptr) << row;
    };
    clickEntry(0);
    expectAt(0);
    for (int row = 1; row < int(std::size(entries)); ++row) {
        action("actNextSong")->trigger();
        expectAt(row);
    }
    for (int row = int(std::size(entries)) - 2; row >= 0; --row) {
        action("actPrevSong")->trigger();
        expectAt(row);
    }
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "stepping onto a missing song asks nothing";
}

TEST_F(PlaylistsPaneTest, ACancelledSaveQuestionQuietensFurtherChoicesForTwoSeconds)
{
    choosePlaylist("Set1");
    clickEntry(0);
    typeIntoEditor("x");
    dialogs.answers = {Dialogs::Answer::Other};
    clickEntry(1);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(currentSong()->title(), "Greensleeves");
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{0});

    clock.advanceSeconds(1);
    clickEntry(3);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(currentSong()->title(), "Greensleeves");

    clock.advanceSeconds(1);
    dialogs.answers = {Dialogs::Answer::Default};
    clickEntry(1);
    EXPECT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{1});
    EXPECT_TRUE(read(path("Greensleeves.pro")).contains("love\nx"));
}

TEST_F(PlaylistsPaneTest, TypingSelectsByTitlePrefixIgnoringCaseAndWrapping)
{
    choosePlaylist("Set1");
    clickEntry(4);
    dialogs.answers = {};
    playlistTable().keyboardSearch("gre");
    EXPECT_EQ(pane().selectedSongIndices(), QList<int>{0});
    EXPECT_EQ(currentSong()->title(), "Greensleeves");
    EXPECT_EQ(shownTransposition(), currentSong()->deltaForTransposeKey("D"));
    EXPECT_EQ(pane().typeSelect(2, 1, "AMAZ"), 1);
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(pane().typeSelect(0, 4, "xyz"), -1);
}

TEST_F(PlaylistsPaneTest, NotesGoAfterTheSelectedRowAndRemovedRowsLeaveTheFile)
{
    choosePlaylist("Set1");
    playlistTable().clearSelectionQuietly();
    dialogs.textAnswers = {QString()};
    pane().addNote();
    EXPECT_TRUE(read(path("Set1.lst")).startsWith("Set1\n#\nGreensleeves [D]\n"));
    EXPECT_EQ(dialogs.textPromptsShown.at(0).defaultButton, "OK");

    selectEntries({2});
    dialogs.textAnswers = {QStringLiteral("Break")};
    pane().addNote();
    EXPECT_EQ(read(path("Set1.lst")), "Set1\n#\nGreensleeves [D]\nAmazing Grace - Traditional [A]\n#Break\n"
                                      "#Tuning break\nWild Rover\nLost Song - Nobody\n");

    pane().sortByTitle();
    EXPECT_TRUE(pane().canUndoSort());
    selectEntries({1, 3});
    pane().removeSongsFromPlaylist();
    EXPECT_EQ(pane().currentPlayList()->songs().size(), 5);
    EXPECT_FALSE(pane().canUndoSort());
    Q_EMIT pane().menus().contextMenu()->aboutToShow();
    EXPECT_FALSE(pane().revertSortMenuItem()->isEnabled());
}

TEST_F(PlaylistsPaneTest, SortingShufflingAndRevertingRewriteTheFile)
{
    choosePlaylist("Pub");
    const QByteArray original = read(path("Live/Pub.lst")).toUtf8();
    EXPECT_FALSE(pane().revertSortMenuItem()->isEnabled());
    pane().sortByTitle();
    EXPECT_EQ(read(path("Live/Pub.lst")), "Pub\nAmazing Grace - Traditional\nGreensleeves\n");
    EXPECT_TRUE(pane().revertSortMenuItem()->isEnabled());
    pane().revertSort();
    EXPECT_EQ(read(path("Live/Pub.lst")).toUtf8(), original);

    choosePlaylist("Set1");
    pane().setRandomBelow([drawn = 0](int bound) mutable { return drawn++ % bound; });
    pane().shufflePlaylist();
    const QString shuffled = read(path("Set1.lst"));
    EXPECT_NE(shuffled, QString::fromUtf8(kSet1));
    QStringList shuffledLines = shuffled.split('\n');
    QStringList originalLines = QString::fromUtf8(kSet1).split('\n');
    shuffledLines.sort();
    originalLines.sort();
    EXPECT_EQ(shuffledLines, originalLines);
    pane().revertSort();
    EXPECT_EQ(read(path("Set1.lst")), QString::fromUtf8(kSet1));
}

TEST_F(PlaylistsPaneTest, RenamingWritesTheFileWhereItsCategoryAsks)
{
    struct Case
    {
        const char *playlist;
        const char *title;
        const char *newFile;
        const char *oldFile;
    };
    const Case cases[] = {
        {"Pub", "Pub Night", "Live/Pub Night.lst", "Live/Pub.lst"},
        {"Set1", "Set1", "Set1.lst", nullptr},
        {"Old", "Older", "Older.lst", "vellorin/Old.lst"},
    };
    for (const Case &c : cases) {
        choosePlaylist(c.playlist);
        dialogs.textAnswers = {QString::fromUtf8(c.title)};
        pane().renamePlaylist();
        EXPECT_EQ(dialogs.textPromptsShown.last().text, c.playlist);
        EXPECT_TRUE(QFile::exists(path(c.newFile))) << c.title;
        if (c.oldFile) {
            EXPECT_FALSE(QFile::exists(path(c.oldFile))) << c.title;
        }
        EXPECT_EQ(pane().currentPlayList()->title(), c.title);
        EXPECT_EQ(prefs().currentPlaylist(), std::optional<QString>(c.title));
    }
    EXPECT_TRUE(QFile::exists(trashedFile("Pub.lst")));
    EXPECT_EQ(filesIn("", "*.lst"), (QStringList{"Older.lst", "Set1.lst"}));

    const FailingWrites failing(TextFile::WriteStep::Write);
    dialogs.textAnswers = {QStringLiteral("Gig")};
    pane().renamePlaylist();
    EXPECT_EQ(pane().currentPlayList()->title(), "Older");
    EXPECT_TRUE(QFile::exists(path("Older.lst")));
    EXPECT_FALSE(QFile::exists(path("Gig.lst")));
}

TEST_F(PlaylistsPaneTest, OnAFullDiskEachChangeIsToldAndThePaneShowsWhatTheFileHolds)
{
    choosePlaylist("Pub");
    const QStringList entries = entryTitles();
    const QString file = read(path("Live/Pub.lst"));
    const FailingWrites failing(TextFile::WriteStep::Commit);
    pane().sortByTitle();
    EXPECT_EQ(entryTitles(), entries);
    EXPECT_EQ(read(path("Live/Pub.lst")), file);
    dialogs.textAnswers = {QStringLiteral("Encore")};
    pane().newPlaylist();
    EXPECT_EQ(pane().currentPlayList()->title(), "Pub");
    EXPECT_FALSE(popupItems().join(u'|').contains("Encore"));
    EXPECT_FALSE(QFile::exists(path("Encore.lst")));
    QStringList titles;
    for (const Dialogs::Alert &alert : dialogs.asked)
        titles.append(alert.title);
    EXPECT_EQ(titles, QStringList({"The playlist \u201cPub\u201d could not be saved.",
                                   "The playlist \u201cEncore\u201d could not be saved."}));
}

TEST_F(PlaylistsPaneTest, NewPlaylistIsShownAndAnEmptyNameChangesNothing)
{
    dialogs.textAnswers = {QStringLiteral("  "), QStringLiteral("Encore"), QStringLiteral("Pub")};
    pane().newPlaylist();
    EXPECT_EQ(pane().currentPlayList()->title(), "Old");
    pane().newPlaylist();
    EXPECT_EQ(pane().currentPlayList()->title(), "Encore");
    EXPECT_EQ(prefs().currentPlaylist(), std::optional<QString>("Encore"));
    EXPECT_TRUE(QFile::exists(path("Encore.lst")));
    pane().newPlaylist();
    EXPECT_EQ(pane().currentPlayList()->path(), path("Live/Pub.lst"));
}

TEST_F(PlaylistsPaneTest, TagsTakeTheirDirectionFromTheCurrentSongAndGoToSongFilesOnly)
{
    choosePlaylist("Set1");
    clickEntry(1);
    selectEntries({0, 1, 2, 4});
    Q_EMIT playlistTable().selectionDidChange();
    EXPECT_TRUE(pane().menus().tagsMenuItem()->isEnabled());
    // The current song carries Hymn: it is taken away.
    pane().menus().tagSelected("Hymn");
    EXPECT_FALSE(read(path("Amazing Grace.pro")).contains("{tag: Hymn}"));
    EXPECT_FALSE(read(path("Greensleeves.pro")).contains("{tag: Hymn}"));
    EXPECT_FALSE(currentSong()->tags().contains("Hymn"));

    const QStringList songFiles = filesIn("", "*.pro");
    // Writing the current song showed the playlist again, with the current song's row alone selected.
    selectEntries({0, 1, 2, 4});
    dialogs.textAnswers = {QStringLiteral("Gig}")};
    pane().menus().newTag();
    EXPECT_TRUE(read(path("Amazing Grace.pro")).contains("{tag: Gig)}"));
    EXPECT_TRUE(read(path("Greensleeves.pro")).contains("{tag: Gig)}"));
    EXPECT_EQ(filesIn("", "*.pro"), songFiles) << "no file for the missing song or the note";
    EXPECT_EQ(prefs().currentTag(), std::optional<QString>("Gig)"));
    EXPECT_TRUE(currentSong()->tags().contains("Gig)"));
    EXPECT_FALSE(editor().isDirty());

    selectEntries({2, 4});
    Q_EMIT playlistTable().selectionDidChange();
    EXPECT_FALSE(pane().menus().tagsMenuItem()->isEnabled());
}

TEST_F(PlaylistsPaneTest, CopyAsTextGivesThePlaylistKeyFirstAndEachEntryItsLine)
{
    prefs().setShowTimeColumn(true);
    choosePlaylist("Set1");
    selectEntries({0, 1, 2, 3, 4});
    pane().menus().copyAsText();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Greensleeves [D] 3:05\nAmazing Grace - Traditional [A] 3:00\n"
                                                    "#Tuning break\nWild Rover [D]\nLost Song - Nobody\n");
    EXPECT_EQ(PlaylistsViewController::textForEntries(pane().selectedSongs().mid(0, 1), false), "Greensleeves [D]\n");
}

TEST_F(PlaylistsPaneTest, AddingToAnotherPlaylistTakesTheEntriesWithTheirKeys)
{
    choosePlaylist("Set1");
    clickEntry(1);
    selectEntries({0, 2});
    const QList<QAction *> items = pane().menus().addToPlaylistMenu()->actions();
    const auto pub = std::find_if(items.cbegin(), items.cend(), [](QAction *item) { return item->text() == "Pub"; });
    ASSERT_NE(pub, items.cend());
    (*pub)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(read(path("Live/Pub.lst")), "Pub\nGreensleeves\nAmazing Grace - Traditional\nGreensleeves [D]\n"
                                          "#Tuning break\n");
    EXPECT_TRUE(popupItems().contains("Pub (3, 9:10)"));
}

TEST_F(PlaylistsPaneTest, ADropReordersThePlaylistAndShowsItAgain)
{
    choosePlaylist("Set1");
    PlayListTableModel &model = *pane().model();
    const std::unique_ptr<QMimeData> data(model.mimeData({model.index(3, 0)}));
    ASSERT_TRUE(model.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(read(path("Set1.lst")).startsWith("Set1\nWild Rover\nGreensleeves [D]\n"));
    EXPECT_EQ(entryTitles().first(), "Wild Rover");
}

TEST_F(PlaylistsPaneTest, TheCommandsSitInTheContextMenuAndBehindTheButton)
{
    choosePlaylist("Set1");
    EXPECT_EQ(pane().commandsButton()->menu(), pane().menus().contextMenu());
    QStringList titles;
    for (QAction *item : pane().menus().contextMenu()->actions())
        titles.append(item->text());
    for (const char *title :
         {"Add to Playlist", "Tags", "Copy as Text", "Add Note…", "Remove from Playlist", "Sort by Title",
          "Sort by Subtitle", "Sort by Key", "Shuffle", "Revert Sort", "New Playlist…", "Rename Playlist…",
          "Delete Playlist…", "Show Playlist in File Manager", "Sort Playlists by Date"})
        EXPECT_TRUE(titles.contains(title)) << title;

    const OpenedUrls opened;
    pane().showPlaylistInFinder();
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl::fromLocalFile(folder.path())});

    pane().toggleSortPlaylistsByDate();
    EXPECT_TRUE(pane().sortPlaylistsMenuItem()->isChecked());
    EXPECT_TRUE(Prefs::initFromFileSystem()->sortPlaylistsByDate()) << "kept at once";
}

TEST_F(PlaylistsPaneTest, ColumnWidthsGoIntoTheWindowLayoutAndBack)
{
    VellorinWindowLayout layout;
    layout.setSonglistcol0(0.5);
    layout.setSonglistcol1(0.3);
    layout.setSonglistcol2(0.2);
    pane().loadLayout(layout);
    VellorinWindowLayout saved;
    pane().saveLayout(saved);
    EXPECT_NEAR(saved.songlistcol0(), 0.5, 0.02);
    EXPECT_NEAR(saved.songlistcol1(), 0.3, 0.02);
    EXPECT_EQ(saved.songlistcol3(), 0);
}
