// The song list pane in the launched application: categories, search, sorting, type-select, selection with the
// save question, deleting, re-filing and column widths.
#include "songlistviewcontroller.h"

#include "categories.h"
#include "doubleclicktextview.h"
#include "filename.h"
#include "libraryload.h"
#include "logcapture.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "panesplitview.h"
#include "panestestwindow.h"
#include "prefs.h"
#include "rawfiles.h"
#include "scopedenv.h"
#include "songeditviewcontroller.h"
#include "songs.h"
#include "songtableview.h"
#include "testfiles.h"
#include "vellorinappdelegate.h"
#include "vellorinwindowlayout.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

class SongListTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        writeSampleFolder();
        launch();
    }

    // Chooses the first item of the tag whose title shows the name, as a person reading the titles would.
    void chooseCategory(int tag, const QString &name = QString())
    {
        QComboBox &popup = *songList().categoryPopupButton();
        for (int index = 0; index < popup.count(); ++index) {
            if (popup.itemData(index).toInt() == tag &&
                (name.isEmpty() ||
                 popup.itemText(index).startsWith(FileName::displayName(name) + QStringLiteral(" (")))) {
                popup.setCurrentIndex(index);
                return songList().selectCategory(index);
            }
        }
        ADD_FAILURE() << "no category " << name.toStdString();
    }
};

} // namespace

TEST_F(SongListTest, ShowsTheFoldersSongsByCategory)
{
    EXPECT_EQ(rowTitles(), (QStringList{"Amazing Grace", "amsterdam", "Wild Rover", "Yesterday"}));
    QComboBox &popup = *songList().categoryPopupButton();
    QStringList items;
    for (int index = 0; index < popup.count(); ++index)
        items.append(popup.itemText(index));
    EXPECT_EQ(items, (QStringList{"- All Songs - (4)", "- Unfiled - (1)", "Blues (1)", "Live (2)"}));

    chooseCategory(Categories::CategoryTag, "Live");
    EXPECT_EQ(rowTitles(), (QStringList{"amsterdam", "Wild Rover"}));
    EXPECT_EQ(prefs().currentCategory(), std::optional<QString>("Live"));
    EXPECT_EQ(popup.currentText(), "Live (2)");

    chooseCategory(Categories::UnfiledTag);
    EXPECT_EQ(rowTitles(), QStringList{"Amazing Grace"});

    // A category removed from disk falls back to all songs at the next refresh.
    chooseCategory(Categories::CategoryTag, "Blues");
    ASSERT_TRUE(QDir(path("Blues")).removeRecursively());
    songList().refresh();
    EXPECT_EQ(delegate->songs()->currentCategory(), std::nullopt);
    EXPECT_EQ(rowTitles().size(), 3);
}

TEST_F(SongListTest, TheLaunchAndAFolderChangeReadTheLibraryOnce)
{
    const auto libraryReads = [](const LogCapture &log) {
        return log.lines().filter(QRegularExpression(QStringLiteral("^Songs refresh$"))).size();
    };
    delegate.reset();
    {
        LogCapture log;
        launch();
        EXPECT_EQ(libraryReads(log), 1);
        EXPECT_EQ(rowTitles(), (QStringList{"Amazing Grace", "amsterdam", "Wild Rover", "Yesterday"}));
    }
    // Another program adds a song: the refresh the folder watcher starts reads once and lists it.
    write("Blues/Crossroads.pro", "{title: Crossroads}\n[E]I went down\n");
    LogCapture log;
    delegate->refresh();
    EXPECT_EQ(libraryReads(log), 1);
    EXPECT_EQ(rowTitles(), (QStringList{"Amazing Grace", "amsterdam", "Crossroads", "Wild Rover", "Yesterday"}));
}

TEST_F(SongListTest, SelectingARowShowsItsSongInTheSongPane)
{
    clickRow(rowOfTitle("Wild Rover"));
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(currentSong()->title(), "Wild Rover");
    EXPECT_EQ(songPaneSong(), currentSong());
    EXPECT_EQ(songList().selectedSongs().size(), 1);
    EXPECT_TRUE(dialogs.asked.isEmpty());

    // The next launch selects it again.
    delegate.reset();
    launch();
    EXPECT_EQ(currentSong()->title(), "Wild Rover");
    EXPECT_EQ(songList().selectedSongs().value(0), currentSong());
}

