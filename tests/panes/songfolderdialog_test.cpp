// Choosing the song folder from the song list: the folder panel, the documents-folder rule, the stored folder and
// a cancel at the first launch.
#include "panestestwindow.h"
#include "prefs.h"
#include "songfolderchoice.h"
#include "songlistviewcontroller.h"
#include "textfile.h"
#include "vellorinappdelegate.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

class SongFolderDialogTest : public PanesTestWindow
{
};

} // namespace

TEST_F(SongFolderDialogTest, CancellingTheFirstQuestionEndsTheProgram)
{
    launch(false);
    int quits = 0;
    songList().setQuitWithoutSongFolder([&] { ++quits; });
    // The question comes half a second after launching.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.folderPanelsShown.isEmpty(); }, 2000));
    EXPECT_EQ(dialogs.folderPanelsShown.at(0).message, "Select Song Folder");
    // It used to open in a documents folder the test's home does not have, where nothing can be chosen.
    EXPECT_EQ(dialogs.folderPanelsShown.at(0).directory, QDir::homePath())
        << "no song folder, no default song folder and no documents folder: the home folder";
    EXPECT_EQ(quits, 1);
}

TEST_F(SongFolderDialogTest, AChosenFolderBecomesTheSongFolderForThisAndTheNextRun)
{
    writeSampleFolder();
    launch(false);
    int quits = 0;
    songList().setQuitWithoutSongFolder([&] { ++quits; });
    dialogs.folderPanelAnswers = {folder.path()};
    songList().selectSongDir();
    EXPECT_EQ(prefs().songDirectoryPath(), folder.path());
    EXPECT_EQ(rowTitles().size(), 4);
    EXPECT_EQ(SongFolderChoice::stored(), folder.path());
    EXPECT_NE(delegate->chords(), nullptr);

    // The next launch opens it without a question.
    delegate.reset();
    launch(false);
    QTest::qWait(700);
    EXPECT_EQ(dialogs.folderPanelsShown.size(), 1);
    EXPECT_EQ(rowTitles().size(), 4);

    // Cancelling a later question changes nothing.
    songList().setQuitWithoutSongFolder([&] { ++quits; });
    songList().selectSongDir();
    EXPECT_EQ(dialogs.folderPanelsShown.at(1).directory, folder.path());
    EXPECT_EQ(prefs().songDirectoryPath(), folder.path());
    EXPECT_EQ(quits, 0);
}

TEST_F(SongFolderDialogTest, AFolderNamedLikeTheDocumentsGetsItsOwnSongFolder)
{
    launch(false);
    songList().setQuitWithoutSongFolder([] {});
    const QString documents = QDir(folder.path()).filePath(QFileInfo(Prefs::docDirectory()).fileName());
    ASSERT_TRUE(QDir().mkpath(documents));
    dialogs.folderPanelAnswers = {documents};
    songList().selectSongDir();
    const QString songFolder = QDir(documents).filePath("Vellorin");
    EXPECT_EQ(prefs().songDirectoryPath(), songFolder);
    EXPECT_TRUE(QFileInfo(songFolder).isDir()) << "made by the library";
    // A new library starts with the sample song.
    EXPECT_EQ(rowTitles().size(), 1);
    EXPECT_EQ(SongFolderChoice::stored(), songFolder);
}

TEST_F(SongFolderDialogTest, AFileGivenAtTheFirstStartWaitsForTheSongFolder)
{
    // It used to be imported a second later, with no folder to go to: "could not be saved", and the song was
    // gone once the folder was chosen.
    QTemporaryDir downloads;
    const QString given = QDir(downloads.path()).filePath("new.pro");
    ASSERT_TRUE(TextFile::write(given, "{title: New}\n[C]la"));
    launch(false);
    songList().setQuitWithoutSongFolder([] {});
    delegate->openFile(given);
    // The user is still looking for a folder when the file's moment to open has passed.
    EXPECT_FALSE(QTest::qWaitFor([&] { return !dialogs.asked.isEmpty() || currentSong(); }, 1200));

    dialogs.folderPanelAnswers = {folder.path()};
    songList().selectSongDir();
    ASSERT_TRUE(QTest::qWaitFor([&] { return currentSong() && currentSong()->title() == "New"; }, 3000));
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "no failure to report";
    EXPECT_EQ(QFileInfo(currentSong()->path()).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    EXPECT_EQ(read(currentSong()->path()), "{title: New}\n[C]la");
    EXPECT_NE(rowOfTitle("New"), -1);
}
