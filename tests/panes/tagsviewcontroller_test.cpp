// The tags pane in the launched application: the tag pop-up, the songs of a tag, removing a tag, deleting the
// current song and dragging songs out.
#include "tagsviewcontroller.h"

#include "logcapture.h"
#include "mainwindow.h"
#include "panesplitview.h"
#include "panestestwindow.h"
#include "prefs.h"
#include "songcontextmenus.h"
#include "songeditviewcontroller.h"
#include "songs.h"
#include "songstablemodel.h"
#include "songtableview.h"
#include "vellorinappdelegate.h"
#include "vellorinwindowlayout.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {

class TagsPaneTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        writeSampleFolder();
        write("Amazing Grace.pro", "{title: Amazing Grace}\n{key: G}\n{tag: Hymn}\n");
        write("Live/Wild Rover.pro", "{title: Wild Rover}\n{key: D}\n{tag: Irish}\n{tag: ballad}\n");
        write("Live/amsterdam.pro", "{title: amsterdam}\n{key: Am}\n{tag: Irish}\n");
        write("Score.pdf", "%PDF-1.4 not really a document");
        launch();
        delegate->splitView()->showList(PaneSplitView::TagsType);
    }

    TagsViewController &tags() const { return *dynamic_cast<TagsViewController *>(delegate->panes().tags); }
    QStringList popupItems() const
    {
        QStringList items;
        for (int index = 0; index < tags().tagsPopup()->count(); ++index)
            items.append(tags().tagsPopup()->itemText(index));
        return items;
    }
    void chooseTag(const QString &item)
    {
        const int index = int(popupItems().indexOf(item));
        ASSERT_GE(index, 0) << item.toStdString();
        tags().tagsPopup()->setCurrentIndex(index);
        tags().selectTag(index);
    }
    QStringList tagRows() const
    {
        QStringList titles;
        for (const SongPtr &song : tags().songsForTag())
            titles.append(song->title());
        return titles;
    }
    void selectTagRows(const QStringList &titles)
    {
        SongTableView &table = *tags().songsTable();
        const QSignalBlocker quiet(table.selectionModel());
        table.clearSelection();
        for (const QString &title : titles)
            table.selectionModel()->select(table.model()->index(int(tagRows().indexOf(title)), 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

} // namespace

TEST_F(TagsPaneTest, ThePopupListsEveryTagWithItsCountByNameIgnoringCase)
{
    EXPECT_EQ(popupItems(), (QStringList{"Songs w/o tags", "ballad (1)", "Hymn (1)", "Irish (2)"}));
    EXPECT_EQ(tags().currentTag(), "");
    EXPECT_EQ(tagRows(), (QStringList{"Score", "Yesterday"}));
    EXPECT_FALSE(tags().removeTagMenuItem()->isEnabled());

    chooseTag("Irish (2)");
    EXPECT_EQ(tagRows(), (QStringList{"amsterdam", "Wild Rover"}));
    EXPECT_EQ(prefs().currentTag(), std::optional<QString>("Irish"));
    EXPECT_TRUE(tags().removeTagMenuItem()->isEnabled());
    EXPECT_EQ(tags().model()->headerData(2, Qt::Horizontal).toString(), "Key");

    // A header click sorts the tag's songs too.
    QHeaderView &header = *tags().songsTable()->horizontalHeader();
    QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header.sectionViewportPosition(2) + 5, 5));
    EXPECT_TRUE(prefs().sortbykey());
    EXPECT_EQ(tagRows(), (QStringList{"amsterdam", "Wild Rover"}));
    EXPECT_EQ(tags().currentTag(), "Irish");
}

TEST_F(TagsPaneTest, AStoredTagThatNoLongerExistsFallsBackToTheSongsWithoutTags)
{
    prefs().setCurrentTag(QStringLiteral("Gone"));
    tags().refresh();
    EXPECT_EQ(tags().tagsPopup()->currentIndex(), 0);
    EXPECT_EQ(tags().currentTag(), "");
    EXPECT_EQ(tagRows(), (QStringList{"Score", "Yesterday"}));
}

TEST_F(TagsPaneTest, RemovingTheChosenTagFromItsLastSongsFallsBack)
{
    chooseTag("Irish (2)");
    clickRow(rowOfTitle("Wild Rover"));
    selectTagRows({"amsterdam", "Wild Rover"});
    tags().removeTag();
    EXPECT_EQ(read(path("Live/Wild Rover.pro")), "{title: Wild Rover}\n{key: D}\n\n{tag: ballad}\n");
    EXPECT_EQ(read(path("Live/amsterdam.pro")), "{title: amsterdam}\n{key: Am}\n\n");
    EXPECT_EQ(popupItems(), (QStringList{"Songs w/o tags", "ballad (1)", "Hymn (1)"}));
    EXPECT_EQ(tags().currentTag(), "");
    EXPECT_EQ(tagRows(), (QStringList{"amsterdam", "Score", "Yesterday"}));
    EXPECT_FALSE(tags().removeTagMenuItem()->isEnabled());
    // The editor shows the current song's file as it is now: its next save keeps the tag removed.
    EXPECT_FALSE(editor().isDirty());
    EXPECT_FALSE(currentSong()->text().contains("Irish"));
}