TEST_F(SongListTest, SearchNarrowsTheRowsAndKeepsOrReplacesTheCurrentSong)
{
    clickRow(rowOfTitle("Yesterday"));
    songList().searchField()->setText("ye");
    EXPECT_EQ(rowTitles(), QStringList{"Yesterday"});
    EXPECT_EQ(currentSong()->title(), "Yesterday");

    // The current song filtered out: the first row becomes current.
    songList().searchField()->setText("wild");
    EXPECT_EQ(rowTitles(), QStringList{"Wild Rover"});
    EXPECT_EQ(currentSong()->title(), "Wild Rover");

    songList().searchField()->clear();
    EXPECT_EQ(rowTitles().size(), 4);
    EXPECT_EQ(songList().selectedSongs().value(0)->title(), "Wild Rover");
}

TEST_F(SongListTest, TypingASearchNeverAsksAboutUnsavedChanges)
{
    clickRow(rowOfTitle("Yesterday"));
    typeIntoEditor("x");
    QTest::keyClicks(songList().searchField(), "amazing");
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(rowTitles(), QStringList{"Amazing Grace"});
    // The edited song stays current, with its edits, until the user picks a row.
    EXPECT_EQ(currentSong()->title(), "Yesterday");
    EXPECT_TRUE(editor().isDirty());

    dialogs.answers = {Dialogs::Answer::Default};
    clickRow(0);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(read(path("Blues/Yesterday.pro")), "{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\nx");
}

TEST_F(SongListTest, AHeaderClickSortsByThatColumn)
{
    struct Case
    {
        int column;
        QStringList titles;
    };
    const Case cases[] = {
        {2, {"amsterdam", "Wild Rover", "Yesterday", "Amazing Grace"}},
        {1, {"Wild Rover", "Yesterday", "amsterdam", "Amazing Grace"}},
        {0, {"Amazing Grace", "amsterdam", "Wild Rover", "Yesterday"}},
    };
    for (const Case &c : cases) {
        QTest::mouseClick(table().horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(table().horizontalHeader()->sectionViewportPosition(c.column) + 5, 5));
        EXPECT_EQ(rowTitles(), c.titles) << c.column;
        EXPECT_EQ(prefs().sortbykey(), c.column == 2);
        EXPECT_EQ(prefs().sortbysubtitle(), c.column == 1);
        EXPECT_TRUE(table().selectionModel()->selectedColumns().isEmpty());
    }
}

TEST_F(SongListTest, SortingUnderASearchKeepsExactlyTheFoundSongs)
{
    QTest::keyClicks(songList().searchField(), "am");
    ASSERT_EQ(rowTitles(), (QStringList{"Amazing Grace", "amsterdam"}));
    struct Case
    {
        const char *how; // a column's header, or a menu command
        int column;
        QStringList titles;
    };
    const Case cases[] = {
        {"key", 2, {"amsterdam", "Amazing Grace"}},
        {"subtitle", 1, {"amsterdam", "Amazing Grace"}},
        {"actSortBySubtitle", -1, {"amsterdam", "Amazing Grace"}},
        {"actSortByKey", -1, {"amsterdam", "Amazing Grace"}},
        {"title", 0, {"Amazing Grace", "amsterdam"}},
    };
    for (const Case &c : cases) {
        if (c.column >= 0) {
            QTest::mouseClick(table().horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(table().horizontalHeader()->sectionViewportPosition(c.column) + 5, 5));
        } else {
            QAction *command = delegate->menus()->action(QString::fromLatin1(c.how));
            command->setEnabled(true);
            command->trigger();
        }
        EXPECT_EQ(rowTitles(), c.titles) << c.how;
        EXPECT_EQ(songList().searchField()->text(), "am") << c.how;
    }
}

TEST_F(SongListTest, TypeSelectFindsTheSortedFieldsBeginningIgnoringCase)
{
    // Rows: Amazing Grace, amsterdam, Wild Rover, Yesterday.
    EXPECT_EQ(songList().typeSelect(0, 3, "am"), 0);
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(songList().typeSelect(1, 0, "AM"), 1);
    EXPECT_EQ(currentSong()->title(), "amsterdam");
    // From the last row on, wrapping to the first.
    EXPECT_EQ(songList().typeSelect(3, 2, "wi"), 2);
    EXPECT_EQ(songList().typeSelect(0, 3, "zz"), -1);

    prefs().setSortbykey(true);
    EXPECT_EQ(songList().typeSelect(0, 3, "f"), 3);
    prefs().setSortbykey(false);
    prefs().setSortbydate(true);
    EXPECT_EQ(songList().typeSelect(0, 3, "a"), -1);
}

