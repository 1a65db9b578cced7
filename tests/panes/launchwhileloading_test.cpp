// The launch while the library loads on worker threads: the remembered song shows first, the list fills when the
// load is taken, and searching, choosing another folder or quitting meanwhile lose nothing and break nothing.
#include "panestestwindow.h"

#include "libraryload.h"
#include "prefs.h"
#include "songlistviewcontroller.h"
#include "songs.h"
#include "songviewviewcontroller.h"
#include "userdefaults.h"
#include "vellorinappdelegate.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

class LaunchWhileLoadingTest : public PanesTestWindow
{
protected:
    // The sample folder, with enough songs beside it that their load outlasts the launch's first steps.
    void writeLargeFolder()
    {
        writeSampleFolder();
        for (int number = 0; number < 1500; ++number)
            write(QStringLiteral("Many/Tune %1.pro").arg(number, 4, 10, QLatin1Char('0')),
                  QStringLiteral("{title: Tune %1}\n{key: G}\n[G]la la\n").arg(number));
    }

    // What the last run left: the song folder and the song shown, by its reference and its file.
    void rememberSong(const QString &relativePath, const QString &reference)
    {
        Prefs stored;
        stored.setCurrentSong(reference);
        ASSERT_TRUE(stored.save());
        UserDefaults::setValue(VellorinAppDelegate::currentSongPathKey, path(relativePath));
    }

    Songs &library() const { return *delegate->songs(); }
};

TEST_F(LaunchWhileLoadingTest, TheRememberedSongShowsBeforeTheListFills)
{
    writeLargeFolder();
    rememberSong(QStringLiteral("Live/Wild Rover.pro"), QStringLiteral("Wild Rover"));
    startLaunch();
    ASSERT_TRUE(library().isLoading());
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(currentSong()->path(), path(QStringLiteral("Live/Wild Rover.pro")));
    EXPECT_TRUE(rowTitles().isEmpty());
    // No count until the categories are known: the song folder's own songs are no total.
    EXPECT_EQ(songList().categoryPopupButton()->currentText(), QStringLiteral("- All Songs -"));

    // The song pane takes it from the event loop, well before the load of every file is taken.
    bool paneShowedItWhileLoading = false;
    QObject::connect(delegate->songViewViewController(), &SongViewViewController::refreshed, delegate.get(),
                     [&] { paneShowedItWhileLoading = paneShowedItWhileLoading || library().isLoading(); });
    ASSERT_TRUE(waitForLibrary(library()));
    EXPECT_TRUE(paneShowedItWhileLoading);
    EXPECT_EQ(songPaneSong(), currentSong());

    // The list then holds every song, the shown one as the very object the pane shows, and selects it.
    EXPECT_EQ(rowTitles().size(), 1504);
    EXPECT_EQ(songList().categoryPopupButton()->currentText(), QStringLiteral("- All Songs - (1504)"));
    const int row = rowOfTitle(QStringLiteral("Wild Rover"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(library().songForRow(row), currentSong());
    EXPECT_EQ(songList().selectedSongs().value(0), currentSong());
}

TEST_F(LaunchWhileLoadingTest, ASongRememberedByItsReferenceOnlyShowsOnceTheLibraryIsRead)
{
    writeSampleFolder();
    // As earlier versions left it, or a file that holds another song now.
    for (const QString &remembered : {QString(), path(QStringLiteral("Amazing Grace.pro"))}) {
        rememberSong(QStringLiteral("unused"), QStringLiteral("Wild Rover"));
        UserDefaults::setValue(VellorinAppDelegate::currentSongPathKey, remembered);
        startLaunch();
        EXPECT_FALSE(currentSong());
        ASSERT_TRUE(waitForLibrary(library()));
        ASSERT_TRUE(currentSong());
        EXPECT_EQ(currentSong()->title(), QStringLiteral("Wild Rover"));
        EXPECT_EQ(library().songForRow(rowOfTitle(QStringLiteral("Wild Rover"))), currentSong());
        delegate.reset();
    }
}

TEST_F(LaunchWhileLoadingTest, ASearchTypedWhileTheLibraryLoadsFiltersTheListOnceItIsRead)
{
    writeLargeFolder();
    startLaunch();
    ASSERT_TRUE(library().isLoading());
    QLineEdit &search = *songList().searchField();
    QTest::keyClicks(&search, QStringLiteral("rover"));
    EXPECT_EQ(search.text(), QStringLiteral("rover"));
    ASSERT_TRUE(waitForLibrary(library()));
    QCoreApplication::processEvents();
    EXPECT_EQ(search.text(), QStringLiteral("rover"));
    EXPECT_EQ(rowTitles(), QStringList({"Wild Rover"}));
}

TEST_F(LaunchWhileLoadingTest, AnotherSongFolderChosenWhileTheLibraryLoadsListsItsSongsOnly)
{
    writeLargeFolder();
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkpath(QStringLiteral("Folk")));
    QFile song(QDir(other.path()).filePath(QStringLiteral("Folk/Scarborough.pro")));
    ASSERT_TRUE(song.open(QIODevice::WriteOnly));
    song.write("{title: Scarborough}\n[Am]Are you going\n");
    song.close();
    startLaunch();
    ASSERT_TRUE(library().isLoading());
    dialogs.folderPanelAnswers = {other.path()};
    songList().selectSongDir();
    ASSERT_TRUE(waitForLibrary(library()));
    QCoreApplication::processEvents();
    EXPECT_EQ(rowTitles(), QStringList({"Scarborough"}));
    EXPECT_EQ(library().allSongs().size(), 1);
}

TEST_F(LaunchWhileLoadingTest, ASongOfTheLibraryOpenedWhileItLoadsIsShownWithoutACopy)
{
    writeLargeFolder();
    startLaunch();
    ASSERT_TRUE(library().isLoading());
    const QString rover = path(QStringLiteral("Live/Wild Rover.pro"));
    delegate->openSong(VellorinAppDelegate::songForFile(rover));
    ASSERT_TRUE(waitForLibrary(library()));
    QCoreApplication::processEvents();
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(currentSong()->path(), rover);
    EXPECT_EQ(QDir(path(QStringLiteral("Live"))).entryList(QDir::Files).size(), 2) << "nothing imported";
    EXPECT_EQ(rowTitles().size(), 1504);
}

TEST_F(LaunchWhileLoadingTest, QuittingWhileTheLibraryLoadsEndsCleanlyAndKeepsTheRememberedSong)
{
    writeLargeFolder();
    rememberSong(QStringLiteral("Live/Wild Rover.pro"), QStringLiteral("Wild Rover"));
    for (int start = 0; start < 3; ++start) {
        startLaunch();
        ASSERT_TRUE(library().isLoading());
        EXPECT_TRUE(delegate->applicationShouldTerminate());
        delegate->applicationWillTerminate();
        delegate.reset();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(UserDefaults::value(VellorinAppDelegate::currentSongPathKey).toString(),
              path(QStringLiteral("Live/Wild Rover.pro")));
    launch();
    ASSERT_TRUE(currentSong());
    EXPECT_EQ(currentSong()->title(), QStringLiteral("Wild Rover"));
    EXPECT_EQ(rowTitles().size(), 1504);
}

} // namespace