TEST_F(TagsPaneTest, ADeletedCurrentSongWithUnsavedEditsStaysInTheTrash)
{
    chooseTag("Irish (2)");
    clickRow(rowOfTitle("amsterdam"));
    tags().selectCurrentSong();
    typeIntoEditor("edited");
    dialogs.answers = {Dialogs::Answer::Default};
    tags().deleteSelectedSong();
    ASSERT_EQ(dialogs.asked.size(), 1) << "no save question for a song that is deleted";
    EXPECT_EQ(dialogs.asked.at(0).title, "Delete song?");
    EXPECT_EQ(dialogs.asked.at(0).informativeText, "amsterdam");
    EXPECT_FALSE(QFile::exists(path("Live/amsterdam.pro")));
    EXPECT_EQ(tagRows(), QStringList{"Wild Rover"});
    delegate->applicationWillTerminate();
    tags().refresh();
    EXPECT_FALSE(QFile::exists(path("Live/amsterdam.pro")));

    // Without a current file, Delete asks nothing.
    tags().deleteSelectedSong();
    EXPECT_EQ(dialogs.asked.size(), 1);
}

TEST_F(TagsPaneTest, DraggedRowsGoOutAsFileUrlsInRowOrder)
{
    chooseTag("Irish (2)");
    SongsTableModel &model = *tags().model();
    LogCapture log;
    const std::unique_ptr<QMimeData> data(model.mimeData({model.index(1, 0), model.index(0, 3), model.index(1, 2)}));
    EXPECT_EQ(data->urls(), (QList<QUrl>{QUrl::fromLocalFile(path("Live/amsterdam.pro")),
                                         QUrl::fromLocalFile(path("Live/Wild Rover.pro"))}));
    EXPECT_TRUE(log.hasLineStartingWith("Adding file://"));
    EXPECT_EQ(model.supportedDragActions(), Qt::CopyAction);
}

TEST_F(TagsPaneTest, TheTagsItemFollowsTheChosenSong)
{
    const QRect scoreRow = tags().songsTable()->visualRect(tags().model()->index(0, 0));
    QMenu *menu = tags().songsTable()->menuForEvent(scoreRow.center());
    ASSERT_EQ(menu, tags().menus().contextMenu());
    EXPECT_EQ(currentSong()->title(), "Score");
    EXPECT_FALSE(tags().menus().tagsMenuItem()->isEnabled());
    const QRect yesterdayRow = tags().songsTable()->visualRect(tags().model()->index(1, 0));
    tags().songsTable()->menuForEvent(yesterdayRow.center());
    EXPECT_EQ(currentSong()->title(), "Yesterday");
    EXPECT_TRUE(tags().menus().tagsMenuItem()->isEnabled());
    EXPECT_EQ(tags().selectedSongs().size(), 1);
}

TEST_F(TagsPaneTest, AHiddenPaneTakesItsColumnWidthsWhenItIsShown)
{
    // Column widths loaded while the pane is hidden once left every column without width and the header blank.
    delegate->window()->resize(1400, 900);
    delegate->splitView()->showList(PaneSplitView::SongListType);
    QCoreApplication::processEvents();
    SongTableView &table = *tags().songsTable();
    ASSERT_FALSE(table.isVisible());
    VellorinWindowLayout layout;
    layout.setSonglistcol0(0.5);
    layout.setSonglistcol1(0.3);
    layout.setSonglistcol2(0.2);
    tags().loadLayout(layout);
    delegate->splitView()->showList(PaneSplitView::TagsType);
    QCoreApplication::processEvents();
    ASSERT_TRUE(table.isVisible());
    ASSERT_GT(table.viewport()->width(), 150);
    // Within a few pixels: the table may settle its width once more after showing.
    EXPECT_NEAR(table.columnWidth(0), 0.5 * table.viewport()->width(), 3);
    EXPECT_NEAR(table.columnWidth(1), 0.3 * table.viewport()->width(), 3);
}

TEST_F(TagsPaneTest, SwitchingATagHereKeepsTheChosenTag)
{
    chooseTag("Irish (2)");
    const QRect amsterdamRow = tags().songsTable()->visualRect(tags().model()->index(0, 0));
    ASSERT_TRUE(tags().songsTable()->menuForEvent(amsterdamRow.center()));
    ASSERT_EQ(currentSong()->title(), "amsterdam");
    QAction *ballad = nullptr;
    for (QAction *action : tags().menus().tagsMenu()->actions())
        ballad = action->text() == "ballad" ? action : ballad;
    ASSERT_TRUE(ballad);
    ballad->trigger();
    EXPECT_EQ(read(path("Live/amsterdam.pro")), "{title: amsterdam}\n{key: Am}\n{tag: Irish}\n\n{tag: ballad}");
    EXPECT_EQ(prefs().currentTag(), std::optional<QString>("Irish"));
    EXPECT_EQ(tags().currentTag(), "Irish");
    EXPECT_EQ(popupItems(), (QStringList{"Songs w/o tags", "ballad (2)", "Hymn (1)", "Irish (2)"}));
    EXPECT_EQ(tags().selectedSongs().value(0)->title(), "amsterdam");
}