TEST_F(SongListTest, ACancelledSaveQuestionKeepsTheSelectionAndQuietensFurtherClicks)
{
    clickRow(rowOfTitle("Yesterday"));
    typeIntoEditor("x");
    dialogs.answers = {Dialogs::Answer::Other};
    clickRow(rowOfTitle("Wild Rover"));
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(currentSong()->title(), "Yesterday");
    EXPECT_EQ(songList().selectedSongs().value(0)->title(), "Yesterday");

    // Within two seconds further clicks are refused without a question.
    clock.advanceSeconds(1);
    clickRow(rowOfTitle("Amazing Grace"));
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(currentSong()->title(), "Yesterday");

    clock.advanceSeconds(1);
    dialogs.answers = {Dialogs::Answer::Alternate};
    clickRow(rowOfTitle("Amazing Grace"));
    EXPECT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(currentSong()->title(), "Amazing Grace");
    EXPECT_EQ(read(path("Blues/Yesterday.pro")), "{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\n");
}

TEST_F(SongListTest, DeletingAsksAboutTheSelectedSongsAndMovesThemToTheTrash)
{
    clickRow(rowOfTitle("Yesterday"));
    // Another row selected than the current song's: the question names what is deleted, the selection.
    selectRows({"Wild Rover"});
    dialogs.answers = {Dialogs::Answer::Alternate};
    songList().deleteSelectedSongs();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.at(0).title, "Delete song?");
    EXPECT_EQ(dialogs.asked.at(0).informativeText, "Wild Rover");
    EXPECT_TRUE(QFile::exists(path("Live/Wild Rover.pro")));

    selectRows({"Wild Rover", "amsterdam"});
    dialogs.answers = {Dialogs::Answer::Default};
    songList().deleteSelectedSongs();
    EXPECT_EQ(dialogs.asked.at(1).title, "Delete 2 songs?");
    EXPECT_EQ(dialogs.asked.at(1).informativeText, "amsterdam - Brel\nWild Rover");
    EXPECT_FALSE(QFile::exists(path("Live/Wild Rover.pro")));
    EXPECT_FALSE(QFile::exists(path("Live/amsterdam.pro")));
    EXPECT_EQ(rowTitles(), (QStringList{"Amazing Grace", "Yesterday"}));
    EXPECT_EQ(currentSong()->title(), "Yesterday");
    EXPECT_TRUE(QDir(QDir::home().filePath(".local/share/Trash/files")).exists("Wild Rover.pro"));
}

TEST_F(SongListTest, ADeletedCurrentSongWithUnsavedEditsDoesNotComeBack)
{
    clickRow(rowOfTitle("Yesterday"));
    typeIntoEditor("edited");
    dialogs.answers = {Dialogs::Answer::Default};
    songList().deleteSelectedSongs();
    EXPECT_EQ(dialogs.asked.size(), 1) << "no save question for a song that is deleted";
    EXPECT_FALSE(QFile::exists(path("Blues/Yesterday.pro")));
    // Another song is shown, and nothing writes the deleted one back.
    ASSERT_TRUE(currentSong());
    EXPECT_NE(currentSong()->title(), "Yesterday");
    EXPECT_FALSE(editor().isDirty());
    delegate->applicationWillTerminate();
    songList().refresh();
    EXPECT_FALSE(QFile::exists(path("Blues/Yesterday.pro")));
    EXPECT_EQ(rowTitles().indexOf("Yesterday"), -1);
}

