// The editor in the launched application: the song pane follows the typing, and edits of the last second are
// never lost, whether the user switches songs, hides the editor or quits.
#include "doubleclicktextview.h"
#include "panesplitview.h"
#include "panestestwindow.h"
#include "prefs.h"
#include "songcontextmenus.h"
#include "songeditviewcontroller.h"
#include "songlistviewcontroller.h"
#include "songs.h"
#include "vellorinappdelegate.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QTest>

namespace {

class SongEditWindowTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        writeSampleFolder();
        launch();
        prefs().setAllowAutoCorrectInEditor(true);
        clickRow(rowOfTitle("Yesterday"));
    }
    QString yesterday() const { return read(path("Blues/Yesterday.pro")); }

    const QString original = QStringLiteral("{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\n");
};

} // namespace

TEST_F(SongEditWindowTest, TheSongPaneFollowsASecondAfterTheLastKeystroke)
{
    QSignalSpy updates(&editor(), &SongEditViewController::songTextChanged);
    typeIntoEditor("[C]all my");
    EXPECT_EQ(updates.count(), 0);
    EXPECT_EQ(songPaneSong()->text(), original);
    ASSERT_TRUE(QTest::qWaitFor([&] { return updates.count() == 1; }, 3000));
    EXPECT_EQ(songPaneSong()->text(), original + "[C]all my");
    // Nothing is written until the song is saved.
    EXPECT_EQ(yesterday(), original);
}

TEST_F(SongEditWindowTest, SwitchingSongsWithinTheSecondSavesTheEdits)
{
    typeIntoEditor("x");
    dialogs.answers = {Dialogs::Answer::Default};
    clickRow(rowOfTitle("Wild Rover"));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked.at(0).title, "Song Yesterday has been changed. Save changes?");
    EXPECT_EQ(yesterday(), original + "x");
    EXPECT_EQ(currentSong()->title(), "Wild Rover");
}

TEST_F(SongEditWindowTest, QuittingWithinTheSecondSavesTheEdits)
{
    typeIntoEditor("y");
    EXPECT_TRUE(delegate->applicationShouldTerminate());
    EXPECT_EQ(yesterday(), original + "y");
}

TEST_F(SongEditWindowTest, ShowingTheSongShownAgainKeepsTheTypedWordUnsaved)
{
    // A playlist entry or a capo change shows the current song again: nothing unsaved, nothing asked.
    delegate->setCurrentSong(currentSong());
    dialogs.answers = {Dialogs::Answer::Default};
    clickRow(rowOfTitle("Wild Rover"));
    EXPECT_TRUE(dialogs.asked.isEmpty());

    // Typed, shown again: switching away asks, and the word is saved.
    clickRow(rowOfTitle("Yesterday"));
    typeIntoEditor(" word");
    delegate->setCurrentSong(currentSong());
    clickRow(rowOfTitle("Wild Rover"));
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(yesterday(), original + " word");

    // Quitting saves it too.
    typeIntoEditor(" more");
    delegate->setCurrentSong(currentSong());
    delegate->applicationWillTerminate();
    EXPECT_EQ(read(path("Live/Wild Rover.pro")), "{title: Wild Rover}\n{key: D}\n[D]I've been a wild rover\n more");
}

TEST_F(SongEditWindowTest, AfterASaveTheListHoldsTheCurrentSongAndATagGivenThroughItOutlivesTheNextSave)
{
    // A save used to make the library's next refresh read the file into a second object: a tag given through
    // the list went into that copy, and the editor's next save wrote over it.
    typeIntoEditor("x");
    ASSERT_TRUE(delegate->saveCurrentSongInteractive(false));
    songList().refresh();
    EXPECT_EQ(delegate->songs()->songForRow(rowOfTitle("Yesterday")), currentSong());

    songList().menus().tagSelected("live");
    typeIntoEditor("y");
    ASSERT_TRUE(delegate->saveCurrentSongInteractive(false));
    const Song saved(path("Blues/Yesterday.pro"));
    EXPECT_TRUE(saved.tags().contains("live"));
    EXPECT_TRUE(saved.text().startsWith(original + "x")) << saved.text().toStdString();
    EXPECT_TRUE(saved.text().endsWith("y")) << "the typing after the tag is saved too";
}

TEST_F(SongEditWindowTest, HidingTheEditorAsksAndACancelKeepsItWithItsText)
{
    PaneSplitView &panes = *delegate->splitView();
    typeIntoEditor("z");
    dialogs.answers = {Dialogs::Answer::Other};
    panes.toggleSongEdit();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(delegate->isSongEditVisible());
    EXPECT_TRUE(panes.isSegmentSelected(PaneSplitView::SongEditPane));
    EXPECT_TRUE(prefs().showSongEdit());
    EXPECT_TRUE(editor().songTextView()->rawText().endsWith("z"));
    EXPECT_EQ(yesterday(), original);

    dialogs.answers = {Dialogs::Answer::Default};
    panes.toggleSongEdit();
    EXPECT_FALSE(delegate->isSongEditVisible());
    EXPECT_FALSE(prefs().showSongEdit());
    EXPECT_EQ(yesterday(), original + "z");
}