// A load that listed the files before they went must not bring them back: the rows are read again once it is taken.
TEST_F(SongListTest, SongsDeletedWhileTheLibraryLoadsStayGone)
{
    clickRow(rowOfTitle("Yesterday"));
    delegate->songs()->refreshInBackground();
    ASSERT_TRUE(delegate->songs()->isLoading());
    selectRows({"Yesterday"});
    dialogs.answers = {Dialogs::Answer::Default};
    songList().deleteSelectedSongs();
    ASSERT_TRUE(waitForLibrary(*delegate->songs()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(path("Blues/Yesterday.pro")));
    EXPECT_EQ(rowTitles().indexOf("Yesterday"), -1);
    ASSERT_TRUE(currentSong());
    EXPECT_NE(currentSong()->title(), "Yesterday");
}

TEST_F(SongListTest, ChangingTheCategoryWritesTheNewFileThenRemovesTheOldOne)
{
    clickRow(rowOfTitle("Amazing Grace"));
    dialogs.textAnswers = {QStringLiteral("Rock/Pop")};
    songList().changeCategoryOfSelectedSongs();
    ASSERT_EQ(dialogs.textPromptsShown.size(), 1);
    EXPECT_EQ(dialogs.textPromptsShown.at(0).choices, (QStringList{"Blues", "Live"}));
    EXPECT_FALSE(QFile::exists(path("Amazing Grace.pro")));
    EXPECT_EQ(read(path("Rock Pop/Amazing Grace - Traditional.pro")),
              "{title: Amazing Grace}\n{subtitle: Traditional}\n{key: G}\n[G]Amazing [C]grace\n");
    EXPECT_EQ(currentSong()->category(), "Rock Pop");
    EXPECT_EQ(songList().selectedSongs().value(0)->title(), "Amazing Grace");

    // Back to the song folder itself.
    dialogs.textAnswers = {QString()};
    songList().changeCategoryOfSelectedSongs();
    EXPECT_TRUE(QFile::exists(path("Amazing Grace - Traditional.pro")));
    EXPECT_FALSE(QFile::exists(path("Rock Pop/Amazing Grace - Traditional.pro")));
}

// A file whose name is not UTF-8 beside one whose name holds U+FFFD itself, as Qt would spell the first: every
// command acts on the file the row stands for.
TEST_F(SongListTest, ASongWhoseNameIsNotUtf8IsShownRefiledDeletedAndNeverMistakenForAnother)
{
    const QByteArray folder = QFile::encodeName(path(QString()));
    const QByteArray raw = folder + "/Caf\xe9.pro";
    const QByteArray decoy = folder + "/Caf\xef\xbf\xbd.pro";
    for (const QByteArray &name : {raw, decoy}) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray text = name == raw ? "{key: C}\n[C]Caf\xc3\xa9 au lait\n" : "{title: Decoy}\n";
        ASSERT_EQ(::write(fd, text.constData(), text.size()), text.size());
        ::close(fd);
    }
    songList().refresh();
    const QString shown = QStringLiteral("Caf\ufffd");
    ASSERT_NE(rowOfTitle(shown), -1) << rowTitles().join(u',').toStdString();
    clickRow(rowOfTitle(shown));
    ASSERT_TRUE(currentSong());
    EXPECT_TRUE(currentSong()->text().contains(QStringLiteral("Caf\u00e9 au lait")));

    // Re-filed, it is written under a readable name in the new folder and its own old file goes.
    songList().refresh();
    clickRow(rowOfTitle(shown));
    dialogs.textAnswers = {QStringLiteral("Archive")};
    songList().changeCategoryOfSelectedSongs();
    EXPECT_NE(::access(raw.constData(), F_OK), 0) << "the old file was removed";
    EXPECT_EQ(::access(decoy.constData(), F_OK), 0) << "the other file was left alone";
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(QFileInfo(currentSong()->path()).path(), path(QStringLiteral("Archive")));
    EXPECT_TRUE(read(currentSong()->path()).contains("Caf\xc3\xa9 au lait")) << currentSong()->path().toStdString();

    // Deleted, it goes to the Trash under its own bytes, and the other file stays.
    RawFiles::write(raw, "{key: C}\n[C]Caf\xc3\xa9 au lait\n");
    songList().refresh();
    chooseCategory(Categories::UnfiledTag);
    const qsizetype asked = dialogs.asked.size();
    LogCapture log;
    selectRows({shown});
    dialogs.answers = {Dialogs::Answer::Default};
    songList().deleteSelectedSongs();
    EXPECT_FALSE(RawFiles::exists(raw));
    EXPECT_EQ(RawFiles::read(QFile::encodeName(QDir::home().filePath(".local/share/Trash/files")) + "/Caf\xe9.pro"),
              "{key: C}\n[C]Caf\xc3\xa9 au lait\n");
    EXPECT_EQ(::access(decoy.constData(), F_OK), 0) << "the other file was left alone";
    EXPECT_EQ(rowTitles().indexOf(shown), -1);
    EXPECT_EQ(dialogs.asked.size(), asked + 1) << "only the question";
    EXPECT_EQ(log.lines().filter(QStringLiteral("Cannot move")), QStringList());
    ::unlink(decoy.constData());
}

// A song whose file cannot go to the Trash stays listed and shown with its edits, and the user is told once.
TEST_F(SongListTest, ASongThatCannotGoToTheTrashStaysAndTheFailureIsTold)
{
    QTemporaryDir data;
    const ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(data.path()));
    RawFiles::write(QFile::encodeName(data.path()) + "/Trash", "a file where the Trash would be");
    clickRow(rowOfTitle("Yesterday"));
    typeIntoEditor("edited");
    selectRows({"Yesterday", "Wild Rover"});
    dialogs.answers = {Dialogs::Answer::Default, Dialogs::Answer::Default};
    LogCapture log;
    songList().deleteSelectedSongs();
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked.at(1).title,
              "The songs \u201cWild Rover\u201d, \u201cYesterday\u201d could not be moved to the Trash.");
    EXPECT_TRUE(dialogs.asked.at(1).informativeText.endsWith("What could not be moved stays where it was."))
        << qPrintable(dialogs.asked.at(1).informativeText);
    EXPECT_TRUE(
        log.hasLineStartingWith(QStringLiteral("Cannot move %1 to the Trash: ").arg(path("Blues/Yesterday.pro"))));
    EXPECT_TRUE(QFile::exists(path("Blues/Yesterday.pro")));
    EXPECT_TRUE(QFile::exists(path("Live/Wild Rover.pro")));
    EXPECT_EQ(rowTitles(), (QStringList{"Amazing Grace", "amsterdam", "Wild Rover", "Yesterday"}));
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(currentSong()->path(), path("Blues/Yesterday.pro"));
    EXPECT_TRUE(currentSong()->text().contains("edited")) << "the edits were not dropped";
}

// A category folder whose name is not UTF-8, beside one whose name holds U+FFFD itself: both are titled readably,
// and each title leads to its own folder.
TEST_F(SongListTest, TheCategoryPopupTitlesAFolderReadablyAndChoosesTheRealOne)
{
    const QByteArray folder = QFile::encodeName(path(QString()));
    const QByteArray raw = folder + "/Lieder \xe9t\xe9";
    const QByteArray readable = folder + "/Lieder \xef\xbf\xbdt\xef\xbf\xbd";
    RawFiles::makeFolder(raw);
    RawFiles::makeFolder(readable);
    RawFiles::write(raw + "/Heimweh.pro", "{title: Heimweh}\n");
    RawFiles::write(readable + "/Fernweh.pro", "{title: Fernweh}\n");
    songList().refresh();
    QComboBox &popup = *songList().categoryPopupButton();
    const QString title = QStringLiteral("Lieder \ufffdt\ufffd (1)");
    QList<int> indices;
    for (int index = 0; index < popup.count(); ++index) {
        EXPECT_FALSE(FileName::hasRawBytes(popup.itemText(index))) << qPrintable(popup.itemText(index));
        if (popup.itemText(index) == title)
            indices.append(index);
    }
    ASSERT_EQ(indices.size(), 2);
    QStringList shownSongs;
    for (const int index : indices) {
        popup.setCurrentIndex(index);
        songList().selectCategory(index);
        shownSongs.append(rowTitles().join(u','));
        const QString category = delegate->songs()->currentCategory().value_or(QString());
        EXPECT_EQ(FileName::toBytes(QDir(path(QString())).filePath(category)),
                  rowTitles() == QStringList{"Heimweh"} ? raw : readable);
        // Refreshed, the popup still shows the chosen item under its readable title.
        songList().refresh();
        EXPECT_EQ(popup.currentText(), title);
        EXPECT_EQ(delegate->songs()->currentCategory(), category);
    }
    shownSongs.sort();
    EXPECT_EQ(shownSongs, (QStringList{"Fernweh", "Heimweh"}));
    RawFiles::removeTree(raw);
}

TEST_F(SongListTest, ACategoryNeverLeadsOutOfTheSongFolder)
{
    clickRow(rowOfTitle("Amazing Grace"));
    for (const char *typed : {"..", "../..", ".hidden"}) {
        dialogs.textAnswers = {QString::fromLatin1(typed)};
        dialogs.answers = {Dialogs::Answer::Default};
        songList().changeCategoryOfSelectedSongs();
        EXPECT_TRUE(QFile::exists(path("Amazing Grace.pro"))) << typed;
    }
    EXPECT_EQ(dialogs.asked.size(), 3);
}

TEST_F(SongListTest, AReFiledSongWhoseNewFileCannotBeWrittenStaysWhereItWas)
{
    clickRow(rowOfTitle("Amazing Grace"));
    // A file where the category folder would be: the folder cannot be made, the song cannot be written there.
    write("Archive", "not a folder");
    dialogs.textAnswers = {QStringLiteral("Archive")};
    LogCapture log;
    songList().changeCategoryOfSelectedSongs();
    EXPECT_TRUE(log.hasLineStartingWith("Error writing "));
    EXPECT_EQ(read(path("Amazing Grace.pro")),
              "{title: Amazing Grace}\n{subtitle: Traditional}\n{key: G}\n[G]Amazing [C]grace\n");
    EXPECT_EQ(currentSong()->path(), path("Amazing Grace.pro"));
    EXPECT_EQ(currentSong()->category(), "");
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.constFirst().title,
              "The category \u201cArchive\u201d for \u201cAmazing Grace\u201d could not be saved.");
    EXPECT_TRUE(dialogs.asked.constFirst().informativeText.endsWith("Nothing on disk was changed."));
}

TEST_F(SongListTest, HidingAndShowingTheListKeepsItsColumnsAndSelection)
{
    delegate->window()->resize(1000, 600);
    delegate->window()->show();
    clickRow(rowOfTitle("Yesterday"));
    QCoreApplication::processEvents();
    // Each column's share of the table's width.
    const auto columnShares = [this] {
        QList<double> shares;
        for (int column = 0; column < 3; ++column)
            shares.append(table().columnWidth(column) / double(table().viewport()->width()));
        return shares;
    };
    const QList<double> before = columnShares();
    ASSERT_GT(before.at(1), 0);
    EXPECT_NEAR(before.at(0) + before.at(1) + before.at(2), 1.0, 0.02) << "the columns shown fill the table";

    PaneSplitView &panes = *delegate->splitView();
    for (int round = 0; round < 2; ++round) {
        panes.setSegmentSelected(PaneSplitView::ListPane, false);
        panes.changeViewSelector();
        QCoreApplication::processEvents();
        delegate->applicationWillBecomeActive(); // refreshes the hidden list
        panes.setSegmentSelected(PaneSplitView::ListPane, true);
        panes.changeViewSelector();
        QCoreApplication::processEvents();
    }
    const QList<double> after = columnShares();
    for (int column = 0; column < 3; ++column)
        EXPECT_NEAR(after.at(column), before.at(column), 0.02) << column;
    EXPECT_EQ(songList().selectedSongs().value(0), currentSong());
}

TEST_F(SongListTest, CommandsOnTheCurrentSongsFileActOnTheCurrentSong)
{
    // Shown through another object than the list's (a file opened from the desktop, say): the selection's
    // commands must change the object that holds the edits.
    clickRow(rowOfTitle("Yesterday"));
    const auto shown = std::make_shared<Song>(path("Blues/Yesterday.pro"));
    delegate->setCurrentSong(shown);
    table().selectAll();
    const QList<SongPtr> selected = songList().selectedSongs();
    ASSERT_EQ(selected.size(), 4);
    EXPECT_EQ(selected.at(rowOfTitle("Yesterday")), shown);
    EXPECT_EQ(selected.at(rowOfTitle("Wild Rover")), delegate->songs()->songForRow(rowOfTitle("Wild Rover")));
}

TEST_F(SongListTest, ColumnWidthsGoIntoTheWindowLayoutAndBack)
{
    table().resize(400, 300);
    VellorinWindowLayout layout;
    songList().saveLayout(layout);
    EXPECT_GT(layout.songlistcol0(), 0);
    EXPECT_EQ(layout.songlistcol3(), 0) << "the Time column is hidden";

    layout.setSonglistcol0(0.5);
    layout.setSonglistcol3(0.2);
    songList().loadLayout(layout);
    EXPECT_NEAR(table().columnWidth(0), 0.5 * table().viewport()->width(), 1);
    EXPECT_TRUE(table().isColumnHidden(3)) << "loading leaves the Time column's visibility alone";
    layout.setSonglistcol3(0);
    table().setColumnHidden(3, false);
    songList().loadLayout(layout);
    EXPECT_TRUE(table().isColumnHidden(3));
}

// A category whose folder's name is not UTF-8 is a category like any other: its songs are listed and shown, a
// text song is saved and tagged in place, and both kinds move out to another category and back, each file
// under the folder's own bytes.
TEST_F(SongListTest, ACategoryWhoseNameIsNotUtf8HoldsSongsLikeAnyOther)
{
    const QByteArray folderName = "Lieder \xe9t\xe9";
    const QByteArray raw = QFile::encodeName(path(QString())) + '/' + folderName;
    RawFiles::makeFolder(raw);
    RawFiles::write(raw + "/Heimweh.pro", "{title: Heimweh}\n[C]Caf\xc3\xa9 au lait\n");
    QTemporaryDir elsewhere;
    const QString sheet =
        TestFiles::writePdfPages(QDir(elsewhere.path()).filePath(QStringLiteral("Blatt.pdf")), {"Moonlight"});
    ASSERT_EQ(::rename(QFile::encodeName(sheet).constData(), (raw + "/Blatt.pdf").constData()), 0);
    const QString category = FileName::fromBytes(folderName);

    LogCapture log;
    songList().refresh();
    chooseCategory(Categories::CategoryTag, category);
    EXPECT_EQ(rowTitles(), (QStringList{"Blatt", "Heimweh"}));

    clickRow(rowOfTitle("Heimweh"));
    ASSERT_TRUE(currentSong());
    EXPECT_TRUE(currentSong()->text().contains(QStringLiteral("Caf\u00e9 au lait")));
    EXPECT_TRUE(currentSong()->setCapo(2));
    EXPECT_TRUE(currentSong()->addTag(QStringLiteral("Abend")));
    const QByteArray saved = RawFiles::read(raw + "/Heimweh.pro");
    EXPECT_TRUE(saved.contains("{Capo: 2}") && saved.contains("{tag: Abend}") && saved.contains("Caf\xc3\xa9 au lait"))
        << saved.constData();

    const auto moveSelected = [this](const QString &to) {
        dialogs.textAnswers = {to};
        songList().changeCategoryOfSelectedSongs();
    };
    for (const char *title : {"Heimweh", "Blatt"}) {
        SCOPED_TRACE(title);
        selectRows({QString::fromLatin1(title)});
        moveSelected(QStringLiteral("Archive"));
        EXPECT_EQ(RawFiles::namesIn(raw).size(), 1) << "moved out, nothing left behind";
        chooseCategory(Categories::CategoryTag, QStringLiteral("Archive"));
        selectRows({QString::fromLatin1(title)});
        // Offered by its readable name, which is what the person chooses.
        moveSelected(FileName::displayName(category));
        EXPECT_TRUE(dialogs.textPromptsShown.constLast().choices.contains(FileName::displayName(category)));
        EXPECT_EQ(RawFiles::namesIn(QFile::encodeName(path(QStringLiteral("Archive")))), QList<QByteArray>());
        chooseCategory(Categories::CategoryTag, category);
    }
    EXPECT_EQ(RawFiles::namesIn(raw), (QList<QByteArray>{"Blatt.pdf", "Heimweh.pro"}));
    EXPECT_EQ(RawFiles::read(raw + "/Heimweh.pro"), saved);
    EXPECT_EQ(rowTitles(), (QStringList{"Blatt", "Heimweh"}));

    clickRow(rowOfTitle("Blatt"));
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(FileName::toBytes(currentSong()->path()), raw + "/Blatt.pdf");
    EXPECT_TRUE(currentSong()->plainText().contains(QStringLiteral("Moonlight"))) << "the PDF was opened";
    EXPECT_EQ(log.lines().filter(QStringLiteral("Could not")), QStringList());
    EXPECT_EQ(log.lines().filter(QStringLiteral("Error")), QStringList());
    RawFiles::removeTree(raw);
}
